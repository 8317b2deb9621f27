// The evaluation of a log: Sw from a model at known rows, Sw = 1 at and
// below the FWL, rows without Sw with their reasons, and the summary on
// logs whose answer is worked by hand.
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "Bohrungsauswertung.h"
#include "LasLesen.h"
#include "Lasbeispiel.h"
#include "Toleranz.h"

using namespace bohrung;
using lasbeispiel::kLog;
using lasbeispiel::Mit;

namespace {

Bohrung Gelesen(const std::string& las) {
  Bohrung b;
  std::string fehler;
  EXPECT_TRUE(LasLesen(las, {}, b, fehler)) << fehler;
  return b;
}

Auswertung Ausgewertet(const Bohrung& b, double fwl, const Modell& m) {
  Auswertung a;
  std::string fehler;
  EXPECT_TRUE(Auswerten(b, fwl, m, "Testmodell", a, fehler)) << fehler;
  return a;
}

// A Leverett J model of fixed coefficients (log10 Sw = c + d·log10 J) at
// reservoir conditions σ = 30 mN/m, θ = 30°, ρW − ρKW = 0.25 g/cm³.
double JModell(double kMd, double phi, double h) {
  const double pc = h * 0.25 * 1000.0 * 9.80665;
  const double j = pc / (0.030 * std::cos(30.0 * M_PI / 180.0)) * std::sqrt(kMd * 9.869233e-16 / phi);
  return std::min(1.0, std::pow(10.0, -0.6) * std::pow(j, -0.5));
}

TEST(Auswertung, SwAusDemModellAnBekanntenZeilen) {
  // The example in feet, porosity in percent and permeability as KLOG:
  // each row's rock and height come to the model in its units.
  std::string las = Mit(" DEPT.M ", " DEPT.FT ", Mit(" STEP.M ", " STEP.FT "));
  las = Mit(" PHIE.V/V ", " PHIE.PU  ", Mit(" PERM.MD ", " KLOG.   ", las));
  las = Mit("1000.0  45.0  0.20  100.0", "1000.0  45.0  20  2", las);
  las = Mit("1000.5  50.0  0.25  100.0", "1000.5  50.0  25  1", las);
  las = Mit("1001.0  55.0  0.10  100.0", "1001.0  55.0  10  3", las);
  const Bohrung b = Gelesen(las);
  std::vector<std::tuple<double, double, double>> aufrufe;
  const Auswertung a = Ausgewertet(b, 1001.5, [&](double k, double phi, double h) {
    aufrufe.emplace_back(k, phi, h);
    return JModell(k, phi, h);
  });
  // Rows above the FWL of 1001.5 ft: 1.5, 1.0 and 0.5 ft.
  ASSERT_EQ(aufrufe.size(), 3u);
  const double soll[3][3] = {{100.0, 0.20, 1.5 * 0.3048}, {10.0, 0.25, 1.0 * 0.3048}, {1000.0, 0.10, 0.5 * 0.3048}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(Nahe(std::get<0>(aufrufe[i]), soll[i][0], 1e-12));
    EXPECT_TRUE(Nahe(std::get<1>(aufrufe[i]), soll[i][1], 1e-12));
    EXPECT_TRUE(Nahe(std::get<2>(aufrufe[i]), soll[i][2], 1e-12));
    EXPECT_TRUE(Nahe(a.sw[i], JModell(soll[i][0], soll[i][1], soll[i][2]), 1e-12));
    EXPECT_TRUE(Nahe(HoeheMeter(b, a.fwl, i), soll[i][2], 1e-12));
  }
  // At and below the FWL the model is not asked: Sw = 1.
  EXPECT_EQ(a.sw[3], 1.0);
  EXPECT_EQ(a.sw[4], 1.0);
  EXPECT_TRUE(Nahe(HoeheMeter(b, a.fwl, 4), -0.5 * 0.3048, 1e-12));
}

TEST(Auswertung, ZusammenfassungVonHandGerechnet) {
  // Example log, FWL 1001.5 m, Sw = 1/(1 + h):
  //   depth   φ     h     Sw
  //   1000.0 0.20  1.5   0.4
  //   1000.5 0.25  1.0   0.5
  //   1001.0 0.10  0.5   2/3
  //   1001.5 0.30  0     1 (at the FWL: not above it)
  //   1002.0 0.30 -0.5   1
  // Δz = STEP = 0.5 m.
  // KW-Porenmächtigkeit = 0.20·0.6·0.5 + 0.25·0.5·0.5 + 0.10·(1/3)·0.5
  //                     = 0.06 + 0.0625 + 0.0166667 = 0.1391667 m
  // Sw-Mittel = (0.1·0.4 + 0.125·0.5 + 0.05·2/3) / (0.1 + 0.125 + 0.05)
  //           = 0.1358333 / 0.275 = 0.4939394
  const Bohrung b = Gelesen(kLog);
  const Auswertung a = Ausgewertet(b, 1001.5, [](double, double, double h) { return 1.0 / (1.0 + h); });
  EXPECT_TRUE(a.summe.deltaZAusStep);
  EXPECT_EQ(a.summe.zeilenUeberFwl, 3u);
  EXPECT_EQ(a.summe.zeilenOhneSw, 0u);
  EXPECT_TRUE(Nahe(a.summe.kwPorenmaechtigkeit, 0.06 + 0.0625 + 0.1 / 3 * 0.5, 1e-12));
  ASSERT_TRUE(a.summe.swMittel.has_value());
  EXPECT_TRUE(Nahe(*a.summe.swMittel, (0.04 + 0.0625 + 0.05 * 2.0 / 3.0) / 0.275, 1e-12));
  EXPECT_TRUE(Nahe(*a.summe.swMittel, 0.4939394, 1e-6));
}

TEST(Auswertung, UnregelmaessigeTiefenAusDenAbstaenden) {
  // STEP 0 and depths 1000, 1000.5, 1001.5, 1003 m; φ 0.2 and Sw 0.5
  // throughout, FWL far below. Δz per row: 0.5 (the one neighbour),
  // (1001.5 − 1000)/2 = 0.75, (1003 − 1000.5)/2 = 1.25, 1.5 (the one
  // neighbour): Σ Δz = 4, KW-Porenmächtigkeit = 0.2 · 0.5 · 4 = 0.4 m.
  std::string las = Mit("0.5    : STEP", "0 : STEP");
  las = Mit("1001.0  55.0  0.10", "1001.5  55.0  0.20", las);
  las = Mit("1001.5  60.0  0.30", "1003.0  60.0  0.20", las);
  las = Mit("1000.0  45.0  0.20", "1000.0  45.0  0.20", las);
  las = Mit("1000.5  50.0  0.25", "1000.5  50.0  0.20", las);
  las = Mit("1002.0  65.0  0.30  100.0\n", "", las);
  const Bohrung b = Gelesen(las);
  ASSERT_EQ(b.Zeilen(), 4u);
  const Auswertung a = Ausgewertet(b, 2000.0, [](double, double, double) { return 0.5; });
  EXPECT_FALSE(a.summe.deltaZAusStep);
  EXPECT_TRUE(Nahe(a.summe.kwPorenmaechtigkeit, 0.4, 1e-12));
  EXPECT_TRUE(Nahe(*a.summe.swMittel, 0.5, 1e-12));

  // A STEP the depths do not follow counts as none; one they follow to
  // 1 % is kept.
  const Bohrung falsch = Gelesen(Mit("0 : STEP", "0.5 : STEP", las));
  EXPECT_FALSE(Ausgewertet(falsch, 2000.0, [](double, double, double) { return 0.5; }).summe.deltaZAusStep);
  const Bohrung knapp = Gelesen(Mit("0.5    : STEP", "0.504 : STEP"));
  const Auswertung ak = Ausgewertet(knapp, 2000.0, [](double, double, double) { return 0.5; });
  EXPECT_TRUE(ak.summe.deltaZAusStep);
  // 0.5 · 0.504 · (0.2 + 0.25 + 0.1 + 0.3 + 0.3)
  EXPECT_TRUE(Nahe(ak.summe.kwPorenmaechtigkeit, 0.5 * 0.504 * 1.15, 1e-12));
}

TEST(Auswertung, TiefeNullUnterbrichtDieAbstaendeNicht) {
  // STEP 0; the NULL depth of 1001.0 is passed over, so 1000.5 and 1001.5
  // are neighbours: Δz = 0.5, 0.75, 0.75, 0.5 over φ 0.2, 0.25, 0.3, 0.3
  // with Sw 0.5: 0.5·(0.1 + 0.1875 + 0.225 + 0.15) = 0.33125 m.
  std::string las = Mit("0.5    : STEP", "0 : STEP", Mit("1001.0  55.0", "-999.25  55.0"));
  const Bohrung b = Gelesen(las);
  const Auswertung a = Ausgewertet(b, 2000.0, [](double, double, double) { return 0.5; });
  EXPECT_EQ(a.grund[2], Grund::TiefeNull);
  EXPECT_TRUE(std::isnan(a.sw[2]));
  EXPECT_EQ(a.summe.zeilenUeberFwl, 4u);
  EXPECT_TRUE(Nahe(a.summe.kwPorenmaechtigkeit, 0.33125, 1e-12));
}

TEST(Auswertung, ZeilenOhneSwMitGrund) {
  // Row 0 NULL porosity, row 1 the model gives NaN, row 2 the model gives
  // 1.2, rows 3 and 4 below the FWL (the model is not asked).
  const Bohrung b = Gelesen(Mit("1000.0  45.0  0.20", "1000.0  45.0  -999.25"));
  const Auswertung a =
      Ausgewertet(b, 1001.25, [](double, double phi, double) { return phi == 0.25 ? std::nan("") : 1.2; });
  const Grund soll[] = {Grund::PorositaetNull, Grund::ModellOhneWert, Grund::ModellAusserhalb, Grund::Keiner,
                        Grund::Keiner};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(a.grund[i], soll[i]) << i;
  EXPECT_TRUE(std::isnan(a.sw[0]) && std::isnan(a.sw[1]) && std::isnan(a.sw[2]));
  EXPECT_EQ(a.sw[3], 1.0);
  EXPECT_EQ(a.summe.zeilenUeberFwl, 3u);
  EXPECT_EQ(a.summe.zeilenOhneSw, 3u);
  EXPECT_EQ(a.summe.kwPorenmaechtigkeit, 0.0);
  EXPECT_FALSE(a.summe.swMittel.has_value());
  EXPECT_EQ(Grundtext(a.grund[1]), "Modell ohne Wert für dieses Gestein");
}

TEST(Auswertung, LueckenFassenGleicheGruendeZusammen) {
  std::string las = Mit("1000.0  45.0  0.20", "1000.0  45.0  -999.25");
  las = Mit("1000.5  50.0  0.25", "1000.5  50.0  -999.25", las);
  las = Mit("1001.0  55.0  0.10", "1001.0  55.0  -999.25", las);
  las = Mit("1002.0  65.0  0.30  100.0", "1002.0  65.0  0.30  -1", las);
  const Bohrung b = Gelesen(las);
  const std::vector<Luecke> l = Luecken(b.grund);
  ASSERT_EQ(l.size(), 2u);
  EXPECT_EQ(l[0], (Luecke{0, 2, Grund::PorositaetNull}));
  EXPECT_EQ(l[1], (Luecke{4, 4, Grund::PermeabilitaetNichtPositiv}));
  EXPECT_EQ(Lueckentext(b, l[0]), "Zeilen 21–23 (Tiefe 1000 bis 1001 M): Porosität ist NULL");
  EXPECT_EQ(Lueckentext(b, l[1]), "Zeile 25 (Tiefe 1002 M): Permeabilität nicht größer 0");

  const Bohrung ohneTiefe = Gelesen(Mit("1001.0  55.0", "-999.25  55.0"));
  const std::vector<Luecke> t = Luecken(ohneTiefe.grund);
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(Lueckentext(ohneTiefe, t[0]), "Zeile 23: Tiefe ist NULL");
}

// Depths at the ends of the double range: their spacing (3.4e308) is no
// double, yet the summary stays a number: 0.2 · 3.4e308 · 0.5 = 3.4e307 m.
TEST(Auswertung, RiesigeTiefenUeberlaufenNicht) {
  std::string las = Mit("0.5    : STEP", "0 : STEP", kLog.substr(0, kLog.find("1000.0  45.0")));
  las += "-1.7e308  45  0.2  100\n1.7e308  45  0.2  100\n";
  const Bohrung b = Gelesen(las);
  const Auswertung a = Ausgewertet(b, 0.0, [](double, double, double) { return 0.5; });
  EXPECT_EQ(a.summe.zeilenUeberFwl, 1u);
  EXPECT_TRUE(Nahe(a.summe.kwPorenmaechtigkeit, 3.4e307, 1e-12));
  EXPECT_TRUE(Nahe(*a.summe.swMittel, 0.5, 1e-12));
}

TEST(Auswertung, FwlMussEineZahlSein) {
  const Bohrung b = Gelesen(kLog);
  Auswertung a;
  std::string fehler;
  EXPECT_FALSE(Auswerten(b, std::nan(""), JModell, "J", a, fehler));
  EXPECT_EQ(fehler, "Der freie Wasserspiegel (FWL) ist keine endliche Zahl.");
  EXPECT_FALSE(Auswerten(b, INFINITY, JModell, "J", a, fehler));
  EXPECT_EQ(a.sw.size(), 0u);
}

}  // namespace
