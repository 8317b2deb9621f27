// The list "Sättigungshöhe" and its chart.
#include <algorithm>

#include "Saettigungshoehe.h"
#include "Scharstifte.h"
#include "TextFormat.h"

namespace lagerstaette {

namespace {

// "   label (unit): value", with the colons of a block under each other; the
// width counts characters, not the bytes of the umlauts.
std::string Wertzeile(const std::string& name, const std::string& einheit, double wert) {
  std::string zeile = "   " + name;
  std::size_t zeichen = 0;
  for (const char c : name + einheit) zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  zeile.append(zeichen < 39 ? 39 - zeichen : 1, ' ');
  return zeile + "(" + einheit + "): " + text::Format("%10g", wert);
}

void BedingungenZeilen(Textliste& liste, const Lagerstaettenbedingungen& b) {
  static constexpr const char* kEinheiten[kFelder] = {"mN/m", "Grad", "mN/m", "Grad", "g/cm³", "g/cm³"};
  liste.push_back("   Lagerstättenbedingungen:");
  for (int feld = 0; feld < kFelder; ++feld)
    liste.push_back(Wertzeile(Feldname(feld), kEinheiten[feld], Wert(b, feld)));
}

const Saettigungshoehenkurve* KurveZuZeile(const Saettigungshoehe& s, int j) {
  for (const auto& k : s.kurven) {
    if (k.iSchar == j) return &k;
  }
  return nullptr;
}

}  // namespace

Textliste SaettigungshoeheListe(const Saettigungshoehe& s) {
  Textliste l;
  l.push_back("");
  l.push_back("   SÄTTIGUNGSHÖHE ÜBER DEM FREIEN WASSERSPIEGEL");
  l.push_back("");
  l.push_back("   Pc(Lagerstätte) = F * Pc(Labor)");
  l.push_back("   F = Sigma(Lagerst.)*|cos Theta(Lagerst.)| / (Sigma(Labor)*|cos Theta(Labor)|)");
  l.push_back("   Höhe = Pc(Lagerstätte)*10^5 / ((Rho(Wasser)-Rho(KW))*1000*9.80665)");
  l.push_back("");
  BedingungenZeilen(l, s.bedingungen);
  l.push_back("");
  l.push_back(Wertzeile("Umrechnungsfaktor F", "-", s.F));
  l.push_back(Wertzeile("Dichtedifferenz", "g/cm³", s.Dichtedifferenz));

  if (!s.fehlend.empty()) {
    l.push_back("");
    std::string kurven;
    for (int j = static_cast<int>(s.kurven.size()); j < 5; ++j) {
      kurven += std::string(kurven.empty() ? "" : ", ") + schar::kLegende[j];
    }
    l.push_back("   Es fehlen die Kurven für " + kurven + ", denn die Kurvenschar brach ab:");
    for (const auto& zeile : s.fehlend) l.push_back("   " + zeile);
  }

  if (!s.kurven.empty()) {
    l.push_back("");
    l.push_back("   Freier Wasserspiegel: Sw = 1 bis zur Eintrittshöhe");
    l.push_back("");
    l.push_back("      K (mD)    Sperrdruck (bar)   Eintrittshöhe (m)");
    for (const auto& k : s.kurven) {
      l.push_back(text::Format(" %11g %19.4f %19.3f", k.K, k.parameter.PcSperr, k.Eintrittshoehe));
    }
  }

  l.push_back("");
  l.push_back("    Höhe     Wassersättigung Sw (-) bei K =");
  std::string kopf = "     (m)";
  for (const char* text : schar::kLegende) kopf += text::Format(" %10s", text);
  l.push_back(kopf);
  l.push_back("");
  for (std::size_t i = 0; i < s.Hoehen.size(); ++i) {
    std::string zeile = text::Format(" %7.1f", s.Hoehen[i]);
    for (int j = 0; j < 5; ++j) {
      const Saettigungshoehenkurve* k = KurveZuZeile(s, j);
      zeile += k ? text::Format(" %10.5f", k->SwTabelle[i]) : std::string("          -");
    }
    l.push_back(zeile);
  }
  return l;
}

Datendiagramm SaettigungshoeheDiagramm(const Saettigungshoehe& s) {
  Datendiagramm d;
  d.titel = "Sättigungshöhe";
  d.untertitel = text::Format("F = %g   ρW - ρKW = %g g/cm³", s.F, s.Dichtedifferenz);
  d.x = {Achsenart::Linear, "Wassersättigung", true, 0.0, 1.0};
  double hmax = 0.0;
  for (const auto& k : s.kurven) {
    for (const double h : k.Hoehe) hmax = std::max(hmax, h);
  }
  // The chart's own scaling rounds the top up to a whole tick.
  d.y = {Achsenart::Linear, "Höhe über freiem Wasserspiegel [m]", true, 0.0, hmax > 0.0 ? hmax : 1.0};
  for (const auto& k : s.kurven) {
    const Stift stift = schar::kStifte[k.iSchar];
    d.reihen.push_back({Reihenart::Linie, stift, k.Sw, k.Hoehe});
    d.ymarken.push_back({k.Eintrittshoehe, stift});
    d.legende.push_back({Reihenart::Linie, stift, schar::kLegende[k.iSchar]});
  }
  const Lagerstaettenbedingungen& b = s.bedingungen;
  d.info = text::Format("Labor: %g mN/m, %g°   Lagerstätte: %g mN/m, %g°", b.SigmaLabor, b.ThetaLabor,
                        b.SigmaLagerstaette, b.ThetaLagerstaette);
  return d;
}

}  // namespace lagerstaette
