#include "Befehlstexte.h"

namespace befehl {

std::string Zeichenkette(int id) {
  if (id >= kLetzteDatei && id < kLetzteDatei + kLetzteDateien) return "Öffnet dieses Dokument.";
  switch (id) {
    case kDatenAendern:
      return "Eingabedatei einlesen bzw. ändern\nDaten änden";
    case kGrafik:
      return "Ergebnisse als grafik anzeigen\nGrafik";
    case kText:
      return "Ergebnisse als text anzeigen\nText";
    case kHilfe:
      return "Hilf anzeigen";
    case kErgebnisseAusgeben:
      return "Ergnisse in AUS.TXT Datei speichern";
    case kErgebnisseEinlesen:
      return "Ergebnisse einlesen";
    case kGrafiklupe:
      return "Grafik Lupe\nGrafik Lupe";
    case kAnFensterAnpassen:
      return "Zeigt die Grafik so groß, wie das Fenster sie fasst.\nAn Fenster anpassen";
    case kKopieren:
      return "Kopiert die gezeigte Liste (oder ihre markierten Zeilen) oder die Grafik in die "
             "Zwischenablage.\nKopieren";
    case kDateiNeu:
      return "Erstellt ein neues Dokument.\nNeu";
    case kOeffnen:
      return "Öffnet ein bestehendes Dokument.\nÖffnen";
    case kSpeichern:
      return "Speichert das aktive Dokument.\nSpeichern";
    case kSpeichernUnter:
      return "Speichert das aktive Dokument unter neuem Namen.\nSpeichern unter";
    case kDruckereinrichtung:
      return "Ändert den Drucker und die Druckoptionen.\nDruckereinrichtung";
    case kDrucken:
      return "Druckt das aktive Dokument.\nDrucken";
    case kSeitenansicht:
      return "Zeigt ganze Seiten an.\nSeitenansicht";
    case kInfo:
      return "Zeigt Programminformationen und Versionsnummer an.\nInfo";
    case kBeenden:
      return "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.\nBeenden";
    case kSymbolleiste:
      return "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein-/ausschalten";
    case kStatusleiste:
      return "Blendet die Statusleiste ein oder aus.\nStatusleiste ein-/ausschalten";
    case kSeitenansichtBeenden:
      return "Beendet die Seitenansicht.\nSeitenansicht beenden";
    default:
      return "";
  }
}

std::string Aufforderung(int id) {
  const std::string s = Zeichenkette(id);
  return s.substr(0, s.find('\n'));
}

std::string Tooltip(int id) {
  const std::string s = Zeichenkette(id);
  const auto umbruch = s.find('\n');
  return umbruch == std::string::npos ? std::string() : s.substr(umbruch + 1);
}

}  // namespace befehl
