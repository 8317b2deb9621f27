#pragma once

#include <optional>
#include <string>

#include "EingabeDaten.h"

class Befehlszeile;

// The options of the run itself: what "Daten ändern" gets, where the input
// comes from, which files are read and written around the run.
struct Laufoptionen {
  EingabeDaten daten;
  bool json = false;
  bool testdaten = false;
  bool ergebnisseAusgeben = false;
  bool ergebnisseEinlesen = false;
  std::optional<std::string> eingabe;
  std::optional<std::string> speichern;
  std::optional<std::string> grafikDatei;
  bool druckLogarithmisch = false;
  std::optional<std::string> import;
  bool nein = false;

  // Registers the options, the input and their part of the usage line.
  void Anmelden(Befehlszeile& b);
  // Checks how the options go together once all are read; `labordaten`:
  // a laboratory table stands in for the input.
  std::optional<std::string> Zusammenspiel(bool labordaten) const;
};
