#pragma once

#include <memory>
#include <optional>
#include <string>

#include "CliAuswertung.h"
#include "CliGrundlage.h"
#include "ThomeerAuswertung.h"

// --thomeer: the Thomeer list instead of the table, the chart of the curve
// --kern names, the key "Thomeer" in JSON; its table always goes to CSV. The
// fit is the one the run's analyses share, on the closure-corrected curves.
class ThomeerCli : public CliAuswertung {
 public:
  explicit ThomeerCli(std::shared_ptr<CliGrundlage> grundlage = std::make_shared<CliGrundlage>())
      : grundlage_(std::move(grundlage)) {}

  void Anmelden(Befehlszeile& b) override;
  std::optional<std::string> Zusammenspiel(const Laufoptionen&) const override;
  std::vector<CliListe> Listen() override;
  std::optional<std::string> Beginnen(const CKadrelDoc& doc) override;
  void JsonErgaenzen(nlohmann::ordered_json& zusatz) override;
  void CsvTabellen(std::vector<csv::Tabelle>& tabellen) override;

 private:
  bool thomeer_ = false;
  std::optional<std::string> kern_;
  std::shared_ptr<CliGrundlage> grundlage_;
  // The shared fit, after Beginnen; it runs only when a result is asked for.
  ThomeerAuswertung* auswertung_ = nullptr;
};
