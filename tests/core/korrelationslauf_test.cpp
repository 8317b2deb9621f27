#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Kurvenzeilen.h"
#include "Testdaten.h"
#include "TextFormat.h"
#include "TextScan.h"
#include "Textdatei.h"
#include "Toleranz.h"

namespace {

const std::string kWarnung100 = "Es werden maximal 100 Kapillardruckkurven verarbeitet!";

Textliste Rosetta() {
  std::string bytes, fehler;
  EXPECT_TRUE(text::DateiLesen(KADREL_ARAB_D, bytes, fehler)) << fehler;
  return text::ZeilenAusBytes(bytes);
}

// The input lines of `anzahl` measurements from the n-th (counted from 1) on.
Textliste Messungen(const Textliste& zeilen, int n, int anzahl = 1000) {
  Textliste auswahl;
  int gefunden = 0;
  for (const auto& zeile : zeilen) {
    if (zeile.rfind("PERMEABILITAET:", 0) == 0) ++gefunden;
    if (gefunden >= n && gefunden < n + anzahl) auswahl.push_back(zeile);
  }
  return auswahl;
}

// Least squares through Householder reflections in long double: a solver
// independent of the normal equations.
std::vector<long double> KleinsteQuadrate(const std::vector<double>& x, const std::vector<double>& y, int m) {
  const std::size_t n = x.size();
  std::vector<std::vector<long double>> a(n, std::vector<long double>(m + 1));
  for (std::size_t i = 0; i < n; ++i) {
    for (int j = 0; j < m; ++j) a[i][j] = std::pow(static_cast<long double>(x[i]), j);
    a[i][m] = y[i];
  }
  for (int k = 0; k < m; ++k) {
    long double norm = 0;
    for (std::size_t i = k; i < n; ++i) norm += a[i][k] * a[i][k];
    norm = std::sqrt(norm);
    const long double alpha = a[k][k] > 0 ? -norm : norm;
    std::vector<long double> v(n, 0);
    for (std::size_t i = k; i < n; ++i) v[i] = a[i][k];
    v[k] -= alpha;
    long double vv = 0;
    for (std::size_t i = k; i < n; ++i) vv += v[i] * v[i];
    for (int c = k; c <= m; ++c) {
      long double s = 0;
      for (std::size_t i = k; i < n; ++i) s += v[i] * a[i][c];
      for (std::size_t i = k; i < n; ++i) a[i][c] -= 2 * s / vv * v[i];
    }
  }
  std::vector<long double> c(m);
  for (int r = m - 1; r >= 0; --r) {
    long double s = a[r][m];
    for (int j = r + 1; j < m; ++j) s -= a[r][j] * c[j];
    c[r] = s / a[r][r];
  }
  return c;
}

TEST(Korrelationslauf, TestdatenAllein) {
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Eingabezeilen = TestdatenZeilen();
  ASSERT_EQ(doc.Eingabezeilen.size(), 22u);
  doc.Berechnung();
  // One curve is too few; the chart still shows that curve's fit.
  EXPECT_EQ(plattform.Texte(), std::vector<std::string>{"Erforderlich sind mindestens 3 Kapillardruckmessungen"});
  EXPECT_EQ(doc.Detailergebnisse.back(),
            "Zur Berechnung der Parameterfunktion sind mindestens 3 Kapillardruckmessungen erforderlich!");
  EXPECT_TRUE(Nahe(doc.Alfa, 8.4, 0.01));
  EXPECT_EQ(doc.Info, text::Format("Alfa: %g Beta:%g", doc.Alfa, doc.Beta));
  EXPECT_EQ(doc.Titel, "Kapillardruckkurve");
  EXPECT_EQ(doc.Untertitel, "TEST");
}

TEST(Korrelationslauf, TestdatenMitTestwerten) {
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Eingabezeilen = TestdatenZeilen();
  doc.bTestwerte = 1;
  doc.iTabelle = 2;
  doc.iGrafik = 4;
  doc.Berechnung();
  EXPECT_TRUE(plattform.protokoll.empty());
  ASSERT_EQ(doc.Parameterliste.size(), 16u);
  EXPECT_EQ(doc.Parameterliste[9].substr(doc.Parameterliste[9].size() - 9), "TESTWERTE");
  const auto fehler = MittlereFehler(doc.Parameterfunktionen);
  ASSERT_EQ(fehler.size(), 4u);
  EXPECT_TRUE(Nahe(fehler[0], 0.084, 0.01));
  EXPECT_EQ(doc.Parameterfunktionen.back(), "    Max.Kapillardruck(Hg):   158.000 bar");
  EXPECT_EQ(doc.Titel, "Kapillardruckkurven");
  EXPECT_EQ(doc.Info.rfind("Alfa =8.29", 0), 0u) << doc.Info;
  // Five curves from (Swmin, largest measured pressure) to (1, Sperrdruck).
  EXPECT_TRUE(Nahe(doc.MaxPchg, 155.0, 1e-4));
  for (int j = 0; j < 5; ++j) {
    const double l = j - 2;
    EXPECT_EQ(doc.YK[j][0], doc.MaxPchg);
    EXPECT_TRUE(Nahe(doc.XK[j][0], std::pow(10.0, doc.C_[3][0] + doc.C_[3][1] * l), 1e-5));
    EXPECT_EQ(doc.XK[j][30], 1.0f);
    EXPECT_TRUE(Nahe(doc.YK[j][30], std::pow(10.0, doc.C_[2][0] + doc.C_[2][1] * l), 1e-5));
    for (int q = 1; q < 31; ++q) EXPECT_LT(doc.YK[j][q], doc.YK[j][q - 1]);
  }
  // Family ordered by permeability: the 100 mD curve lies below the 0.01 mD one.
  EXPECT_LT(doc.YK[4][15], doc.YK[0][15]);
}

TEST(Korrelationslauf, RosettaErste100Kurven) {
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Eingabezeilen = Rosetta();
  doc.iGrafik = 1;
  doc.iTabelle = 1;
  doc.Berechnung();
  ASSERT_EQ(doc.Parameterliste.size(), 3u + 333u);
  EXPECT_EQ(plattform.Texte(), (std::vector<std::string>{kWarnung100, kWarnung100}));
  EXPECT_EQ(doc.kmax, 100);
  EXPECT_EQ(doc.iMax2Werte, 100);

  // The coefficients are the least-squares polynomials of the first 100
  // rows, read back from their text.
  std::vector<double> x;
  std::vector<double> werte[4];
  float maxDruck = 0;
  for (int i = 3; i < 103; ++i) {
    float w[7];
    ASSERT_EQ(
        text::Scan(doc.Parameterliste[i], "%f %f %f %f %f %f %f", &w[0], &w[1], &w[2], &w[3], &w[4], &w[5], &w[6]), 7);
    x.push_back(std::log10(static_cast<float>(w[0])));
    werte[0].push_back(w[1]);
    for (int p = 1; p < 4; ++p) werte[p].push_back(std::log10(w[p + 1]));
    maxDruck = std::max(maxDruck, w[5]);
  }
  for (int p = 0; p < 4; ++p) {
    const auto c = KleinsteQuadrate(x, werte[p], p == 0 ? 3 : 2);
    for (std::size_t j = 0; j < c.size(); ++j) {
      EXPECT_TRUE(Nahe(doc.C_[p][j], static_cast<double>(c[j]), 1e-4, 1e-5)) << "C_[" << p << "][" << j << "]";
    }
  }
  EXPECT_EQ(doc.Parameterfunktionen.back(), text::Format("    Max.Kapillardruck(Hg): %9.3f bar", maxDruck));
  // Chart of log10(Beta): the given values and the line at the same abscissae.
  for (int k = 0; k < 100; ++k) {
    EXPECT_TRUE(Nahe(doc.X2[k], x[k], 1e-6, 1e-6));
    EXPECT_TRUE(Nahe(doc.Y2[k], werte[1][k], 1e-6, 1e-6));
    EXPECT_TRUE(Nahe(doc.Y3[k], doc.C_[1][0] + doc.C_[1][1] * x[k], 1e-5, 1e-6));
  }
  EXPECT_EQ(doc.Info, text::Format("log10(Beta) =%g %+g*log10(K)", doc.C_[1][0], doc.C_[1][1]));
  // The family spans up to the largest pressure of all 333 curves.
  for (int j = 0; j < 5; ++j) EXPECT_EQ(doc.YK[j][0], doc.MaxPchg);
}

TEST(Korrelationslauf, RosettaPermeabilitaetAlsNullGedruckt) {
  // From curve 301 on: AD-338 with 0.00015 mD has 0.000 in its row.
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Eingabezeilen = Messungen(Rosetta(), 301);
  doc.Berechnung();
  const auto zeile = std::find_if(doc.Parameterliste.begin(), doc.Parameterliste.end(),
                                  [](const std::string& z) { return z.find("AD-338") != std::string::npos; });
  ASSERT_NE(zeile, doc.Parameterliste.end());
  EXPECT_EQ(zeile->substr(0, 8), "   0.000");
  const std::string meldung = "ABBRUCH! Die Permeabilität muß größer Null sein\n" + *zeile;
  EXPECT_EQ(plattform.Texte(), std::vector<std::string>{meldung});
  EXPECT_EQ(doc.Detailergebnisse.back(), meldung);
  EXPECT_TRUE(doc.Parameterfunktionen.empty());
  EXPECT_EQ(doc.iMax2Werte, 0);
  EXPECT_EQ(doc.XK[0][0], 0.0f);
}

TEST(Korrelationslauf, ZweiterLaufNurMitNeuenAnzeigeoptionen) {
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Eingabezeilen = Messungen(Rosetta(), 200, 5);
  doc.Berechnung();
  const Textliste detail = doc.Detailergebnisse;
  const float alfaSteigung = doc.C_[0][1];
  // Only the chart choice changes: the measurements are not read again.
  doc.iTabelle = 1;
  doc.iGrafik = 2;
  doc.Berechnung();
  EXPECT_EQ(doc.Detailergebnisse, detail);
  EXPECT_EQ(doc.C_[0][1], alfaSteigung);
  EXPECT_EQ(doc.Info.rfind("log10(Sperrdruck) =", 0), 0u) << doc.Info;
  EXPECT_EQ(doc.Untertitel, "Kapillarer Sperrdruck");
}

}  // namespace
