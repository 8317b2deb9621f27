#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Kurvenzeilen.h"
#include "Toleranz.h"

namespace {

struct Dokument {
  FakePlattform plattform;
  CKadrelDoc doc{plattform};

  // A run on the given rows: the measurement loop is skipped because the
  // parameter list is filled, as after a change of the display options.
  void Lauf(const std::vector<Kurve>& kurven, int tabelle, int grafik) {
    ParameterlisteSetzen(doc, kurven);
    doc.iTabelle = tabelle;
    doc.iGrafik = grafik;
    doc.Kern = "AD-017";
    doc.Alfa = 2.5;
    doc.Beta = 0.125;
    doc.MaxPchg = 1000.0f;
    doc.Berechnung();
  }
};

// Titles, axis texts and Info for every option combination.
struct Textfall {
  int tabelle;
  int grafik;
  const char* titel;
  const char* untertitel;
  const char* xText;
  const char* yText;
  const char* info;        // after a successful regression
  const char* infoFehler;  // after a failed one
};

class Grafiktexte : public ::testing::TestWithParam<Textfall> {};

constexpr const char* kKurveInfo = "Alfa: 2.5 Beta:0.125";
constexpr const char* kAlfaInfo = "Alfa =4 +1*log10(K)^1 +0*log10(K)^2";

TEST_P(Grafiktexte, NachDenOptionen) {
  const auto& f = GetParam();
  for (const bool gelungen : {true, false}) {
    Dokument d;
    auto kurven = DreiGenaueKurven();
    if (!gelungen) kurven.pop_back();
    d.Lauf(kurven, f.tabelle, f.grafik);
    EXPECT_EQ(d.doc.Titel, f.titel);
    EXPECT_EQ(d.doc.Untertitel, f.untertitel);
    EXPECT_EQ(d.doc.XText, f.xText);
    EXPECT_EQ(d.doc.YText, f.yText);
    EXPECT_EQ(d.doc.Legende1, " Messwerte ");
    EXPECT_EQ(d.doc.Legende2, "Rechenwerte");
    EXPECT_EQ(d.doc.Info, gelungen ? f.info : f.infoFehler) << (gelungen ? "gelungen" : "gescheitert");
  }
}

INSTANTIATE_TEST_SUITE_P(
    AlleKombinationen, Grafiktexte,
    ::testing::Values(
        Textfall{0, 0, "Kapillardruckkurve", "AD-017", "Normierte Sättigung Snorm(-)", "Kadrel(-)", kKurveInfo,
                 kKurveInfo},
        Textfall{0, 1, "Kapillardruckkurve", "AD-017", "Normierte Sättigung Snorm(-)", "Kadrel(-)", kKurveInfo,
                 kKurveInfo},
        Textfall{0, 2, "Kapillardruckkurve", "AD-017", "Normierte Sättigung Snorm(-)", "Kadrel(-)", kKurveInfo,
                 kKurveInfo},
        Textfall{0, 3, "Kapillardruckkurve", "AD-017", "Normierte Sättigung Snorm(-)", "Kadrel(-)", kKurveInfo,
                 kKurveInfo},
        Textfall{0, 4, "Kapillardruckkurven", "abhängig von der Permeabilität", "Wassersättigung (-)", "Druck(bar)",
                 kKurveInfo, ""},
        Textfall{1, 0, "Normierungsparameter", "Alfa-Werte", "Log10(Permeabilität)", "Alfa ", kAlfaInfo, ""},
        Textfall{1, 1, "Normierungsparameter", "Beta-Werte", "Log10(Permeabilität)", "log10(Beta) ",
                 "log10(Beta) =-1 -1*log10(K)", ""},
        Textfall{1, 2, "Normierungsparameter", "Kapillarer Sperrdruck", "Log10(Permeabilität)", "log10(Sperrdruck) ",
                 "log10(Sperrdruck) =0 -1*log10(K)", ""},
        Textfall{1, 3, "Normierungsparameter", "Minimale Massersättigung", "Log10(Permeabilität)", "log10(Min.Sw) ",
                 "log10(Min.Sw) =-3 -1*log10(K)", ""},
        Textfall{1, 4, "Kapillardruckkurven", "abhängig von der Permeabilität", "Wassersättigung (-)", "Druck(bar)",
                 kAlfaInfo, ""},
        Textfall{2, 0, "Normierungsparameter", "Alfa-Werte", "Log10(Permeabilität)", "Alfa ", kAlfaInfo, ""},
        Textfall{2, 1, "Normierungsparameter", "Beta-Werte", "Log10(Permeabilität)", "log10(Beta) ",
                 "log10(Beta) =-1 -1*log10(K)", ""},
        Textfall{2, 2, "Normierungsparameter", "Kapillarer Sperrdruck", "Log10(Permeabilität)", "log10(Sperrdruck) ",
                 "log10(Sperrdruck) =0 -1*log10(K)", ""},
        Textfall{2, 3, "Normierungsparameter", "Minimale Massersättigung", "Log10(Permeabilität)", "log10(Min.Sw) ",
                 "log10(Min.Sw) =-3 -1*log10(K)", ""},
        Textfall{2, 4, "Kapillardruckkurven", "abhängig von der Permeabilität", "Wassersättigung (-)", "Druck(bar)",
                 kAlfaInfo, ""}));

TEST(Berechnung, GescheiterteRegressionLaesstNurNullen) {
  Dokument d;
  d.doc.X2[5] = d.doc.Y2[5] = d.doc.Y3[5] = d.doc.XK[2][7] = d.doc.YK[4][30] = 1.0f;
  auto kurven = DreiGenaueKurven();
  kurven.pop_back();
  d.Lauf(kurven, 1, 4);
  for (int k = 0; k < 100; ++k) EXPECT_EQ(d.doc.X2[k] + d.doc.Y2[k] + d.doc.Y3[k], 0.0f);
  for (int j = 0; j < 5; ++j)
    for (int q = 0; q < 31; ++q) EXPECT_EQ(d.doc.XK[j][q] + d.doc.YK[j][q], 0.0f);
  EXPECT_EQ(d.plattform.Texte(), std::vector<std::string>{"Erforderlich sind mindestens 3 Kapillardruckmessungen"});
  EXPECT_EQ(d.doc.bNeuRechnen, 0);
  EXPECT_EQ(d.plattform.warteCursor, 0);
}

TEST(Parameter_Grafik, PunkteUndPolynomJeKurve) {
  Dokument d;
  d.Lauf(DreiGenaueKurven(), 1, 2);
  ASSERT_EQ(d.doc.iMax2Werte, 3);
  const float sollX[3] = {-1, 0, 1};
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(d.doc.X2[k], sollX[k], 1e-6);
    EXPECT_NEAR(d.doc.Y2[k], -sollX[k], 1e-6);  // log10(Sperrdruck)
    EXPECT_NEAR(d.doc.Y3[k], -sollX[k], 1e-5);
  }
  EXPECT_EQ(d.doc.X2[3], 0.0f);
  EXPECT_TRUE(d.plattform.protokoll.empty());
}

