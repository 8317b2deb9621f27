#pragma once

#include <optional>
#include <string>

#include "CliAuswertung.h"
#include "Lagerstaettenauswertung.h"
#include "Lagerstaettenbedingungen.h"

// The reservoir analyses: --saettigungshoehe and --porenradien print their
// lists instead of the table, the conditions come from --labor,
// --lagerstaette and --dichten (never from the desktop's settings); JSON
// keys "Saettigungshoehe" and "Porenradien"; their tables always go to CSV.
class LagerstaettenCli : public CliAuswertung {
 public:
  void Anmelden(Befehlszeile& b) override;
  std::optional<std::string> Werte() const override;
  std::vector<CliListe> Listen() override;
  std::optional<std::string> Beginnen(const CKadrelDoc& doc) override;
  void JsonErgaenzen(nlohmann::ordered_json& zusatz) override;
  void CsvTabellen(std::vector<csv::Tabelle>& tabellen) override;

 private:
  Lagerstaettenbedingungen bedingungen_;
  bool saettigungshoehe_ = false;
  bool porenradien_ = false;
  std::optional<Lagerstaettenauswertung> auswertung_;
};
