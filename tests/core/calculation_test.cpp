#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DokumentFixture.h"
#include "Textdatei.h"
#include "Toleranz.h"

namespace {

using Liste = std::vector<std::string>;

class Rechnung : public DokumentFixture {
 protected:
  void Punkte(std::vector<std::pair<float, float>> punkte) {
    doc.Maxwerte = static_cast<int>(punkte.size());
    for (std::size_t i = 0; i < punkte.size(); ++i) {
      doc.Pc[i] = punkte[i].first;
      doc.Shg[i] = punkte[i].second;
    }
  }
};

TEST_F(Rechnung, NormiertSaettigungUndDruck) {
  Punkte({{0.2f, 0.0f}, {0.5f, 0.0f}, {1.0f, 0.3f}, {4.0f, 0.6f}});
  doc.PcSperrdruck = 0.5f;
  EXPECT_EQ(doc.Normieren(), 0);
  EXPECT_EQ(doc.ShgMax, 0.6f);
  EXPECT_EQ(doc.Ymax, 4.0f);
  EXPECT_EQ(doc.MaxPchg, 4.0f);
  const float x[] = {0.0f, 0.0f, 0.5f, 1.0f};
  const double y[] = {-0.3 / 3.5, 0.0, 0.5 / 3.5, 1.0};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(doc.X[i], x[i]) << i;
    EXPECT_EQ(doc.Y[i], static_cast<float>(y[i])) << i;
  }
  EXPECT_TRUE(doc.Detailergebnisse.empty());
}

TEST_F(Rechnung, MaxPchgWaechstNurMitGroesseremDruck) {
  Punkte({{0.2f, 0.0f}, {9.0f, 0.3f}, {12.0f, 0.6f}});
  doc.PcSperrdruck = 0.2f;
  doc.Normieren();
  Punkte({{0.2f, 0.0f}, {2.0f, 0.3f}, {3.0f, 0.6f}});
  doc.Normieren();
  EXPECT_EQ(doc.MaxPchg, 12.0f);
}

TEST_F(Rechnung, NormierungScheitertAnSaettigungNull) {
  doc.X[1] = 0.25f;  // left over from an earlier measurement
  Punkte({{0.2f, 0.0f}, {0.5f, 0.0f}, {1.0f, 0.0f}});
  doc.PcSperrdruck = 1.0f;
  EXPECT_EQ(doc.Normieren(), 1);
  EXPECT_EQ(doc.Detailergebnisse, (Liste{"", " FEHLER bei der Normierung!", " Der max.Hg-Sättigung=0!"}));
  EXPECT_EQ(doc.X[1], 0.25f);
}

TEST_F(Rechnung, NormierungScheitertWennKeinDruckDenSperrdruckUebersteigt) {
  doc.Y[2] = 0.75f;
  Punkte({{0.2f, 0.0f}, {0.5f, 0.0f}, {0.5f, 0.3f}});
  doc.PcSperrdruck = 0.5f;
  EXPECT_EQ(doc.Normieren(), 1);
  EXPECT_EQ(doc.Detailergebnisse,
            (Liste{"", " FEHLER bei der Normierung!", " Der max.Kapillardruck=kapillarer Sperrdruck!"}));
  EXPECT_EQ(doc.Y[2], 0.75f);
  EXPECT_EQ(doc.MaxPchg, 0.5f);
}

TEST_F(Rechnung, FitMitNurEinemPunktBeiXGleichEins) {
  doc.Maxwerte = 4;
  const float y[] = {0.0f, 0.0f, 0.0f, 1.0f};
  for (int i = 0; i < 4; ++i) {
    doc.X[i] = i == 3 ? 1.0f : 0.0f;
    doc.Y[i] = y[i];
  }
  doc.AlfaBeta();
  EXPECT_EQ(doc.Alfa, 3.0);
  EXPECT_EQ(doc.Beta, 9.999999747378752e-05);
  EXPECT_EQ(doc.Error, 0.0);
  doc.Y[3] = 0.8f;
  doc.AlfaBeta();
  EXPECT_EQ(doc.Alfa, 3.0);
  EXPECT_TRUE(Nahe(doc.Error, 0.1));
  EXPECT_EQ(doc.AlfaAbleitung(3.0, 0.5), 0.0);
  EXPECT_EQ(doc.BetaAbleitung(2.0, 0.5), 0.0);
}

