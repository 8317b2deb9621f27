#include "Saettigungshoehe.h"

#include <algorithm>
#include <cmath>

#include "KadrelDoc.h"

namespace lagerstaette {

double PnormAusSnorm(double alfa, double beta, double sNorm) {
  const double rest = 1.0 - sNorm;
  return (std::pow(rest, alfa) + rest * beta) / (1.0 + beta);
}

double SnormAusPnorm(double alfa, double beta, double pNorm) {
  if (!(pNorm > 0.0)) return 1.0;
  if (!(pNorm < 1.0)) return 0.0;
  // The model falls from 1 at Snorm 0 to 0 at Snorm 1, so [0, 1] brackets the
  // root; about 40 halvings reach 1e-12.
  double unten = 0.0;
  double oben = 1.0;
  while (oben - unten > 1e-12) {
    const double mitte = 0.5 * (unten + oben);
    if (mitte <= unten || mitte >= oben) break;
    if (PnormAusSnorm(alfa, beta, mitte) > pNorm) {
      unten = mitte;
    } else {
      oben = mitte;
    }
  }
  return 0.5 * (unten + oben);
}

double SwAusDruck(const Scharparameter& p, double pcLabor) {
  const double sperr = p.PcSperr;
  const double pcmax = p.Pcmax;
  const double swmin = p.Swmin;
  if (pcLabor <= sperr) return 1.0;
  if (pcLabor >= pcmax) return swmin;
  const double pNorm = (pcLabor - sperr) / (pcmax - sperr);
  return swmin + SnormAusPnorm(p.Alfa, p.Beta, pNorm) * (1.0 - swmin);
}

Saettigungshoehe SaettigungshoeheBerechnen(const CKadrelDoc& doc, const Lagerstaettenbedingungen& b) {
  Saettigungshoehe s;
  s.bedingungen = b;
  s.F = Umrechnungsfaktor(b);
  s.Dichtedifferenz = Dichtedifferenz(b);
  s.Hoehen.assign(std::begin(kTabellenhoehe), std::end(kTabellenhoehe));
  const int n = std::clamp(doc.iScharKurven, 0, 5);
  for (int j = 0; j < n; ++j) {
    Saettigungshoehenkurve k;
    k.iSchar = j;
    k.K = std::pow(10.0, j - 2);
    k.parameter = doc.Schar[j];
    for (int q = 0; q < 31; ++q) {
      k.Sw.push_back(doc.XK[j][q]);
      k.Hoehe.push_back(HoeheAusDruck(b, doc.YK[j][q]));
    }
    k.Eintrittshoehe = HoeheAusDruck(b, k.parameter.PcSperr);
    for (const double h : s.Hoehen) k.SwTabelle.push_back(SwAusDruck(k.parameter, DruckAusHoehe(b, h)));
    s.kurven.push_back(std::move(k));
  }
  if (n < 5) {
    if (!doc.ScharAbbruch.empty()) {
      std::string zeile;
      for (const char c : doc.ScharAbbruch + "\n") {
        if (c != '\n') {
          zeile += c;
          continue;
        }
        s.fehlend.push_back(zeile);
        zeile.clear();
      }
    } else {
      s.fehlend.push_back("Ohne Parameterregression gibt es keine Kurvenschar.");
    }
  }
  return s;
}

}  // namespace lagerstaette
