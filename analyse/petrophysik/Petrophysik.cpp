#include "Petrophysik.h"

#include <cmath>

#include "Gesteinstyp.h"
#include "Porenradien.h"

namespace petrophysik {

// The rock type and J are those the saturation-height models fit with.
double RQI(double k, double phi) { return lagerstaette::Rqi(k, phi); }

double FZI(double rqi, double phi) { return rqi * (1.0 - phi) / phi; }

std::optional<int> Gesteinstyp(double fzi) {
  if (!(fzi > 0.0) || !std::isfinite(fzi)) return std::nullopt;
  return lagerstaette::GesteinstypAusFzi(fzi);
}

double R35Winland(double k, double phi) {
  return std::pow(10.0, 0.732 + 0.588 * std::log10(k) - 0.864 * std::log10(100.0 * phi));
}

double WinlandPermeabilitaet(double r35, double phi) {
  return std::pow(10.0, (std::log10(r35) - 0.732 + 0.864 * std::log10(100.0 * phi)) / 0.588);
}

Porenklasse Klasse(double r35) {
  if (r35 >= 10.0) return Porenklasse::Megaporen;
  if (r35 >= 2.0) return Porenklasse::Makroporen;
  if (r35 >= 0.5) return Porenklasse::Mesoporen;
  if (r35 >= 0.1) return Porenklasse::Mikroporen;
  return Porenklasse::Nanoporen;
}

const char* Klassenname(Porenklasse k) {
  switch (k) {
    case Porenklasse::Megaporen:
      return "Megaporen";
    case Porenklasse::Makroporen:
      return "Makroporen";
    case Porenklasse::Mesoporen:
      return "Mesoporen";
    case Porenklasse::Mikroporen:
      return "Mikroporen";
    case Porenklasse::Nanoporen:
      break;
  }
  return "Nanoporen";
}

double Bvinf(double phi, const std::vector<ThomeerSystem>& systeme) {
  double sinf = 0.0;
  for (const ThomeerSystem& s : systeme) sinf += s.Sinf;
  return 100.0 * phi * sinf;
}

double ThomeerPermeabilitaet(double phi, const ThomeerSystem& s) {
  const double q = 100.0 * phi * s.Sinf / (s.Pd * kPsiJeBar);
  return 3.8068 * std::pow(s.G, -1.3334) * q * q;
}

double Porenhalsmodus(const Lagerstaettenbedingungen& b, const ThomeerSystem& s) {
  return lagerstaette::Porenradius(b, s.Pd) * std::exp(-1.15 * s.G);
}

double LeverettJ(const Lagerstaettenbedingungen& b, double pcBar, double k, double phi) {
  return lagerstaette::LeverettJ(pcBar * kPascalJeBar, k, phi, b.SigmaLabor, b.ThetaLabor);
}

Petrophysikwerte Berechnen(const Messkurve& kurve, const ThomeerErgebnis* thomeer, const Lagerstaettenbedingungen& b) {
  Petrophysikwerte w;
  w.Kern = kurve.Kern;
  w.Perm = kurve.Perm;
  w.Porositaet = kurve.Zusatz.Porositaet;
  w.Kopfzeilenfehler = kurve.Zusatz.Fehler;
  const std::size_t n = std::min(kurve.Pc.size(), kurve.Shg.size());
  const std::vector<double> pc(kurve.Pc.begin(), kurve.Pc.begin() + static_cast<std::ptrdiff_t>(n));
  const std::vector<double> shg(kurve.Shg.begin(), kurve.Shg.begin() + static_cast<std::ptrdiff_t>(n));
  w.R35Kurve = lagerstaette::RadiusBeiSaettigung(b, pc, shg, 0.35);

  const double k = kurve.Perm;
  const bool phiGegeben = w.Porositaet && *w.Porositaet > 0.0f && *w.Porositaet < 1.0f;
  const double phi = phiGegeben ? static_cast<double>(*w.Porositaet) : 0.0;
  if (phiGegeben && k > 0.0 && std::isfinite(k)) {
    w.RQI = RQI(k, phi);
    w.FZI = FZI(*w.RQI, phi);
    w.DRT = Gesteinstyp(*w.FZI);
    w.R35Winland = R35Winland(k, phi);
    w.Klasse = Klasse(*w.R35Winland);
    for (std::size_t i = 0; i < n; ++i) {
      if (!(shg[i] > 0.0 && shg[i] < 1.0)) continue;
      w.Sw.push_back(1.0 - shg[i]);
      w.J.push_back(LeverettJ(b, pc[i], k, phi));
    }
  }
  if (thomeer && thomeer->Angepasst()) {
    // The systems come in ascending Pd: the first has the lowest.
    const ThomeerSystem& erstes = thomeer->Systeme.front();
    w.Porenhalsmodus = Porenhalsmodus(b, erstes);
    if (phiGegeben) {
      w.Bvinf = Bvinf(phi, thomeer->Systeme);
      w.KThomeer = ThomeerPermeabilitaet(phi, erstes);
    }
  } else if (thomeer) {
    w.ThomeerGrund = thomeer->Grund;
  }
  return w;
}

Petrophysik Berechnen(const KorrigierteKurven& kurven, const std::vector<ThomeerErgebnis>& thomeer,
                      const Lagerstaettenbedingungen& b) {
  Petrophysik p;
  p.bedingungen = b;
  p.messungen.reserve(kurven.kurven.size());
  for (std::size_t i = 0; i < kurven.kurven.size(); ++i) {
    p.messungen.push_back(Berechnen(kurven.kurven[i], i < thomeer.size() ? &thomeer[i] : nullptr, b));
    if (i < kurven.korrektur.size()) p.messungen.back().korrektur = kurven.korrektur[i];
  }
  return p;
}

}  // namespace petrophysik
