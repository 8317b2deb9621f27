#pragma once

#include <memory>
#include <optional>
#include <string>

#include "CliAuswertung.h"
#include "CliGrundlage.h"
#include "Petrophysikauswertung.h"

// --petrophysik: the list "Petrophysik" instead of the table, one of its
// three charts (--grafik 0 porosity–permeability, 1 J-function, 2 Thomeer
// permeability) for --grafik-datei, the keys "Petrophysik" and "J" in JSON.
// The Thomeer fit it needs is the run's shared one. Its CSV tables (and the
// closure correction's) go to CSV whenever they have rows.
class PetrophysikCli : public CliAuswertung {
 public:
  explicit PetrophysikCli(std::shared_ptr<CliGrundlage> grundlage = std::make_shared<CliGrundlage>())
      : grundlage_(std::move(grundlage)) {}

  void Anmelden(Befehlszeile& b) override;
  std::optional<std::string> Zusammenspiel(const Laufoptionen& lauf) const override;
  std::vector<CliListe> Listen() override;
  std::optional<std::string> Beginnen(const CKadrelDoc& doc) override;
  void JsonErgaenzen(nlohmann::ordered_json& zusatz) override;
  void CsvTabellen(std::vector<csv::Tabelle>& tabellen) override;

 private:
  std::shared_ptr<CliGrundlage> grundlage_;
  bool petrophysik_ = false;
  std::optional<Petrophysikauswertung> auswertung_;
};
