#pragma once

#include <optional>
#include <string>

#include "CliAuswertung.h"
#include "ThomeerAuswertung.h"

// --thomeer: the Thomeer list instead of the table, the chart of the curve
// --kern names, the key "Thomeer" in JSON; its table always goes to CSV.
class ThomeerCli : public CliAuswertung {
 public:
  void Anmelden(Befehlszeile& b) override;
  std::optional<std::string> Zusammenspiel(const Laufoptionen&) const override;
  std::vector<CliListe> Listen() override;
  std::optional<std::string> Beginnen(const CKadrelDoc& doc) override;
  void JsonErgaenzen(nlohmann::ordered_json& zusatz) override;
  void CsvTabellen(std::vector<csv::Tabelle>& tabellen) override;

 private:
  bool thomeer_ = false;
  std::optional<std::string> kern_;
  // The fit runs only when a result is asked for.
  std::optional<ThomeerAuswertung> auswertung_;
};
