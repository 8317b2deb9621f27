// The three charts of the built-in test measurement, after a full run.
#include "Aufzeichnungsflaeche.h"
#include "Diagramm.h"
#include "EingabeDaten.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Skalierung.h"
#include "Testdaten.h"
#include "Toleranz.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Testdaten : public ::testing::Test {
 protected:
  // Runs "Daten ändern" with the test measurement, the test rows and the
  // given display options.
  void Rechnen(int iTabelle, int iGrafik) {
    doc.OnNewDocument();
    plattform.dialog = [&](EingabeDaten& d) {
      d.Eingabezeilen = TestdatenZeilen();
      d.bTestwerte = 1;
      d.iTabelle = iTabelle;
      d.iGrafik = iGrafik;
      d.bNeuRechnen = 1;
      return true;
    };
    doc.OnDatenAendern();
    ASSERT_TRUE(plattform.protokoll.empty()) << plattform.protokoll.front().text;
  }

  FakePlattform plattform;
  CKadrelDoc doc{plattform};
};

TEST_F(Testdaten, KapillardruckkurveVonNullBisEins) {
  Rechnen(0, 0);
  const Skalierung s = BildschirmSkalierung(doc);
  // Snorm and the normalised pressure both span 0 .. 1: steps of 0.2.
  EXPECT_EQ(s.xmin, 0);
  EXPECT_TRUE(Nahe(s.xmax, 1));
  EXPECT_TRUE(Nahe(s.deltax, 0.2));
  EXPECT_EQ(s.ymin, 0);
  EXPECT_TRUE(Nahe(s.ymax, 1));
  EXPECT_TRUE(Nahe(s.deltay, 0.2));
  EXPECT_EQ(s.breite, 1300);
  EXPECT_EQ(s.hoehe, 750);

  Diagramm d(doc);
  d.OnGraf();
  Aufzeichnungsflaeche f;
  d.draw(f);
  EXPECT_NE(f.Text("Kapillardruckkurve"), nullptr);
  EXPECT_NE(f.Text("Alfa: 8.4 Beta:0.14"), nullptr);
  // 20 measured points, drawn as stars of four strokes.
  const auto polylinien = f.Alle(Aufzeichnungsflaeche::Art::Polylinie);
  ASSERT_EQ(polylinien.size(), 1u);
  EXPECT_EQ(polylinien[0].punkte.size(), 20u);
  // The first point (saturation 0: Snorm 1, normalised pressure 0) lies in
  // the bottom-right corner of the frame.
  EXPECT_EQ(d.m_ptMess[0], (Punkt{1300, -750}));
}

TEST_F(Testdaten, ParameterchartLiegtImRahmen) {
  Rechnen(1, 0);
  Diagramm d(doc);
  d.OnGraf();
  ASSERT_GT(doc.iMax2Werte, 2);
  for (int k = 0; k < doc.iMax2Werte; ++k) {
    // Given values and the regression both widen the range.
    for (const Punkt p : {d.m_ptMess2[k], d.m_ptRechen2[k]}) {
      EXPECT_GE(p.x, 0);
      EXPECT_LE(p.x, 1300);
      EXPECT_GE(p.y, -750);
      EXPECT_LE(p.y, 0);
    }
  }
  Aufzeichnungsflaeche f;
  d.draw(f);
  EXPECT_NE(f.Text("Normierungsparameter"), nullptr);
  EXPECT_NE(f.Text("Log10(Permeabilität)"), nullptr);
  EXPECT_NE(f.Text(doc.Info), nullptr);
  EXPECT_EQ(doc.Info.rfind("Alfa =", 0), 0u) << doc.Info;
}

TEST_F(Testdaten, KurvenscharBisZumGroesstenDruck) {
  Rechnen(1, 4);
  const Skalierung s = BildschirmSkalierung(doc);
  // The test measurement's largest pressure is 155 bar: steps of 20 up to 160.
  EXPECT_TRUE(Nahe(doc.MaxPchg, 155, 1e-3));
  EXPECT_EQ(s.ymin, 0);
  EXPECT_TRUE(Nahe(s.ymax, 160));
  EXPECT_TRUE(Nahe(s.deltay, 20));
  EXPECT_TRUE(Nahe(s.deltax, 0.2));

  Diagramm d(doc);
  d.OnGraf();
  for (int j = 0; j < 5; ++j) {
    // Every curve starts at the largest pressure, just below the top, and
    // ends at Sw = 1 on the right edge.
    EXPECT_EQ(d.m_ptKurven[j][0].y, -23) << j;  // trunc(750 * 155 / 160 - 750)
    EXPECT_EQ(d.m_ptKurven[j][30].x, 1300) << j;
  }
  // Lower permeabilities hold more water and need a higher entry pressure.
  for (int j = 1; j < 5; ++j) {
    EXPECT_LT(d.m_ptKurven[j][0].x, d.m_ptKurven[j - 1][0].x) << j;
    EXPECT_LT(d.m_ptKurven[j][30].y, d.m_ptKurven[j - 1][30].y) << j;
  }
  Aufzeichnungsflaeche f;
  d.draw(f);
  EXPECT_NE(f.Text("Kapillardruckkurven"), nullptr);
  EXPECT_NE(f.Text("100 mD"), nullptr);
  EXPECT_EQ(f.Text(doc.Info), nullptr);
}

}  // namespace
