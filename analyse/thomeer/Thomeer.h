#pragma once

#include <string>
#include <vector>

#include "Messkurve.h"

// Thomeer's description of a mercury-injection curve: each pore system adds
// S(Pc) = Sinf * exp(-G / log10(Pc / Pd)) for Pc > Pd (0 below) to the
// saturation. Pd in bar, G without unit, Sinf a fraction of the pore volume.
struct ThomeerSystem {
  double Pd = 0.0;
  double G = 0.0;
  double Sinf = 0.0;
};

// The fit of one measurement: one or two systems in ascending Pd, the RMS
// error of the saturations and R² of that fit; or no system and the reason.
struct ThomeerErgebnis {
  std::string Kern;
  float Perm = 0.0f;
  std::vector<ThomeerSystem> Systeme;
  double RMS = 0.0;
  double R2 = 0.0;
  std::string Grund;  // empty when fitted

  bool Angepasst() const { return !Systeme.empty(); }
};

// Reasons a measurement has no fit.
inline constexpr const char* kThomeerZuWenigePunkte = "Weniger als 3 Messwerte über dem Sperrdruck!";
inline constexpr const char* kThomeerKeineKonvergenz = "Die Anpassung konvergiert nicht!";

// The saturation the systems give at pressure pc (bar).
double ThomeerSaettigung(const std::vector<ThomeerSystem>& systeme, double pc);

// Fits one and two systems to the points of a measurement and keeps two only
// when the information criterion asks for them (see README).
ThomeerErgebnis ThomeerAnpassen(const Messkurve& kurve);

// Fits every measurement, in their order.
std::vector<ThomeerErgebnis> ThomeerAnpassen(const std::vector<Messkurve>& kurven);
