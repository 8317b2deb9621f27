#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Lagerstaettenbedingungen.h"
#include "Messkurve.h"

// One point of the J-function fit: Leverett J at laboratory conditions and
// the water saturation Sw = 1 − S_Hg.
struct JPunkt {
  double J = 0.0;
  double Sw = 0.0;
};

// The Leverett J-function model log10 Sw = c + d·log10 J, fitted by ordinary
// least squares over every point with 0 < S_Hg < 1 of the measurements that
// carry a porosity (or of those of one rock type), J at laboratory
// conditions. At a rock (k, φ) and height h > 0:
//   J_R = Pc_R / (σ_R·|cos θ_R|) · √(k/φ),  Pc_R = h·(ρ_W − ρ_KW)·1000·g,
//   Sw = min(1, 10^c · J_R^d);  Sw = 1 at h ≤ 0.
class JModell {
 public:
  JModell() = default;
  // Fits the model to the measurements (already corrected as the caller
  // wants them).
  static JModell Anpassen(const std::vector<Messkurve>& kurven, const Lagerstaettenbedingungen& b,
                          std::optional<int> gesteinstyp);
  // Fits it to points given directly.
  static JModell AusPunkten(const std::vector<JPunkt>& punkte, int messungen, const Lagerstaettenbedingungen& b);

  // The points the fit takes from the measurements, and how many
  // measurements gave at least one.
  static std::vector<JPunkt> Punkte(const std::vector<Messkurve>& kurven, const Lagerstaettenbedingungen& b,
                                    std::optional<int> gesteinstyp, int& messungen);

  const Lagerstaettenbedingungen& Bedingungen() const { return b_; }
  // Why there is no model; empty when there is.
  const std::string& Grund() const { return grund_; }
  double c() const { return c_; }
  double d() const { return d_; }
  double R2() const { return r2_; }
  int Punkte() const { return punkte_; }
  int Messungen() const { return messungen_; }

  // Empty when the model can evaluate the rock, otherwise why not.
  std::string GesteinGrund(double kMd, std::optional<double> phi) const;
  // Sw at height h (m); NaN where the rock cannot be evaluated.
  double Sw(double kMd, std::optional<double> phi, double hMeter) const;
  // The laboratory pressure (bar) up to which the model gives Sw = 1 at the
  // rock: where 10^c·J^d reaches 1; NaN where not evaluable.
  double Eintrittsdruck(double kMd, std::optional<double> phi) const;

 private:
  Lagerstaettenbedingungen b_;
  std::string grund_ = "Die J-Funktion wurde nicht angepasst.";
  double c_ = 0.0;
  double d_ = 0.0;
  double r2_ = 0.0;
  int punkte_ = 0;
  int messungen_ = 0;
};
