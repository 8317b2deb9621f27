#pragma once

#include <array>
#include <string>
#include <string_view>

// The fluid systems of the laboratory (mercury against air) and of the
// reservoir (water against hydrocarbon) that turn a measured capillary
// pressure into a reservoir pressure and a height above the free-water level.
struct Lagerstaettenbedingungen {
  double SigmaLabor = 480.0;        // interfacial tension, mN/m
  double ThetaLabor = 140.0;        // contact angle, degree
  double SigmaLagerstaette = 30.0;  // mN/m
  double ThetaLagerstaette = 30.0;  // degree
  double RhoWasser = 1.05;          // g/cm³
  double RhoKW = 0.80;              // hydrocarbon, g/cm³

  bool operator==(const Lagerstaettenbedingungen&) const = default;
};

namespace lagerstaette {

constexpr double kErdbeschleunigung = 9.80665;  // m/s²

// The physical ranges of the conditions (bounds included). Interfacial
// tensions: from near-critical reservoir fluids (about 0.01 mN/m) to
// mercury (485 mN/m); above 1000 mN/m the value was typed in µN/m. Densities
// of reservoir fluids stay below 3 g/cm³; above, kg/m³ was typed. Water must
// be heavier than the hydrocarbon by at least kDichtedifferenzMin: a smaller
// difference lies within the error of reservoir densities and would make every
// height grow beyond meaning.
constexpr double kSpannungMin = 0.01;         // mN/m
constexpr double kSpannungMax = 1000.0;       // mN/m
constexpr double kDichteMax = 3.0;            // g/cm³
constexpr double kDichtedifferenzMin = 0.01;  // g/cm³

// The six fields in the order of the dialog.
constexpr int kFelder = 6;
using Feldtexte = std::array<std::string, kFelder>;

// The field's name as the user sees it, e.g. "Grenzflächenspannung Labor".
const char* Feldname(int feld);

// F = (σ_R·|cos θ_R|) / (σ_L·|cos θ_L|): reservoir pressure per laboratory pressure.
double Umrechnungsfaktor(const Lagerstaettenbedingungen& b);
// ρ_W − ρ_KW, g/cm³.
double Dichtedifferenz(const Lagerstaettenbedingungen& b);
// Height above the free-water level (m) of a laboratory pressure Pc (bar).
double HoeheAusDruck(const Lagerstaettenbedingungen& b, double pcLabor);
// The laboratory pressure (bar) that stands at height h (m).
double DruckAusHoehe(const Lagerstaettenbedingungen& b, double hoehe);
// Pore-throat radius (µm) at a laboratory pressure (bar):
// r = 2·σ_L·|cos θ_L| / Pc, i.e. r[µm] = 0.02·σ_L[mN/m]·|cos θ_L| / Pc[bar].
double Porenradius(const Lagerstaettenbedingungen& b, double pcLabor);

// Checks every field against its allowed range in the order of the dialog;
// false with a message naming the first field outside and its range (and,
// above the bound of a tension or density, the unit it was probably typed
// in). Within the ranges every height, pressure and radius of a float
// pressure is finite: |cos θ| of any angle but 90° is at least 6.1e-17, so
// F lies within 6e-22 … 1.7e21.
bool Pruefen(const Lagerstaettenbedingungen& b, std::string& fehler);
// The first field outside its range, or -1.
int UngueltigesFeld(const Lagerstaettenbedingungen& b);

// Reads one number as the user types it, with "." or "," as decimal
// separator, blanks around it allowed; independent of the process locale.
bool ZahlLesen(std::string_view text, double& wert);

// Reads and checks the six fields of the dialog; on failure false with the
// message naming the field and its range, that field's index in `feld`
// (when given), and `b` unchanged.
bool FelderLesen(const Feldtexte& texte, Lagerstaettenbedingungen& b, std::string& fehler, int* feld = nullptr);
// The fields' texts for the values, as the dialog shows them.
Feldtexte FelderTexte(const Lagerstaettenbedingungen& b);

// The values in the order of the dialog, read and written by index.
double& Wert(Lagerstaettenbedingungen& b, int feld);
double Wert(const Lagerstaettenbedingungen& b, int feld);

}  // namespace lagerstaette
