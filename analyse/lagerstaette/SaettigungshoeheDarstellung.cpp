// The list "Sättigungshöhe" and its chart.
#include <algorithm>
#include <cmath>

#include "Saettigungshoehe.h"
#include "TextFormat.h"

namespace lagerstaette {

namespace {

// Characters of a UTF-8 text, not its bytes.
std::size_t Zeichen(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string Rechtsbuendig(const std::string& text, std::size_t breite) {
  const std::size_t n = Zeichen(text);
  return std::string(n < breite ? breite - n : 0, ' ') + text;
}

// "   label (unit): value", with the colons of a block under each other; the
// width counts characters, not the bytes of the umlauts.
std::string Wertzeile(const std::string& name, const std::string& einheit, double wert) {
  std::string zeile = "   " + name;
  const std::size_t zeichen = Zeichen(name + einheit);
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

// The legend of row j of the choice, whether evaluated or not.
std::string LegendeZuZeile(const Saettigungshoehe& s, int j) {
  if (const Saettigungshoehenkurve* k = KurveZuZeile(s, j)) return k->Legende;
  for (const auto& n : s.nichtAuswertbar) {
    if (n.iSchar == j) return n.Legende;
  }
  return text::Format("%g mD", s.wahl.gesteine[j].K);
}

// A height of the table: one decimal as always, or, for a greatest height
// that one decimal does not show, the shortest exact text.
std::string Hoehentext(double h, bool eineStelle) {
  if (eineStelle) return text::Format(" %7.1f", h);
  return " " + Rechtsbuendig(text::Format("%.10g", h), 7);
}

// Whether the model is Kadrel's: its entry block names the family's entry
// pressure and it uses no porosity.
bool Kadrel(const Saettigungshoehe& s) { return s.wahl.modell == ShfModell::Kadrel; }

void Eintrittsblock(Textliste& l, const Saettigungshoehe& s) {
  l.push_back("");
  l.push_back("   Freier Wasserspiegel: Sw = 1 bis zur Eintrittshöhe");
  l.push_back("");
  if (Kadrel(s)) {
    l.push_back("      K (mD)    Sperrdruck (bar)   Eintrittshöhe (m)");
    for (const auto& k : s.kurven) {
      l.push_back(text::Format(" %11g %19.4f %19.3f", k.K, k.parameter.PcSperr, k.Eintrittshoehe));
    }
    return;
  }
  l.push_back("      K (mD)   Porosität (-)   Eintrittsdruck (bar)   Eintrittshöhe (m)");
  for (const auto& k : s.kurven) {
    const std::string phi = k.Porositaet ? text::Format("%.4f", *k.Porositaet) : std::string("-");
    l.push_back(text::Format(" %11g %15s %22.4f %19.3f", k.K, phi, k.Eintrittsdruck, k.Eintrittshoehe));
  }
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

  if (!s.modell.empty()) {
    l.push_back("");
    for (const auto& zeile : s.modell) l.push_back(zeile);
  }

  const int n = static_cast<int>(s.wahl.gesteine.size());
  if (!s.fehlend.empty()) {
    l.push_back("");
    if (s.standard) {
      std::string kurven;
      for (int j = 0; j < n; ++j) kurven += (kurven.empty() ? "" : ", ") + LegendeZuZeile(s, j);
      l.push_back("   Es fehlen die Kurven für " + kurven + ", denn die Kurvenschar brach ab:");
    } else {
      l.push_back(std::string("   Das Modell ") + Modellname(s.wahl.modell) + " ist nicht auswertbar:");
    }
    for (const auto& zeile : s.fehlend) l.push_back("   " + zeile);
  }

  if (!s.nichtAuswertbar.empty()) {
    l.push_back("");
    l.push_back("   Nicht auswertbar:");
    for (const auto& g : s.nichtAuswertbar) l.push_back("   " + g.Legende + ": " + g.Grund);
  }

  if (!s.kurven.empty()) Eintrittsblock(l, s);

  // Columns two wider than the widest legend, at least today's ten, so
  // that legends with a comma stay apart.
  std::size_t breite = 10;
  for (int j = 0; j < n; ++j) breite = std::max(breite, Zeichen(LegendeZuZeile(s, j)) + 2);
  const bool eineStelle = std::all_of(s.Hoehen.begin(), s.Hoehen.end(), [](double h) {
    return std::fabs(h * 10.0 - std::round(h * 10.0)) < 1e-9 * std::max(1.0, h * 10.0);
  });

  l.push_back("");
  l.push_back(Kadrel(s) ? "    Höhe     Wassersättigung Sw (-) bei K ="
                        : "    Höhe     Wassersättigung Sw (-) bei K, Porosität =");
  std::string kopf = "     (m)";
  for (int j = 0; j < n; ++j) {
    kopf += ' ';
    kopf += Rechtsbuendig(LegendeZuZeile(s, j), breite);
  }
  l.push_back(kopf);
  l.push_back("");
  for (std::size_t i = 0; i < s.Hoehen.size(); ++i) {
    std::string zeile = Hoehentext(s.Hoehen[i], eineStelle);
    for (int j = 0; j < n; ++j) {
      const Saettigungshoehenkurve* k = KurveZuZeile(s, j);
      zeile += ' ';
      zeile += Rechtsbuendig(k ? text::Format("%.5f", k->SwTabelle[i]) : std::string("-"), breite);
    }
    l.push_back(zeile);
  }
  return l;
}

Datendiagramm SaettigungshoeheDiagramm(const Saettigungshoehe& s) {
  Datendiagramm d;
  d.titel = "Sättigungshöhe";
  d.untertitel = text::Format("F = %g   ρW - ρKW = %g g/cm³", s.F, s.Dichtedifferenz);
  if (!s.standard) d.untertitel = std::string("Modell ") + Modellname(s.wahl.modell) + "   " + d.untertitel;
  d.x = {Achsenart::Linear, "Wassersättigung", true, 0.0, 1.0};
  d.y = {Achsenart::Linear, "Höhe über freiem Wasserspiegel [m]", true, 0.0, s.wahl.hoeheMax};
  for (const auto& k : s.kurven) {
    const Stift stift = Gesteinsstift(k.iSchar);
    d.reihen.push_back({Reihenart::Linie, stift, k.DiagrammSw, k.DiagrammHoehe});
    if (k.Eintrittshoehe <= s.wahl.hoeheMax) d.ymarken.push_back({k.Eintrittshoehe, stift});
    d.legende.push_back({Reihenart::Linie, stift, k.Legende});
  }
  const Lagerstaettenbedingungen& b = s.bedingungen;
  d.info = text::Format("Labor: %g mN/m, %g°   Lagerstätte: %g mN/m, %g°", b.SigmaLabor, b.ThetaLabor,
                        b.SigmaLagerstaette, b.ThetaLagerstaette);
  return d;
}

}  // namespace lagerstaette
