#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "TextFormat.h"
#include "Thomeer.h"

// Input lines of measurements made from known Thomeer systems, sampled at
// doubling pressures from 0.1 bar up to 1800 bar as laboratories do and
// written with 4 and 5 decimals like the real data.
inline std::vector<double> Verdopplungsdruecke() {
  std::vector<double> p;
  for (double d = 0.1; d <= 1800.0; d *= 2.0) p.push_back(d);
  return p;
}

// The model written out here again, independently of the fit's own code.
inline double Modellsaettigung(const std::vector<ThomeerSystem>& systeme, double pc) {
  double s = 0.0;
  for (const auto& sys : systeme) {
    if (pc > sys.Pd) s += sys.Sinf * std::exp(-sys.G / std::log10(pc / sys.Pd));
  }
  return s;
}

inline std::vector<std::string> Kurvenzeilen(const std::vector<ThomeerSystem>& systeme, const std::string& kern,
                                             double perm = 10.0,
                                             const std::vector<double>& druecke = Verdopplungsdruecke()) {
  std::vector<std::string> z{text::Format("PERMEABILITAET: %g %s", perm, kern)};
  for (const double p : druecke) z.push_back(text::Format("%.4f %.5f", p, Modellsaettigung(systeme, p)));
  z.push_back("ENDE");
  return z;
}
