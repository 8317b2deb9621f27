#pragma once

#include <string>
#include <vector>

#include "Lagerstaettenbedingungen.h"
#include "Scharparameter.h"

class CKadrelDoc;

// Kadrel's own saturation-height model: the curve family's model, whose
// Alfa, Beta, entry pressure and Min.Sw come from the document's regression
// polynomials in log10(k), at any permeability. At the family's five
// permeabilities it gives exactly the family's parameters and curves (the
// same single-precision steps and checks, in the same order).
class KadrelModell {
 public:
  KadrelModell() = default;
  // The model of the document's last run under the conditions.
  static KadrelModell AusDokument(const CKadrelDoc& doc, const Lagerstaettenbedingungen& b);

  const Lagerstaettenbedingungen& Bedingungen() const { return b_; }
  // Why the document gives no model; empty when it gives one.
  const std::string& Grund() const { return grund_; }
  // How many rows the regression took (the first 100 summary rows at most),
  // whether they were the test rows, and how many measurements the run read.
  int Messungen() const { return messungen_; }
  bool Testwerte() const { return testwerte_; }
  int GeleseneMessungen() const { return gelesen_; }

  // The parameters at k (mD); empty when usable, otherwise why not, in the
  // order of the family's checks.
  std::string Parameter(double kMd, Scharparameter& p) const;
  // Empty when the model can evaluate k, otherwise why not.
  std::string GesteinGrund(double kMd) const;
  // Sw at height h (m) above the free-water level: 1 up to the entry height,
  // then the family's model inverted; NaN where the model cannot evaluate k.
  double Sw(double kMd, double hMeter) const;
  // The entry pressure (bar, laboratory) at k; NaN where not evaluable.
  double Eintrittsdruck(double kMd) const;
  // The family's 31 points of the curve with these parameters: Sw from Swmin
  // to 1 and the laboratory pressure (bar), rounded to float as the family
  // stores them.
  void Kurve(const Scharparameter& p, std::vector<double>& sw, std::vector<double>& pc) const;

  // The regression coefficients (C_ rows 0 … 3, columns 0 … 3) and the
  // largest pressure of the run, for the tests and the model table.
  float Koeffizient(int p, int j) const { return c_[p][j]; }
  float Pcmax() const { return pcmax_; }

 private:
  Lagerstaettenbedingungen b_;
  std::string grund_ = "Ohne Parameterregression gibt es keine Kurvenschar.";
  float c_[4][4] = {};
  float pcmax_ = 0.0f;
  int messungen_ = 0;
  bool testwerte_ = false;
  int gelesen_ = 0;
};
