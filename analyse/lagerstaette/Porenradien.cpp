#include "Porenradien.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "KadrelDoc.h"
#include "Messkurve.h"

namespace lagerstaette {

std::optional<double> RadiusBeiSaettigung(const Lagerstaettenbedingungen& b, const std::vector<double>& pc,
                                          const std::vector<double>& shg, double saettigung) {
  const std::size_t n = std::min(pc.size(), shg.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (!(shg[i] >= saettigung)) continue;
    if (!(pc[i] > 0.0)) return std::nullopt;
    if (i == 0 || shg[i] == saettigung) return Porenradius(b, pc[i]);
    // Without a positive pressure before it there is nothing to interpolate in log10(Pc).
    if (!(pc[i - 1] > 0.0)) return std::nullopt;
    const double t = (saettigung - shg[i - 1]) / (shg[i] - shg[i - 1]);
    const double logPc = std::log10(pc[i - 1]) + t * (std::log10(pc[i]) - std::log10(pc[i - 1]));
    return Porenradius(b, std::pow(10.0, logPc));
  }
  return std::nullopt;
}

Porenradienkurve PorenradienKurve(const Messkurve& m, const Lagerstaettenbedingungen& b) {
  Porenradienkurve k;
  k.Kern = m.Kern;
  k.Perm = m.Perm;
  k.Pc.assign(m.Pc.begin(), m.Pc.end());
  k.Shg.assign(m.Shg.begin(), m.Shg.end());
  for (const double pc : k.Pc) {
    k.r.push_back(pc > 0.0 ? Porenradius(b, pc) : std::numeric_limits<double>::quiet_NaN());
  }
  k.r35 = RadiusBeiSaettigung(b, k.Pc, k.Shg, 0.35);
  k.r50 = RadiusBeiSaettigung(b, k.Pc, k.Shg, 0.5);
  return k;
}

Porenradien PorenradienBerechnen(const CKadrelDoc& doc, const Lagerstaettenbedingungen& b) {
  return PorenradienBerechnen(korrektur::Korrigieren(doc.Messkurven, std::nullopt), b);
}

Porenradien PorenradienBerechnen(const KorrigierteKurven& kurven, const Lagerstaettenbedingungen& b) {
  Porenradien p;
  p.bedingungen = b;
  for (std::size_t i = 0; i < kurven.kurven.size(); ++i) {
    p.kurven.push_back(PorenradienKurve(kurven.kurven[i], b));
    if (i < kurven.korrektur.size()) p.kurven.back().korrektur = kurven.korrektur[i];
  }
  return p;
}

Porenverteilung PorenverteilungBerechnen(const Porenradienkurve& k) {
  struct Wert {
    double r;
    double d;
  };
  std::vector<Wert> werte;
  for (std::size_t i = 0; i + 1 < k.r.size() && i + 1 < k.Shg.size(); ++i) {
    const double r1 = k.r[i];
    const double r2 = k.r[i + 1];
    // dlog10(r) = -dlog10(Pc): a step without a change of pressure has no width.
    if (!(r1 > 0.0) || !(r2 > 0.0) || r1 == r2) continue;
    werte.push_back({std::sqrt(r1 * r2), (k.Shg[i + 1] - k.Shg[i]) / (std::log10(r1) - std::log10(r2))});
  }
  std::stable_sort(werte.begin(), werte.end(), [](const Wert& a, const Wert& b) { return a.r < b.r; });
  Porenverteilung v;
  for (const Wert& w : werte) {
    v.r.push_back(w.r);
    v.dSdlogr.push_back(w.d);
  }
  return v;
}

}  // namespace lagerstaette
