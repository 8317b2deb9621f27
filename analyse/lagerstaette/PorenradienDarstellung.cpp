// The list "Porenradien" and the chart of one curve's pore-throat sizes.
#include <algorithm>
#include <cmath>

#include "Porenradien.h"
#include "TextFormat.h"

namespace lagerstaette {

namespace {

constexpr Stift kStiftBalken{Linienart::Durchgezogen, 3, {0, 0, 255}};
constexpr Stift kStiftLinie{Linienart::Durchgezogen, 3, {255, 0, 0}};

std::string RadiusText(const std::optional<double>& r, double saettigung) {
  if (r) return text::Format("%g", *r);
  return text::Format("-  (S(Hg) erreicht %g nicht)", saettigung);
}

}  // namespace

Textliste PorenradienListe(Porenradien& p) {
  Textliste l;
  p.zeileKurve.clear();
  auto zeile = [&](std::string text, int kurve) {
    l.push_back(std::move(text));
    p.zeileKurve.push_back(kurve);
  };
  const Lagerstaettenbedingungen& b = p.bedingungen;
  zeile("", -1);
  zeile("   PORENRADIEN DER KAPILLARDRUCKKURVEN", -1);
  zeile("", -1);
  zeile("   r = 2*Sigma(Labor)*|cos Theta(Labor)| / Pc", -1);
  zeile("   r(µm) = 0.02 * Sigma(mN/m) * |cos Theta| / Pc(bar)", -1);
  zeile("   r35, r50: Radius, bei dem S(Hg) 0.35 bzw. 0.5 erreicht (interpoliert in log10(Pc))", -1);
  zeile("", -1);
  zeile(text::Format("   Grenzflächenspannung Labor (mN/m): %g", b.SigmaLabor), -1);
  zeile(text::Format("   Randwinkel Labor           (Grad): %g", b.ThetaLabor), -1);
  if (p.kurven.empty()) {
    zeile("", -1);
    zeile("   Keine vollständig gelesene Messung.", -1);
  }
  for (std::size_t i = 0; i < p.kurven.size(); ++i) {
    const Porenradienkurve& k = p.kurven[i];
    const int n = static_cast<int>(i);
    zeile("", n);
    zeile("   Kern:" + k.Kern, n);
    zeile(text::Format("   Permeabilität (mD): %g", k.Perm), n);
    if (k.korrektur.korrigiert) zeile("   Schließdruckkorrektur: " + korrektur::Beschreibung(k.korrektur), n);
    zeile("   r35           (µm): " + RadiusText(k.r35, 0.35), n);
    zeile("   r50           (µm): " + RadiusText(k.r50, 0.5), n);
    zeile("", n);
    zeile("     Pc(Hg)       S(Hg)         r", n);
    zeile("     (bar)         (-)        (µm)", n);
    zeile("", n);
    for (std::size_t q = 0; q < k.Pc.size(); ++q) {
      const std::string r = std::isfinite(k.r[q]) ? text::Format("%12.5g", k.r[q]) : std::string("           -");
      zeile(text::Format(" %10.4f %11.6f ", k.Pc[q], k.Shg[q]) + r, n);
    }
  }
  return l;
}

Datendiagramm PorenradienDiagramm(const Porenradien& p, int kurve) {
  Datendiagramm d;
  d.titel = "Porenradien";
  d.x = {Achsenart::Logarithmisch, "Porenradius r [µm]", false, 0.0, 0.0};
  d.y = {Achsenart::Linear, "dS/dlog10(r)", true, 0.0, 1.0};
  if (kurve < 0 || kurve >= static_cast<int>(p.kurven.size())) {
    d.untertitel = "Keine Messung";
    return d;
  }
  const Porenradienkurve& k = p.kurven[kurve];
  d.untertitel = text::Format("Kern %s   K = %g mD", k.Kern, k.Perm);
  const Porenverteilung v = PorenverteilungBerechnen(k);
  double ymin = 0.0;
  double ymax = 0.0;
  for (const double w : v.dSdlogr) {
    ymin = std::min(ymin, w);
    ymax = std::max(ymax, w);
  }
  if (ymax > ymin) {
    d.y.min = ymin;
    d.y.max = ymax;
  }
  d.reihen.push_back({Reihenart::Balken, kStiftBalken, v.r, v.dSdlogr});
  d.reihen.push_back({Reihenart::Linie, kStiftLinie, v.r, v.dSdlogr});
  d.legende.push_back({Reihenart::Balken, kStiftBalken, "dS/dlog10(r)"});
  auto wert = [](const std::optional<double>& r) { return r ? text::Format("%g µm", *r) : std::string("-"); };
  d.info = "r35 = " + wert(k.r35) + "   r50 = " + wert(k.r50);
  return d;
}

}  // namespace lagerstaette
