// The list "Petrophysik", its CSV table and its three charts: their rows,
// notes and "-", and the charts' data and geometry as drawn.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Aufzeichnungsflaeche.h"
#include "Diagramm.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Palette.h"
#include "Petrophysikbericht.h"
#include "Toleranz.h"

namespace {

using namespace petrophysik;

const Lagerstaettenbedingungen kLabor;

Messkurve Kurve(const std::string& kern, float perm, std::optional<float> phi) {
  Messkurve m;
  m.Kern = kern;
  m.Perm = perm;
  m.Zusatz.Porositaet = phi;
  m.Pc = {0.5f, 1.0f, 10.0f, 100.0f};
  m.Shg = {0.0f, 0.2f, 0.6f, 0.9f};
  return m;
}

ThomeerErgebnis Fit(double pd, double g, double sinf) {
  ThomeerErgebnis e;
  e.Systeme = {{pd, g, sinf}};
  return e;
}

// A: 100 mD, φ 0.25, fitted (the worked values of petrophysik_test: RQI 0.628,
// FZI 1.884, DRT 12, r35 5.014, Bv∞ 20, k 18.24, mode 4.138);
// LANGER-KERN: 0.05 mD, φ 0.08 (DRT 8), not fitted; C: no porosity, its
// porosity word faulty.
Petrophysik Drei() {
  Messkurve c = Kurve("C", 3, std::nullopt);
  c.Zusatz.Fehler = kPorositaetAnteil;
  ThomeerErgebnis ohne;
  ohne.Grund = kThomeerZuWenigePunkte;
  const KorrigierteKurven k{{Kurve("A", 100, 0.25f), Kurve("LANGER-KERN", 0.05f, 0.08f), c}, {{}, {}, {}}};
  return Berechnen(k, {Fit(1.0, 0.5, 0.8), ohne, Fit(0.5, 0.3, 0.9)}, kLabor);
}

TEST(PetrophysikListe, KopfZeilenUndHinweise) {
  const Textliste l = Liste(Drei());
  const auto kopf =
      std::find(l.begin(), l.end(),
                " Kern                  k      Phi        RQI        FZI   DRT  r35 (Winland)  r35 (Kurve)"
                "  Porenklasse    Bvinf  k (Thomeer)  Porenhalsmodus");
  ASSERT_NE(kopf, l.end());
  EXPECT_EQ(l[1], "   PETROPHYSIK DER MESSUNGEN");
  EXPECT_NE(std::find(l.begin(), l.end(), "   Grenzflächenspannung Labor (mN/m): 480"), l.end());
  const std::size_t i = static_cast<std::size_t>(kopf - l.begin());
  EXPECT_EQ(l[i + 1],
            "                    (mD)      (-)       (µm)       (µm)                 (µm)         (µm)"
            "                (% BV)         (mD)            (µm)");
  EXPECT_EQ(l[i + 2], "");
  // r35 of the curve: 0.35 at 0.375 of the way from 1 to 10 bar in log10(Pc), 3.101 µm.
  EXPECT_EQ(
      l[i + 3],
      " A                   100   0.2500      0.628      1.884    12          5.014        3.101  Makroporen     20.00"
      "        18.24           4.138");
  EXPECT_EQ(
      l[i + 4],
      " LANGER-KERN        0.05   0.0800    0.02482     0.2855     8         0.1537        3.101  Mikroporen         -"
      "            -               -");
  // No porosity: "-" but for the curve's r35 and the mode of its fit
  // (0.02·480·0.766044/0.5 · e^−0.345 = 10.42 µm).
  EXPECT_EQ(
      l[i + 5],
      " C                     3        -          -          -     -              -        3.101  -                  -"
      "            -           10.42");
  EXPECT_EQ(
      Textliste(l.begin() + static_cast<std::ptrdiff_t>(i) + 6, l.end()),
      (Textliste{"", "   Ohne Porosität: C", "", "   Nicht übernommene Angaben der Kopfzeile:",
                 "   C: Die Porosität ist als Anteil zwischen 0 und 1 anzugeben (z. B. POROSITAET: 0.213 für 21,3 %).",
                 "", "   Ohne Thomeer-Anpassung (siehe Thomeer-Parameter): LANGER-KERN"}));
}

TEST(PetrophysikListe, MehrzeiligerGrundUndKorrektur) {
  Messkurve m = Kurve("K", 10, 0.2f);
  m.Zusatz.Fehler = kKopfzusatzOhneKern;
  const Petrophysik p = Berechnen(KorrigierteKurven{{m}, {{true, false, 0.35f, 0.0213, 2}}}, {}, kLabor);
  const Textliste l = Liste(p);
  const auto anfang =
      std::find(l.begin(), l.end(), "   Schließdruckkorrektur: die Hg-Sättigung beim Schließdruck ist abgezogen,");
  ASSERT_NE(anfang, l.end());
  EXPECT_EQ(Textliste(anfang, l.end()),
            (Textliste{"   Schließdruckkorrektur: die Hg-Sättigung beim Schließdruck ist abgezogen,",
                       "   die Punkte bis zu ihm sind weggelassen.",
                       "   K: 0.35 bar (für alle Messungen), S(Hg) um 0.02130 vermindert, 2 Punkte weggelassen", "",
                       "   Nicht übernommene Angaben der Kopfzeile:",
                       "   K: Vor POROSITAET: und SCHLIESSDRUCK: muss die Kernbezeichnung stehen:",
                       "      PERMEABILITAET: Zahl Kernbezeichnung POROSITAET: Anteil"}));
}

TEST(PetrophysikListe, VieleOhnePorositaetInZeilenVonHoechstensHundertZeichen) {
  KorrigierteKurven k;
  for (int i = 0; i < 40; ++i) {
    k.kurven.push_back(Kurve("KERN-" + std::to_string(100 + i), 1, std::nullopt));
    k.korrektur.emplace_back();
  }
  const Textliste l = Liste(Berechnen(k, {}, kLabor));
  const auto anfang =
      std::find_if(l.begin(), l.end(), [](const std::string& z) { return z.rfind("   Ohne Porosität:", 0) == 0; });
  ASSERT_NE(anfang, l.end());
  std::string alle;
  for (auto z = anfang; z != l.end() && !z->empty(); ++z) {
    EXPECT_LE(z->size(), 101u) << *z;  // "ä" is two bytes
    alle += *z;
  }
  EXPECT_EQ(std::count(alle.begin(), alle.end(), ','), 39);
  EXPECT_NE(alle.find("KERN-100,"), std::string::npos);
  EXPECT_NE(alle.find("KERN-139"), std::string::npos);
  EXPECT_EQ((anfang + 1)->substr(0, 20), std::string(19, ' ') + "K");
}

TEST(PetrophysikListe, OhneMessung) {
  const Textliste l = Liste(Petrophysik{});
  EXPECT_EQ(l.back(), "   Keine vollständig gelesene Messung.");
}

TEST(PetrophysikTabelle, SpaltenDerListeLeerWoKeinWert) {
  const std::vector<csv::Tabelle> t = Tabellen(Drei());
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].titel, "Petrophysik");
  EXPECT_EQ(t[0].spalten,
            (std::vector<std::string>{"Kern", "Permeabilität (mD)", "Porosität (-)", "RQI (µm)", "FZI (µm)", "DRT",
                                      "r35 Winland (µm)", "r35 Kurve (µm)", "Porenklasse", "Bvinf (% BV)",
                                      "k Thomeer (mD)", "Porenhalsmodus (µm)"}));
  ASSERT_EQ(t[0].zeilen.size(), 3u);
  const auto& a = t[0].zeilen[0];
  EXPECT_EQ(std::get<float>(a[1]), 100.0f);
  EXPECT_EQ(std::get<float>(a[2]), 0.25f);
  EXPECT_TRUE(Nahe(std::get<double>(a[3]), 0.628, 1e-14));
  EXPECT_EQ(std::get<double>(a[5]), 12.0);
  EXPECT_EQ(std::get<std::string>(a[8]), "Makroporen");
  const auto& c = t[0].zeilen[2];
  for (const int leer : {2, 3, 4, 5, 6, 8, 9, 10}) EXPECT_EQ(std::get<std::string>(c[leer]), "") << leer;
  EXPECT_TRUE(std::holds_alternative<double>(c[7]));
  EXPECT_TRUE(std::holds_alternative<double>(c[11]));

  // Without any porosity there is no table.
  const KorrigierteKurven ohne{{Kurve("X", 1, std::nullopt)}, {{}}};
  EXPECT_TRUE(Tabellen(Berechnen(ohne, {}, kLabor)).empty());
}

