#include "Saettigungshoehe.h"

#include <algorithm>
#include <cmath>

#include "KadrelDoc.h"
#include "Saettigungshoehenmodelle.h"
#include "Scharstifte.h"
#include "TextFormat.h"

namespace lagerstaette {

namespace {

// Segments of a chart curve between the entry height and the greatest height.
constexpr int kDiagrammSchritte = 100;

std::string Legende(ShfModell modell, const Gestein& g) {
  std::string text = text::Format("%g mD", g.K);
  if (modell != ShfModell::Kadrel && g.Porositaet) text += text::Format(", %g", *g.Porositaet);
  return text;
}

// The lines of a message, as the list shows them.
Textliste Zeilen(const std::string& text) {
  Textliste zeilen;
  std::string zeile;
  for (const char c : text + "\n") {
    if (c != '\n') {
      zeile += c;
      continue;
    }
    zeilen.push_back(zeile);
    zeile.clear();
  }
  return zeilen;
}

std::string Gesteinstyptext(std::optional<int> typ) {
  return typ ? text::Format("Gesteinstyp DRT %d", *typ) : std::string("alle Gesteinstypen");
}

Textliste Modellbeschreibung(const Saettigungshoehenmodelle& m, const SaettigungshoehenWahl& w, bool standard) {
  Textliste l;
  switch (w.modell) {
    case ShfModell::Kadrel: {
      const KadrelModell& k = m.kadrel;
      if (!k.Grund().empty()) break;
      // Today's list of the default choice says nothing of the regression
      // when it took every measurement.
      const bool alle = k.Testwerte() || k.Messungen() >= k.GeleseneMessungen();
      if (standard && alle) break;
      std::string text = "   Modell: Kadrel, Kurvenschar aus der Regression über ";
      if (k.Testwerte()) {
        text += "die Testwerte";
      } else if (k.Messungen() < k.GeleseneMessungen()) {
        text += text::Format("die ersten %d von %d Messungen", k.Messungen(), k.GeleseneMessungen());
      } else {
        text += text::Format("%d Messungen", k.Messungen());
      }
      l.push_back(text);
      if (w.gesteinstyp) l.push_back("   Der Gesteinstyp gilt nur für die Modelle J-Funktion und Thomeer.");
      break;
    }
    case ShfModell::JFunktion: {
      const JModell& j = m.j;
      l.push_back("   Modell: J-Funktion, log10(Sw) = c + d*log10(J)");
      l.push_back("   J = Pc*10^5 / (Sigma*|cos Theta|) * Wurzel(K/Porosität), Sigma in N/m, K in m²");
      if (!j.Grund().empty()) break;
      l.push_back(text::Format("   c = %g   d = %g   R² = %.4f", j.c(), j.d(), j.R2()));
      l.push_back(text::Format("   %d Punkte mit 0 < S_Hg < 1 aus %d Messungen mit Porosität, %s", j.Punkte(),
                               j.Messungen(), Gesteinstyptext(m.gesteinstyp)));
      break;
    }
    case ShfModell::Thomeer: {
      const ThomeerModell& t = m.thomeer;
      l.push_back("   Modell: Thomeer, Sw = 1 - Sinf*exp(-G/log10(Pc/Pd)), je Größe a + b*log10(K)");
      if (!t.Grund().empty()) break;
      l.push_back("                              a            b        R²");
      const auto zeile = [&](const char* name, const Ausgleichsgerade& g) {
        l.push_back(text::Format("   %-16s %12g %12g %9.4f", name, g.a, g.b, g.R2));
      };
      zeile("log10(Pd) (bar)", t.LogPd());
      zeile("G", t.G());
      zeile("Sinf", t.Sinf());
      l.push_back(
          text::Format("   %d Messungen mit einem Thomeer-System, %s", t.Messungen(), Gesteinstyptext(m.gesteinstyp)));
      break;
    }
  }
  return l;
}

void DiagrammKurve(const Saettigungshoehenmodelle& m, const SaettigungshoehenWahl& w, const Gestein& g,
                   Saettigungshoehenkurve& k) {
  const double hmax = w.hoeheMax;
  const double he = k.Eintrittshoehe;
  k.DiagrammSw = {1.0};
  k.DiagrammHoehe = {0.0};
  if (!(he < hmax)) {
    k.DiagrammSw.push_back(1.0);
    k.DiagrammHoehe.push_back(hmax);
    return;
  }
  const double start = he > 0.0 ? he : 0.0;
  // The curve bends hardest just above the entry height and runs nearly
  // straight up at the top: the steps grow with the square of their number.
  for (int i = start > 0.0 ? 0 : 1; i <= kDiagrammSchritte; ++i) {
    const double t = static_cast<double>(i) / kDiagrammSchritte;
    const double h = i == kDiagrammSchritte ? hmax : start + (hmax - start) * t * t;
    k.DiagrammSw.push_back(i == 0 ? 1.0 : m.Sw(w.modell, g.K, g.Porositaet, h));
    k.DiagrammHoehe.push_back(h);
  }
}

}  // namespace

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

Stift Gesteinsstift(int i) {
  static constexpr Farbe kWeitere[5] = {{255, 0, 255}, {255, 128, 0}, {128, 0, 128}, {128, 64, 0}, {128, 128, 128}};
  static constexpr Linienart kArten[3] = {Linienart::Durchgezogen, Linienart::Gestrichelt, Linienart::Gepunktet};
  const int farbe = i % 10;
  Stift s = farbe < 5 ? schar::kStifte[farbe] : Stift{Linienart::Durchgezogen, 3, kWeitere[farbe - 5]};
  s.art = kArten[(i / 10) % 3];
  return s;
}

Saettigungshoehe SaettigungshoeheBerechnen(const Saettigungshoehenmodelle& m, const SaettigungshoehenWahl& w) {
  Saettigungshoehe s;
  const Lagerstaettenbedingungen& b = m.Bedingungen(w.modell);
  s.bedingungen = b;
  s.F = Umrechnungsfaktor(b);
  s.Dichtedifferenz = Dichtedifferenz(b);
  s.wahl = w;
  s.standard = IstStandard(w);
  s.Hoehen = Tabellenhoehen(w.hoeheMax);
  s.modell = Modellbeschreibung(m, w, s.standard);
  if (!m.Grund(w.modell).empty()) {
    s.fehlend = Zeilen(m.Grund(w.modell));
    return s;
  }
  for (std::size_t i = 0; i < w.gesteine.size(); ++i) {
    const Gestein& g = w.gesteine[i];
    const int zeile = static_cast<int>(i);
    const std::string grund = m.GesteinGrund(w.modell, g.K, g.Porositaet);
    if (!grund.empty()) {
      s.nichtAuswertbar.push_back({zeile, Legende(w.modell, g), grund});
      continue;
    }
    Saettigungshoehenkurve k;
    k.iSchar = zeile;
    k.K = g.K;
    k.Porositaet = g.Porositaet;
    k.Legende = Legende(w.modell, g);
    k.Eintrittsdruck = m.Eintrittsdruck(w.modell, g.K, g.Porositaet);
    k.Eintrittshoehe = HoeheAusDruck(b, k.Eintrittsdruck);
    for (const double h : s.Hoehen) k.SwTabelle.push_back(m.Sw(w.modell, g.K, g.Porositaet, h));
    DiagrammKurve(m, w, g, k);
    if (w.modell == ShfModell::Kadrel) {
      m.kadrel.Parameter(g.K, k.parameter);
      std::vector<double> druck;
      m.kadrel.Kurve(k.parameter, k.Sw, druck);
      for (const double p : druck) k.Hoehe.push_back(HoeheAusDruck(b, p));
    } else {
      k.Sw = k.DiagrammSw;
      k.Hoehe = k.DiagrammHoehe;
    }
    s.kurven.push_back(std::move(k));
  }
  return s;
}

Saettigungshoehe SaettigungshoeheBerechnen(const CKadrelDoc& doc, const Lagerstaettenbedingungen& b) {
  Saettigungshoehenmodelle m;
  m.kadrel = KadrelModell::AusDokument(doc, b);
  return SaettigungshoeheBerechnen(m, StandardWahl(doc.Messkurven));
}

}  // namespace lagerstaette
