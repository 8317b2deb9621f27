#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Korrekturauswertung.h"
#include "Lagerstaettenauswertung.h"
#include "SaettigungshoehenWahl.h"
#include "Studienbedingungen.h"
#include "ThomeerAuswertung.h"

class CKadrelDoc;

// What the analyses of one kadrel-cli run share: the conditions and the
// closure pressure for all measurements in force, the saturation-height
// choice in force, the closure-corrected curves with the Thomeer fit on
// them, and the reservoir analyses. In force is, per option, the option's
// value where it was given, else the document's study (a .kdr document may
// carry one), else the default.
class CliGrundlage {
 public:
  // The options' values: --labor, --lagerstaette, --dichten (the fields
  // 2i and 2i + 1 of the conditions), --schliessdruck.
  std::array<std::optional<std::pair<double, double>>, 3> paare;
  std::optional<double> schliessdruck;
  // --shf-modell, --shf-gestein (every one, in order), --shf-gesteinstyp,
  // --hoehe-max.
  std::optional<ShfModell> modell;
  std::vector<Gestein> gesteine;
  std::optional<int> gesteinstyp;
  std::optional<double> hoeheMax;

  // Whether any of the saturation-height options was given.
  bool WahlOptionen() const { return modell || !gesteine.empty() || gesteinstyp || hoeheMax; }

  // Settles what is in force for the evaluated document; the first call of
  // a run counts, later ones do nothing.
  void Beginnen(const CKadrelDoc& doc);

  // Valid after Beginnen.
  const Studienbedingungen& Bedingungen() const { return bedingungen_; }
  // The saturation-height choice in force; none: the default over the
  // measurements (Lagerstaette().Wahl() gives it).
  const std::optional<SaettigungshoehenWahl>& Wahl() const { return wahl_; }
  // Why the options' choice cannot be used on this document (the J model
  // without porosities to take); empty when it can.
  const std::string& WahlFehler() const { return wahlFehler_; }
  Korrekturauswertung& Korrektur() { return *korrektur_; }
  ThomeerAuswertung& Thomeer() { return *thomeer_; }
  Lagerstaettenauswertung& Lagerstaette() { return *lagerstaette_; }

 private:
  Studienbedingungen bedingungen_;
  std::optional<SaettigungshoehenWahl> wahl_;
  std::string wahlFehler_;
  std::optional<Korrekturauswertung> korrektur_;
  std::optional<ThomeerAuswertung> thomeer_;
  std::optional<Lagerstaettenauswertung> lagerstaette_;
};
