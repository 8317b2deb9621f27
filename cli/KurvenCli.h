#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CliAuswertung.h"
#include "Kurvenauswertung.h"

// --kurven-grafik [KERN,...]: the chart "Kapillardruckkurven" of every
// measurement or of those the labels name, and its list in place of the
// table; the key "Kapillardruckkurven" in JSON.
class KurvenCli : public CliAuswertung {
 public:
  void Anmelden(Befehlszeile& b) override;
  std::vector<CliListe> Listen() override;
  std::optional<std::string> Beginnen(const CKadrelDoc& doc) override;
  void JsonErgaenzen(nlohmann::ordered_json& zusatz) override;
  void CsvTabellen(std::vector<csv::Tabelle>&) override {}

 private:
  bool gewaehlt_ = false;
  std::optional<std::vector<std::string>> kerne_;
  std::optional<Kurvenauswertung> auswertung_;
};
