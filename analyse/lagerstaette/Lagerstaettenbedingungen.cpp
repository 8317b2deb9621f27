#include "Lagerstaettenbedingungen.h"

#include <charconv>
#include <cmath>
#include <numbers>

#include "TextFormat.h"

namespace lagerstaette {

namespace {

constexpr const char* kFeldnamen[kFelder] = {
    "Grenzflächenspannung Labor", "Randwinkel Labor", "Grenzflächenspannung Lagerstätte",
    "Randwinkel Lagerstätte",     "Dichte Wasser",    "Dichte Kohlenwasserstoff",
};

double AbsCos(double gradWinkel) { return std::fabs(std::cos(gradWinkel * std::numbers::pi / 180.0)); }

bool WinkelErlaubt(double w) { return w >= 0.0 && w <= 180.0 && w != 90.0; }

bool SpannungErlaubt(double w) { return w >= kSpannungMin && w <= kSpannungMax; }

bool DichteKwErlaubt(double w) { return w >= 0.0 && w <= kDichteMax; }

// Typed decimals such as 0.11 and 0.1 differ by a hair less than 0.01 in
// binary; the difference the user wrote counts.
constexpr double kRundung = 1e-12;

// Tells whether the value lies above the field's upper bound: then the user
// most likely typed it in another unit.
bool ZuGross(const Lagerstaettenbedingungen& b, int feld) {
  const double w = Wert(b, feld);
  switch (feld) {
    case 0:
    case 2:
      return w > kSpannungMax;
    case 4:
    case 5:
      return w > kDichteMax;
    default:
      return false;
  }
}

// The allowed range of a field, as the messages name it; with `einheit`,
// a value above the upper bound is told which unit it was probably typed in.
std::string Bereich(const Lagerstaettenbedingungen& b, int feld, bool einheit) {
  std::string bereich;
  switch (feld) {
    case 0:
    case 2:
      bereich = text::Format("%g bis %g mN/m", kSpannungMin, kSpannungMax);
      break;
    case 1:
    case 3:
      bereich = "0 bis 180 Grad, außer 90 Grad";
      break;
    case 4:
      bereich = text::Format("mindestens %g g/cm³ über der Dichte Kohlenwasserstoff (%g g/cm³), höchstens %g g/cm³",
                             kDichtedifferenzMin, b.RhoKW, kDichteMax);
      break;
    default:
      bereich = text::Format("0 bis %g g/cm³", kDichteMax);
      break;
  }
  if (einheit && ZuGross(b, feld)) bereich += feld < 4 ? " (µN/m eingegeben?)" : " (kg/m³ eingegeben?)";
  return bereich;
}

bool Erlaubt(const Lagerstaettenbedingungen& b, int feld) {
  const double w = Wert(b, feld);
  switch (feld) {
    case 0:
    case 2:
      return SpannungErlaubt(w);
    case 1:
    case 3:
      return WinkelErlaubt(w);
    case 4:
      // Against a hydrocarbon density outside its own range the message
      // names that field instead.
      if (!(w <= kDichteMax)) return false;
      return !DichteKwErlaubt(b.RhoKW) || w - b.RhoKW >= kDichtedifferenzMin - kRundung;
    default:
      return DichteKwErlaubt(w);
  }
}

// The shortest text that reads back to the same double.
std::string Kurztext(double w) {
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, w);
  return std::string(puffer, r.ptr);
}

}  // namespace

const char* Feldname(int feld) { return feld >= 0 && feld < kFelder ? kFeldnamen[feld] : ""; }

double& Wert(Lagerstaettenbedingungen& b, int feld) {
  switch (feld) {
    case 0:
      return b.SigmaLabor;
    case 1:
      return b.ThetaLabor;
    case 2:
      return b.SigmaLagerstaette;
    case 3:
      return b.ThetaLagerstaette;
    case 4:
      return b.RhoWasser;
    default:
      return b.RhoKW;
  }
}

double Wert(const Lagerstaettenbedingungen& b, int feld) {
  return Wert(const_cast<Lagerstaettenbedingungen&>(b), feld);
}

