#include "JModell.h"

#include <cmath>
#include <limits>

#include "Ausgleichsgerade.h"
#include "Gesteinstyp.h"
#include "TextFormat.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Whether a measurement takes part: it carries a porosity inside (0, 1), a
// permeability above 0 and, when a rock type is chosen, is of that type.
bool Teilnehmer(const Messkurve& k, std::optional<int> gesteinstyp) {
  if (!k.Zusatz.Porositaet) return false;
  const double phi = *k.Zusatz.Porositaet;
  if (!lagerstaette::Typisierbar(k.Perm, phi)) return false;
  return !gesteinstyp || lagerstaette::Gesteinstyp(k.Perm, phi) == *gesteinstyp;
}

}  // namespace

std::vector<JPunkt> JModell::Punkte(const std::vector<Messkurve>& kurven, const Lagerstaettenbedingungen& b,
                                    std::optional<int> gesteinstyp, int& messungen) {
  std::vector<JPunkt> punkte;
  messungen = 0;
  for (const Messkurve& k : kurven) {
    if (!Teilnehmer(k, gesteinstyp)) continue;
    const double phi = *k.Zusatz.Porositaet;
    const std::size_t vorher = punkte.size();
    const std::size_t n = std::min(k.Pc.size(), k.Shg.size());
    for (std::size_t i = 0; i < n; ++i) {
      const double shg = k.Shg[i];
      const double pc = k.Pc[i];
      if (!(shg > 0.0 && shg < 1.0) || !(pc > 0.0) || !std::isfinite(pc)) continue;
      punkte.push_back({lagerstaette::LeverettJ(pc * 1e5, k.Perm, phi, b.SigmaLabor, b.ThetaLabor), 1.0 - shg});
    }
    if (punkte.size() > vorher) ++messungen;
  }
  return punkte;
}

JModell JModell::Anpassen(const std::vector<Messkurve>& kurven, const Lagerstaettenbedingungen& b,
                          std::optional<int> gesteinstyp) {
  int messungen = 0;
  const std::vector<JPunkt> punkte = Punkte(kurven, b, gesteinstyp, messungen);
  JModell m = AusPunkten(punkte, messungen, b);
  if (punkte.empty()) {
    m.grund_ = gesteinstyp
                   ? text::Format("Keine Messung des Gesteinstyps %d hat Punkte mit 0 < S_Hg < 1.", *gesteinstyp)
                   : std::string("Keine Messung mit Porosität hat Punkte mit 0 < S_Hg < 1.");
  }
  return m;
}

JModell JModell::AusPunkten(const std::vector<JPunkt>& punkte, int messungen, const Lagerstaettenbedingungen& b) {
  JModell m;
  m.b_ = b;
  m.punkte_ = static_cast<int>(punkte.size());
  m.messungen_ = messungen;
  std::vector<double> x;
  std::vector<double> y;
  x.reserve(punkte.size());
  y.reserve(punkte.size());
  for (const JPunkt& p : punkte) {
    x.push_back(std::log10(p.J));
    y.push_back(std::log10(p.Sw));
  }
  Ausgleichsgerade g;
  if (!lagerstaette::GeradeAnpassen(x, y, g)) {
    m.grund_ = text::Format(
        "Zu wenige Punkte für die Anpassung: %d, erforderlich sind mindestens 2 mit "
        "verschiedenem J.",
        m.punkte_);
    return m;
  }
  m.c_ = g.a;
  m.d_ = g.b;
  m.r2_ = g.R2;
  if (!(g.b < 0.0)) {
    m.grund_ = text::Format("Die Anpassung gibt d = %g: die Wassersättigung nähme mit der Höhe nicht ab.", g.b);
    return m;
  }
  m.grund_.clear();
  return m;
}

std::string JModell::GesteinGrund(double kMd, std::optional<double> phi) const {
  if (!grund_.empty()) return grund_;
  if (!phi) return "Ohne Porosität gibt es keine J-Funktion.";
  if (!lagerstaette::Typisierbar(kMd, *phi)) return "Permeabilität oder Porosität außerhalb ihres Bereichs.";
  return {};
}

double JModell::Sw(double kMd, std::optional<double> phi, double hMeter) const {
  if (!GesteinGrund(kMd, phi).empty() || std::isnan(hMeter)) return kNaN;
  if (!(hMeter > 0.0)) return 1.0;
  const double pcR = hMeter * lagerstaette::Dichtedifferenz(b_) * 1000.0 * lagerstaette::kErdbeschleunigung;
  const double j = lagerstaette::LeverettJ(pcR, kMd, *phi, b_.SigmaLagerstaette, b_.ThetaLagerstaette);
  const double sw = std::pow(10.0, c_ + d_ * std::log10(j));
  return sw < 1.0 ? sw : 1.0;
}

double JModell::Eintrittsdruck(double kMd, std::optional<double> phi) const {
  if (!GesteinGrund(kMd, phi).empty()) return kNaN;
  // 10^c·J^d = 1 at log10 J = −c/d; J at laboratory conditions is
  // Pc[bar]·1e5 times the J of 1 Pa.
  const double jEintritt = std::pow(10.0, -c_ / d_);
  return jEintritt / lagerstaette::LeverettJ(1e5, kMd, *phi, b_.SigmaLabor, b_.ThetaLabor);
}