// Five rock types, so that each has its colour spread over the palette.
Petrophysik FuenfTypen() {
  KorrigierteKurven k;
  std::vector<ThomeerErgebnis> t;
  // φ 0.2 and k from 0.02 to 1000 mD: FZI = 0.0314·√(k/0.2)·4, DRT 4 (0.02 mD)
  // … 15 (1000 mD); with the Thomeer fit of each.
  const float ks[] = {0.02f, 0.2f, 1.0f, 10.0f, 1000.0f, 1000.0f};
  for (int i = 0; i < 6; ++i) {
    k.kurven.push_back(Kurve("K" + std::to_string(i), ks[i], 0.2f));
    k.korrektur.emplace_back();
    t.push_back(Fit(1.0, 0.5, 0.8));
  }
  k.kurven.push_back(Kurve("OHNE", 5, std::nullopt));
  k.korrektur.emplace_back();
  t.push_back(Fit(1.0, 0.5, 0.8));
  return Berechnen(k, t, kLabor);
}

TEST(PetrophysikDiagramme, PorositaetPermeabilitaetMitWinlandLinien) {
  const Petrophysik p = FuenfTypen();
  std::vector<int> typen;
  for (const auto& m : p.messungen) {
    if (m.DRT) typen.push_back(*m.DRT);
  }
  // DRT = floor(2·ln(0.0314·√(5k)·4) + 11.1) = floor(2·ln(0.1256·√(5k)) + 11.1):
  // 0.02 mD → 4.648, 0.2 → 6.951, 1 → 8.560, 10 → 10.863, 1000 → 15.468.
  EXPECT_EQ(typen, (std::vector<int>{4, 6, 8, 10, 15, 15}));
  const Datendiagramm d = PorositaetPermeabilitaet(p);
  EXPECT_EQ(d.titel, "Porosität–Permeabilität");
  EXPECT_EQ(d.untertitel, "6 Messungen mit Porosität");
  EXPECT_EQ(d.legendenlage, Legendenlage::Rechts);
  EXPECT_EQ(d.x.art, Achsenart::Linear);
  EXPECT_EQ(d.y.art, Achsenart::Logarithmisch);
  // φ in percent from 0; k over the decades of the points, 0.01 … 1000 mD
  // (the float 0.02f lies just below 0.02, still in the decade of 0.01).
  EXPECT_EQ(d.x.min, 0.0);
  EXPECT_TRUE(Nahe(d.x.max, 20.0, 1e-12));
  EXPECT_TRUE(Nahe(d.y.min, 0.01, 1e-12));
  EXPECT_TRUE(Nahe(d.y.max, 1000.0, 1e-12));
  // One star series per type, in the order of the types, each its own colour of the palette.
  ASSERT_EQ(d.reihen.size(), 5u + 4u);
  // 5 classes spread over 14 colours: round(i·13/4) = 0, 3, 7 (6.5 up), 10, 13.
  const int farbe[5] = {0, 3, 7, 10, 13};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(d.reihen[i].art, Reihenart::Sterne);
    EXPECT_EQ(d.reihen[i].stift.farbe, palette::kFarben[farbe[i]]) << i;
  }
  EXPECT_EQ(d.reihen[4].x, (std::vector<double>{20.000000298023224, 20.000000298023224}));
  std::vector<std::string> legende;
  for (const auto& e : d.legende) legende.push_back(e.text);
  EXPECT_EQ(legende, (std::vector<std::string>{"DRT 4", "DRT 6", "DRT 8", "DRT 10", "DRT 15", "r35 0.1 µm",
                                               "r35 0.5 µm", "r35 2 µm", "r35 10 µm"}));
  // Each Winland line keeps r35 along it and stays inside the frame.
  for (int w = 0; w < 4; ++w) {
    const Datenreihe& l = d.reihen[5 + w];
    ASSERT_FALSE(l.x.empty()) << w;
    for (std::size_t i = 0; i < l.x.size(); ++i) {
      EXPECT_GE(l.y[i], d.y.min);
      EXPECT_LE(l.y[i], d.y.max);
      EXPECT_LE(l.x[i], d.x.max + 1e-9);
      if (l.y[i] > d.y.min && l.y[i] < d.y.max) {
        EXPECT_TRUE(Nahe(R35Winland(l.y[i], l.x[i] / 100.0), kWinlandLinien[w], 1e-9)) << w << " " << i;
      }
    }
  }
}