double Umrechnungsfaktor(const Lagerstaettenbedingungen& b) {
  return (b.SigmaLagerstaette * AbsCos(b.ThetaLagerstaette)) / (b.SigmaLabor * AbsCos(b.ThetaLabor));
}

double Dichtedifferenz(const Lagerstaettenbedingungen& b) { return b.RhoWasser - b.RhoKW; }

// 1 bar = 10^5 Pa; a density in g/cm³ is 1000 times that in kg/m³.
double HoeheAusDruck(const Lagerstaettenbedingungen& b, double pcLabor) {
  return Umrechnungsfaktor(b) * pcLabor * 1e5 / (Dichtedifferenz(b) * 1000.0 * kErdbeschleunigung);
}

double DruckAusHoehe(const Lagerstaettenbedingungen& b, double hoehe) {
  return hoehe * Dichtedifferenz(b) * 1000.0 * kErdbeschleunigung / (Umrechnungsfaktor(b) * 1e5);
}

double Porenradius(const Lagerstaettenbedingungen& b, double pcLabor) {
  return 0.02 * b.SigmaLabor * AbsCos(b.ThetaLabor) / pcLabor;
}

int UngueltigesFeld(const Lagerstaettenbedingungen& b) {
  for (int feld = 0; feld < kFelder; ++feld) {
    if (!Erlaubt(b, feld)) return feld;
  }
  return -1;
}

bool Pruefen(const Lagerstaettenbedingungen& b, std::string& fehler) {
  const int feld = UngueltigesFeld(b);
  if (feld < 0) return true;
  fehler = text::Format("Der Wert im Feld \"%s\" ist nicht erlaubt!\nErlaubt: %s.", kFeldnamen[feld],
                        Bereich(b, feld, true));
  return false;
}

bool ZahlLesen(std::string_view text, double& wert) {
  std::size_t anfang = 0;
  std::size_t ende = text.size();
  while (anfang < ende && (text[anfang] == ' ' || text[anfang] == '\t')) ++anfang;
  while (ende > anfang && (text[ende - 1] == ' ' || text[ende - 1] == '\t')) --ende;
  std::string zahl(text.substr(anfang, ende - anfang));
  if (!zahl.empty() && zahl[0] == '+') zahl.erase(0, 1);
  if (zahl.empty() || zahl[0] == '+') return false;
  for (char& c : zahl) {
    if (c == ',') c = '.';
  }
  double w = 0.0;
  const auto r = std::from_chars(zahl.data(), zahl.data() + zahl.size(), w);
  if (r.ec != std::errc() || r.ptr != zahl.data() + zahl.size() || !std::isfinite(w)) return false;
  wert = w;
  return true;
}

bool FelderLesen(const Feldtexte& texte, Lagerstaettenbedingungen& b, std::string& fehler, int* falsch) {
  Lagerstaettenbedingungen neu;
  for (int feld = 0; feld < kFelder; ++feld) {
    if (!ZahlLesen(texte[feld], Wert(neu, feld))) {
      // The range of the density of water depends on the other density;
      // name it only when that one could be read.
      Lagerstaettenbedingungen bezug = neu;
      if (feld == 4 && !ZahlLesen(texte[5], bezug.RhoKW)) bezug.RhoKW = b.RhoKW;
      fehler =
          text::Format("Im Feld \"%s\" steht keine Zahl!\nErlaubt: %s.", kFeldnamen[feld], Bereich(bezug, feld, false));
      if (falsch) *falsch = feld;
      return false;
    }
  }
  if (!Pruefen(neu, fehler)) {
    if (falsch) *falsch = UngueltigesFeld(neu);
    return false;
  }
  b = neu;
  return true;
}

Feldtexte FelderTexte(const Lagerstaettenbedingungen& b) {
  Feldtexte t;
  for (int feld = 0; feld < kFelder; ++feld) t[feld] = Kurztext(Wert(b, feld));
  return t;
}

}  // namespace lagerstaette
