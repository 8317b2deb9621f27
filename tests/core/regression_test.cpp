#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Kurvenzeilen.h"
#include "TextFormat.h"
#include "Toleranz.h"

namespace {

struct Dokument {
  FakePlattform plattform;
  CKadrelDoc doc{plattform};
};

bool AlleKoeffizientenNull(const CKadrelDoc& doc) {
  for (const auto& zeile : doc.C_)
    for (const float c : zeile)
      if (c != 0.0f) return false;
  return true;
}

TEST(Testwerte, DreizehnZeilenInIhrenBreiten) {
  Dokument d;
  d.doc.Testwerte();
  ASSERT_EQ(d.doc.Parameterliste.size(), 16u);
  EXPECT_EQ(d.doc.Parameterliste[0], "");
  EXPECT_EQ(d.doc.Parameterliste[1], kKopf);
  EXPECT_EQ(d.doc.Parameterliste[2], "");
  // K = 1: 1.000, 8.4000, 0.1400, 3.190, 0.20995, 158.000, 0.0000, TESTWERTE.
  EXPECT_EQ(d.doc.Parameterliste[9], "    1.000      8.4000  0.1400    3.190    0.20995   158.000   0.0000  TESTWERTE");
  EXPECT_EQ(d.doc.Parameterliste[3].substr(0, 9), "    0.001");
  EXPECT_EQ(d.doc.Parameterliste[15].substr(0, 9), " 1000.000");
}

TEST(Testwerte, KoeffizientenUndMittlereFehler) {
  Dokument d;
  d.doc.bTestwerte = 1;
  ASSERT_EQ(d.doc.OnParameter(), 0);
  const float soll[4][4] = {
      {8.291f, 1.247f, 0.627f, -0.041f}, {-0.854f, -0.500f, 0, 0}, {0.504f, -0.390f, 0, 0}, {-0.690f, -0.231f, 0, 0}};
  for (int p = 0; p < 4; ++p) {
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(d.doc.C_[p][j], soll[p][j], 0.001) << "C_[" << p << "][" << j << "]";
    for (int j = 4; j < 7; ++j) EXPECT_EQ(d.doc.C_[p][j], 0.0f);
  }
  // The Beta and Sperrdruck lines give back the generating power laws.
  EXPECT_NEAR(d.doc.C_[1][0], std::log10(0.14), 0.001);
  EXPECT_NEAR(d.doc.C_[2][0], std::log10(3.19), 0.001);
  const auto fehler = MittlereFehler(d.doc.Parameterfunktionen);
  ASSERT_EQ(fehler.size(), 4u);
  EXPECT_TRUE(Nahe(fehler[0], 0.084, 0.01));
  EXPECT_NEAR(fehler[1], 0.0001, 0.00005);
  EXPECT_TRUE(Nahe(fehler[2], 0.0018, 0.02));
  EXPECT_TRUE(Nahe(fehler[3], 0.016, 0.01));
  EXPECT_EQ(d.doc.kmax, 13);
  EXPECT_EQ(d.doc.iKoeff, 2);
}

// Elimination on hand-made systems.
TEST(Eliminieren, LoestExaktePolynomdaten) {
  Dokument d;
  // y = 1 + 2x - 0.5x^2 at x = -1, 0, 1, 2.
  const float x[4] = {-1, 0, 1, 2};
  for (int k = 0; k < 4; ++k) {
    d.doc.X2[k] = x[k];
    d.doc.Y2[k] = 1 + 2 * x[k] - 0.5f * x[k] * x[k];
  }
  d.doc.kmax = 4;
  d.doc.iKoeff = 3;
  double A[8][9] = {};
  d.doc.Normalgleichungen(A);
  EXPECT_EQ(A[0][0], 4.0);
  EXPECT_EQ(A[1][2], 8.0);   // sum of x^3
  EXPECT_EQ(A[2][2], 18.0);  // sum of x^4
  d.doc.Eliminieren(A);
  EXPECT_TRUE(Nahe(A[0][3], 1.0, 1e-12));
  EXPECT_TRUE(Nahe(A[1][3], 2.0, 1e-12));
  EXPECT_TRUE(Nahe(A[2][3], -0.5, 1e-12));
}

TEST(Eliminieren, TauschtKeineZeilen) {
  Dokument d;
  d.doc.iKoeff = 2;
  // x1 = 2, x0 = 1 has a zero first pivot; without a row exchange the row
  // with the zero entry stays as it is and the result is (1, 1).
  double A[8][9] = {{0, 1, 2}, {1, 1, 3}};
  d.doc.Eliminieren(A);
  EXPECT_EQ(A[0][2], 1.0);
  EXPECT_EQ(A[1][2], 1.0);
}

TEST(Eliminieren, SetztRestUnter1e16AufNull) {
  Dokument d;
  d.doc.iKoeff = 2;
  // After the subtraction the second pivot is 5e-17: cut to 0, so the row is
  // not divided and its right-hand side 1e-3 is taken as it stands.
  double A[8][9] = {{1, 1e-3, 2}, {1, 1e-3 + 5e-17, 2 + 1e-3}};
  d.doc.Eliminieren(A);
  EXPECT_EQ(A[1][1], 0.0);
  EXPECT_TRUE(Nahe(A[1][2], 1e-3, 1e-9));
  EXPECT_TRUE(Nahe(A[0][2], 2 - 1e-6, 1e-9));
}

// The number of coefficients of the Alfa pass.
struct KoeffFall {
  const char* name;
  int kurven;
  int polynom3;
  int testwerte;
  int koeff;
};

class AlfaKoeffizienten : public ::testing::TestWithParam<KoeffFall> {};

TEST_P(AlfaKoeffizienten, NachDenRegeln) {
  const auto& f = GetParam();
  Dokument d;
  std::vector<Kurve> kurven = DreiGenaueKurven();
  if (f.kurven == 4) kurven.push_back({100.0f, 6.5f, 0.001f, 0.01f, 0.00001f, 90.0f, 0.01f, "K4"});
  ParameterlisteSetzen(d.doc, kurven);
  d.doc.bPolynom3 = f.polynom3;
  d.doc.bTestwerte = f.testwerte;
  ASSERT_EQ(d.doc.OnParameter(), 0);
  for (int j = f.koeff; j < 7; ++j) EXPECT_EQ(d.doc.C_[0][j], 0.0f) << j;
  EXPECT_NE(d.doc.C_[0][f.koeff - 1], 0.0f);
  // The Alfa block: the name line, then the terms on a line of their own.
  const auto& bericht = d.doc.Parameterfunktionen;
  ASSERT_GE(bericht.size(), 4u);
  std::string terme;
  for (int j = 1; j < f.koeff; ++j) {
    terme += f.koeff == 2 ? text::Format(" %+g*log10(K)", d.doc.C_[0][j])
                          : text::Format(" %+g*log10(K)^%d", d.doc.C_[0][j], j);
  }
  EXPECT_EQ(bericht[3], terme);
  EXPECT_EQ(d.doc.iKoeff, 2);  // the last pass is a straight line
}

INSTANTIATE_TEST_SUITE_P(Regeln, AlfaKoeffizienten,
                         ::testing::Values(KoeffFall{"DreiKurvenGerade", 3, 0, 0, 2},
                                           KoeffFall{"DreiKurvenGeradeAuchMitPolynom3", 3, 1, 0, 2},
                                           KoeffFall{"VierKurvenQuadratisch", 4, 0, 0, 3},
                                           KoeffFall{"VierKurvenKubischMitPolynom3", 4, 1, 0, 4},
                                           KoeffFall{"TestwerteKubisch", 3, 0, 1, 4}),
                         [](const auto& info) { return info.param.name; });

TEST(OnParameter, DreiGenaueKurvenGebenDieGeraden) {
  for (const int polynom3 : {0, 1}) {
    Dokument d;
    ParameterlisteSetzen(d.doc, DreiGenaueKurven());
    d.doc.bPolynom3 = polynom3;
    ASSERT_EQ(d.doc.OnParameter(), 0);
    const float soll[4][2] = {{4, 1}, {-1, -1}, {0, -1}, {-3, -1}};
    for (int p = 0; p < 4; ++p) {
      EXPECT_NEAR(d.doc.C_[p][0], soll[p][0], 1e-5) << p;
      EXPECT_NEAR(d.doc.C_[p][1], soll[p][1], 1e-5) << p;
      EXPECT_EQ(d.doc.C_[p][2], 0.0f) << p;
    }
    EXPECT_TRUE(d.plattform.protokoll.empty());
  }
}

TEST(OnParameter, KubischDurchVierKurvenOhneFehler) {
  Dokument d;
  // Alfa = 5 + x - 0.5x^2 + 0.25x^3 at log10(K) = -1, 0, 1, 2.
  std::vector<Kurve> kurven = DreiGenaueKurven();
  kurven.push_back({100.0f, 0, 0.001f, 0.01f, 0.00001f, 90.0f, 0.01f, "K4"});
  for (auto& k : kurven) {
    const float x = std::log10(k.K);
    k.alfa = 5 + x - 0.5f * x * x + 0.25f * x * x * x;
  }
  ParameterlisteSetzen(d.doc, kurven);
  d.doc.bPolynom3 = 1;
  ASSERT_EQ(d.doc.OnParameter(), 0);
  EXPECT_NEAR(d.doc.C_[0][3], 0.25f, 1e-4);
  const auto fehler = MittlereFehler(d.doc.Parameterfunktionen);
  ASSERT_EQ(fehler.size(), 4u);
  EXPECT_LT(fehler[0], 1e-5);
}

TEST(OnParameter, NurDieErsten100Kurven) {
  Dokument d;
  std::vector<Kurve> kurven;
  for (int i = 0; i < 150; ++i) {
    const float K = std::pow(10.0f, -2.0f + 4.0f * static_cast<float>(i % 100) / 99.0f);
    // Curves beyond the 100th lie far off every line.
    const float alfa = i < 100 ? 3.0f + std::log10(K) : 1000.0f;
    kurven.push_back({K, alfa, 0.1f, 2.0f, 0.1f, 100.0f, 0.01f, "K"});
  }
  ParameterlisteSetzen(d.doc, kurven);
  d.doc.Parameterliste[3 + 120] = "   12.5  0.3";  // a faulty row after the 100th is never read
  ASSERT_EQ(d.doc.OnParameter(), 0);
  EXPECT_EQ(d.doc.kmax, 100);
  EXPECT_NEAR(d.doc.C_[0][0], 3.0f, 0.01);
  EXPECT_NEAR(d.doc.C_[0][1], 1.0f, 0.01);
  // The only message is the chart's warning about the limit.
  EXPECT_EQ(d.plattform.Texte(), std::vector<std::string>{"Es werden maximal 100 Kapillardruckkurven verarbeitet!"});
}

TEST(OnParameter, KopfzeilenZaehlenNachPositionWeitereTexteNicht) {
  Dokument d;
  auto kurven = DreiGenaueKurven();
  ParameterlisteSetzen(d.doc, kurven);
  d.doc.Parameterliste[1] = " 1000 99 1 1 1 1 1";
  d.doc.Parameterliste[4] += " weitere Bemerkung 17";
  ASSERT_EQ(d.doc.OnParameter(), 0);
  EXPECT_EQ(d.doc.kmax, 3);
  EXPECT_NEAR(d.doc.C_[0][0], 4.0f, 1e-5);
}

// Failures: message box and detail lines.
struct Fehlerfall {
  const char* name;
  std::vector<std::string> zeilen;  // rows after the header
  std::string meldung;
  std::vector<std::string> detail;
  bool berichtLeer;
};

class RegressionsFehler : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(RegressionsFehler, MeldungUndDetailzeilen) {
  const auto& f = GetParam();
  Dokument d;
  d.doc.Parameterliste = {"", kKopf, ""};
  for (const auto& z : f.zeilen) d.doc.Parameterliste.push_back(z);
  d.doc.Parameterfunktionen = {"Bericht des letzten Laufs"};
  d.doc.Detailergebnisse = {"alt"};
  EXPECT_EQ(d.doc.OnParameter(), 1);
  EXPECT_EQ(d.plattform.Texte(), std::vector<std::string>{f.meldung});
  std::vector<std::string> detail{"alt"};
  detail.insert(detail.end(), f.detail.begin(), f.detail.end());
  EXPECT_EQ(d.doc.Detailergebnisse, detail);
  EXPECT_EQ(d.doc.Parameterfunktionen.empty(), f.berichtLeer);
  EXPECT_TRUE(AlleKoeffizientenNull(d.doc));
}

const std::string kZeile1 = Summenzeile({0.1f, 3, 1, 10, 0.01f, 100, 0.01f, "K1"});
const std::string kZeile2 = Summenzeile({1, 4, 0.1f, 1, 0.001f, 150, 0.01f, "K2"});
const std::string kSechsWerte = "   10.000       5.0000  0.0100    0.100    0.00010   120.000";
const std::string kNan = "  10.000          nan     nan    0.100    0.00010   120.000      nan  K3";
const std::string kPermNull = Summenzeile({0.0004f, 5, 0.01f, 0.1f, 0.0001f, 120, 0.01f, "K3"});
const std::string kPermNegativ = Summenzeile({-2, 5, 0.01f, 0.1f, 0.0001f, 120, 0.01f, "K3"});
const std::string kBetaNull = Summenzeile({10, 5, 0.00004f, 0.1f, 0.0001f, 120, 0.01f, "K3"});
const std::string kSperrNegativ = Summenzeile({10, 5, 0.01f, -0.1f, 0.0001f, 120, 0.01f, "K3"});

INSTANTIATE_TEST_SUITE_P(
    Faelle, RegressionsFehler,
    ::testing::Values(
        Fehlerfall{"ZweiKurven",
                   {kZeile1, kZeile2},
                   "Erforderlich sind mindestens 3 Kapillardruckmessungen",
                   {"", "Zur Berechnung der Parameterfunktion sind mindestens 3 Kapillardruckmessungen erforderlich!"},
                   false},
        Fehlerfall{"SechsWerte",
                   {kZeile1, kZeile2, kSechsWerte},
                   "ABBRUCH! Es werden 7 Werte erwartet\n" + kSechsWerte,
                   {"ABBRUCH! Es werden 7 Werte erwartet\n" + kSechsWerte},
                   true},
        Fehlerfall{"LeereZeile",
                   {kZeile1, "", kZeile2},
                   "ABBRUCH! Es werden 7 Werte erwartet\n",
                   {"ABBRUCH! Es werden 7 Werte erwartet\n"},
                   true},
        // A fit that ran off writes nan into its row; that is no number.
        Fehlerfall{"NanInDerZeile",
                   {kZeile1, kZeile2, kNan},
                   "ABBRUCH! Es werden 7 Werte erwartet\n" + kNan,
                   {"ABBRUCH! Es werden 7 Werte erwartet\n" + kNan},
                   true},
        Fehlerfall{"PermeabilitaetAlsNullGedruckt",
                   {kZeile1, kZeile2, kPermNull},
                   "ABBRUCH! Die Permeabilität muß größer Null sein\n" + kPermNull,
                   {"ABBRUCH! Die Permeabilität muß größer Null sein\n" + kPermNull},
                   true},
        Fehlerfall{"PermeabilitaetNegativ",
                   {kPermNegativ, kZeile1, kZeile2},
                   "ABBRUCH! Die Permeabilität muß größer Null sein\n" + kPermNegativ,
                   {"ABBRUCH! Die Permeabilität muß größer Null sein\n" + kPermNegativ},
                   true},
        // Without a logarithm a curve is left out of its pass; fewer than 3
        // remaining curves cannot give a function.
        Fehlerfall{"BetaNullBeiDreiKurven",
                   {kZeile1, kZeile2, kBetaNull},
                   "ABBRUCH! Erforderlich sind mindestens 3 Kapillardruckmessungen mit Beta größer Null",
                   {"ABBRUCH! Erforderlich sind mindestens 3 Kapillardruckmessungen mit Beta größer Null"},
                   true},
        Fehlerfall{"SperrdruckNegativBeiDreiKurven",
                   {kZeile1, kZeile2, kSperrNegativ},
                   "ABBRUCH! Erforderlich sind mindestens 3 Kapillardruckmessungen mit Sperrdruck größer Null",
                   {"ABBRUCH! Erforderlich sind mindestens 3 Kapillardruckmessungen mit Sperrdruck größer Null"},
                   true}),
    [](const auto& info) { return info.param.name; });

TEST(OnParameter, KurveOhneLogarithmusFehltNurInIhremDurchgang) {
  // Four curves, the fourth with Beta printed as 0.0000: the Beta line is
  // that of the other three, and the block names the row left out.
  auto kurven = DreiGenaueKurven();
  const Kurve vierte{100.0f, 6.0f, 0.00004f, 0.01f, 0.00001f, 90.0f, 0.01f, "K4"};
  kurven.push_back(vierte);
  Dokument d;
  ParameterlisteSetzen(d.doc, kurven);
  ASSERT_EQ(d.doc.OnParameter(), 0);
  EXPECT_NEAR(d.doc.C_[1][0], -1.0f, 1e-5);
  EXPECT_NEAR(d.doc.C_[1][1], -1.0f, 1e-5);
  // Sperrdruck and Min.Sw still take all four curves.
  EXPECT_NEAR(d.doc.C_[2][1], -1.0f, 1e-5);
  EXPECT_EQ(d.doc.kmax, 4);
  const auto& bericht = d.doc.Parameterfunktionen;
  const std::string hinweis = "     Nicht berücksichtigt (Beta <= 0):" + Summenzeile(vierte);
  EXPECT_EQ(std::count(bericht.begin(), bericht.end(), hinweis), 1);
  EXPECT_TRUE(d.plattform.protokoll.empty());
}

TEST(OnParameter, ZahlenAusserhalbDesFloatBereichsBrechenAb) {
  // Alfa alternating between +1e38 and -1e38 at close permeabilities: the
  // quadratic's coefficients exceed the float range.
  Dokument d;
  std::vector<Kurve> kurven;
  for (int i = 0; i < 4; ++i) {
    kurven.push_back({static_cast<float>(i + 1), i % 2 == 0 ? 1e38f : -1e38f, 0.1f, 1.0f, 0.1f, 100.0f, 0.01f, "X"});
  }
  ParameterlisteSetzen(d.doc, kurven);
  EXPECT_EQ(d.doc.OnParameter(), 1);
  const std::string text = "ABBRUCH! Die Parameterfunktion für Alfa ergibt Zahlen außerhalb des darstellbaren Bereichs";
  EXPECT_EQ(d.plattform.Texte(), std::vector<std::string>{text});
  EXPECT_EQ(d.doc.Detailergebnisse.back(), text);
  EXPECT_TRUE(d.doc.Parameterfunktionen.empty());
  EXPECT_TRUE(AlleKoeffizientenNull(d.doc));
}

}  // namespace
