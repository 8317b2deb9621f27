// Axis scaling: tick steps, first ticks, ranges, plot sizes and the mapping.
#include "Diagramm.h"
#include "Diagrammdaten.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Skalierung.h"
#include "Toleranz.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct DeltaFall {
  const char* name;
  double delt;
  double schritt;
};

class DeltaTest : public ::testing::TestWithParam<DeltaFall> {};

TEST_P(DeltaTest, GibtDenSchritt) { EXPECT_TRUE(Nahe(Diagramm::delta(GetParam().delt), GetParam().schritt)); }

INSTANTIATE_TEST_SUITE_P(
    Beispiele, DeltaTest,
    ::testing::Values(DeltaFall{"Null", 0, 1}, DeltaFall{"Sieben", 7, 1}, DeltaFall{"Fuenfzehn", 15, 2},
                      DeltaFall{"FuenfundvierzigZehnerschritt", 45, 10},
                      DeltaFall{"VierkommafuenfHalberschritt", 4.5, 0.5}, DeltaFall{"Hundert", 100, 20},
                      DeltaFall{"Zweihundertfuenfzig", 250, 50}, DeltaFall{"Nullkommanullfuenf", 0.05, 0.01},
                      // No range without a step: a negative or infinite width gets 1.
                      DeltaFall{"Negativ", -3, 1}, DeltaFall{"Unendlich", std::numeric_limits<double>::infinity(), 1},
                      DeltaFall{"KeineZahl", std::numeric_limits<double>::quiet_NaN(), 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct StartFall {
  const char* name;
  double min;
  double delt;
  double erster;
};

class StartTest : public ::testing::TestWithParam<StartFall> {};

TEST_P(StartTest, GibtDenErstenTick) {
  EXPECT_TRUE(Nahe(Diagramm::start(GetParam().min, GetParam().delt), GetParam().erster));
}

INSTANTIATE_TEST_SUITE_P(Beispiele, StartTest,
                         ::testing::Values(StartFall{"Null", 0, 0.37, 0}, StartFall{"GanzerTick", 3, 1, 3},
                                           StartFall{"Abgerundet", 2.5, 1, 2},
                                           StartFall{"NegativAbgerundet", -2.5, 1, -3},
                                           StartFall{"WegAufwaerts", 1e5 + 0.7, 1, 1e5},
                                           // A tiny positive minimum starts at the multiple 0 below it, not at
                                           // a negative value off the step's grid.
                                           StartFall{"WinzigesVerhaeltnis", 1e-6, 0.2, 0},
                                           // A walk of a million steps and more is shortened, same tick.
                                           StartFall{"LangerWeg", 3e12 + 0.5, 1, 3e12}),
                         [](const auto& info) { return std::string(info.param.name); });

class Skalieren : public ::testing::Test {
 protected:
  // Fills the curve chart with (x, y) pairs; the computed curve follows y.
  void Kurve(const std::vector<float>& x, const std::vector<float>& y) { KurveFuellen(doc, x, y, y); }
  void Parameter(const std::vector<float>& x, const std::vector<float>& y2, const std::vector<float>& y3) {
    ParameterFuellen(doc, 1, 1, x, y2, y3);
  }

  FakePlattform plattform;
  CKadrelDoc doc{plattform};
  Diagramm d{doc};
};

TEST_F(Skalieren, KurvenscharMitGroesstemDruck) {
  doc.iGrafik = 4;
  doc.MaxPchg = 87.3f;
  d.OnGraf();
  EXPECT_EQ(d.xmin, 0);
  EXPECT_TRUE(Nahe(d.xmax, 1));
  EXPECT_TRUE(Nahe(d.deltax, 0.2));
  EXPECT_EQ(d.ymin, 0);
  EXPECT_TRUE(Nahe(d.ymax, 90));
  EXPECT_TRUE(Nahe(d.deltay, 10));
}

TEST_F(Skalieren, ParameterchartVonMinusEinsSiebenBisZweiDrei) {
  Parameter({-1.7f, 0.4f, 2.3f}, {1, 2, 3}, {1.5f, 2, 2.5f});
  d.OnGraf();
  EXPECT_TRUE(Nahe(d.deltax, 0.5));
  EXPECT_TRUE(Nahe(d.xmin, -2));
  EXPECT_TRUE(Nahe(d.xmax, 2.5));
}

TEST_F(Skalieren, AlleYGleichZwei) {
  Kurve({0.5f}, {2});
  d.OnGraf();
  EXPECT_TRUE(Nahe(d.deltay, 1));
  EXPECT_TRUE(Nahe(d.ystart, 2));
  EXPECT_TRUE(Nahe(d.ymin, 1));
  EXPECT_TRUE(Nahe(d.ymax, 3));
  EXPECT_EQ(d.xmin, 0);
  EXPECT_TRUE(Nahe(d.xmax, 1));
  EXPECT_TRUE(Nahe(d.deltax, 1));
}

TEST_F(Skalieren, LeeresDiagramm) {
  const Skalierung s = BildschirmSkalierung(doc);
  EXPECT_TRUE(Nahe(s.ymin, -1));
  EXPECT_TRUE(Nahe(s.ymax, 1));
  EXPECT_TRUE(Nahe(s.deltay, 1));
  EXPECT_EQ(s.xmin, 0);
  EXPECT_EQ(s.xmax, 0);
  EXPECT_EQ(s.xstart, 0);
  EXPECT_EQ(s.ystart, 0);
  EXPECT_EQ(s.breite, 1300);
  EXPECT_EQ(s.hoehe, 750);
}

TEST_F(Skalieren, OhnePunkteBleibtDieVorigeSkalierung) {
  Kurve({0.1f, 0.93f}, {0.05f, 0.71f});
  d.OnGraf();
  const double x0 = d.xmin, x1 = d.xmax, y0 = d.ymin, y1 = d.ymax;
  doc.Maxwerte = 0;
  d.OnGraf();
  EXPECT_TRUE(Nahe(d.xmin, x0));
  EXPECT_TRUE(Nahe(d.xmax, x1));
  EXPECT_TRUE(Nahe(d.ymin, y0));
  EXPECT_TRUE(Nahe(d.ymax, y1));
}

TEST_F(Skalieren, BildschirmSkalierungEinerKurve) {
  Kurve({0, 0.37f, 0.93f}, {0, 0.2f, 1.04f});
  const Skalierung s = BildschirmSkalierung(doc);
  EXPECT_EQ(s.xmin, 0);
  EXPECT_TRUE(Nahe(s.xmax, 1));
  EXPECT_TRUE(Nahe(s.deltax, 0.1));
  EXPECT_EQ(s.ymin, 0);
  EXPECT_TRUE(Nahe(s.ymax, 1.2));
  EXPECT_TRUE(Nahe(s.deltay, 0.2));
}

TEST_F(Skalieren, RechenwerteErweiternDieKurveNicht) {
  Kurve({0, 1}, {0, 1});
  doc.Y1[1] = 2;
  d.OnGraf();
  EXPECT_TRUE(Nahe(d.ymax, 1));
  // Mapped above the frame, not clipped.
  EXPECT_EQ(d.m_ptRechen[1], (Punkt{1300, 750}));
}

TEST_F(Skalieren, RegressionswerteErweiternDasParameterchart) {
  Parameter({0, 1}, {0, 1}, {-0.5f, 1});
  d.OnGraf();
  EXPECT_TRUE(Nahe(d.ymin, -0.6));
}

TEST_F(Skalieren, AbbildungMitAbschneidenZurNull) {
  Kurve({0, 0.5f, 1, 0.25f}, {0, 0.5f, 1, 0.001f});
  d.OnGraf();
  EXPECT_EQ(d.m_ptMess[0], (Punkt{0, -750}));
  EXPECT_EQ(d.m_ptMess[1], (Punkt{650, -375}));
  EXPECT_EQ(d.m_ptMess[2], (Punkt{1300, 0}));
  // 750 * 0.001 - 750 = -749.25 truncates toward zero.
  EXPECT_EQ(d.m_ptMess[3], (Punkt{325, -749}));
}

TEST_F(Skalieren, KurvenscharPunkte) {
  doc.iGrafik = 4;
  doc.MaxPchg = 90;
  doc.XK[2][0] = 0.2f;
  doc.YK[2][0] = 90;
  doc.XK[2][30] = 1;
  doc.YK[2][30] = 4.5f;
  d.OnGraf();
  EXPECT_EQ(d.m_ptKurven[2][0], (Punkt{260, 0}));
  EXPECT_EQ(d.m_ptKurven[2][30], (Punkt{1300, -712}));
}

struct GroesseFall {
  const char* name;
  int lupe;
  bool drucken;
  double seiteBreite;
  double seiteHoehe;
  int breite;
  int hoehe;
};

class Plotgroesse : public Skalieren, public ::testing::WithParamInterface<GroesseFall> {};

TEST_P(Plotgroesse, NachLageUndLupe) {
  const GroesseFall& f = GetParam();
  d.OnInitialUpdate();
  if (f.lupe) d.OnGrafiklupe();
  if (f.drucken) d.DruckBeginnen(f.seiteBreite, f.seiteHoehe);
  d.OnGraf();
  EXPECT_EQ(d.breite, f.breite);
  EXPECT_EQ(d.hoehe, f.hoehe);
}

// The printable area's height comes negative (y up) or positive.
INSTANTIATE_TEST_SUITE_P(Situationen, Plotgroesse,
                         ::testing::Values(GroesseFall{"Bildschirm", 0, false, 0, 0, 1300, 750},
                                           GroesseFall{"Lupe", 1, false, 0, 0, 1950, 1125},
                                           GroesseFall{"Hochformat", 0, true, 1950, -2850, 1300, 2100},
                                           GroesseFall{"Querformat", 0, true, 2850, -1950, 2200, 1300},
                                           GroesseFall{"QuadratischeSeiteQuer", 0, true, 2000, 2000, 2200, 1300},
                                           GroesseFall{"HochformatMitLupe", 1, true, 1950, 2850, 1300, 2100},
                                           GroesseFall{"QuerformatMitLupe", 1, true, 2850, 1950, 2200, 1300}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Skalieren, NachDemDruckenWiederBildschirmgroesse) {
  d.OnInitialUpdate();
  d.OnGrafiklupe();
  d.DruckBeginnen(2850, -1950);
  d.DruckBeenden();
  EXPECT_EQ(d.m_bPrint, 0);
  EXPECT_EQ(d.m_bHochformat, 1);
  EXPECT_EQ(d.breite, 1950);
  EXPECT_EQ(d.hoehe, 1125);
  d.OnGrafiklupe();
  EXPECT_EQ(d.breite, 1300);
  EXPECT_EQ(d.hoehe, 750);
}

TEST_F(Skalieren, XBereichOhneBreiteLandetInDerMitte) {
  Kurve({0, 0, 0}, {0, 0.5f, 1});
  d.OnGraf();
  EXPECT_EQ(d.xmin, 0);
  EXPECT_EQ(d.xmax, 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(d.m_ptMess[i].x, 650);
  EXPECT_EQ(d.m_ptMess[0].y, -750);
  EXPECT_EQ(d.m_ptMess[2].y, 0);
}

TEST_F(Skalieren, NichtEndlicheWerteVergiftenDenBereichNicht) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  Kurve({nan, 0.2f, 0.8f}, {0.5f, inf, 0.9f});
  doc.Y1[2] = -inf;
  d.OnGraf();
  EXPECT_TRUE(Nahe(d.xmin, 0.2));
  EXPECT_TRUE(Nahe(d.xmax, 0.8));
  EXPECT_TRUE(Nahe(d.ymin, 0.5));
  EXPECT_TRUE(Nahe(d.ymax, 0.9));
  EXPECT_EQ(d.m_ptMess[0].x, 0);
  EXPECT_EQ(d.m_ptMess[1].y, 1000000);
  EXPECT_EQ(d.m_ptRechen[2].y, -1000000);
}

TEST_F(Skalieren, RiesigeWerteOhneBreiteEndlich) {
  // 1e20 + 1 is 1e20: the widening of an empty y range cannot work here.
  Kurve({1e20f, 1e20f}, {1e20f, 1e20f});
  d.OnGraf();
  EXPECT_EQ(d.m_ptMess[0], (Punkt{650, -375}));
}

TEST_F(Skalieren, AnzahlUeberDenFeldernWirdBegrenzt) {
  Kurve({0, 1}, {0, 1});
  doc.Maxwerte = 5000;
  doc.iMax2Werte = -3;
  EXPECT_EQ(d.Kurvenpunkte(), 100);
  EXPECT_EQ(d.Parameterpunkte(), 0);
  d.OnGraf();
  EXPECT_TRUE(Nahe(d.xmax, 1));
}

TEST_F(Skalieren, DiagrammartNachOptionen) {
  const struct {
    int tabelle, grafik;
    Diagrammart art;
  } faelle[] = {{0, 0, Diagrammart::Kurve},     {0, 3, Diagrammart::Kurve},       {1, 0, Diagrammart::Parameter},
                {2, 3, Diagrammart::Parameter}, {0, 4, Diagrammart::Kurvenschar}, {2, 4, Diagrammart::Kurvenschar},
                {0, 5, Diagrammart::Keine},     {-1, 2, Diagrammart::Keine}};
  for (const auto& f : faelle) {
    doc.iTabelle = f.tabelle;
    doc.iGrafik = f.grafik;
    EXPECT_EQ(d.Art(), f.art) << f.tabelle << "/" << f.grafik;
  }
}

}  // namespace