TEST(Parameter_Grafik, WertOhneLogarithmusWirdNichtAlsNullGezeichnet) {
  Dokument d;
  auto kurven = DreiGenaueKurven();
  kurven.push_back({100.0f, 6.0f, 0.00004f, 0.01f, 0.00001f, 90.0f, 0.01f, "K4"});
  d.Lauf(kurven, 1, 1);
  ASSERT_EQ(d.doc.iMax2Werte, 3);
  for (int k = 0; k < 3; ++k) EXPECT_NE(d.doc.X2[k], 2.0f);
}

TEST(Parameter_Grafik, TestwerteZeichnenVierKoeffizientenInfoBisZumQuadrat) {
  Dokument d;
  d.doc.bTestwerte = 1;
  d.Lauf({}, 1, 0);
  ASSERT_NE(d.doc.C_[0][3], 0.0f);
  ASSERT_EQ(d.doc.iMax2Werte, 13);
  for (int k = 0; k < 13; ++k) {
    const float x = d.doc.X2[k];
    const float* c = d.doc.C_[0];
    EXPECT_EQ(d.doc.Y3[k], c[0] + c[1] * x + c[2] * x * x + c[3] * x * x * x);
  }
  EXPECT_EQ(d.doc.Info,
            text::Format("Alfa =%g %+g*log10(K)^1 %+g*log10(K)^2", d.doc.C_[0][0], d.doc.C_[0][1], d.doc.C_[0][2]));
}

