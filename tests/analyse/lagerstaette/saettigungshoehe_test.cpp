#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DokumentFixture.h"
#include "Saettigungshoehe.h"
#include "Scharstifte.h"
#include "TextFormat.h"
#include "Textdatei.h"
#include "Toleranz.h"

namespace {

using namespace lagerstaette;

TEST(Inversion, RundreiseDurchDasModell) {
  std::mt19937 zufall(12);
  std::uniform_real_distribution<double> alfa(0.2, 50.0);
  std::uniform_real_distribution<double> logBeta(-2.3, 0.7);
  std::uniform_real_distribution<double> snorm(0.0, 1.0);
  for (int i = 0; i < 1000; ++i) {
    const double a = alfa(zufall);
    const double b = std::pow(10.0, logBeta(zufall));
    const double s = snorm(zufall);
    const double p = PnormAusSnorm(a, b, s);
    ASSERT_NEAR(SnormAusPnorm(a, b, p), s, 1e-9) << "alfa " << a << " beta " << b << " Snorm " << s;
  }
  // The ends of the model: Pnorm 1 at Snorm 0, Pnorm 0 at Snorm 1.
  EXPECT_EQ(SnormAusPnorm(3.0, 0.1, 1.0), 0.0);
  EXPECT_EQ(SnormAusPnorm(3.0, 0.1, 0.0), 1.0);
}

// A curve worked by hand: Alfa 2, Beta 1 gives Pnorm = ((1-S)² + (1-S)) / 2;
// Alfa 1 makes Pnorm = 1 - S for any Beta. PcSperr 1 bar, Pcmax 101 bar, Swmin 0.25.
struct Druckfall {
  const char* name;
  Scharparameter p;
  double pc;
  double sw;
};

class SwAusDruckFaelle : public ::testing::TestWithParam<Druckfall> {};

TEST_P(SwAusDruckFaelle, Wert) {
  const auto& f = GetParam();
  EXPECT_TRUE(Nahe(SwAusDruck(f.p, f.pc), f.sw, 1e-10));
}

constexpr Scharparameter kHand{2.0f, 1.0f, 1.0f, 0.25f, 101.0f};
constexpr Scharparameter kLinear{1.0f, 0.3f, 1.0f, 0.25f, 101.0f};

INSTANTIATE_TEST_SUITE_P(
    HandGerechnet, SwAusDruckFaelle,
    ::testing::Values(Druckfall{"DruckNull", kHand, 0.0, 1.0}, Druckfall{"AmSperrdruck", kHand, 1.0, 1.0},
                      // Snorm 0.5: Pnorm = (0.25 + 0.5) / 2 = 0.375, Pc = 1 + 100·0.375; Sw = 0.25 + 0.5·0.75.
                      Druckfall{"MitteHand", kHand, 38.5, 0.625},
                      // Snorm 0.75: Pnorm = (0.0625 + 0.25) / 2 = 0.15625; Sw = 0.25 + 0.75·0.75.
                      Druckfall{"ViertelHand", kHand, 16.625, 0.8125}, Druckfall{"MitteLinear", kLinear, 51.0, 0.625},
                      Druckfall{"AmPcmax", kHand, 101.0, 0.25}, Druckfall{"UeberPcmax", kHand, 5000.0, 0.25}),
    [](const auto& info) { return std::string(info.param.name); });

class AusDemLauf : public DokumentFixture {
 protected:
  void SetUp() override {
    std::string bytes;
    std::string fehler;
    ASSERT_TRUE(text::DateiLesen(KADREL_SOURCE_DIR "/examples/beispiel.txt", bytes, fehler)) << fehler;
    Auswerten(text::ZeilenAusBytes(bytes));
    ASSERT_EQ(doc.iScharKurven, 5);
  }
};

TEST_F(AusDemLauf, KurvenSindDieDerSchar) {
  const Lagerstaettenbedingungen b;
  const Saettigungshoehe s = SaettigungshoeheBerechnen(doc, b);
  ASSERT_EQ(s.kurven.size(), 5u);
  EXPECT_TRUE(s.fehlend.empty());
  for (int j = 0; j < 5; ++j) {
    const auto& k = s.kurven[j];
    EXPECT_EQ(k.iSchar, j);
    EXPECT_TRUE(Nahe(k.K, std::pow(10.0, j - 2), 1e-15));
    ASSERT_EQ(k.Sw.size(), 31u);
    ASSERT_EQ(k.Hoehe.size(), 31u);
    EXPECT_TRUE(Nahe(k.Eintrittshoehe, HoeheAusDruck(b, doc.Schar[j].PcSperr), 1e-15));
    for (int q = 0; q < 31; ++q) {
      EXPECT_EQ(k.Sw[q], doc.XK[j][q]);
      EXPECT_TRUE(Nahe(k.Hoehe[q], HoeheAusDruck(b, doc.YK[j][q]), 1e-15));
      // The model, inverted at the family's own pressures, gives back the
      // family's saturations (YK is rounded to float).
      EXPECT_TRUE(Nahe(SwAusDruck(k.parameter, doc.YK[j][q]), doc.XK[j][q], 2e-5)) << j << "," << q;
    }
  }
}

TEST_F(AusDemLauf, TabelleVonEinsBisSwmin) {
  // σ_R 1 at 0° and ρ_KW 0: h(Pcmax) = 1818.7·10^5 / (367.7·1050·9.80665) ≈ 48 m, so
  // from 50 m on every curve stands at its Swmin.
  const Lagerstaettenbedingungen b{480, 140, 1, 0, 1.05, 0.0};
  const Saettigungshoehe s = SaettigungshoeheBerechnen(doc, b);
  ASSERT_EQ(s.Hoehen, std::vector<double>(std::begin(kTabellenhoehe), std::end(kTabellenhoehe)));
  for (const auto& k : s.kurven) {
    ASSERT_EQ(k.SwTabelle.size(), 16u);
    EXPECT_EQ(k.SwTabelle[0], 1.0);
    for (std::size_t i = 0; i < s.Hoehen.size(); ++i) {
      const double h = s.Hoehen[i];
      SCOPED_TRACE(text::Format("K %g mD, h %g m", k.K, h));
      if (h <= k.Eintrittshoehe) {
        EXPECT_EQ(k.SwTabelle[i], 1.0);
      } else {
        EXPECT_LT(k.SwTabelle[i], 1.0);
      }
      if (h >= 50.0) {
        EXPECT_EQ(k.SwTabelle[i], static_cast<double>(k.parameter.Swmin));
      }
      if (i > 0) {
        EXPECT_LE(k.SwTabelle[i], k.SwTabelle[i - 1]);
      }
    }
  }
}

TEST_F(AusDemLauf, DiagrammInDenFarbenDerSchar) {
  const Saettigungshoehe s = SaettigungshoeheBerechnen(doc, {});
  const Datendiagramm d = SaettigungshoeheDiagramm(s);
  EXPECT_EQ(d.titel, "Sättigungshöhe");
  EXPECT_EQ(d.untertitel, "F = 0.0706572   ρW - ρKW = 0.25 g/cm³");
  EXPECT_EQ(d.x.text, "Wassersättigung");
  EXPECT_EQ(d.y.text, "Höhe über freiem Wasserspiegel [m]");
  EXPECT_EQ(d.x.art, Achsenart::Linear);
  EXPECT_EQ(d.y.art, Achsenart::Linear);
  EXPECT_TRUE(d.x.festerBereich && d.y.festerBereich);
  EXPECT_EQ(d.x.min, 0.0);
  EXPECT_EQ(d.x.max, 1.0);
  EXPECT_EQ(d.y.min, 0.0);
  // The top is the height of Pcmax, reached by every curve at Swmin.
  EXPECT_TRUE(Nahe(d.y.max, HoeheAusDruck({}, doc.MaxPchg), 1e-7));
  ASSERT_EQ(d.reihen.size(), 5u);
  ASSERT_EQ(d.legende.size(), 5u);
  const char* const texte[5] = {"0.01 mD", "0.1 mD", "1 mD", "10 mD", "100 mD"};
  for (int j = 0; j < 5; ++j) {
    EXPECT_EQ(d.reihen[j].art, Reihenart::Linie);
    EXPECT_EQ(d.reihen[j].stift, schar::kStifte[j]);
    EXPECT_EQ(d.reihen[j].x, s.kurven[j].Sw);
    EXPECT_EQ(d.reihen[j].y, s.kurven[j].Hoehe);
    EXPECT_EQ(d.legende[j].text, texte[j]);
    EXPECT_EQ(d.legende[j].stift, schar::kStifte[j]);
    EXPECT_EQ(d.ymarken[j].y, s.kurven[j].Eintrittshoehe);
  }
  EXPECT_EQ(schar::kStifte[0].farbe, (Farbe{255, 0, 0}));
}

TEST_F(AusDemLauf, ListeMitBedingungenEintrittshoehenUndTabelle) {
  const Textliste l = SaettigungshoeheListe(SaettigungshoeheBerechnen(doc, {480, 140, 72, 0, 1.05, 0.2}));
  auto zeile = [&](const std::string& text) { return std::find(l.begin(), l.end(), text) != l.end(); };
  EXPECT_TRUE(zeile("   Grenzflächenspannung Lagerstätte   (mN/m):         72"));
  EXPECT_TRUE(zeile("   Randwinkel Lagerstätte             (Grad):          0"));
  EXPECT_TRUE(zeile("   Dichte Kohlenwasserstoff          (g/cm³):        0.2"));
  EXPECT_TRUE(zeile("   Umrechnungsfaktor F                   (-):   0.195811"));
  EXPECT_TRUE(zeile("   Dichtedifferenz                   (g/cm³):       0.85"));
  EXPECT_TRUE(zeile("     (m)    0.01 mD     0.1 mD       1 mD      10 mD     100 mD"));
  EXPECT_TRUE(zeile("     0.0    1.00000    1.00000    1.00000    1.00000    1.00000"));
  // The last 16 lines are the table, one per height, each with five values.
  ASSERT_GT(l.size(), 16u);
  for (std::size_t i = 0; i < 16; ++i) {
    const std::string& z = l[l.size() - 16 + i];
    EXPECT_EQ(z.size(), 8u + 5 * 11) << z;
    EXPECT_EQ(z.substr(0, 8), text::Format(" %7.1f", kTabellenhoehe[i]));
  }
}

// Alfa = 1 - 1.5·log10(K) is 4, 2.5, 1 for 0.01 ... 1 mD and negative from
// 10 mD on: the family stops there with its message.
class ScharBrichtAb : public DokumentFixture {
 protected:
  void SetUp() override {
    const float c[4][2] = {{1, -1.5f}, {-1, 0}, {0, -0.5f}, {-1, -0.25f}};
    for (int p = 0; p < 4; ++p) {
      doc.C_[p][0] = c[p][0];
      doc.C_[p][1] = c[p][1];
    }
    doc.MaxPchg = 100.0f;
    doc.Gesamtgrafik();
    ASSERT_EQ(doc.iScharKurven, 3);
  }
};

TEST_F(ScharBrichtAb, NurDieBerechnetenKurvenUndDerGrund) {
  const Saettigungshoehe s = SaettigungshoeheBerechnen(doc, {});
  ASSERT_EQ(s.kurven.size(), 3u);
  EXPECT_EQ(s.kurven[2].K, 1.0);
  EXPECT_EQ(s.fehlend, (Textliste{"Keine Geamtgrafik,da Alfa <=0!", "Polynomgrad für Alfa-werte zu hoch?"}));
  EXPECT_EQ(SaettigungshoeheDiagramm(s).reihen.size(), 3u);
  EXPECT_EQ(SaettigungshoeheDiagramm(s).legende.back().text, "1 mD");

  const Textliste l = SaettigungshoeheListe(s);
  const auto grund =
      std::find(l.begin(), l.end(), "   Es fehlen die Kurven für 10 mD, 100 mD, denn die Kurvenschar brach ab:");
  ASSERT_NE(grund, l.end());
  EXPECT_EQ(*(grund + 1), "   Keine Geamtgrafik,da Alfa <=0!");
  // The table keeps five columns; the missing curves show a dash.
  EXPECT_EQ(l.back().size(), 8u + 5 * 11);
  EXPECT_EQ(l.back().substr(8 + 3 * 11), "          -          -") << l.back();
}

TEST_F(DokumentFixture, OhneRegressionKeineKurven) {
  Auswerten({"PERMEABILITAET: 10 A", "0.1 0", "1.0 0.3", "4.0 0.6", "ENDE"});
  const Saettigungshoehe s = SaettigungshoeheBerechnen(doc, {});
  EXPECT_TRUE(s.kurven.empty());
  EXPECT_EQ(s.fehlend, Textliste{"Ohne Parameterregression gibt es keine Kurvenschar."});
  const Datendiagramm d = SaettigungshoeheDiagramm(s);
  EXPECT_TRUE(d.reihen.empty());
  EXPECT_EQ(d.y.max, 1.0);
}

}  // namespace
