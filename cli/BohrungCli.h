#pragma once

#include <memory>
#include <optional>
#include <string>

#include "Bohrungsauswertung.h"
#include "CliAuswertung.h"
#include "CliGrundlage.h"
#include "LasLesen.h"

// A saturation-height model applied to a well: --bohrung reads a LAS 2.0
// log and prints its list "Bohrung" instead of the table (chart for
// --grafik-datei, aus.txt), --fwl gives the free-water level in the log's
// depth unit, --las-kurven the porosity and permeability curves, and
// --las-ausgabe writes the log with SW and HAFWL added. The model is the
// run's saturation-height choice (CliGrundlage::Lagerstaette); JSON key
// "Bohrung"; its tables go to CSV.
class BohrungCli : public CliAuswertung {
 public:
  explicit BohrungCli(std::shared_ptr<CliGrundlage> grundlage) : grundlage_(std::move(grundlage)) {}

  void Anmelden(Befehlszeile& b) override;
  std::optional<std::string> Zusammenspiel(const Laufoptionen& lauf) const override;
  std::vector<CliListe> Listen() override;
  std::optional<std::string> Beginnen(const CKadrelDoc& doc) override;
  std::optional<std::string> DateienSchreiben() override;
  void JsonErgaenzen(nlohmann::ordered_json& zusatz) override;
  void CsvTabellen(std::vector<csv::Tabelle>& tabellen) override;

 private:
  std::shared_ptr<CliGrundlage> grundlage_;
  std::optional<std::string> pfad_;
  std::optional<double> fwl_;
  bool kurvenGegeben_ = false;
  bohrung::Kurvenwahl kurven_;
  std::optional<std::string> ausgabe_;
  // Read and evaluated in Beginnen.
  bohrung::Bohrung bohrung_;
  bohrung::Auswertung auswertung_;
  // The list and the chart, made when asked for.
  Textliste liste_;
  Datendiagramm diagramm_;
};
