// The three saturation-height models: fits against data generated from known
// coefficients, evaluations worked by hand, and the words for what a model
// cannot evaluate.
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DokumentFixture.h"
#include "Gesteinstyp.h"
#include "Saettigungshoehe.h"
#include "Saettigungshoehenmodelle.h"
#include "Shfdaten.h"
#include "TextFormat.h"
#include "Textdatei.h"
#include "Toleranz.h"

namespace {

using namespace lagerstaette;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ---------------------------------------------------------------- rock type, J

TEST(Gesteinstyp, WorkedByHand) {
  // k 100 mD, φ 0.25: RQI = 0.0314·√400 = 0.628 µm, FZI = 0.628·0.75/0.25 =
  // 1.884 µm, 2·ln 1.884 + 11.1 = 12.367 → 12.
  EXPECT_TRUE(Nahe(Rqi(100, 0.25), 0.628, 1e-12));
  EXPECT_TRUE(Nahe(Fzi(100, 0.25), 1.884, 1e-12));
  EXPECT_EQ(Gesteinstyp(100, 0.25), 12);
  // k 50, φ 0.125: FZI = 0.628·7 = 4.396, 2·ln 4.396 + 11.1 = 14.061 → 14.
  EXPECT_EQ(Gesteinstyp(50, 0.125), 14);
  // FZI = e^((n − 11.1)/2) lies exactly on the boundary to type n.
  const double phi = 0.2;
  const double fzi = std::exp((9.0 - 11.1) / 2.0) * 1.0000001;
  const double k = phi * std::pow(fzi * phi / ((1.0 - phi) * 0.0314), 2.0);
  EXPECT_EQ(Gesteinstyp(k, phi), 9);
  EXPECT_EQ(Gesteinstyp(k * 0.9999, phi), 8);
}

TEST(LeverettJ, SiAgainstTheFieldUnitForm) {
  // J = C·Pc[psi] / (σ[dyn/cm]·|cos θ|) · √(k[mD]/φ) with
  // C = 6894.757 Pa/psi / 10^-3 (N/m per dyn/cm) · √(9.869233e-16 m²/mD) = 0.216602.
  // The constant 0.21665 of the petroleum literature is that number rounded
  // (2.2e-4 above it).
  const double pcBar = 3.5;
  const double pcPsi = pcBar * 14.5037738;
  const double j = LeverettJ(pcBar * 1e5, 125.0, 0.213, 480.0, 140.0);
  const double wurzel = std::sqrt(125.0 / 0.213) / (480.0 * AbsCos(140.0));
  EXPECT_TRUE(Nahe(j, 0.216602 * pcPsi * wurzel, 1e-5));
  EXPECT_TRUE(Nahe(j, 0.21665 * pcPsi * wurzel, 3e-4));
}

// ---------------------------------------------------------------- least squares

TEST(Ausgleichsgerade, GivesTheLineBackAndSaysWhenItCannot) {
  std::vector<double> x;
  std::vector<double> y;
  for (int i = 0; i < 50; ++i) {
    x.push_back(-3.0 + 0.137 * i);
    y.push_back(0.8123456789 - 0.4567891234 * x.back());
  }
  Ausgleichsgerade g;
  ASSERT_TRUE(GeradeAnpassen(x, y, g));
  EXPECT_NEAR(g.a, 0.8123456789, 1e-12);
  EXPECT_NEAR(g.b, -0.4567891234, 1e-12);
  EXPECT_NEAR(g.R2, 1.0, 1e-12);
  EXPECT_EQ(g.n, 50u);
  // Hand: points (0,0), (1,1), (2,1): means 1 and 2/3, Sxy = 1, Sxx = 2, so
  // b = 0.5, a = 2/3 − 0.5 = 1/6; SSres = 1/6, SStot = 2/3, R² = 0.75.
  ASSERT_TRUE(GeradeAnpassen({0, 1, 2}, {0, 1, 1}, g));
  EXPECT_NEAR(g.b, 0.5, 1e-15);
  EXPECT_NEAR(g.a, 1.0 / 6.0, 1e-15);
  EXPECT_NEAR(g.R2, 0.75, 1e-15);
  EXPECT_FALSE(GeradeAnpassen({1, 1, 1}, {0, 1, 2}, g));
  EXPECT_FALSE(GeradeAnpassen({1}, {1}, g));
  EXPECT_FALSE(GeradeAnpassen({1, kNaN}, {1, 2}, g));
}

// ---------------------------------------------------------------- J model

TEST(JModell, FitReturnsTheGeneratingCoefficients) {
  std::vector<Messkurve> kurven = JKurven();
  // Points the fit must leave out: S_Hg 0 and 1, a pressure of 0, and a
  // measurement without porosity.
  kurven[0].Pc.insert(kurven[0].Pc.begin(), {0.0f, 0.2f});
  kurven[0].Shg.insert(kurven[0].Shg.begin(), {0.3f, 0.0f});
  kurven[1].Pc.push_back(9000.0f);
  kurven[1].Shg.push_back(1.0f);
  kurven.push_back(Kurve(10.0f, std::nullopt, {1.0f, 2.0f}, {0.2f, 0.4f}, "ohne"));
  const JModell j = JModell::Anpassen(kurven, JBedingungen(), std::nullopt);
  ASSERT_EQ(j.Grund(), "");
  EXPECT_NEAR(j.c(), JKoeffizientC(), 1e-9);
  EXPECT_NEAR(j.d(), -0.5, 1e-9);
  EXPECT_NEAR(j.R2(), 1.0, 1e-12);
  EXPECT_EQ(j.Punkte(), 12);
  EXPECT_EQ(j.Messungen(), 2);
}

TEST(JModell, OneRockTypeOnly) {
  const JModell a = JModell::Anpassen(JKurven(), JBedingungen(), 12);
  ASSERT_EQ(a.Grund(), "");
  EXPECT_EQ(a.Messungen(), 1);
  EXPECT_EQ(a.Punkte(), 6);
  EXPECT_NEAR(a.d(), -0.5, 1e-9);
  const JModell keine = JModell::Anpassen(JKurven(), JBedingungen(), 13);
  EXPECT_EQ(keine.Grund(), "Keine Messung des Gesteinstyps 13 hat Punkte mit 0 < S_Hg < 1.");
}

TEST(JModell, EvaluatedAtARockByHand) {
  // c = −1, d = −0.5 from two points (J 1 → Sw 0.1, J 100 → Sw 0.01).
  const Lagerstaettenbedingungen b = MeterGleichBar();
  const JModell j = JModell::AusPunkten({{1.0, 0.1}, {100.0, 0.01}}, 1, b);
  ASSERT_EQ(j.Grund(), "");
  EXPECT_NEAR(j.c(), -1.0, 1e-15);
  EXPECT_NEAR(j.d(), -0.5, 1e-15);
  // k 100 mD, φ 0.25, h 50 m: Pc_R = 50·10^4 Pa; σ_R|cos θ_R| = 0.048 N/m;
  // √(400·9.869233e-16) = 6.2830672e-7 m; J_R = 5e5/0.048·6.2830672e-7 = 6.5448617;
  // Sw = 0.1·6.5448617^−0.5 = 0.0390882.
  const double jr = 5e5 / 0.048 * std::sqrt(400.0 * 9.869233e-16);
  EXPECT_TRUE(Nahe(j.Sw(100.0, 0.25, 50.0), 0.1 / std::sqrt(jr), 1e-12));
  EXPECT_TRUE(Nahe(j.Sw(100.0, 0.25, 50.0), 0.0390882, 1e-5));
  // Sw = 1 at and below the free-water level, and where 10^c·J^d exceeds 1.
  EXPECT_EQ(j.Sw(100.0, 0.25, 0.0), 1.0);
  EXPECT_EQ(j.Sw(100.0, 0.25, -3.0), 1.0);
  EXPECT_EQ(j.Sw(100.0, 0.25, 1e-9), 1.0);
  // The entry pressure is where 10^c·J^d = 1, i.e. J = 0.01; there Sw is 1.
  const double pe = j.Eintrittsdruck(100.0, 0.25);
  EXPECT_TRUE(Nahe(LeverettJ(pe * 1e5, 100.0, 0.25, 480.0, 180.0), 0.01, 1e-12));
  EXPECT_TRUE(Nahe(j.Sw(100.0, 0.25, HoeheAusDruck(b, pe)), 1.0, 1e-12));
  // Without porosity there is no J.
  EXPECT_TRUE(std::isnan(j.Sw(100.0, std::nullopt, 50.0)));
  EXPECT_EQ(j.GesteinGrund(100.0, std::nullopt), "Ohne Porosität gibt es keine J-Funktion.");
}

struct JGrundFall {
  const char* name;
  std::vector<JPunkt> punkte;
  std::string grund;
};

class JGruende : public ::testing::TestWithParam<JGrundFall> {};

TEST_P(JGruende, InWords) {
  const JModell j = JModell::AusPunkten(GetParam().punkte, 1, {});
  EXPECT_EQ(j.Grund(), GetParam().grund);
  EXPECT_EQ(j.GesteinGrund(1.0, 0.2), GetParam().grund);
  EXPECT_TRUE(std::isnan(j.Sw(1.0, 0.2, 10.0)));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, JGruende,
    ::testing::Values(JGrundFall{"KeinPunkt",
                                 {},
                                 "Zu wenige Punkte für die Anpassung: 0, erforderlich sind mindestens 2 mit "
                                 "verschiedenem J."},
                      JGrundFall{"EinPunkt",
                                 {{2.0, 0.5}},
                                 "Zu wenige Punkte für die Anpassung: 1, erforderlich sind mindestens 2 "
                                 "mit verschiedenem J."},
                      JGrundFall{"GleichesJ",
                                 {{2.0, 0.5}, {2.0, 0.4}},
                                 "Zu wenige Punkte für die Anpassung: 2, erforderlich "
                                 "sind mindestens 2 mit verschiedenem J."},
                      // Sw rising with J: log10 Sw = −1 + 0.5·log10 J.
                      JGrundFall{"SwSteigt",
                                 {{1.0, 0.1}, {100.0, 1.0}},
                                 "Die Anpassung gibt d = 0.5: die Wassersättigung nähme mit der Höhe nicht ab."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JModell, NoMeasurementWithPorosity) {
  const JModell j = JModell::Anpassen({Kurve(10.0f, std::nullopt, {1.0f, 2.0f}, {0.2f, 0.4f})}, {}, std::nullopt);
  EXPECT_EQ(j.Grund(), "Keine Messung mit Porosität hat Punkte mit 0 < S_Hg < 1.");
}

// ---------------------------------------------------------------- Thomeer model

TEST(ThomeerModell, FitReturnsTheGeneratingCoefficients) {
  // Permeabilities a float holds exactly; one measurement with two systems,
  // one without a fit and one with k = 0 are left out.
  const float ks[] = {0.5f, 2.0f, 8.0f, 1000.0f, 0.125f, 3.0f, 4.0f};
  std::vector<Messkurve> kurven;
  std::vector<ThomeerErgebnis> ergebnisse;
  for (const float k : ks) {
    kurven.push_back(Kurve(k, 0.2f, {}, {}));
    ergebnisse.push_back(Ergebnis(k, {Erzeugt(k)}));
  }
  ergebnisse[5].Systeme.push_back({50.0, 0.3, 0.1});
  ergebnisse[6].Systeme.clear();
  kurven.push_back(Kurve(0.0f, 0.2f, {}, {}));
  ergebnisse.push_back(Ergebnis(0.0, {{1.0, 0.5, 0.5}}));

  const ThomeerModell t = ThomeerModell::Anpassen(kurven, ergebnisse, {}, std::nullopt);
  ASSERT_EQ(t.Grund(), "");
  EXPECT_EQ(t.Messungen(), 5);
  EXPECT_NEAR(t.LogPd().a, kPd[0], 1e-9);
  EXPECT_NEAR(t.LogPd().b, kPd[1], 1e-9);
  EXPECT_NEAR(t.G().a, kG[0], 1e-9);
  EXPECT_NEAR(t.G().b, kG[1], 1e-9);
  EXPECT_NEAR(t.Sinf().a, kSinf[0], 1e-9);
  EXPECT_NEAR(t.Sinf().b, kSinf[1], 1e-9);
  EXPECT_NEAR(t.LogPd().R2, 1.0, 1e-12);
}

TEST(ThomeerModell, OneRockTypeAndItsReasons) {
  // DRT of (100, 0.25) is 12, of (50, 0.125) 14 (see Gesteinstyp above).
  std::vector<Messkurve> kurven{Kurve(100.0f, 0.25f, {}, {}), Kurve(50.0f, 0.125f, {}, {}),
                                Kurve(25.0f, 0.125f, {}, {}), Kurve(400.0f, std::nullopt, {}, {})};
  std::vector<ThomeerErgebnis> ergebnisse;
  for (const auto& k : kurven) ergebnisse.push_back(Ergebnis(k.Perm, {Erzeugt(k.Perm)}));
  EXPECT_EQ(ThomeerModell::Anpassen(kurven, ergebnisse, {}, std::nullopt).Messungen(), 4);
  // Type 12: one measurement, no line.
  EXPECT_EQ(ThomeerModell::Anpassen(kurven, ergebnisse, {}, 12).Grund(),
            "Zu wenige Messungen für die Anpassung: 1 mit genau einem Thomeer-System, erforderlich sind mindestens 2 "
            "mit verschiedener Permeabilität.");
  EXPECT_EQ(ThomeerModell::Anpassen(kurven, ergebnisse, {}, 3).Grund(),
            "Keine Messung des Gesteinstyps 3 hat genau ein Thomeer-System.");
  // 25 mD at 0.125: FZI = 0.0314·√200·7 = 3.108 → 2·ln 3.108 + 11.1 = 13.37 → 13.
  EXPECT_EQ(Gesteinstyp(25.0, 0.125), 13);
  EXPECT_EQ(ThomeerModell::Anpassen(kurven, {}, {}, std::nullopt).Grund(),
            "Es gibt 0 Thomeer-Ergebnisse für 4 Messungen.");
  EXPECT_EQ(ThomeerModell::Anpassen({}, {}, {}, std::nullopt).Grund(), "Keine Messung hat genau ein Thomeer-System.");
}

TEST(ThomeerModell, EvaluatedAtARockByHand) {
  const ThomeerModell t = ThomeerModell::AusPunkten({{1.0, Erzeugt(1.0)}, {100.0, Erzeugt(100.0)}}, MeterGleichBar());
  ASSERT_EQ(t.Grund(), "");
  // k = 1 mD: Pd = 10^0.3 = 1.99526 bar, G = 0.6, S∞ = 0.85. At h = 10 m the
  // laboratory pressure is 10 bar: log10(10/1.99526) = 0.700, S_Hg =
  // 0.85·exp(−0.6/0.700) = 0.36075, Sw = 0.63925.
  EXPECT_TRUE(Nahe(t.Sw(1.0, 10.0), 1.0 - 0.85 * std::exp(-0.6 / (1.0 - 0.3)), 1e-12));
  EXPECT_TRUE(Nahe(t.Sw(1.0, 10.0), 0.63925, 1e-4));
  EXPECT_TRUE(Nahe(t.Eintrittsdruck(1.0), std::pow(10.0, 0.3), 1e-12));
  // At and below the entry pressure's height no mercury: Sw = 1.
  EXPECT_EQ(t.Sw(1.0, 1.99), 1.0);
  EXPECT_EQ(t.Sw(1.0, 0.0), 1.0);
}

TEST(ThomeerModell, RowsThatCannotBeEvaluatedAndTheLimits) {
  // G = 0.6 + 0.1·log10 k is 0 at k = 10^−6: below that the row says so.
  // S∞ = 0.85 − 0.5·log10 k is 0 at k = 10^1.7.
  const ThomeerModell t =
      ThomeerModell::AusPunkten({{1.0, {1.0, 0.6, 0.85}}, {10.0, {1.0, 0.7, 0.35}}}, MeterGleichBar());
  ASSERT_EQ(t.Grund(), "");
  EXPECT_EQ(t.GesteinGrund(1e-7), "G = -0.1 ist nicht größer 0.");
  EXPECT_EQ(t.GesteinGrund(1000.0), "Sinf = -0.65 ist nicht größer 0.");
  EXPECT_TRUE(std::isnan(t.Sw(1e-7, 10.0)));
  EXPECT_EQ(t.GesteinGrund(1.0), "");
  // S∞ above 1 at small k (here 1.35 at 0.1 mD) gives an S_Hg above 1 high
  // up: Sw is limited to 0.
  EXPECT_EQ(t.Sw(0.1, 1e6), 0.0);
}

// ---------------------------------------------------------------- Kadrel model

class KadrelAusDemLauf : public DokumentFixture {
 protected:
  void SetUp() override {
    std::string bytes;
    std::string fehler;
    ASSERT_TRUE(text::DateiLesen(KADREL_SOURCE_DIR "/examples/beispiel.txt", bytes, fehler)) << fehler;
    Auswerten(text::ZeilenAusBytes(bytes));
    ASSERT_EQ(doc.iScharKurven, 5);
  }
};

TEST_F(KadrelAusDemLauf, AtTheFamilysPermeabilitiesExactlyTheFamily) {
  const KadrelModell m = KadrelModell::AusDokument(doc, {});
  ASSERT_EQ(m.Grund(), "");
  EXPECT_EQ(m.Messungen(), 12);
  EXPECT_EQ(m.GeleseneMessungen(), 12);
  for (int j = 0; j < 5; ++j) {
    Scharparameter p;
    ASSERT_EQ(m.Parameter(std::pow(10.0, j - 2), p), "");
    EXPECT_EQ(p.Alfa, doc.Schar[j].Alfa);
    EXPECT_EQ(p.Beta, doc.Schar[j].Beta);
    EXPECT_EQ(p.PcSperr, doc.Schar[j].PcSperr);
    EXPECT_EQ(p.Swmin, doc.Schar[j].Swmin);
    EXPECT_EQ(p.Pcmax, doc.Schar[j].Pcmax);
    std::vector<double> sw;
    std::vector<double> pc;
    m.Kurve(p, sw, pc);
    ASSERT_EQ(sw.size(), 31u);
    for (int q = 0; q < 31; ++q) {
      EXPECT_EQ(sw[q], doc.XK[j][q]) << j << "," << q;
      EXPECT_EQ(pc[q], doc.YK[j][q]) << j << "," << q;
    }
  }
}

TEST_F(KadrelAusDemLauf, InversionRoundTripAtAnyPermeability) {
  const Lagerstaettenbedingungen b;
  const KadrelModell m = KadrelModell::AusDokument(doc, b);
  for (const double k : {0.003, 0.05, 0.7, 3.3, 42.0, 250.0}) {
    Scharparameter p;
    ASSERT_EQ(m.Parameter(k, p), "") << k;
    std::vector<double> sw;
    std::vector<double> pc;
    m.Kurve(p, sw, pc);
    // The model inverted at the curve's own pressures gives its saturations
    // back (the pressures are rounded to float as the family stores them).
    for (int q = 1; q < 30; ++q) {
      EXPECT_TRUE(Nahe(m.Sw(k, HoeheAusDruck(b, pc[q])), sw[q], 2e-5)) << k << "," << q;
    }
    EXPECT_EQ(m.Sw(k, 0.0), 1.0);
    EXPECT_TRUE(Nahe(m.Sw(k, HoeheAusDruck(b, p.PcSperr)), 1.0, 1e-9));
    EXPECT_EQ(m.Sw(k, 0.999 * HoeheAusDruck(b, p.PcSperr)), 1.0);
    EXPECT_EQ(m.Sw(k, 1e9), static_cast<double>(p.Swmin));
  }
}

// Coefficients set by hand: Alfa = 1 − 1.5·log10 k, Beta = 10^−1,
// Sperrdruck = 10^(−0.5·log10 k), Min.Sw = 10^(−1 − 0.25·log10 k), Pcmax 100 bar.
class KadrelVonHand : public DokumentFixture {
 protected:
  void Koeffizienten(const float c[4][2], float pcmax = 100.0f) {
    for (int p = 0; p < 4; ++p) {
      doc.C_[p][0] = c[p][0];
      doc.C_[p][1] = c[p][1];
    }
    doc.MaxPchg = pcmax;
    doc.Gesamtgrafik();
  }
};

TEST_F(KadrelVonHand, ParametersBetweenTheFamilysPermeabilities) {
  const float c[4][2] = {{1, -1.5f}, {-1, 0}, {0, -0.5f}, {-1, -0.25f}};
  Koeffizienten(c);
  const KadrelModell m = KadrelModell::AusDokument(doc, {});
  Scharparameter p;
  // k = 10^0.5: Alfa 0.25, Beta 0.1, Sperrdruck 10^−0.25 = 0.562341, Min.Sw 10^−1.125 = 0.0749894.
  ASSERT_EQ(m.Parameter(std::pow(10.0, 0.5), p), "");
  EXPECT_TRUE(Nahe(p.Alfa, 0.25, 1e-6));
  EXPECT_TRUE(Nahe(p.Beta, 0.1, 1e-6));
  EXPECT_TRUE(Nahe(p.PcSperr, 0.562341, 1e-6));
  EXPECT_TRUE(Nahe(p.Swmin, 0.0749894, 1e-6));
  EXPECT_EQ(p.Pcmax, 100.0f);
}

struct KadrelGrundFall {
  const char* name;
  float c[4][2];
  float pcmax;
  double k;
  std::string grund;
};

class KadrelGruende : public KadrelVonHand, public ::testing::WithParamInterface<KadrelGrundFall> {};

TEST_P(KadrelGruende, TheRowSaysWhy) {
  const auto& f = GetParam();
  Koeffizienten(f.c, f.pcmax);
  const KadrelModell m = KadrelModell::AusDokument(doc, {});
  ASSERT_EQ(m.Grund(), "");
  EXPECT_EQ(m.GesteinGrund(f.k), f.grund);
  EXPECT_TRUE(std::isnan(m.Sw(f.k, 10.0)));
  EXPECT_TRUE(std::isnan(m.Eintrittsdruck(f.k)));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KadrelGruende,
    ::testing::Values(
        // Alfa = 1 − 1.5·log10 10 = −0.5.
        KadrelGrundFall{"AlfaNegativ",
                        {{1, -1.5f}, {-1, 0}, {0, -0.5f}, {-1, -0.25f}},
                        100.0f,
                        10.0,
                        "Alfa = -0.5 ist nicht größer 0 (Polynomgrad für Alfa zu hoch?)."},
        KadrelGrundFall{"AlfaNull",
                        {{1, -1.0f}, {-1, 0}, {0, -0.5f}, {-1, -0.25f}},
                        100.0f,
                        10.0,
                        "Alfa = 0 ist nicht größer 0 (Polynomgrad für Alfa zu hoch?)."},
        KadrelGrundFall{
            "BetaUnendlich", {{1, 0}, {100, 0}, {0, -0.5f}, {-1, -0.25f}}, 100.0f, 1.0, "Beta ist nicht darstellbar."},
        // Sperrdruck 10^0 = 1 bar against a largest pressure of 0.5 bar.
        KadrelGrundFall{"SperrdruckUeberPcmax",
                        {{1, 0}, {-1, 0}, {0, -0.5f}, {-1, -0.25f}},
                        0.5f,
                        1.0,
                        "Der Sperrdruck 1 bar ist nicht kleiner als der größte Kapillardruck 0.5 bar."},
        KadrelGrundFall{"SperrdruckSteigt",
                        {{1, 0}, {-1, 0}, {0, 0.1f}, {-1, -0.25f}},
                        100.0f,
                        1.0,
                        "Der kapillare Sperrdruck steigt mit der Permeabilität an."},
        // Min.Sw = 10^0.25 = 1.77828.
        KadrelGrundFall{"MinSwUeberEins",
                        {{1, 0}, {-1, 0}, {0, -0.5f}, {0.25f, -0.25f}},
                        100.0f,
                        1.0,
                        "Min.Sw = 1.77828 ist nicht kleiner als 1."},
        KadrelGrundFall{"MinSwSteigt",
                        {{1, 0}, {-1, 0}, {0, -0.5f}, {-1, 0.25f}},
                        100.0f,
                        1.0,
                        "Die min. Wassersättigung steigt mit der Permeabilität an."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DokumentFixture, KadrelWithoutRegression) {
  Auswerten({"PERMEABILITAET: 10 A", "0.1 0", "1.0 0.3", "4.0 0.6", "ENDE"});
  const KadrelModell m = KadrelModell::AusDokument(doc, {});
  EXPECT_EQ(m.Grund(), "Ohne Parameterregression gibt es keine Kurvenschar.");
  EXPECT_EQ(m.GesteinGrund(1.0), "Ohne Parameterregression gibt es keine Kurvenschar.");
  EXPECT_EQ(m.GeleseneMessungen(), 1);
}

// ---------------------------------------------------------------- the well's call

TEST(Rueckruf, EveryModelAsTheWellCallsIt) {
  Saettigungshoehenmodelle m;
  m.j = JModell::AusPunkten({{1.0, 0.1}, {100.0, 0.01}}, 1, MeterGleichBar());
  m.thomeer = ThomeerModell::AusPunkten({{1.0, Erzeugt(1.0)}, {100.0, Erzeugt(100.0)}}, MeterGleichBar());
  // The type the well evaluation takes.
  const std::function<double(double, double, double)> j = m.Rueckruf(ShfModell::JFunktion);
  EXPECT_EQ(j(100.0, 0.25, 50.0), m.j.Sw(100.0, 0.25, 50.0));
  EXPECT_TRUE(std::isnan(j(100.0, kNaN, 50.0)));
  const auto t = m.Rueckruf(ShfModell::Thomeer);
  EXPECT_EQ(t(1.0, kNaN, 10.0), m.thomeer.Sw(1.0, 10.0));
  // The Kadrel model of an empty document cannot evaluate anything.
  EXPECT_TRUE(std::isnan(m.Rueckruf(ShfModell::Kadrel)(1.0, 0.2, 10.0)));
  // The call holds its own copy of the model.
  const auto kopie = m.Rueckruf(ShfModell::JFunktion);
  m.j = JModell();
  EXPECT_EQ(kopie(100.0, 0.25, 50.0), j(100.0, 0.25, 50.0));
}

}  // namespace
