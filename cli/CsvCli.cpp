#include "CsvCli.h"

#include "Befehlszeile.h"
#include "Ergebnistabellen.h"
#include "KadrelDoc.h"

void CsvCli::Anmelden(Befehlszeile& b) {
  b.Aufruf("\n[--csv DATEI [--csv-deutsch]]");
  b.Wert("--csv", "DATEI", "nach dem Lauf die Zahlen der Ergebnisse als CSV-Datei (UTF-8) schreiben",
         "--csv erwartet einen Dateinamen", [this](const std::string& w) {
           datei_ = w;
           return std::optional<std::string>();
         });
  b.Schalter("--csv-deutsch", "die CSV-Datei für deutsches Excel (Semikolon, Dezimalkomma, BOM)",
             [this] { deutsch_ = true; });
}

std::optional<std::string> CsvCli::Zusammenspiel() const {
  if (deutsch_ && !datei_) return "--csv-deutsch gilt nur zusammen mit --csv";
  return std::nullopt;
}

bool CsvCli::Schreiben(const CKadrelDoc& doc, const std::vector<csv::Tabelle>& analysen, std::string& grund) const {
  std::vector<csv::Tabelle> tabellen = Ergebnistabellen(doc);
  tabellen.insert(tabellen.end(), analysen.begin(), analysen.end());
  return csv::DateiSchreiben(*datei_, tabellen, deutsch_ ? csv::Format::DeutschesExcel() : csv::Format{}, grund);
}
