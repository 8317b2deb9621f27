#pragma once

#include <array>
#include <optional>
#include <utility>

#include "Korrekturauswertung.h"
#include "Studienbedingungen.h"
#include "ThomeerAuswertung.h"

class CKadrelDoc;

// What the analyses of one kadrel-cli run share: the conditions and the
// closure pressure for all measurements in force, and the closure-corrected
// curves with the Thomeer fit on them. In force is, per option, the
// option's value where it was given, else the document's study (a .kdr
// document may carry one), else the default.
class CliGrundlage {
 public:
  // The options' values: --labor, --lagerstaette, --dichten (the fields
  // 2i and 2i + 1 of the conditions), --schliessdruck.
  std::array<std::optional<std::pair<double, double>>, 3> paare;
  std::optional<double> schliessdruck;

  // Settles the conditions in force for the evaluated document; the first
  // call of a run counts, later ones do nothing.
  void Beginnen(const CKadrelDoc& doc);

  // Valid after Beginnen.
  const Studienbedingungen& Bedingungen() const { return bedingungen_; }
  Korrekturauswertung& Korrektur() { return *korrektur_; }
  ThomeerAuswertung& Thomeer() { return *thomeer_; }

 private:
  Studienbedingungen bedingungen_;
  std::optional<Korrekturauswertung> korrektur_;
  std::optional<ThomeerAuswertung> thomeer_;
};