TEST_F(Rechnung, FitTrifftDenInnerenPunktExakt) {
  Punkte({{0.2f, 0.0f}, {0.5f, 0.0f}, {1.0f, 0.3f}, {4.0f, 0.6f}});
  doc.PcSperrdruck = 0.5f;
  ASSERT_EQ(doc.Normieren(), 0);
  doc.AlfaBeta();
  EXPECT_TRUE(Nahe(doc.Beta, 9.999999747378752e-05, 0.0, 1e-15));
  EXPECT_TRUE(Nahe(doc.Alfa, 2.80772, 1e-5));
  EXPECT_LT(doc.Error, 1e-15);
  // The solution satisfies 0.5^Alfa + 0.5 Beta = (1 + Beta) y.
  const double y = doc.Y[2];
  EXPECT_TRUE(Nahe(std::pow(0.5, doc.Alfa) + 0.5 * doc.Beta, (1 + doc.Beta) * y, 1e-9));
}

TEST_F(Rechnung, AbleitungenUndFehlerZaehlenNurPunkteMitPositivemX) {
  doc.Maxwerte = 3;
  doc.X[0] = 0.0f;
  doc.X[1] = 0.5f;
  doc.X[2] = 1.0f;
  doc.Y[0] = -0.5f;
  doc.Y[1] = 0.25f;
  doc.Y[2] = 1.0f;
  const double a = 2.0, b = 0.5, x = 0.5, y = 0.25;
  const double r = std::pow(x, a) + b * x - (1 + b) * y;
  EXPECT_TRUE(Nahe(doc.AlfaAbleitung(a, b), std::log(x) * std::pow(x, a) * r, 1e-12));
  EXPECT_TRUE(Nahe(doc.BetaAbleitung(a, b), (x - std::pow(x, a)) * r, 1e-12));
  const double d = (std::pow(x, a) + b * x) / (1 + b) - y;
  EXPECT_TRUE(Nahe(doc.Fehlerberechnung(a, b), std::sqrt(d * d / 3), 1e-12));
  doc.Maxwerte = 0;
  EXPECT_EQ(doc.Fehlerberechnung(a, b), 0.0);
}

TEST_F(Rechnung, TestdatenLiefernIhreErzeugendenParameter) {
  // The built-in test curve was made with Alfa 8.4 and Beta 0.14.
  Auswerten({"PERMEABILITAET: 1 TEST", "   3.1900         0.00000", "   3.3764         0.00790",
             "  14.3217         0.43450", "  29.0551         0.59250", "  74.9272         0.71100",
             " 155.0000         0.79000", "ENDE"});
  EXPECT_TRUE(Nahe(doc.Alfa, 8.4, 1e-3));
  EXPECT_TRUE(Nahe(doc.Beta, 0.14, 1e-2));
}

TEST_F(Rechnung, SummenzeileWieImBerichtsformat) {
  doc.Perm = 125.3f;
  doc.Alfa = 2.1234;
  doc.Beta = 0.0456;
  doc.PcSperrdruck = 0.3f;
  doc.ShgMax = 0.84f;
  doc.Ymax = 20.0f;
  doc.Error = 0.0123;
  doc.Kern = "K17";
  doc.Maxwerte = 0;
  doc.Parameterliste.clear();
  doc.Nachrechnung(0);
  ASSERT_EQ(doc.Parameterliste.size(), 1u);
  EXPECT_EQ(doc.Parameterliste[0], " 125.300       2.1234  0.0456    0.300    0.16000    20.000   0.0123  K17");
  EXPECT_EQ(doc.Parameterliste[0].size(), 73u);
  doc.Nachrechnung(1);
  EXPECT_EQ(doc.Parameterliste.size(), 1u);  // no row after a failed normalisation
}

