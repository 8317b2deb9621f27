// "Druckachse logarithmisch": the curve chart's pressure axis over whole
// decades, its ticks, grid and mapped points; every chart drawn as before
// while it is off, and the other charts whether it is on or off.
#include "Aufzeichnungsflaeche.h"
#include "Datendiagramm.h"
#include "Diagramm.h"
#include "Diagrammdaten.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Zeichnungspruefung.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Art = Aufzeichnungsflaeche::Art;
using Eintrag = Aufzeichnungsflaeche::Eintrag;

using namespace zeichnung;

// The whole recording as one number (FNV-1a over its calls), to compare a
// drawing with the one the program made before the option existed.
std::uint64_t Fingerabdruck(const Aufzeichnungsflaeche& f) {
  std::uint64_t h = 14695981039346656037ull;
  const auto dazu = [&h](long long v) {
    for (int i = 0; i < 8; ++i) {
      h ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xFF;
      h *= 1099511628211ull;
    }
  };
  for (const Eintrag& e : f.eintraege) {
    dazu(static_cast<int>(e.art));
    dazu(static_cast<long long>(e.punkte.size()));
    for (const Punkt& p : e.punkte) {
      dazu(p.x);
      dazu(p.y);
    }
    dazu(static_cast<long long>(e.text.size()));
    for (const char c : e.text) dazu(static_cast<unsigned char>(c));
    dazu(static_cast<int>(e.stift.art));
    dazu(e.stift.breite);
    dazu(e.stift.farbe.r);
    dazu(e.stift.farbe.g);
    dazu(e.stift.farbe.b);
    dazu(e.schrift.hoehe);
    dazu(e.schrift.gewicht);
  }
  return h;
}

class Druckachse : public ::testing::Test {
 protected:
  Druckachse() {
    doc.Titel = "Kapillardruckkurve";
    doc.Untertitel = "Kern 7";
    doc.XText = "Normierte Sättigung Snorm(-)";
    doc.YText = "Kadrel(-)";
    doc.Legende1 = " Messwerte ";
    doc.Legende2 = "Rechenwerte";
    doc.Info = "Alfa: 8.4 Beta:0.14";
    doc.SetPathName("/daten/kern7.kdr");
  }

  // Measured pressures from below the entry (negative, 0) up to the largest
  // (1); the computed curve touches 0 once.
  void Kurve() {
    KurveFuellen(doc, {0, 0.1f, 0.3f, 0.6f, 0.9f, 1}, {-0.05f, 0, 0.004f, 0.03f, 0.2f, 1},
                 {1, 0.5f, 0.12f, 0, 0.015f, 0.002f});
  }
  void Parameter() { ParameterFuellen(doc, 2, 3, {-1.7f, 0.3f, 2.3f}, {0.5f, 1, 4}, {0.6f, 1.2f, 3.8f}); }
  void Kurvenschar() {
    doc.iGrafik = 4;
    doc.MaxPchg = 87.3f;
    for (int j = 0; j < 5; ++j) {
      for (int q = 0; q < 31; ++q) {
        doc.XK[j][q] = 0.1f * static_cast<float>(j) + (1 - 0.1f * static_cast<float>(j)) * static_cast<float>(q) / 30;
        doc.YK[j][q] = 87.3f - 2.8f * static_cast<float>(q);
      }
    }
  }
  static Datendiagramm Daten() {
    Datendiagramm daten;
    daten.titel = "Thomeer-Analyse";
    daten.x = {Achsenart::Linear, "Hg-Sättigung", true, 0, 1};
    daten.y = {Achsenart::Logarithmisch, "Kapillardruck [bar]", false, 0, 0};
    daten.reihen.push_back({Reihenart::Linie, kB, {0.2, 0.5, 0.8}, {1, 10, 100}});
    daten.legende.push_back({Reihenart::Linie, kB, "Rechenwerte"});
    daten.info = "2 Systeme";
    return daten;
  }

  Aufzeichnungsflaeche Aufnehmen(Diagramm& diagramm) {
    Aufzeichnungsflaeche f;
    diagramm.OnGraf();
    diagramm.draw(f);
    return f;
  }
  Aufzeichnungsflaeche Aufnehmen(bool druckLog) {
    Diagramm diagramm(doc);
    diagramm.SetDruckLogarithmisch(druckLog);
    return Aufnehmen(diagramm);
  }

