#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Labortabelle.h"
#include "Textliste.h"

class Befehlszeile;
struct Laufoptionen;

// The command line's options for laboratory tables.
struct LaborOptionen {
  std::optional<std::string> labordaten;
  // Names or numbers of the columns of label, permeability, pressure,
  // saturation and (optional) porosity; empty entries are detected.
  std::vector<std::string> spalten;
  labor::Vorgaben vorgaben;
};

// --labordaten DATEI and its options: a laboratory table in place of the
// input, read before the run.
class LabordatenCli {
 public:
  void Anmelden(Befehlszeile& b);
  std::optional<std::string> Zusammenspiel(const Laufoptionen& lauf) const;
  bool Gewaehlt() const { return o_.labordaten.has_value(); }
  const LaborOptionen& Optionen() const { return o_; }

 private:
  LaborOptionen o_;
};

// Reads the table into input lines; its problems go to `meldungen`. False
// with the reason when the table is unusable.
bool LabordatenEinlesen(const LaborOptionen& o, Textliste& zeilen, std::ostream& meldungen, std::string& grund);
