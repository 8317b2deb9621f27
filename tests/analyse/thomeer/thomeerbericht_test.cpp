#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ThomeerBericht.h"
#include "Toleranz.h"

namespace {

ThomeerErgebnis Einsystem() {
  ThomeerErgebnis e;
  e.Kern = "AD-001";
  e.Perm = 1007.0f;
  e.Systeme = {{0.5, 0.3, 0.85}};
  e.RMS = 0.00123;
  e.R2 = 0.99876;
  return e;
}

ThomeerErgebnis Zweisysteme() {
  ThomeerErgebnis e;
  e.Kern = "K2";
  e.Perm = 0.00013f;
  e.Systeme = {{0.3, 0.2, 0.5}, {12.25, 1.5, 0.35}};
  e.RMS = 0.0004;
  e.R2 = 0.9999;
  return e;
}

ThomeerErgebnis Ohne() {
  ThomeerErgebnis e;
  e.Kern = "AD-351";
  e.Perm = 0.00056f;
  e.Grund = kThomeerZuWenigePunkte;
  return e;
}

TEST(ThomeerListe, HeaderLinesThenOneRowPerMeasurement) {
  const Textliste l = ThomeerListe({Einsystem(), Zweisysteme(), Ohne()});
  ASSERT_EQ(l.size(), 6u);
  EXPECT_EQ(l[0], "");
  EXPECT_EQ(l[1], " PERMEABILITÄT    Pd1/bar     G1    Sinf1    Pd2/bar     G2    Sinf2   FEHLER      R2  KERN");
  EXPECT_EQ(l[2], "");
  // Widths: 14 for the permeability, 11 7 9 per system, 9 8 for RMS and R2.
  EXPECT_EQ(l[3],
            "          1007"
            "     0.5000"
            "  0.300"
            "   0.8500" +
                std::string(27, ' ') +
                "  0.00123"
                "  0.9988"
                "  AD-001");
  EXPECT_EQ(l[4],
            "       0.00013"
            "     0.3000"
            "  0.200"
            "   0.5000"
            "    12.2500"
            "  1.500"
            "   0.3500"
            "  0.00040"
            "  0.9999"
            "  K2");
  // The reason fills the 71 characters of the numbers, after 3 blanks.
  EXPECT_EQ(l[5],
            "       0.00056"
            "   Weniger als 3 Messwerte über dem Sperrdruck!" +
                std::string(71 - 3 - 44, ' ') + "  AD-351");
}

// A curve of `ueber` points above 0.5 bar after two dry ones at 0.2 and
// 0.5 bar (the one at the entry pressure itself does not count).
Messkurve Kurve(int ueber) {
  Messkurve k;
  k.Kern = "K";
  k.Pc = {0.2f, 0.5f};
  k.Shg = {0.0f, 0.0f};
  for (int i = 0; i < ueber; ++i) {
    k.Pc.push_back(0.8f * static_cast<float>(1 << i));
    k.Shg.push_back(0.1f * static_cast<float>(i + 1));
  }
  return k;
}

ThomeerErgebnis Anpassung(std::vector<ThomeerSystem> systeme) {
  ThomeerErgebnis e;
  e.Kern = "K";
  e.Perm = 3.0f;
  e.Systeme = std::move(systeme);
  e.RMS = 0.0;
  e.R2 = 1.0;
  return e;
}

struct Hinweisfall {
  const char* name;
  int ueber;
  std::vector<ThomeerSystem> systeme;
  const char* hinweis;
};

class ThomeerHinweisFaelle : public ::testing::TestWithParam<Hinweisfall> {};

// One system has 3 parameters, two have 6: up to 4 or 7 points above the
// first entry pressure say "wenige Punkte"; S∞ of all systems above 1
// "Sinf über 1".
TEST_P(ThomeerHinweisFaelle, MarksOfTheFit) {
  const Hinweisfall& f = GetParam();
  EXPECT_EQ(ThomeerHinweis(Kurve(f.ueber), Anpassung(f.systeme)), f.hinweis);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ThomeerHinweisFaelle,
    ::testing::Values(Hinweisfall{"EinSystemVierPunkte", 4, {{0.5, 0.3, 0.8}}, "wenige Punkte"},
                      Hinweisfall{"EinSystemFuenfPunkte", 5, {{0.5, 0.3, 0.8}}, ""},
                      Hinweisfall{"EinSystemSinfUeber1", 9, {{0.5, 0.3, 1.2}}, "Sinf über 1"},
                      Hinweisfall{"EinSystemSinfGenau1", 9, {{0.5, 0.3, 1.0}}, ""},
                      Hinweisfall{"Beides", 3, {{0.5, 0.3, 1.5}}, "wenige Punkte, Sinf über 1"},
                      Hinweisfall{"ZweiSystemeSiebenPunkte", 7, {{0.5, 0.3, 0.4}, {5.0, 0.4, 0.35}}, "wenige Punkte"},
                      Hinweisfall{"ZweiSystemeAchtPunkte", 8, {{0.5, 0.3, 0.4}, {5.0, 0.4, 0.35}}, ""},
                      Hinweisfall{"ZweiSystemeZusammenUeber1", 9, {{0.5, 0.3, 0.6}, {5.0, 0.4, 0.45}}, "Sinf über 1"},
                      // Below a lower entry pressure the dry point at 0.5 bar counts too.
                      Hinweisfall{"TieferesPd", 4, {{0.4, 0.3, 0.8}}, ""}, Hinweisfall{"NichtAngepasst", 2, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ThomeerHinweisListe, OnePerFitInTheOrderOfTheCurves) {
  const std::vector<std::string> h =
      ThomeerHinweise({Kurve(4), Kurve(9)}, {Anpassung({{0.5, 0.3, 0.8}}), Anpassung({{0.5, 0.3, 1.1}})});
  EXPECT_EQ(h, (std::vector<std::string>{"wenige Punkte", "Sinf über 1"}));
}

// A marked row ends with its marks; every other row stays as it was.
TEST(ThomeerListe, MarkedRowsEndWithTheirMarks) {
  const Textliste ohne = ThomeerListe({Einsystem(), Zweisysteme(), Ohne()});
  const Textliste mit = ThomeerListe({Einsystem(), Zweisysteme(), Ohne()}, {"wenige Punkte", "", ""});
  ASSERT_EQ(mit.size(), ohne.size());
  EXPECT_EQ(mit[3], ohne[3] + "  (wenige Punkte)");
  for (std::size_t i = 0; i < mit.size(); ++i) {
    if (i != 3) {
      EXPECT_EQ(mit[i], ohne[i]) << i;
    }
  }
}

TEST(ThomeerDiagramm, PointsFittedCurveEntryMarksAndLegend) {
  Messkurve k;
  k.Kern = "AD-001";
  k.Perm = 1007.0f;
  k.Pc = {0.0f, 0.2f, 0.4f, 0.8f, 1.6f, 100.0f};
  k.Shg = {0.0f, 0.0f, 0.1f, 0.3f, 0.5f, 0.8f};
  ThomeerErgebnis e = Zweisysteme();
  const Datendiagramm d = ThomeerDiagramm(k, e);

  EXPECT_EQ(d.titel, "Thomeer-Analyse");
  EXPECT_EQ(d.untertitel, "Kern: AD-001  Permeabilität: 1007 mD");
  EXPECT_EQ(d.x.art, Achsenart::Linear);
  EXPECT_TRUE(d.x.festerBereich);
  EXPECT_EQ(d.x.min, 0.0);
  EXPECT_EQ(d.x.max, 1.0);
  EXPECT_EQ(d.y.art, Achsenart::Logarithmisch);
  EXPECT_FALSE(d.y.festerBereich);

  ASSERT_EQ(d.reihen.size(), 2u);
  // The point at 0 bar has no place on a logarithmic axis.
  EXPECT_EQ(d.reihen[0].art, Reihenart::Sterne);
  EXPECT_EQ(d.reihen[0].y, (std::vector<double>{0.2f, 0.4f, 0.8f, 1.6f, 100.0f}));
  EXPECT_EQ(d.reihen[0].x, (std::vector<double>{0.0f, 0.1f, 0.3f, 0.5f, 0.8f}));

  const Datenreihe& linie = d.reihen[1];
  EXPECT_EQ(linie.art, Reihenart::Linie);
  ASSERT_EQ(linie.y.size(), 200u);
  EXPECT_TRUE(Nahe(linie.y.front(), 0.3, 1e-12));
  EXPECT_TRUE(Nahe(linie.y.back(), 100.0, 1e-12));
  EXPECT_EQ(linie.x.front(), 0.0);
  // Evenly spaced in log10(Pc); the saturation only grows along the line.
  EXPECT_TRUE(Nahe(linie.y[1] / linie.y[0], linie.y[199] / linie.y[198], 1e-9));
  for (std::size_t i = 1; i < linie.x.size(); ++i) ASSERT_GE(linie.x[i], linie.x[i - 1]);
  EXPECT_TRUE(Nahe(linie.x.back(),
                   0.5 * std::exp(-0.2 / std::log10(100.0 / 0.3)) + 0.35 * std::exp(-1.5 / std::log10(100.0 / 12.25)),
                   1e-12));

  ASSERT_EQ(d.ymarken.size(), 2u);
  EXPECT_EQ(d.ymarken[0].y, 0.3);
  EXPECT_EQ(d.ymarken[1].y, 12.25);
  EXPECT_EQ(d.ymarken[0].stift.art, Linienart::Gestrichelt);
  EXPECT_NE(d.ymarken[0].stift, d.ymarken[1].stift);

  ASSERT_EQ(d.legende.size(), 4u);
  EXPECT_EQ(d.legende[0].art, Reihenart::Sterne);
  EXPECT_EQ(d.legende[0].text, " Messwerte ");
  EXPECT_EQ(d.legende[1].text, "Rechenwerte");
  EXPECT_EQ(d.legende[2].text, "Pd1=0.3 bar  G1=0.2  Sinf1=0.5");
  EXPECT_EQ(d.legende[3].text, "Pd2=12.25 bar  G2=1.5  Sinf2=0.35");
  EXPECT_EQ(d.legende[2].stift, d.ymarken[0].stift);
  EXPECT_EQ(d.info, "Fehler (RMS)=0.00040  R²=0.9999");
}

TEST(ThomeerDiagramm, AnUnfittedMeasurementShowsItsPointsAndTheReason) {
  Messkurve k;
  k.Kern = "AD-351";
  k.Perm = 0.00056f;
  k.Pc = {454.6789f, 909.3578f, 1818.7156f};
  k.Shg = {0.0f, 0.68562f, 0.83735f};
  const Datendiagramm d = ThomeerDiagramm(k, Ohne());
  ASSERT_EQ(d.reihen.size(), 1u);
  EXPECT_EQ(d.reihen[0].y.size(), 3u);
  EXPECT_TRUE(d.ymarken.empty());
  ASSERT_EQ(d.legende.size(), 1u);
  EXPECT_EQ(d.info, "Weniger als 3 Messwerte über dem Sperrdruck!");
  EXPECT_EQ(d.untertitel, "Kern: AD-351  Permeabilität: 0.00056 mD");
}

}  // namespace