TEST(Parameter_Grafik, WarnungAb100KurvenBeiJedemAufruf) {
  for (const int anzahl : {99, 100}) {
    Dokument d;
    std::vector<Kurve> kurven;
    for (int i = 0; i < anzahl; ++i) {
      const float K = std::pow(10.0f, -2.0f + 4.0f * static_cast<float>(i) / 99.0f);
      kurven.push_back({K, 3.0f + std::log10(K), 0.1f, 2.0f / K, 0.1f * std::pow(K, -0.1f), 100.0f, 0.01f, "K"});
    }
    d.Lauf(kurven, 1, 0);
    EXPECT_EQ(d.doc.iMax2Werte, anzahl);
    const std::vector<std::string> warnung(anzahl == 100 ? 2 : 0,
                                           "Es werden maximal 100 Kapillardruckkurven verarbeitet!");
    EXPECT_EQ(d.plattform.Texte(), warnung) << anzahl;
  }
}

// The curve family from coefficients set by hand.
void KoeffizientenSetzen(CKadrelDoc& doc, const float (&c)[4][4]) {
  for (int p = 0; p < 4; ++p)
    for (int j = 0; j < 4; ++j) doc.C_[p][j] = c[p][j];
}

TEST(Gesamtgrafik, FuenfKurvenVonSwminBisEins) {
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  // Alfa 2, Beta 0.1, Sperrdruck 10^(-0.5 l), Min.Sw 10^(-1 - 0.25 l).
  KoeffizientenSetzen(doc, {{2, 0, 0, 0}, {-1, 0, 0, 0}, {0, -0.5f, 0, 0}, {-1, -0.25f, 0, 0}});
  doc.MaxPchg = 100.0f;
  doc.Gesamtgrafik();
  EXPECT_TRUE(plattform.protokoll.empty());
  for (int j = 0; j < 5; ++j) {
    const double l = j - 2;
    const double swMin = std::pow(10.0, -1 - 0.25 * l);
    const double sperr = std::pow(10.0, -0.5 * l);
    EXPECT_TRUE(Nahe(doc.XK[j][0], swMin, 1e-6)) << j;
    EXPECT_TRUE(Nahe(doc.YK[j][0], 100.0, 1e-6)) << j;
    EXPECT_EQ(doc.XK[j][30], 1.0f) << j;
    EXPECT_TRUE(Nahe(doc.YK[j][30], sperr, 1e-6)) << j;
    // Halfway: Snorm 0.5, Pnorm = (0.25 + 0.05) / 1.1.
    EXPECT_TRUE(Nahe(doc.XK[j][15], (1 + swMin) / 2, 1e-6)) << j;
    EXPECT_TRUE(Nahe(doc.YK[j][15], (100 - sperr) * (0.3 / 1.1) + sperr, 1e-5)) << j;
  }
}

struct Familienfall {
  const char* name;
  float c[4][4];
  float maxPchg;
  std::string meldung;
  int gefuellt;  // curves filled before the failed check
};

class GesamtgrafikPruefungen : public ::testing::TestWithParam<Familienfall> {};

