#pragma once

#include <memory>
#include <optional>
#include <string>

#include "CliAuswertung.h"
#include "CliGrundlage.h"
#include "Lagerstaettenauswertung.h"
#include "Lagerstaettenbedingungen.h"

// The reservoir analyses: --saettigungshoehe, --porenradien and --modellguete
// print their lists instead of the table, the conditions come from --labor,
// --lagerstaette and --dichten over those a document keeps (never from the
// desktop's settings), the closure pressure for all from --schliessdruck,
// the saturation-height choice from --shf-modell, --shf-gestein,
// --shf-gesteinstyp and --hoehe-max over the document's; JSON keys
// "Saettigungshoehe", "Porenradien", "SHF-Modelle" and, when a curve was
// corrected, "Schliessdruckkorrektur"; their tables always go to CSV. The
// analysis itself is the run's shared one (CliGrundlage::Lagerstaette).
class LagerstaettenCli : public CliAuswertung {
 public:
  explicit LagerstaettenCli(std::shared_ptr<CliGrundlage> grundlage = std::make_shared<CliGrundlage>())
      : grundlage_(std::move(grundlage)) {}

  void Anmelden(Befehlszeile& b) override;
  std::optional<std::string> Werte() const override;
  std::vector<CliListe> Listen() override;
  std::optional<std::string> Beginnen(const CKadrelDoc& doc) override;
  void JsonErgaenzen(nlohmann::ordered_json& zusatz) override;
  void CsvTabellen(std::vector<csv::Tabelle>& tabellen) override;

 private:
  // The saturation-height options' values, checked before the run.
  std::optional<std::string> WahlWerte() const;

  std::shared_ptr<CliGrundlage> grundlage_;
  // The defaults with the options' values, checked before the run.
  Lagerstaettenbedingungen bedingungen_;
  bool saettigungshoehe_ = false;
  bool porenradien_ = false;
  bool modellguete_ = false;
  Lagerstaettenauswertung* auswertung_ = nullptr;
};
