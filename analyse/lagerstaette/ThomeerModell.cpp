#include "ThomeerModell.h"

#include <cmath>
#include <limits>

#include "Gesteinstyp.h"
#include "TextFormat.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

ThomeerModell ThomeerModell::Anpassen(const std::vector<Messkurve>& kurven,
                                      const std::vector<ThomeerErgebnis>& ergebnisse, const Lagerstaettenbedingungen& b,
                                      std::optional<int> gesteinstyp) {
  if (ergebnisse.size() != kurven.size()) {
    ThomeerModell m;
    m.b_ = b;
    m.grund_ = text::Format("Es gibt %d Thomeer-Ergebnisse für %d Messungen.", static_cast<int>(ergebnisse.size()),
                            static_cast<int>(kurven.size()));
    return m;
  }
  std::vector<ThomeerPunkt> punkte;
  for (std::size_t i = 0; i < kurven.size(); ++i) {
    const Messkurve& k = kurven[i];
    if (ergebnisse[i].Systeme.size() != 1 || !(k.Perm > 0.0f) || !std::isfinite(k.Perm)) continue;
    if (gesteinstyp) {
      if (!k.Zusatz.Porositaet || !lagerstaette::Typisierbar(k.Perm, *k.Zusatz.Porositaet)) continue;
      if (lagerstaette::Gesteinstyp(k.Perm, *k.Zusatz.Porositaet) != *gesteinstyp) continue;
    }
    punkte.push_back({k.Perm, ergebnisse[i].Systeme.front()});
  }
  ThomeerModell m = AusPunkten(punkte, b);
  if (punkte.empty()) {
    m.grund_ = gesteinstyp
                   ? text::Format("Keine Messung des Gesteinstyps %d hat genau ein Thomeer-System.", *gesteinstyp)
                   : std::string("Keine Messung hat genau ein Thomeer-System.");
  }
  return m;
}

ThomeerModell ThomeerModell::AusPunkten(const std::vector<ThomeerPunkt>& punkte, const Lagerstaettenbedingungen& b) {
  ThomeerModell m;
  m.b_ = b;
  std::vector<double> x;
  std::vector<double> pd;
  std::vector<double> g;
  std::vector<double> sinf;
  for (const ThomeerPunkt& p : punkte) {
    // The fit keeps Pd above 0; a value without logarithm is no system.
    if (!(p.system.Pd > 0.0)) continue;
    x.push_back(std::log10(p.K));
    pd.push_back(std::log10(p.system.Pd));
    g.push_back(p.system.G);
    sinf.push_back(p.system.Sinf);
  }
  m.messungen_ = static_cast<int>(x.size());
  if (!lagerstaette::GeradeAnpassen(x, pd, m.pd_) || !lagerstaette::GeradeAnpassen(x, g, m.g_) ||
      !lagerstaette::GeradeAnpassen(x, sinf, m.sinf_)) {
    m.grund_ = text::Format(
        "Zu wenige Messungen für die Anpassung: %d mit genau einem Thomeer-System, erforderlich "
        "sind mindestens 2 mit verschiedener Permeabilität.",
        m.messungen_);
    return m;
  }
  m.grund_.clear();
  return m;
}

std::string ThomeerModell::System(double kMd, ThomeerSystem& s) const {
  if (!grund_.empty()) return grund_;
  if (!(kMd > 0.0) || !std::isfinite(kMd)) return "Die Permeabilität ist nicht größer 0.";
  const double l = std::log10(kMd);
  const double pd = std::pow(10.0, pd_.a + pd_.b * l);
  const double g = g_.a + g_.b * l;
  const double sinf = sinf_.a + sinf_.b * l;
  if (!(pd > 0.0) || !std::isfinite(pd)) return "Pd ist nicht darstellbar.";
  if (!(g > 0.0)) return text::Format("G = %g ist nicht größer 0.", g);
  if (!(sinf > 0.0)) return text::Format("Sinf = %g ist nicht größer 0.", sinf);
  s = {pd, g, sinf};
  return {};
}

std::string ThomeerModell::GesteinGrund(double kMd) const {
  ThomeerSystem s;
  return System(kMd, s);
}

double ThomeerModell::Sw(double kMd, double hMeter) const {
  ThomeerSystem s;
  if (!System(kMd, s).empty() || std::isnan(hMeter)) return kNaN;
  if (!(hMeter > 0.0)) return 1.0;
  const double pcL = lagerstaette::DruckAusHoehe(b_, hMeter);
  const double shg = pcL > s.Pd ? s.Sinf * std::exp(-s.G / std::log10(pcL / s.Pd)) : 0.0;
  const double sw = 1.0 - shg;
  return sw < 0.0 ? 0.0 : (sw > 1.0 ? 1.0 : sw);
}

double ThomeerModell::Eintrittsdruck(double kMd) const {
  ThomeerSystem s;
  if (!System(kMd, s).empty()) return kNaN;
  return s.Pd;
}