TEST(PetrophysikDiagramme, JFunktionUndThomeerPermeabilitaet) {
  const Petrophysik p = FuenfTypen();
  const Datendiagramm j = JFunktion(p);
  EXPECT_EQ(j.titel, "J-Funktion");
  EXPECT_EQ(j.x.art, Achsenart::Linear);
  EXPECT_EQ(j.y.art, Achsenart::Logarithmisch);
  ASSERT_EQ(j.reihen.size(), 6u);  // one line per measurement with porosity
  EXPECT_EQ(j.reihen[0].art, Reihenart::Linie);
  EXPECT_EQ(j.reihen[0].x, p.messungen[0].Sw);
  EXPECT_EQ(j.reihen[0].y, p.messungen[0].J);
  EXPECT_EQ(j.reihen[4].stift, j.reihen[5].stift);  // same type, same colour
  EXPECT_EQ(j.legende.size(), 5u);

  const Datendiagramm t = ThomeerPermeabilitaetDiagramm(p);
  EXPECT_EQ(t.titel, "Thomeer-Permeabilität");
  EXPECT_EQ(t.untertitel, "6 Messungen mit Porosität und Thomeer-Anpassung");
  EXPECT_EQ(t.x.art, Achsenart::Logarithmisch);
  EXPECT_EQ(t.y.art, Achsenart::Logarithmisch);
  // Both axes over the same decades: k 0.02 … 1000 and the Thomeer k 11.67.
  EXPECT_EQ(t.x.min, t.y.min);
  EXPECT_EQ(t.x.max, t.y.max);
  const Datenreihe& eins = t.reihen.back();
  EXPECT_EQ(eins.art, Reihenart::Linie);
  EXPECT_EQ(eins.x, (std::vector<double>{t.x.min, t.x.max}));
  EXPECT_EQ(eins.y, eins.x);
  EXPECT_EQ(t.legende.back().text, "1:1");
  // k (Thomeer) grows with φ²: 18.241116·(0.2/0.25)² = 11.674314 mD (φ the float 0.2f).
  EXPECT_TRUE(Nahe(t.reihen[0].y[0], 18.241116303372305 * std::pow(0.2 / 0.25, 2), 1e-7));
}

