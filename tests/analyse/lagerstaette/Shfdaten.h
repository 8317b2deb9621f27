#pragma once

// Measurements generated from known saturation-height models, for the
// tests of the models, their quality and their lists.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "Gesteinstyp.h"
#include "Lagerstaettenbedingungen.h"
#include "Messkurve.h"
#include "Thomeer.h"

// Conditions under which a laboratory pressure in bar stands at the same
// height in m: |cos 180°| = 1, F = 48·1 / (480·1) = 0.1, and
// (ρ_W − ρ_KW)·1000·g = 10^4 Pa/m, so h = 0.1·Pc·10^5 / 10^4 = Pc.
inline Lagerstaettenbedingungen MeterGleichBar() {
  return {480.0, 180.0, 48.0, 0.0, 1e4 / (1000.0 * lagerstaette::kErdbeschleunigung), 0.0};
}

inline Messkurve Kurve(float k, std::optional<float> phi, std::vector<float> pc, std::vector<float> shg,
                       std::string kern = "K") {
  Messkurve m;
  m.Perm = k;
  m.Kern = std::move(kern);
  m.Zusatz.Porositaet = phi;
  m.Pc = std::move(pc);
  m.Shg = std::move(shg);
  return m;
}

// Two measurements with k/φ = 400 (100 mD at 0.25, 50 mD at 0.125) have the
// same J per pressure under σ_L 480 mN/m, θ_L 180°:
// J = Pc·10^5/0.48 · √(400·9.869233e-16) = Pc·K.
// With Pc = 4^m bar and d = −0.5, c = log10(2^−1·√K), the J-function gives
// Sw = 10^c·(4^m·K)^−0.5 = 2^(−1−m), which a float holds exactly, so a fit
// must return c and d to rounding, and the model meets every point.
inline double JFaktor() { return 1e5 / 0.48 * std::sqrt(400.0 * lagerstaette::kMilliDarcyInQuadratmeter); }
inline double JKoeffizientC() { return std::log10(0.5 * std::sqrt(JFaktor())); }

inline std::vector<Messkurve> JKurven() {
  std::vector<float> pc;
  std::vector<float> shg;
  for (int m = 0; m <= 5; ++m) {
    pc.push_back(std::ldexp(1.0f, 2 * m));
    shg.push_back(1.0f - std::ldexp(1.0f, -1 - m));
  }
  return {Kurve(100.0f, 0.25f, pc, shg, "A"), Kurve(50.0f, 0.125f, pc, shg, "B")};
}

inline Lagerstaettenbedingungen JBedingungen() { return {480.0, 180.0, 30.0, 30.0, 1.05, 0.8}; }

// Thomeer systems along log10 Pd = 0.3 − 0.45·log10 k, G = 0.6 + 0.1·log10 k,
// S∞ = 0.85 − 0.02·log10 k.
inline constexpr double kPd[2] = {0.3, -0.45};
inline constexpr double kG[2] = {0.6, 0.1};
inline constexpr double kSinf[2] = {0.85, -0.02};

inline ThomeerSystem Erzeugt(double k) {
  const double l = std::log10(k);
  return {std::pow(10.0, kPd[0] + kPd[1] * l), kG[0] + kG[1] * l, kSinf[0] + kSinf[1] * l};
}

inline ThomeerErgebnis Ergebnis(double k, std::vector<ThomeerSystem> systeme) {
  ThomeerErgebnis e;
  e.Perm = static_cast<float>(k);
  e.Systeme = std::move(systeme);
  return e;
}

// A measurement whose points follow the system of Erzeugt(k) at doubling
// pressures from 0.1 bar (saturations rounded to float as the reader stores
// them).
inline Messkurve ThomeerKurve(float k, std::optional<float> phi, const std::string& kern) {
  const ThomeerSystem s = Erzeugt(k);
  std::vector<float> pc;
  std::vector<float> shg;
  for (double p = 0.1; p <= 1800.0; p *= 2.0) {
    pc.push_back(static_cast<float>(p));
    const double pf = static_cast<float>(p);
    shg.push_back(pf > s.Pd ? static_cast<float>(s.Sinf * std::exp(-s.G / std::log10(pf / s.Pd))) : 0.0f);
  }
  return Kurve(k, phi, pc, shg, kern);
}