  static std::vector<Eintrag> Linien(const Aufzeichnungsflaeche& f, const Stift& stift) {
    std::vector<Eintrag> auswahl;
    for (const auto& e : f.Alle(Art::Linie)) {
      if (e.stift == stift) auswahl.push_back(e);
    }
    return auswahl;
  }

  FakePlattform plattform;
  CKadrelDoc doc{plattform};
};

// Three decades 0.001 ... 1 on the frame of 750: 250 per decade. A value v
// lands at trunc(750 * (log10(v) + 3) / 3) - 750.
TEST_F(Druckachse, DekadenAlsTicksMitBeschriftungUndGitter) {
  Kurve();
  Diagramm d(doc);
  d.SetDruckLogarithmisch(true);
  const Aufzeichnungsflaeche f = Aufnehmen(d);
  EXPECT_TRUE(d.KurveLogarithmisch());
  EXPECT_EQ(d.YAchse().Art(), Achsenart::Logarithmisch);
  EXPECT_DOUBLE_EQ(d.ymin, 0.001);
  EXPECT_DOUBLE_EQ(d.ymax, 1.0);
  // The x axis as on the linear chart: 0 to 1 in steps of 0.2.
  EXPECT_EQ(d.xmin, 0.0);
  EXPECT_EQ(d.xmax, 1.0);
  EXPECT_DOUBLE_EQ(d.deltax, 0.2);

  std::vector<std::pair<int, std::string>> beschriftung;
  for (const auto& e : f.Alle(Art::Text)) {
    if (e.punkte[0].x == -130) beschriftung.emplace_back(e.punkte[0].y - 20, e.text);
  }
  EXPECT_EQ(beschriftung,
            (std::vector<std::pair<int, std::string>>{{-750, "0.001"}, {-500, "0.01"}, {-250, "0.1"}, {0, "1"}}));
  // Labelled ticks 10 long, the unlabelled 2 ... 9 of each decade 5 long;
  // 0.002 at 750 * log10(2) / 3 = 75.3 above the bottom.
  std::vector<int> lang;
  std::vector<int> kurz;
  for (const auto& e : Linien(f, kA)) {
    if (e.punkte[0].x != 0 || e.punkte[0].y != e.punkte[1].y) continue;
    if (e.punkte[1].x == -10) lang.push_back(e.punkte[0].y);
    if (e.punkte[1].x == -5) kurz.push_back(e.punkte[0].y);
  }
  EXPECT_EQ(lang, (std::vector<int>{-750, -500, -250, 0}));
  ASSERT_EQ(kurz.size(), 24u);
  EXPECT_EQ(kurz[0], -674);
  EXPECT_EQ(kurz[8], -424);  // 0.02: 750 * (log10(0.02) + 3) / 3 = 325.3
  // Grid: the inner decades, then the inner x ticks.
  const auto gitter = Linien(f, kD);
  ASSERT_EQ(gitter.size(), 6u);
  EXPECT_EQ(gitter[0].punkte, (std::vector<Punkt>{{0, -500}, {1300, -500}}));
  EXPECT_EQ(gitter[1].punkte, (std::vector<Punkt>{{0, -250}, {1300, -250}}));
  EXPECT_EQ(gitter[2].punkte, (std::vector<Punkt>{{260, -750}, {260, 0}}));
  // The linear labels of the y axis ("%6g") are gone.
  EXPECT_EQ(f.Text("     1"), nullptr);
}

TEST_F(Druckachse, PunkteAufDerAchseUndLueckenDarunter) {
  Kurve();
  Diagramm d(doc);
  d.SetDruckLogarithmisch(true);
  const Aufzeichnungsflaeche f = Aufnehmen(d);
  // 0.004 -> -599, 0.03 -> -380, 0.2 -> -174, 1 -> 0; the points at -0.05
  // and 0 have no place on the axis.
  const std::vector<Punkt> mess = {{390, -599}, {780, -380}, {1169, -174}, {1300, 0}};
  EXPECT_EQ(d.LogMesspunkte(), mess);
  std::vector<Punkt> sterne;
  for (const auto& e : Linien(f, kC)) {
    const Punkt a = e.punkte[0];
    const Punkt b = e.punkte[1];
    if (b.x - a.x == 8 && b.y - a.y == 8) sterne.push_back({a.x + 4, a.y + 4});
  }
  EXPECT_EQ(sterne, mess);
  // The computed curve breaks at its 0: 1 -> 0, 0.5 -> -75, 0.12 -> -230;
  // 0.015 -> -455, 0.002 -> -674.
  const std::vector<std::vector<Punkt>> laeufe = {{{0, 0}, {130, -75}, {390, -230}}, {{1169, -455}, {1300, -674}}};
  EXPECT_EQ(d.LogRechenlaeufe(), laeufe);
  std::vector<std::vector<Punkt>> polylinien;
  for (const auto& e : f.Alle(Art::Polylinie)) {
    EXPECT_EQ(e.stift, kB);
    polylinien.push_back(e.punkte);
  }
  EXPECT_EQ(polylinien, laeufe);
}

