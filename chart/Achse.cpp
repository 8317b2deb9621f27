// Scaling, ticks and mapping of the axes of the data charts.
#include "Achse.h"

#include "Diagramm.h"
#include "TextFormat.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond this many ticks an axis gives up; as in the other charts only a
// guard against steps swallowed by huge values.
constexpr int kMaxTicks = 1000;

// Decades further out than this are not scaled; a positive double holds
// about 10^-308 to 10^308, and a chart of more than a few dozen decades
// says nothing anyway.
constexpr int kMaxExponent = 300;

// The exponent e with 10^e <= v < 10^(e+1), corrected for the rounding of
// log10 next to a power of ten.
int Dekade(double v) {
  int e = static_cast<int>(std::floor(std::log10(v)));
  if (std::pow(10.0, e + 1) <= v) ++e;
  if (std::pow(10.0, e) > v) --e;
  return e;
}

}  // namespace

Achse Achse::Linear(const std::vector<double>& werte) {
  double lo = 0.0;
  double hi = 1.0;
  bool belegt = false;
  for (double v : werte) {
    if (!std::isfinite(v)) continue;
    lo = belegt ? std::min(lo, v) : v;
    hi = belegt ? std::max(hi, v) : v;
    belegt = true;
  }
  Achse a;
  a.art_ = Achsenart::Linear;
  a.schritt_ = Diagramm::delta(hi - lo);
  a.start_ = Diagramm::start(lo, a.schritt_);
  a.min_ = std::min(lo, a.start_);
  a.max_ = Diagramm::Achsenende(a.start_, a.schritt_, hi, 0.000001);
  // All values on one tick: one step either side, as the y axis of the
  // other charts does.
  if (a.max_ == a.min_) {
    a.max_ += a.schritt_;
    a.min_ -= a.schritt_;
    a.start_ = a.min_;
  }
  return a;
}

Achse Achse::Logarithmisch(const std::vector<double>& werte) {
  int von = 0;
  int bis = 1;
  bool belegt = false;
  for (double v : werte) {
    if (!(v > 0) || !std::isfinite(v)) continue;
    const int unten = std::max(Dekade(v), -kMaxExponent);
    // The decade whose upper end holds v: 10 belongs to 1..10, 11 to 10..100.
    int oben = std::min(Dekade(v), kMaxExponent);
    if (std::pow(10.0, oben) < v) ++oben;
    von = belegt ? std::min(von, unten) : unten;
    bis = belegt ? std::max(bis, oben) : oben;
    belegt = true;
  }
  // A range on one power of ten still spans the decade above it.
  if (bis <= von) bis = von + 1;
  Achse a;
  a.art_ = Achsenart::Logarithmisch;
  a.start_ = von;
  a.schritt_ = 1.0;
  a.min_ = std::pow(10.0, von);
  a.max_ = std::pow(10.0, bis);
  return a;
}

Achse Achse::Nach(const Achsenvorgabe& vorgabe, const std::vector<double>& werte) {
  const std::vector<double> bereich = {vorgabe.min, vorgabe.max};
  const std::vector<double>& quelle = vorgabe.festerBereich ? bereich : werte;
  Achse a = vorgabe.art == Achsenart::Logarithmisch ? Logarithmisch(quelle) : Linear(quelle);
  a.umgekehrt_ = vorgabe.umgekehrt;
  return a;
}

bool Achse::Darstellbar(double v) const {
  if (!std::isfinite(v)) return false;
  return art_ == Achsenart::Linear || v > 0;
}

double Achse::Anteil(double v) const { return umgekehrt_ ? 1.0 - Vorwaerts(v) : Vorwaerts(v); }

double Achse::Vorwaerts(double v) const {
  if (art_ == Achsenart::Logarithmisch) {
    const double von = std::log10(min_);
    const double bis = std::log10(max_);
    return (std::log10(v) - von) / (bis - von);
  }
  const double b = max_ - min_;
  if (!(b > 0) || !std::isfinite(b)) return 0.5;
  return (v - min_) / b;
}

std::string Achse::Dekadentext(int exponent) {
  // Built by appending to one string: GCC 12 at -O3 warns falsely
  // (-Wrestrict) on operator+ of a literal and a temporary string.
  std::string s;
  if (exponent >= 0 && exponent <= 9) {
    s.push_back('1');
    s.append(static_cast<std::size_t>(exponent), '0');
    return s;
  }
  if (exponent < 0 && exponent >= -6) {
    s.append("0.");
    s.append(static_cast<std::size_t>(-exponent - 1), '0');
    s.push_back('1');
    return s;
  }
  return text::Format("%g", std::pow(10.0, exponent));
}

std::vector<Achsentick> Achse::Ticks() const {
  std::vector<Achsentick> ticks;
  if (art_ == Achsenart::Logarithmisch) {
    const int von = static_cast<int>(std::lround(std::log10(min_)));
    const int bis = static_cast<int>(std::lround(std::log10(max_)));
    for (int e = von; e <= bis; ++e) {
      const double dekade = std::pow(10.0, e);
      ticks.push_back({dekade, Dekadentext(e)});
      if (e == bis) break;
      for (int k = 2; k <= 9; ++k) ticks.push_back({k * dekade, std::string()});
    }
    return ticks;
  }
  // As the y axis of the other charts: up to the top allowing a thousandth
  // of a step for the summed steps, a residue next to zero is zero.
  const double oben = max_ + schritt_ / 1000;
  double t = start_;
  for (int n = 0; t <= oben && n < kMaxTicks; ++n) {
    const double wert = t * t < 1e-14 && std::fabs(t) < schritt_ / 2 ? 0.0 : t;
    ticks.push_back({wert, text::Format("%g", wert)});
    t += schritt_;
  }
  return ticks;
}

std::vector<double> Achse::Gitter() const {
  std::vector<double> linien;
  for (const Achsentick& t : Ticks()) {
    if (t.text.empty()) continue;
    if (t.wert > min_ && t.wert < max_ && std::fabs(Vorwaerts(t.wert) - 1.0) > 1e-9) linien.push_back(t.wert);
  }
  return linien;
}
