#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Ausgleichsgerade.h"
#include "Lagerstaettenbedingungen.h"
#include "Messkurve.h"
#include "Thomeer.h"

// One measurement's Thomeer system against its permeability, as the fit
// of the Thomeer model takes it.
struct ThomeerPunkt {
  double K = 0.0;  // mD
  ThomeerSystem system;
};

// The Thomeer saturation-height model: over the measurements the Thomeer fit
// described with exactly one system (or those of one rock type), three
// least-squares lines in log10 k: log10 Pd[bar], G and S∞ each = a + b·log10 k.
// At a rock (k) and height h > 0: Pc_L = Pc_R / (F·10^5) bar,
// S_Hg = S∞·exp(−G / log10(Pc_L/Pd)) where Pc_L > Pd, else 0, and
// Sw = 1 − S_Hg limited to 0 … 1; Sw = 1 at h ≤ 0.
class ThomeerModell {
 public:
  ThomeerModell() = default;
  // Fits the model; `ergebnisse` holds one Thomeer result per measurement,
  // in the order of `kurven`.
  static ThomeerModell Anpassen(const std::vector<Messkurve>& kurven, const std::vector<ThomeerErgebnis>& ergebnisse,
                                const Lagerstaettenbedingungen& b, std::optional<int> gesteinstyp);
  // Fits it to systems given directly.
  static ThomeerModell AusPunkten(const std::vector<ThomeerPunkt>& punkte, const Lagerstaettenbedingungen& b);

  const Lagerstaettenbedingungen& Bedingungen() const { return b_; }
  // Why there is no model; empty when there is.
  const std::string& Grund() const { return grund_; }
  // The three lines: log10 Pd[bar], G and S∞ against log10 k[mD].
  const Ausgleichsgerade& LogPd() const { return pd_; }
  const Ausgleichsgerade& G() const { return g_; }
  const Ausgleichsgerade& Sinf() const { return sinf_; }
  int Messungen() const { return messungen_; }

  // The system the lines give at k; empty reason when usable, otherwise why not.
  std::string System(double kMd, ThomeerSystem& s) const;
  // Empty when the model can evaluate k, otherwise why not.
  std::string GesteinGrund(double kMd) const;
  // Sw at height h (m); NaN where the model cannot evaluate k.
  double Sw(double kMd, double hMeter) const;
  // Pd (bar, laboratory) at k; NaN where not evaluable.
  double Eintrittsdruck(double kMd) const;

 private:
  Lagerstaettenbedingungen b_;
  std::string grund_ = "Das Thomeer-Modell wurde nicht angepasst.";
  Ausgleichsgerade pd_;
  Ausgleichsgerade g_;
  Ausgleichsgerade sinf_;
  int messungen_ = 0;
};
