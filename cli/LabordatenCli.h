#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "CsvSchreiber.h"
#include "Labortabelle.h"
#include "Textliste.h"

class CKadrelDoc;

// The command line's options for laboratory tables and the CSV export.
struct LaborOptionen {
  std::optional<std::string> labordaten;
  std::vector<std::string> spalten;  // four names or numbers; empty entries are detected
  labor::Vorgaben vorgaben;
  std::optional<std::string> csv;
  bool csvDeutsch = false;
};

// Takes option `arg[i]` (and its value) when it is one of these options;
// `fehler` is set for a bad value. Returns whether the option was one of them.
bool LaborOptionLesen(const std::vector<std::string>& arg, std::size_t& i, LaborOptionen& o,
                      std::optional<std::string>& fehler);

// Reads the table into input lines; its problems go to `meldungen`. False
// with the reason when the table is unusable.
bool LabordatenEinlesen(const LaborOptionen& o, Textliste& zeilen, std::ostream& meldungen, std::string& grund);

// Writes the CSV export of the run; false with the reason.
bool CsvAusgeben(const LaborOptionen& o, const CKadrelDoc& doc, const std::vector<csv::Tabelle>& analysen,
                 std::string& grund);