TEST(PetrophysikDiagramme, OhneMessungMitPorositaet) {
  const KorrigierteKurven k{{Kurve("X", 1, std::nullopt)}, {{}}};
  const Petrophysik p = Berechnen(k, {}, kLabor);
  for (int g = 0; g < kPetrophysikgrafiken; ++g) {
    const Datendiagramm d = petrophysik::Diagramm(p, static_cast<Petrophysikgrafik>(g));
    EXPECT_EQ(d.titel, kPetrophysikgrafikTitel[g]);
    EXPECT_EQ(d.untertitel.rfind("Keine Messung mit Porosität", 0), 0u) << d.untertitel;
  }
}

// Drawn by the one routine: the log axis of k, the stars where the data
// map, the Winland line as a polyline inside the frame, the legend right of it.
TEST(PetrophysikDiagramme, GezeichnetMitLogAchseUndLegendeRechts) {
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  const Datendiagramm d = PorositaetPermeabilitaet(FuenfTypen());
  ::Diagramm zeichnung(doc);
  zeichnung.SetDatendiagramm(&d);
  zeichnung.OnGraf();
  Aufzeichnungsflaeche f;
  zeichnung.draw(f);
  // 0.01 … 1000 mD: five decades over 750 units, 150 each.
  EXPECT_EQ(zeichnung.YAchse().Art(), Achsenart::Logarithmisch);
  EXPECT_NE(f.Text("0.01"), nullptr);
  EXPECT_NE(f.Text("1000"), nullptr);
  // The 1 mD point of K2 (φ 20 %, at the right edge) lies two decades above the bottom.
  const auto& punkte = zeichnung.Reihenpunkte()[2];
  ASSERT_EQ(punkte.size(), 1u);
  EXPECT_EQ(punkte[0][0], (Punkt{1300, -750 + 2 * 150}));
  // The r35 10 µm line: a polyline of its pen inside the frame.
  int linien = 0;
  for (const auto& e : f.Alle(Aufzeichnungsflaeche::Art::Polylinie)) {
    if (!(e.stift == d.reihen[8].stift)) continue;
    ++linien;
    for (const Punkt& q : e.punkte) {
      EXPECT_GE(q.x, 0);
      EXPECT_LE(q.x, 1300);
      EXPECT_GE(q.y, -750);
      EXPECT_LE(q.y, 0);
    }
  }
  EXPECT_EQ(linien, 1);
  // The legend's texts stand right of the frame, top down, 50 apart.
  const auto* erster = f.Text("DRT 4");
  const auto* letzter = f.Text("r35 10 µm");
  ASSERT_TRUE(erster && letzter);
  EXPECT_GT(erster->punkte[0].x, 1300);
  EXPECT_EQ(erster->punkte[0].y, 0);
  EXPECT_EQ(letzter->punkte[0].y, -8 * 50);
}

}  // namespace
