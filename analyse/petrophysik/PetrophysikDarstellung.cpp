// The list "Petrophysik", its three charts and its CSV table.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "Achse.h"
#include "Palette.h"
#include "Petrophysikbericht.h"
#include "TextFormat.h"

namespace petrophysik {

namespace {

// Characters of a UTF-8 text (not bytes).
std::size_t Zeichen(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string Rechts(const std::string& text, std::size_t breite) {
  const std::size_t n = Zeichen(text);
  return n < breite ? std::string(breite - n, ' ') + text : text;
}

std::string Links(const std::string& text, std::size_t breite) {
  const std::size_t n = Zeichen(text);
  return n < breite ? text + std::string(breite - n, ' ') : text;
}

struct Spalte {
  const char* name;
  const char* einheit;
  std::size_t breite;
  bool links = false;
};

// The columns after the label, each two blanks from the one before.
constexpr Spalte kSpalten[] = {
    {"k", "(mD)", 10},
    {"Phi", "(-)", 7},
    {"RQI", "(µm)", 9},
    {"FZI", "(µm)", 9},
    {"DRT", "", 4},
    {"r35 (Winland)", "(µm)", 13},
    {"r35 (Kurve)", "(µm)", 11},
    {"Porenklasse", "", 11, true},
    {"Bvinf", "(% BV)", 7},
    {"k (Thomeer)", "(mD)", 11},
    {"Porenhalsmodus", "(µm)", 14},
};
constexpr std::size_t kSpaltenzahl = sizeof kSpalten / sizeof kSpalten[0];

std::string Wert(const std::optional<double>& w, const char* format) {
  return w ? text::Format(format, *w) : std::string("-");
}

// The row's texts, column by column.
std::vector<std::string> Zellen(const Petrophysikwerte& m) {
  return {
      text::Format("%.6g", m.Perm),
      m.Porositaet ? text::Format("%.4f", *m.Porositaet) : std::string("-"),
      Wert(m.RQI, "%.4g"),
      Wert(m.FZI, "%.4g"),
      m.DRT ? text::Format("%d", *m.DRT) : std::string("-"),
      Wert(m.R35Winland, "%.4g"),
      Wert(m.R35Kurve, "%.4g"),
      m.Klasse ? std::string(Klassenname(*m.Klasse)) : std::string("-"),
      Wert(m.Bvinf, "%.2f"),
      Wert(m.KThomeer, "%.4g"),
      Wert(m.Porenhalsmodus, "%.4g"),
  };
}

std::string Zeile(const std::string& kern, std::size_t kernbreite, const std::vector<std::string>& zellen) {
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on
  // a literal + a temporary string.
  std::string z(1, ' ');
  z += Links(kern, kernbreite);
  for (std::size_t i = 0; i < kSpaltenzahl && i < zellen.size(); ++i) {
    z += "  ";
    z += kSpalten[i].links ? Links(zellen[i], kSpalten[i].breite) : Rechts(zellen[i], kSpalten[i].breite);
  }
  // A left-aligned last column leaves no blanks at the end.
  while (!z.empty() && z.back() == ' ') z.pop_back();
  return z;
}

// Names joined by ", " after `anfang`, in lines of at most about 100
// characters; further lines indented below the first name.
void Aufzaehlung(Textliste& l, const std::string& anfang, const std::vector<std::string>& namen) {
  if (namen.empty()) return;
  std::string zeile = anfang;
  const std::string einzug(Zeichen(anfang), ' ');
  bool leer = true;
  for (std::size_t i = 0; i < namen.size(); ++i) {
    const std::string teil = namen[i] + (i + 1 < namen.size() ? "," : "");
    if (!leer && Zeichen(zeile) + 1 + Zeichen(teil) > 100) {
      l.push_back(zeile);
      zeile = einzug;
    }
    zeile += " " + teil;
    leer = false;
  }
  l.push_back(zeile);
}

// The rock types present, ascending, each with its pen.
std::map<int, Stift> Typstifte(const Petrophysik& p) {
  std::set<int> typen;
  for (const auto& m : p.messungen) {
    if (m.DRT) typen.insert(*m.DRT);
  }
  std::map<int, Stift> stifte;
  int i = 0;
  for (const int t : typen) {
    stifte[t] = {Linienart::Durchgezogen, 3, palette::Klassenfarbe(i++, static_cast<int>(typen.size()))};
  }
  return stifte;
}

std::string Anzahl(int n, const char* einzahl, const char* mehrzahl) {
  return text::Format("%d %s", n, n == 1 ? einzahl : mehrzahl);
}

// One star series per rock type (in the order of the types), its legend
// entry when it has points.
void Punktreihen(Datendiagramm& d, const std::map<int, Stift>& stifte, const std::map<int, Datenreihe>& reihen) {
  for (const auto& [typ, reihe] : reihen) {
    d.reihen.push_back(reihe);
    d.legende.push_back({Reihenart::Sterne, stifte.at(typ), text::Format("DRT %d", typ)});
  }
}

constexpr Stift kStiftWinland[4] = {{Linienart::Gepunktet, 2, {0, 0, 0}},
                                    {Linienart::Gestrichelt, 2, {0, 0, 0}},
                                    {Linienart::Durchgezogen, 2, {0, 0, 0}},
                                    {Linienart::Durchgezogen, 4, {0, 0, 0}}};
constexpr Stift kStiftEinsZuEins{Linienart::Durchgezogen, 2, {0, 0, 0}};
// Points of a Winland line, spaced evenly in log10(φ): the line bends most
// at small porosities.
constexpr int kWinlandPunkte = 120;

}  // namespace

Textliste Liste(const Petrophysik& p) {
  Textliste l;
  l.push_back("");
  l.push_back("   PETROPHYSIK DER MESSUNGEN");
  l.push_back("");
  l.push_back("   k: Permeabilität (mD), Phi: Porosität (Anteil) aus der Kopfzeile (POROSITAET:)");
  l.push_back("   RQI = 0.0314*sqrt(k/Phi)   FZI = RQI*(1-Phi)/Phi   DRT = floor(2*ln(FZI) + 10.6 + 0.5)");
  l.push_back("   r35 (Winland) = 10^(0.732 + 0.588*log10(k) - 0.864*log10(100*Phi))");
  l.push_back("   Porenklasse nach r35 (Winland): Megaporen ab 10, Makroporen ab 2, Mesoporen ab 0.5,");
  l.push_back("   Mikroporen ab 0.1 µm, darunter Nanoporen");
  l.push_back("   r35 (Kurve): Radius, bei dem S(Hg) 0.35 erreicht (interpoliert in log10(Pc))");
  l.push_back("   Thomeer (System mit dem kleinsten Pd): Bvinf = 100*Phi*(Summe Sinf aller Systeme),");
  l.push_back("   k (Thomeer) = 3.8068*G^-1.3334*(100*Phi*Sinf/Pd(psi))^2,");
  l.push_back("   Porenhalsmodus = 0.02*Sigma*|cos Theta|/Pd(bar) * exp(-1.15*G)");
  l.push_back("");
  l.push_back(text::Format("   Grenzflächenspannung Labor (mN/m): %g", p.bedingungen.SigmaLabor));
  l.push_back(text::Format("   Randwinkel Labor           (Grad): %g", p.bedingungen.ThetaLabor));
  l.push_back("");
  if (p.messungen.empty()) {
    l.push_back("   Keine vollständig gelesene Messung.");
    return l;
  }
  std::size_t kernbreite = 4;
  for (const auto& m : p.messungen) kernbreite = std::max(kernbreite, Zeichen(m.Kern));
  std::vector<std::string> namen;
  std::vector<std::string> einheiten;
  for (const Spalte& s : kSpalten) {
    namen.emplace_back(s.name);
    einheiten.emplace_back(s.einheit);
  }
  l.push_back(Zeile("Kern", kernbreite, namen));
  l.push_back(Zeile("", kernbreite, einheiten));
  l.push_back("");
  for (const auto& m : p.messungen) l.push_back(Zeile(m.Kern, kernbreite, Zellen(m)));

  bool korrigiert = false;
  std::vector<std::string> ohnePorositaet;
  std::vector<std::string> ohneThomeer;
  std::vector<const Petrophysikwerte*> kopfzeilenfehler;
  for (const auto& m : p.messungen) {
    korrigiert = korrigiert || m.korrektur.korrigiert;
    if (!m.Porositaet) ohnePorositaet.push_back(m.Kern);
    if (!m.ThomeerGrund.empty()) ohneThomeer.push_back(m.Kern);
    if (!m.Kopfzeilenfehler.empty()) kopfzeilenfehler.push_back(&m);
  }
  if (korrigiert) {
    for (const std::string& z : korrektur::HinweisAnfang()) l.push_back(z);
    for (const auto& m : p.messungen) {
      if (m.korrektur.korrigiert) l.push_back(korrektur::Hinweiszeile(m.Kern, m.korrektur));
    }
  }
  if (!ohnePorositaet.empty()) {
    l.push_back("");
    Aufzaehlung(l, "   Ohne Porosität:", ohnePorositaet);
  }
  if (!kopfzeilenfehler.empty()) {
    l.push_back("");
    l.push_back("   Nicht übernommene Angaben der Kopfzeile:");
    for (const Petrophysikwerte* m : kopfzeilenfehler) {
      // A reason may span lines: the further ones are indented below the first.
      std::string zeile = "   " + m->Kern + ": ";
      const std::string einzug(Zeichen(zeile), ' ');
      for (const char c : m->Kopfzeilenfehler) {
        if (c != '\n') {
          zeile += c;
          continue;
        }
        l.push_back(zeile);
        zeile = einzug;
      }
      l.push_back(zeile);
    }
  }
  if (!ohneThomeer.empty()) {
    l.push_back("");
    Aufzaehlung(l, "   Ohne Thomeer-Anpassung (siehe Thomeer-Parameter):", ohneThomeer);
  }
  return l;
}

Datendiagramm PorositaetPermeabilitaet(const Petrophysik& p) {
  Datendiagramm d;
  d.titel = kPetrophysikgrafikTitel[0];
  d.legendenlage = Legendenlage::Rechts;
  const std::map<int, Stift> stifte = Typstifte(p);
  std::map<int, Datenreihe> reihen;
  std::vector<double> phis{0.0};
  std::vector<double> ks;
  int n = 0;
  for (const auto& m : p.messungen) {
    if (!m.DRT) continue;
    Datenreihe& r = reihen[*m.DRT];
    r.art = Reihenart::Sterne;
    r.stift = stifte.at(*m.DRT);
    r.x.push_back(100.0 * static_cast<double>(*m.Porositaet));
    r.y.push_back(m.Perm);
    phis.push_back(r.x.back());
    ks.push_back(m.Perm);
    ++n;
  }
  d.untertitel = n > 0 ? Anzahl(n, "Messung mit Porosität", "Messungen mit Porosität")
                       : std::string("Keine Messung mit Porosität");
  // The axes span the points; the Winland lines are cut to them.
  if (n == 0) phis.push_back(40.0);
  const Achse x = Achse::Linear(phis);
  const Achse y = ks.empty() ? Achse::Logarithmisch({0.01, 10000.0}) : Achse::Logarithmisch(ks);
  d.x = {Achsenart::Linear, "Porosität φ (%)", true, x.Min(), x.Max()};
  d.y = {Achsenart::Logarithmisch, "Permeabilität k (mD)", true, y.Min(), y.Max()};
  Punktreihen(d, stifte, reihen);

  for (int w = 0; w < 4; ++w) {
    const double r35 = kWinlandLinien[w];
    // k grows with φ: the line enters the frame where it reaches the lower
    // edge (or the left one) and leaves it at the upper edge (or the right one).
    auto phiBei = [r35](double k) {
      return std::pow(10.0, (0.588 * std::log10(k) + 0.732 - std::log10(r35)) / 0.864) / 100.0;
    };
    const double von = std::max(x.Min() / 100.0, phiBei(y.Min()));
    const double bis = std::min(x.Max() / 100.0, phiBei(y.Max()));
    Datenreihe linie;
    linie.art = Reihenart::Linie;
    linie.stift = kStiftWinland[w];
    if (von > 0.0 && bis > von) {
      for (int i = 0; i < kWinlandPunkte; ++i) {
        const double phi = von * std::pow(bis / von, static_cast<double>(i) / (kWinlandPunkte - 1));
        // At the ends the edges themselves, free of rounding.
        double k = WinlandPermeabilitaet(r35, phi);
        if (i == 0 && phiBei(y.Min()) >= x.Min() / 100.0) k = y.Min();
        if (i == kWinlandPunkte - 1 && phiBei(y.Max()) <= x.Max() / 100.0) k = y.Max();
        linie.x.push_back(100.0 * phi);
        linie.y.push_back(std::clamp(k, y.Min(), y.Max()));
      }
    }
    d.reihen.push_back(std::move(linie));
    d.legende.push_back({Reihenart::Linie, kStiftWinland[w], text::Format("r35 %g µm", r35)});
  }
  d.info = "Linien: r35 nach Winland; Farben: Gesteinstyp DRT";
  return d;
}

Datendiagramm JFunktion(const Petrophysik& p) {
  Datendiagramm d;
  d.titel = kPetrophysikgrafikTitel[1];
  d.legendenlage = Legendenlage::Rechts;
  d.x = {Achsenart::Linear, "Wassersättigung Sw (-)", true, 0.0, 1.0};
  d.y = {Achsenart::Logarithmisch, "Leverett-J (-)", false, 0.0, 0.0};
  const std::map<int, Stift> stifte = Typstifte(p);
  std::set<int> gezeigt;
  int n = 0;
  for (const auto& m : p.messungen) {
    if (!m.DRT || m.J.empty()) continue;
    d.reihen.push_back({Reihenart::Linie, stifte.at(*m.DRT), m.Sw, m.J});
    gezeigt.insert(*m.DRT);
    ++n;
  }
  for (const int typ : gezeigt) d.legende.push_back({Reihenart::Linie, stifte.at(typ), text::Format("DRT %d", typ)});
  d.untertitel = n > 0 ? Anzahl(n, "Messung mit Porosität", "Messungen mit Porosität")
                       : std::string("Keine Messung mit Porosität");
  if (n == 0) {
    d.y.festerBereich = true;
    d.y.min = 0.01;
    d.y.max = 10.0;
  }
  d.info = text::Format("J = Pc / (Sigma*|cos Theta|) * sqrt(k/Phi)   Labor: %g mN/m, %g°", p.bedingungen.SigmaLabor,
                        p.bedingungen.ThetaLabor);
  return d;
}

Datendiagramm ThomeerPermeabilitaetDiagramm(const Petrophysik& p) {
  Datendiagramm d;
  d.titel = kPetrophysikgrafikTitel[2];
  d.legendenlage = Legendenlage::Rechts;
  const std::map<int, Stift> stifte = Typstifte(p);
  std::map<int, Datenreihe> reihen;
  std::vector<double> werte;
  int n = 0;
  for (const auto& m : p.messungen) {
    if (!m.DRT || !m.KThomeer) continue;
    Datenreihe& r = reihen[*m.DRT];
    r.art = Reihenart::Sterne;
    r.stift = stifte.at(*m.DRT);
    r.x.push_back(m.Perm);
    r.y.push_back(*m.KThomeer);
    werte.push_back(m.Perm);
    werte.push_back(*m.KThomeer);
    ++n;
  }
  d.untertitel =
      n > 0 ? Anzahl(n, "Messung mit Porosität und Thomeer-Anpassung", "Messungen mit Porosität und Thomeer-Anpassung")
            : std::string("Keine Messung mit Porosität und Thomeer-Anpassung");
  // One range on both axes, so that the 1:1 line is the diagonal.
  const Achse a = werte.empty() ? Achse::Logarithmisch({0.01, 10000.0}) : Achse::Logarithmisch(werte);
  d.x = {Achsenart::Logarithmisch, "Permeabilität gemessen (mD)", true, a.Min(), a.Max()};
  d.y = {Achsenart::Logarithmisch, "Permeabilität Thomeer (mD)", true, a.Min(), a.Max()};
  Punktreihen(d, stifte, reihen);
  d.reihen.push_back({Reihenart::Linie, kStiftEinsZuEins, {a.Min(), a.Max()}, {a.Min(), a.Max()}});
  d.legende.push_back({Reihenart::Linie, kStiftEinsZuEins, "1:1"});
  d.info = "k (Thomeer) = 3.8068*G^-1.3334*(100*Phi*Sinf/Pd(psi))^2";
  return d;
}

Datendiagramm Diagramm(const Petrophysik& p, Petrophysikgrafik art) {
  switch (art) {
    case Petrophysikgrafik::JFunktion:
      return JFunktion(p);
    case Petrophysikgrafik::ThomeerPermeabilitaet:
      return ThomeerPermeabilitaetDiagramm(p);
    case Petrophysikgrafik::PorositaetPermeabilitaet:
      break;
  }
  return PorositaetPermeabilitaet(p);
}

std::vector<csv::Tabelle> Tabellen(const Petrophysik& p) {
  std::vector<csv::Tabelle> tabellen;
  const bool porositaet = std::any_of(p.messungen.begin(), p.messungen.end(),
                                      [](const Petrophysikwerte& m) { return m.Porositaet.has_value(); });
  if (!porositaet) return tabellen;
  csv::Tabelle t{"Petrophysik",
                 {"Kern", "Permeabilität (mD)", "Porosität (-)", "RQI (µm)", "FZI (µm)", "DRT", "r35 Winland (µm)",
                  "r35 Kurve (µm)", "Porenklasse", "Bvinf (% BV)", "k Thomeer (mD)", "Porenhalsmodus (µm)"},
                 {}};
  const csv::Wert leer = std::string();
  for (const auto& m : p.messungen) {
    t.zeilen.push_back({m.Kern, m.Perm, m.Porositaet ? csv::Wert(*m.Porositaet) : leer, csv::Optional(m.RQI),
                        csv::Optional(m.FZI), m.DRT ? csv::Wert(static_cast<double>(*m.DRT)) : leer,
                        csv::Optional(m.R35Winland), csv::Optional(m.R35Kurve),
                        m.Klasse ? csv::Wert(std::string(Klassenname(*m.Klasse))) : leer, csv::Optional(m.Bvinf),
                        csv::Optional(m.KThomeer), csv::Optional(m.Porenhalsmodus)});
  }
  csv::Anhaengen(tabellen, std::move(t));
  return tabellen;
}

}  // namespace petrophysik