// Printing scales the same decades to the page's frame of 2100.
TEST_F(Druckachse, DruckMitDerSeitenhoehe) {
  Kurve();
  Diagramm d(doc);
  d.SetDruckLogarithmisch(true);
  d.OnGraf();
  d.DruckBeginnen(2100, 2970);
  EXPECT_EQ(d.hoehe, 2100);
  EXPECT_EQ(d.LogMesspunkte().back(), (Punkt{1300, 0}));
  EXPECT_EQ(d.LogMesspunkte().front(), (Punkt{390, -1678}));  // 2100 * 0.20069 - 2100 = -1678.6
  d.DruckBeenden();
  EXPECT_EQ(d.LogMesspunkte().front(), (Punkt{390, -599}));
}

TEST_F(Druckachse, OhnePositivenDruckEineDekade) {
  KurveFuellen(doc, {0, 1}, {-0.2f, 0}, {0, 0});
  Diagramm d(doc);
  d.SetDruckLogarithmisch(true);
  const Aufzeichnungsflaeche f = Aufnehmen(d);
  EXPECT_EQ(d.ymin, 1.0);
  EXPECT_EQ(d.ymax, 10.0);
  EXPECT_TRUE(d.LogMesspunkte().empty());
  EXPECT_TRUE(d.LogRechenlaeufe().empty());
  EXPECT_TRUE(f.Alle(Art::Polylinie).empty());
}

// The recordings the program made before the option existed (these very
// charts): curve, parameter chart, family and a data chart, as
// fingerprints.
constexpr std::uint64_t kKurveBisher = 18211962344522936628ull;
constexpr std::uint64_t kParameterBisher = 5237968487514444426ull;
constexpr std::uint64_t kScharBisher = 18142716827362184529ull;
constexpr std::uint64_t kDatenBisher = 14663591780169010719ull;

TEST_F(Druckachse, AusGezeichnetWieBisher) {
  Kurve();
  EXPECT_EQ(Fingerabdruck(Aufnehmen(false)), kKurveBisher);
  Parameter();
  EXPECT_EQ(Fingerabdruck(Aufnehmen(false)), kParameterBisher);
  Kurvenschar();
  EXPECT_EQ(Fingerabdruck(Aufnehmen(false)), kScharBisher);
  const Datendiagramm daten = Daten();
  Diagramm d(doc);
  d.SetDatendiagramm(&daten);
  EXPECT_EQ(Fingerabdruck(Aufnehmen(d)), kDatenBisher);
}

// Switched on and off again, the curve is drawn as before; the other charts
// do not have the axis and stay as they are while it is on.
TEST_F(Druckachse, AndereDiagrammeUnberuehrt) {
  Kurve();
  Diagramm d(doc);
  d.SetDruckLogarithmisch(true);
  const std::uint64_t log = Fingerabdruck(Aufnehmen(d));
  EXPECT_NE(log, kKurveBisher);
  d.SetDruckLogarithmisch(false);
  EXPECT_FALSE(d.KurveLogarithmisch());
  EXPECT_EQ(Fingerabdruck(Aufnehmen(d)), kKurveBisher);

  Parameter();
  EXPECT_EQ(Fingerabdruck(Aufnehmen(true)), kParameterBisher);
  Kurvenschar();
  EXPECT_EQ(Fingerabdruck(Aufnehmen(true)), kScharBisher);
  const Datendiagramm daten = Daten();
  Diagramm datenDiagramm(doc);
  datenDiagramm.SetDatendiagramm(&daten);
  datenDiagramm.SetDruckLogarithmisch(true);
  EXPECT_FALSE(datenDiagramm.KurveLogarithmisch());
  EXPECT_EQ(Fingerabdruck(Aufnehmen(datenDiagramm)), kDatenBisher);
}

}  // namespace
