#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Lagerstaettenbedingungen.h"
#include "Schliessdruckkorrektur.h"
#include "Thomeer.h"

// The standard petrophysics of each measurement from its permeability k (mD),
// its porosity φ (fraction, from its header line), its curve and its Thomeer
// fit, in double precision. Plain data, read by the list, the charts, the
// batch output and the CSV export.

// Pore classes by Winland's r35 (µm); a value on a boundary belongs to the
// larger class.
enum class Porenklasse { Nanoporen, Mikroporen, Mesoporen, Makroporen, Megaporen };

struct Petrophysikwerte {
  std::string Kern;
  float Perm = 0.0f;                     // mD, as the run holds it
  std::optional<float> Porositaet;       // fraction, as read from the header line
  std::optional<double> RQI;             // µm
  std::optional<double> FZI;             // µm
  std::optional<int> DRT;                // discrete rock type
  std::optional<double> R35Winland;      // µm
  std::optional<double> R35Kurve;        // µm, where the (corrected) curve reaches S(Hg) 0.35
  std::optional<Porenklasse> Klasse;     // from R35Winland
  std::optional<double> Bvinf;           // % of bulk volume
  std::optional<double> KThomeer;        // mD
  std::optional<double> Porenhalsmodus;  // µm
  // Leverett J of the points with 0 < S(Hg) < 1, with Sw = 1 − S(Hg), in the
  // curve's order; empty without porosity.
  std::vector<double> Sw;
  std::vector<double> J;
  std::string Kopfzeilenfehler;  // why a word of its header line was not taken
  std::string ThomeerGrund;      // why Thomeer did not fit it; empty when fitted
  Kurvenkorrektur korrektur;     // how its curve was corrected
};

struct Petrophysik {
  Lagerstaettenbedingungen bedingungen;     // σ_L and θ_L are used
  std::vector<Petrophysikwerte> messungen;  // every measurement read completely, in input order
};

namespace petrophysik {

inline constexpr double kPsiJeBar = 14.5037738;
inline constexpr double kPascalJeBar = 1e5;

// RQI = 0.0314·√(k/φ), µm.
double RQI(double k, double phi);
// FZI = RQI·(1 − φ)/φ, µm.
double FZI(double rqi, double phi);
// DRT = floor(2·ln FZI + 10.6 + 0.5); none for an FZI not above 0.
std::optional<int> Gesteinstyp(double fzi);
// r35 = 10^(0.732 + 0.588·log10 k − 0.864·log10(100·φ)), µm.
double R35Winland(double k, double phi);
// The permeability (mD) at which Winland's r35 equals `r35` at porosity φ.
double WinlandPermeabilitaet(double r35, double phi);
Porenklasse Klasse(double r35);
const char* Klassenname(Porenklasse k);
// Bv∞ = 100·φ·ΣS∞, % of bulk volume.
double Bvinf(double phi, const std::vector<ThomeerSystem>& systeme);
// k = 3.8068·G^−1.3334·(100·φ·S∞ / Pd[psi])², mD, of one system.
double ThomeerPermeabilitaet(double phi, const ThomeerSystem& s);
// r(Pd)·e^(−1.15·G), µm, with r(Pd) the Washburn radius at Pd.
double Porenhalsmodus(const Lagerstaettenbedingungen& b, const ThomeerSystem& s);
// J = Pc[Pa] / (σ_L[N/m]·|cos θ_L|) · √(k[m²]/φ), without unit.
double LeverettJ(const Lagerstaettenbedingungen& b, double pcBar, double k, double phi);

// The values of one measurement from its (corrected) curve and, where it was
// fitted, its Thomeer result. The porosity values need a porosity and k above
// 0; the Thomeer values need a fit, Bv∞ and the Thomeer permeability a
// porosity too.
Petrophysikwerte Berechnen(const Messkurve& kurve, const ThomeerErgebnis* thomeer, const Lagerstaettenbedingungen& b);

// Every measurement; `thomeer` in the order of the curves (or empty: no
// Thomeer values).
Petrophysik Berechnen(const KorrigierteKurven& kurven, const std::vector<ThomeerErgebnis>& thomeer,
                      const Lagerstaettenbedingungen& b);

}  // namespace petrophysik