TEST_P(GesamtgrafikPruefungen, MeldungUndKurvenDavor) {
  const auto& f = GetParam();
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  for (auto& kurve : doc.YK) kurve[3] = 7.0f;  // left over from an earlier run
  KoeffizientenSetzen(doc, f.c);
  doc.MaxPchg = f.maxPchg;
  doc.Gesamtgrafik();
  EXPECT_EQ(plattform.Texte(), std::vector<std::string>{f.meldung});
  for (int j = 0; j < 5; ++j) {
    for (int q = 0; q < 31; ++q) {
      EXPECT_TRUE(std::isfinite(doc.XK[j][q]) && std::isfinite(doc.YK[j][q]));
      if (j >= f.gefuellt) {
        EXPECT_EQ(doc.XK[j][q] + doc.YK[j][q], 0.0f) << j << "," << q;
      }
    }
    if (j < f.gefuellt) {
      EXPECT_EQ(doc.XK[j][30], 1.0f) << j;
    }
  }
}

constexpr float kPcmax = 100.0f;
const std::string kAlfaMeldung = "Keine Geamtgrafik,da Alfa <=0!\nPolynomgrad für Alfa-werte zu hoch?";

INSTANTIATE_TEST_SUITE_P(
    InDerReihenfolge, GesamtgrafikPruefungen,
    ::testing::Values(
        // Alfa = 1 - 1.5 l is negative from 10 mD on.
        Familienfall{"AlfaBei10mD", {{1, -1.5f, 0, 0}, {-1}, {0, -0.5f}, {-1, -0.25f}}, kPcmax, kAlfaMeldung, 3},
        Familienfall{"AlfaVorAllenAnderen", {{-1}, {-1}, {0, 0.5f}, {1, 0.25f}}, 0.0f, kAlfaMeldung, 0},
        Familienfall{"MaxPchgNull",
                     {{2}, {-1}, {0, -0.5f}, {-1, -0.25f}},
                     0.0f,
                     "Keine Gesamtgrafik,da PcSperr:10>=Pcmax:0!",
                     0},
        Familienfall{"SperrdruckGleichPcmax",
                     {{2}, {-1}, {0, -0.5f}, {-1, -0.25f}},
                     10.0f,
                     "Keine Gesamtgrafik,da PcSperr:10>=Pcmax:10!",
                     0},
        Familienfall{"SperrdruckSteigt",
                     {{2}, {-1}, {0, 0.5f}, {2, 0.25f}},
                     kPcmax,
                     "Falsche Gesamtgrafik!\nDer kapillare Sperrdruck steigt mit der Permeabilität an!",
                     0},
        Familienfall{
            "SwminUeberEins", {{2}, {-1}, {0, -0.5f}, {0.5f, -0.25f}}, kPcmax, "Keine  Geamtgrafik,da Swmin>1", 0},
        // Swmin = 1 leaves no saturation range.
        Familienfall{"SwminGleichEins", {{2}, {-1}, {0, -0.5f}, {0, 0}}, kPcmax, "Keine  Geamtgrafik,da Swmin>1", 0},
        Familienfall{"SwminSteigt",
                     {{2}, {-1}, {0, -0.5f}, {-1, 0.25f}},
                     kPcmax,
                     "Falsche Gesamtgrafik!\nDie min. Wassersättigung steigt mit der Permeabilität an!",
                     0},
        // Beta = 10^(-10 l) overflows at 0.01 mD.
        Familienfall{"BetaUnendlich",
                     {{2}, {0, -20}, {0, -0.5f}, {-1, -0.25f}},
                     kPcmax,
                     "Keine Gesamtgrafik,da Beta bei K=0.01 mD nicht darstellbar ist!",
                     0},
        Familienfall{"SperrdruckUnendlich",
                     {{2}, {-1}, {40, -0.5f}, {-1, -0.25f}},
                     kPcmax,
                     "Keine Gesamtgrafik,da PcSperr bei K=0.01 mD nicht darstellbar ist!",
                     0}),
    [](const auto& info) { return info.param.name; });

}  // namespace