TEST_F(Rechnung, DetailblockKopfUndPunktzeilen) {
  doc.Alfa = 2.0;
  doc.Beta = 0.5;
  doc.Error = 1.5e-5;
  doc.Kern = "K17";
  doc.Perm = 125.3f;
  doc.Ymax = 20.0f;
  doc.PcSperrdruck = 0.3f;
  doc.ShgMax = 0.84f;
  doc.Maxwerte = 2;
  doc.Shg[0] = 0.0f;
  doc.Pc[0] = 0.3f;
  doc.X[0] = 0.0f;
  doc.Y[0] = 0.0f;
  doc.Shg[1] = 0.21f;
  doc.Pc[1] = 0.8f;
  doc.X[1] = 0.25f;
  doc.Y[1] = 0.2f;
  doc.Nachrechnung(0);
  const Liste soll = {"",
                      "   NACHRECHNUNG DER KAPILLARDRUCKKURVE",
                      "",
                      "   Snorm  = 1  -  S(Hg)/S(Hg)max",
                      "   Pcber. =([1-Snorm]**alfa +[1-Snorm]*beta)/(1+beta)",
                      "",
                      "   mit Alfa: 2 Beta: 0.5 Fehler:1.5e-005",
                      "",
                      "   Kern:K17",
                      "   Permeabilität          (mD): 125.3",
                      "   Max. Kapillardruck Hg (bar): 20.000000",
                      "   Kapillarer Sperrdruck (bar): 0.3",
                      "   Max. Hg- Sättigung      (-): 0.840000",
                      "",
                      "  S(Hg)       Pc(Hg)      Snorm      Kadrel      Pcber.",
                      "   (-)        (bar)        (-)         (-)         (-)",
                      "",
                      " 0.000000     0.3000     1.000000   0.000000     0.000000",
                      " 0.210000     0.8000     0.750000   0.200000     0.125000"};
  EXPECT_EQ(doc.Detailergebnisse, soll);
  EXPECT_EQ(doc.Detailergebnisse.size(), 17u + 2u);
  EXPECT_EQ(doc.Y1[1], 0.125f);
  EXPECT_EQ(doc.Y1[0], 0.0f);
  EXPECT_EQ(doc.X[0], 1.0f);
  EXPECT_EQ(doc.X[1], 0.75f);
}

}  // namespace

namespace {

// The fit written out step by step with a fresh evaluation of every sum, as
// a reference for the fast version that evaluates each power once.
void ReferenzFit(CKadrelDoc& d, double& alfa, double& beta, double& fehler) {
  const double h = 0.01f;
  double deltbeta = 0.0;
  beta = 0.0001f;
  for (int ib = 0; ib < 70;) {
    alfa = 3.0;
    for (int ia = 0; ia < 70;) {
      if (alfa <= 1.0) alfa = 1.01;
      const double f0 = d.AlfaAbleitung(alfa, beta);
      const double f1 = d.AlfaAbleitung(alfa + h, beta);
      double deltaalfa = 0.0;
      if (f0 - f1 != 0.0)
        deltaalfa = f0 * h / (f0 - f1);
      else
        ia = 70;
      if (deltaalfa * deltaalfa < 1e-24 * alfa) ia = 70;
      ++ia;
      alfa = alfa + deltaalfa;
    }
    const double g0 = d.BetaAbleitung(alfa, beta);
    const double g1 = d.BetaAbleitung(alfa, beta + h);
    if (g0 - g1 != 0.0)
      deltbeta = g0 * h / (g0 - g1);
    else {
      deltbeta = 0.0;
      ib = 70;
    }
    if (deltbeta * deltbeta < 1e-24 * beta) ib = 70;
    fehler = d.Fehlerberechnung(alfa, beta);
    ++ib;
    beta = beta + deltbeta;
  }
  if (deltbeta + beta <= 0.0) beta = 0.001f;
}

TEST_F(Rechnung, SchnellerFitGleichtDerReferenzBitFuerBit) {
  std::string bytes, fehler;
  ASSERT_TRUE(text::DateiLesen(KADREL_ARAB_D, bytes, fehler));
  const Textliste alle = text::ZeilenAusBytes(bytes);
  doc.Eingabezeilen = alle;
  doc.iMaxZeilen = static_cast<int>(alle.size());
  doc.iStart = 0;
  int geprueft = 0;
  for (int m = 0; m < 60 && doc.MessungLesen() == 2; ++m) {
    if (m % 6 != 0) continue;  // every sixth curve, across the permeability range
    ASSERT_EQ(doc.Normieren(), 0);
    double alfa = 0, beta = 0, err = 0;
    ReferenzFit(doc, alfa, beta, err);
    doc.AlfaBeta();
    EXPECT_EQ(doc.Alfa, alfa) << doc.Kern;
    EXPECT_EQ(doc.Beta, beta) << doc.Kern;
    EXPECT_EQ(doc.Error, err) << doc.Kern;
    ++geprueft;
  }
  EXPECT_EQ(geprueft, 10);
}

}  // namespace
