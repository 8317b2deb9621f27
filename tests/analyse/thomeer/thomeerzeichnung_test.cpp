// The Thomeer chart of a fitted measurement as the one chart routine draws
// it: logarithmic pressure axis, measured points, fitted curve, entry mark.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Aufzeichnungsflaeche.h"
#include "Diagramm.h"
#include "DokumentFixture.h"
#include "ThomeerAuswertung.h"
#include "Thomeerkurven.h"

namespace {

using Art = Aufzeichnungsflaeche::Art;

const Stift kStern{Linienart::Gestrichelt, 3, {0, 0, 255}};

// Pd = 2 bar, G = 0.5, S∞ = 0.9, sampled at 0.1 ... 1638.4 bar: the data
// span the decades 0.1 ... 10000, 150 units each on the 750 high frame.
class ThomeerZeichnung : public DokumentFixture {
 protected:
  void SetUp() override {
    Auswerten(Kurvenzeilen({{2.0, 0.5, 0.9}}, "T1", 10.0));
    diagramm.SetDatendiagramm(&thomeer.Diagramm());
    diagramm.OnGraf();
    diagramm.draw(flaeche);
  }

  // Chart coordinates of a point (saturation, pressure in bar).
  static double X(double s) { return 1300.0 * s; }
  static double Y(double pc) { return -750.0 + 150.0 * (std::log10(pc) + 1.0); }

  ThomeerAuswertung thomeer{doc};
  Diagramm diagramm{doc};
  Aufzeichnungsflaeche flaeche;
};

TEST_F(ThomeerZeichnung, TitleSubtitleAndDecadeLabels) {
  ASSERT_EQ(diagramm.hoehe, 750);
  ASSERT_EQ(diagramm.breite, 1300);
  EXPECT_NE(flaeche.Text("Thomeer-Analyse"), nullptr);
  EXPECT_NE(flaeche.Text("Kern: T1  Permeabilität: 10 mD"), nullptr);
  std::vector<std::pair<int, std::string>> beschriftung;
  for (const auto& e : flaeche.Alle(Art::Text)) {
    if (e.punkte[0].x == -130) beschriftung.emplace_back(e.punkte[0].y - 20, e.text);
  }
  EXPECT_EQ(beschriftung, (std::vector<std::pair<int, std::string>>{
                              {-750, "0.1"}, {-600, "1"}, {-450, "10"}, {-300, "100"}, {-150, "1000"}, {0, "10000"}}));
}

TEST_F(ThomeerZeichnung, AStarAtEveryMeasuredPoint) {
  // Each star is four strokes; the fourth is the vertical one through its
  // centre. The legend's sample stars stand below the frame.
  std::vector<Aufzeichnungsflaeche::Eintrag> striche;
  for (const auto& e : flaeche.Alle(Art::Linie)) {
    if (e.stift == kStern && e.punkte[0].y >= -760) striche.push_back(e);
  }
  const std::vector<double> druecke = Verdopplungsdruecke();
  ASSERT_EQ(striche.size(), 4 * druecke.size());
  for (std::size_t i = 0; i < druecke.size(); ++i) {
    const double s = std::round(Modellsaettigung({{2.0, 0.5, 0.9}}, druecke[i]) * 1e5) / 1e5;
    const auto& senkrecht = striche[4 * i + 3].punkte;
    EXPECT_NEAR(senkrecht[0].x, X(s), 1.0) << druecke[i];
    EXPECT_NEAR((senkrecht[0].y + senkrecht[1].y) / 2.0, Y(druecke[i]), 1.0) << druecke[i];
  }
}

TEST_F(ThomeerZeichnung, FittedCurveFromTheEntryPressureAndItsMark) {
  const auto linien = flaeche.Alle(Art::Polylinie);
  ASSERT_EQ(linien.size(), 1u);
  const auto& p = linien[0].punkte;
  ASSERT_GE(p.size(), 100u);
  EXPECT_NEAR(p.front().x, 0.0, 1.0);
  EXPECT_NEAR(p.front().y, Y(2.0), 1.0);
  EXPECT_NEAR(p.back().y, Y(1638.4), 1.0);
  // 0.9 · exp(−0.5 / log10(1638.4 / 2)) = 0.75807 at the highest pressure.
  EXPECT_NEAR(p.back().x, X(0.75807), 2.0);
  for (std::size_t i = 1; i < p.size(); ++i) {
    ASSERT_GE(p[i].x, p[i - 1].x);
    ASSERT_GE(p[i].y, p[i - 1].y);
  }
  // The entry pressure's dashed mark runs from the y axis into the frame.
  int marken = 0;
  for (const auto& e : flaeche.Alle(Art::Linie)) {
    if (e.stift.art != Linienart::Gestrichelt || e.stift == kStern) continue;
    if (e.punkte[0].x == 0 && e.punkte[0].y == e.punkte[1].y && std::abs(e.punkte[0].y - Y(2.0)) <= 1.0) ++marken;
  }
  EXPECT_EQ(marken, 1);
}

}  // namespace
