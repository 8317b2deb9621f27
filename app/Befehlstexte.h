#pragma once

#include <string>

// The command ids of the main frame and the texts the string table gives
// them: the status-bar prompt and, after a line feed, the tooltip.
namespace befehl {

enum Id : int {
  kDatenAendern = 32772,
  kGrafik = 32773,
  kText = 32774,
  kHilfe = 32775,
  kErgebnisseAusgeben = 32781,
  kErgebnisseEinlesen = 32782,
  kGrafiklupe = 32783,
  kAnFensterAnpassen = 32784,
  kDateiNeu = 57600,
  kOeffnen = 57601,
  kSpeichern = 57603,
  kSpeichernUnter = 57604,
  kDruckereinrichtung = 57606,
  kDrucken = 57607,
  kDruckenDirekt = 57608,
  kSeitenansicht = 57609,
  kLetzteDatei = 57616,  // up to 57619
  kKopieren = 57634,
  kAusschneiden = 57635,
  kEinfuegen = 57637,
  kRueckgaengig = 57643,
  kInfo = 57664,
  kBeenden = 57665,
  kNaechsterBereich = 57680,
  kVorigerBereich = 57681,
  kSymbolleiste = 59392,
  kStatusleiste = 59393,
  kSeitenansichtBeenden = 61445,
};

// Number of entries of the recent-file list.
constexpr int kLetzteDateien = 4;

// The string table entry of a command, "" where it has none.
std::string Zeichenkette(int id);
// Its status-bar prompt: the text before the line feed.
std::string Aufforderung(int id);
// Its tooltip: the text after the line feed, "" where there is none.
std::string Tooltip(int id);

}  // namespace befehl
