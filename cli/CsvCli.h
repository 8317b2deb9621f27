#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CsvSchreiber.h"

class Befehlszeile;
class CKadrelDoc;

// --csv DATEI [--csv-deutsch]: the CSV export after the run, the analyses'
// tables after the document's.
class CsvCli {
 public:
  void Anmelden(Befehlszeile& b);
  std::optional<std::string> Zusammenspiel() const;
  bool Gewaehlt() const { return datei_.has_value(); }
  // Writes the export; false with the reason.
  bool Schreiben(const CKadrelDoc& doc, const std::vector<csv::Tabelle>& analysen, std::string& grund) const;

 private:
  std::optional<std::string> datei_;
  bool deutsch_ = false;
};
