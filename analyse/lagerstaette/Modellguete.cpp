#include "Modellguete.h"

#include <cmath>
#include <map>

#include "Gesteinstyp.h"
#include "TextFormat.h"

namespace lagerstaette {

namespace {

// The pens of the models in the chart.
constexpr Stift kModellstifte[kShfModelle] = {
    {Linienart::Durchgezogen, 3, {255, 0, 0}},
    {Linienart::Durchgezogen, 3, {0, 0, 255}},
    {Linienart::Durchgezogen, 3, {0, 160, 0}},
};
constexpr Stift kEinsZuEins = {Linienart::Gestrichelt, 1, {0, 0, 0}};

bool Aufgenommen(const Messkurve& k, std::optional<int> typ) {
  if (!typ) return true;
  if (!k.Zusatz.Porositaet || !Typisierbar(k.Perm, *k.Zusatz.Porositaet)) return false;
  return Gesteinstyp(k.Perm, *k.Zusatz.Porositaet) == *typ;
}

std::string Zahlfeld(const std::optional<double>& w, const char* format, int breite) {
  if (!w) return std::string(static_cast<std::size_t>(breite - 1), ' ') + "-";
  return text::Format(format, *w);
}

}  // namespace

Modellguete GueteBerechnen(const Saettigungshoehenmodelle& m, const std::vector<Messkurve>& kurven) {
  Modellguete g;
  g.gesteinstyp = m.gesteinstyp;
  std::array<double, kShfModelle> summe{};
  for (int i = 0; i < kShfModelle; ++i) {
    g.modelle[i].modell = kAlleShfModelle[i];
    g.modelle[i].Grund = m.Grund(kAlleShfModelle[i]);
  }
  for (std::size_t n = 0; n < kurven.size(); ++n) {
    const Messkurve& k = kurven[n];
    if (!Aufgenommen(k, g.gesteinstyp)) continue;
    Guetemessung e;
    e.iMessung = static_cast<int>(n);
    e.Kern = k.Kern;
    e.K = k.Perm;
    if (k.Zusatz.Porositaet) e.Porositaet = *k.Zusatz.Porositaet;
    std::vector<double> druck;
    std::vector<double> gemessen;
    const std::size_t punkte = std::min(k.Pc.size(), k.Shg.size());
    for (std::size_t p = 0; p < punkte; ++p) {
      if (!std::isfinite(k.Pc[p]) || !std::isfinite(k.Shg[p])) continue;
      druck.push_back(k.Pc[p]);
      gemessen.push_back(1.0 - static_cast<double>(k.Shg[p]));
    }
    e.Punkte = static_cast<int>(druck.size());
    for (int i = 0; i < kShfModelle; ++i) {
      const ShfModell modell = kAlleShfModelle[i];
      Guetemodell& gm = g.modelle[i];
      if (!gm.Grund.empty()) continue;
      e.Grund[i] = m.GesteinGrund(modell, e.K, e.Porositaet);
      if (!e.Grund[i].empty()) continue;
      if (druck.empty()) {
        e.Grund[i] = "Die Messung hat keinen Punkt.";
        continue;
      }
      // Each model turns pressures into heights under its own conditions.
      const Lagerstaettenbedingungen& b = m.Bedingungen(modell);
      double quadrate = 0.0;
      for (std::size_t p = 0; p < druck.size(); ++p) {
        const double sw = m.Sw(modell, e.K, e.Porositaet, HoeheAusDruck(b, druck[p]));
        const double r = sw - gemessen[p];
        quadrate += r * r;
        gm.SwGemessen.push_back(gemessen[p]);
        gm.SwModell.push_back(sw);
      }
      e.RMS[i] = std::sqrt(quadrate / static_cast<double>(druck.size()));
      summe[i] += quadrate;
      gm.Punkte += e.Punkte;
      ++gm.Messungen;
    }
    g.messungen.push_back(std::move(e));
  }
  for (int i = 0; i < kShfModelle; ++i) {
    Guetemodell& gm = g.modelle[i];
    if (gm.Punkte > 0) gm.RMS = std::sqrt(summe[i] / gm.Punkte);
  }
  return g;
}

Textliste ModellgueteListe(const Modellguete& g) {
  Textliste l;
  l.push_back("");
  l.push_back("   MODELLGÜTE DER SÄTTIGUNGSHÖHENMODELLE");
  l.push_back("");
  l.push_back("   Sw(Modell) bei K und Porosität jeder Messung, in der Höhe, für die ihr Kapillardruck");
  l.push_back("   unter den Lagerstättenbedingungen steht; Sw(gemessen) = 1 - S_Hg.");
  l.push_back("   RMS = Wurzel(Mittel((Sw(Modell) - Sw(gemessen))^2)) über jeden Punkt");
  l.push_back(g.gesteinstyp ? text::Format("   Messungen des Gesteinstyps DRT %d", *g.gesteinstyp)
                            : std::string("   Alle Messungen"));
  l.push_back("");
  l.push_back("   Modell         Messungen     Punkte         RMS");
  for (const Guetemodell& gm : g.modelle) {
    if (!gm.Grund.empty()) {
      l.push_back(text::Format("   %-12s nicht auswertbar: %s", Modellname(gm.modell), gm.Grund));
    } else if (gm.Punkte == 0) {
      l.push_back(text::Format("   %-12s %11d %10d %11s", Modellname(gm.modell), gm.Messungen, gm.Punkte, "-"));
    } else {
      l.push_back(text::Format("   %-12s %11d %10d %11.5f", Modellname(gm.modell), gm.Messungen, gm.Punkte, gm.RMS));
    }
  }

  l.push_back("");
  l.push_back("   RMS je Messung:");
  l.push_back("");
  std::string kopf = "   Kern                 K (mD)  Porosität";
  for (const ShfModell m : kAlleShfModelle) kopf += text::Format(" %11s", Modellname(m));
  l.push_back(kopf);
  // The reasons a model cannot evaluate a measurement, with how often.
  std::map<std::pair<int, std::string>, int> gruende;
  for (const Guetemessung& e : g.messungen) {
    std::string zeile = text::Format("   %-16s %11g %10s", e.Kern, e.K, Zahlfeld(e.Porositaet, "%10.4f", 10));
    for (int i = 0; i < kShfModelle; ++i) {
      zeile += ' ';
      zeile += Zahlfeld(e.RMS[i], "%11.5f", 11);
      if (!e.Grund[i].empty()) ++gruende[{i, e.Grund[i]}];
    }
    l.push_back(zeile);
  }
  if (!gruende.empty()) {
    l.push_back("");
    l.push_back("   -: Das Modell kann die Messung nicht auswerten:");
    for (const auto& [schluessel, anzahl] : gruende) {
      l.push_back(text::Format("   %s: %s (%d %s)", Modellname(kAlleShfModelle[schluessel.first]), schluessel.second,
                               anzahl, anzahl == 1 ? "Messung" : "Messungen"));
    }
  }
  return l;
}

Datendiagramm ModellgueteDiagramm(const Modellguete& g) {
  Datendiagramm d;
  d.titel = "Modellgüte";
  d.untertitel = g.gesteinstyp ? text::Format("Gesteinstyp DRT %d", *g.gesteinstyp) : std::string("Alle Messungen");
  d.x = {Achsenart::Linear, "Sw gemessen", true, 0.0, 1.0};
  d.y = {Achsenart::Linear, "Sw Modell", true, 0.0, 1.0};
  d.reihen.push_back({Reihenart::Linie, kEinsZuEins, {0.0, 1.0}, {0.0, 1.0}});
  d.legende.push_back({Reihenart::Linie, kEinsZuEins, "1:1"});
  for (int i = 0; i < kShfModelle; ++i) {
    const Guetemodell& gm = g.modelle[i];
    std::string text = Modellname(gm.modell);
    if (!gm.Grund.empty()) {
      text += ": nicht auswertbar";
    } else if (gm.Punkte > 0) {
      text += text::Format(" (RMS %.4f)", gm.RMS);
    }
    if (gm.Punkte > 0) {
      // Points outside 0 … 1 (a measured saturation above 1) would fall
      // outside the frame.
      Datenreihe r{Reihenart::Sterne, kModellstifte[i], {}, {}};
      for (std::size_t p = 0; p < gm.SwGemessen.size(); ++p) {
        if (gm.SwGemessen[p] < 0.0 || gm.SwGemessen[p] > 1.0) continue;
        r.x.push_back(gm.SwGemessen[p]);
        r.y.push_back(gm.SwModell[p]);
      }
      d.reihen.push_back(std::move(r));
    }
    d.legende.push_back({Reihenart::Sterne, kModellstifte[i], text});
  }
  int messungen = static_cast<int>(g.messungen.size());
  d.info = text::Format("%d Messungen", messungen);
  return d;
}

}  // namespace lagerstaette
