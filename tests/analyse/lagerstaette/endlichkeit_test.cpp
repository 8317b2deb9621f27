// The conditions' ranges against values that never come from typed text
// (NaN, infinities, the extremes of a double), and every result finite at
// the extreme accepted conditions and measured pressures.
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DokumentFixture.h"
#include "Lagerstaettenbedingungen.h"
#include "Lagerstaettenpruefung.h"
#include "TextFormat.h"
#include "Textdatei.h"
#include "Toleranz.h"

namespace {

using namespace lagerstaette;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUnendlich = std::numeric_limits<double>::infinity();
const double kUnter90 = std::nextafter(90.0, 0.0);
const double kUeber90 = std::nextafter(90.0, 180.0);

struct Zahlfall {
  const char* name;
  int feld;
  double wert;
  std::string erlaubt;  // the second line of the message; empty: accepted
};

class Zahlen : public ::testing::TestWithParam<Zahlfall> {};

TEST_P(Zahlen, PruefenNenntFeldUndBereich) {
  const auto& f = GetParam();
  Lagerstaettenbedingungen b;
  Wert(b, f.feld) = f.wert;
  std::string fehler;
  if (f.erlaubt.empty()) {
    EXPECT_TRUE(Pruefen(b, fehler)) << fehler;
    EXPECT_EQ(UngueltigesFeld(b), -1);
    return;
  }
  EXPECT_FALSE(Pruefen(b, fehler));
  EXPECT_EQ(fehler, "Der Wert im Feld \"" + std::string(Feldname(f.feld)) + "\" ist nicht erlaubt!\n" + f.erlaubt);
  EXPECT_EQ(UngueltigesFeld(b), f.feld);
}

const std::string kSpannung = "Erlaubt: 0.01 bis 1000 mN/m.";
const std::string kSpannungMikro = "Erlaubt: 0.01 bis 1000 mN/m (µN/m eingegeben?).";
const std::string kWinkel = "Erlaubt: 0 bis 180 Grad, außer 90 Grad.";
const std::string kWasser =
    "Erlaubt: mindestens 0.01 g/cm³ über der Dichte Kohlenwasserstoff (0.8 g/cm³), höchstens 3 g/cm³.";
const std::string kWasserKilo =
    "Erlaubt: mindestens 0.01 g/cm³ über der Dichte Kohlenwasserstoff (0.8 g/cm³), höchstens 3 g/cm³ (kg/m³ "
    "eingegeben?).";
const std::string kKw = "Erlaubt: 0 bis 3 g/cm³.";
const std::string kKwKilo = "Erlaubt: 0 bis 3 g/cm³ (kg/m³ eingegeben?).";

INSTANTIATE_TEST_SUITE_P(
    Doubles, Zahlen,
    ::testing::Values(
        Zahlfall{"SpannungGrenzeUnten", 0, 0.01, ""},
        Zahlfall{"SpannungEinUlpUnterDerGrenze", 0, std::nextafter(0.01, 0.0), kSpannung},
        Zahlfall{"SpannungGrenzeOben", 2, 1000.0, ""},
        Zahlfall{"SpannungEinUlpUeberDerGrenze", 2, std::nextafter(1000.0, 2000.0), kSpannungMikro},
        Zahlfall{"SpannungWinzig", 0, 1e-293, kSpannung}, Zahlfall{"SpannungSubnormal", 2, 5e-324, kSpannung},
        Zahlfall{"SpannungRiesig", 2, 1e300, kSpannungMikro}, Zahlfall{"SpannungNaN", 0, kNaN, kSpannung},
        Zahlfall{"SpannungUnendlich", 0, kUnendlich, kSpannungMikro}, Zahlfall{"WinkelEinUlpUnter90", 1, kUnter90, ""},
        Zahlfall{"WinkelEinUlpUeber90", 3, kUeber90, ""}, Zahlfall{"WinkelEinUlpUnterNull", 1, -5e-324, kWinkel},
        Zahlfall{"WinkelEinUlpUeber180", 3, std::nextafter(180.0, 200.0), kWinkel},
        Zahlfall{"WinkelNaN", 3, kNaN, kWinkel}, Zahlfall{"WinkelMinusUnendlich", 1, -kUnendlich, kWinkel},
        Zahlfall{"WasserGrenzeOben", 4, 3.0, ""},
        Zahlfall{"WasserEinUlpUeberDerGrenze", 4, std::nextafter(3.0, 4.0), kWasserKilo},
        Zahlfall{"WasserRiesig", 4, 1e300, kWasserKilo}, Zahlfall{"WasserNaN", 4, kNaN, kWasser},
        Zahlfall{"WasserUnendlich", 4, kUnendlich, kWasserKilo}, Zahlfall{"WasserGleichKw", 4, 0.8, kWasser},
        Zahlfall{"KwGrenzeUnten", 5, 0.0, ""}, Zahlfall{"KwMinusNull", 5, -0.0, ""},
        Zahlfall{"KwEinUlpUnterNull", 5, -5e-324, kKw}, Zahlfall{"KwRiesig", 5, 1e300, kKwKilo},
        Zahlfall{"KwNaN", 5, kNaN, kKw}, Zahlfall{"KwMinusUnendlich", 5, -kUnendlich, kKw}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Zahlen, WasserSubnormalUeberKwNull) {
  // Water a subnormal above a hydrocarbon of 0 would put every height beyond a double.
  const Lagerstaettenbedingungen b{480, 140, 30, 30, 5e-324, 0.0};
  std::string fehler;
  EXPECT_FALSE(Pruefen(b, fehler));
  EXPECT_EQ(fehler,
            "Der Wert im Feld \"Dichte Wasser\" ist nicht erlaubt!\nErlaubt: mindestens 0.01 g/cm³ über der Dichte "
            "Kohlenwasserstoff (0 g/cm³), höchstens 3 g/cm³.");
}

// What fuzz-lagerstaette found before the bounds (tests/fuzz/funde/lagerstaette/):
// a subnormal laboratory tension made F infinite, an infinite density of
// water made ρ_W − ρ_KW infinite. Both are refused now.
TEST(Zahlen, FundeDerFuzzSuche) {
  std::string fehler;
  EXPECT_FALSE(Pruefen({5e-324, kUnter90, 1000, 0, 0.01, 0}, fehler));
  EXPECT_EQ(fehler, "Der Wert im Feld \"Grenzflächenspannung Labor\" ist nicht erlaubt!\n" + kSpannung);
  EXPECT_FALSE(Pruefen({0.01, kUnter90, 1000, 0, kUnendlich, 5e-324}, fehler));
  EXPECT_EQ(fehler,
            "Der Wert im Feld \"Dichte Wasser\" ist nicht erlaubt!\nErlaubt: mindestens 0.01 g/cm³ über der Dichte "
            "Kohlenwasserstoff (4.94066e-324 g/cm³), höchstens 3 g/cm³ (kg/m³ eingegeben?).");
}

// The corners of the ranges: the greatest and the smallest F = σ_R·|cos θ_R| /
// (σ_L·|cos θ_L|) with the smallest and the greatest ρ_W − ρ_KW.
struct Ecke {
  const char* name;
  Lagerstaettenbedingungen b;
};

const std::vector<Ecke> kEcken = {
    {"GroessterFaktorKleinsteDifferenz", {0.01, kUnter90, 1000, 0, 0.01, 0}},
    {"GroessterFaktorUeber90", {0.01, kUeber90, 1000, 180, 3, 2.99}},
    {"KleinsterFaktorGroessteDifferenz", {1000, 0, 0.01, kUnter90, 3, 0}},
    {"Vorgaben", {}},
};

// The extreme pressures a float holds, and the extreme measured ones.
const std::vector<double> kDruecke = {FLT_TRUE_MIN, 1e-38, 1.0, 3.4e38, FLT_MAX};

TEST(Grenzwerte, JedeEckeIstErlaubtUndEndlich) {
  for (const Ecke& e : kEcken) {
    SCOPED_TRACE(e.name);
    std::string fehler;
    ASSERT_TRUE(Pruefen(e.b, fehler)) << fehler;
    const double f = Umrechnungsfaktor(e.b);
    EXPECT_TRUE(std::isfinite(f) && f > 0.0) << f;
    for (const double pc : kDruecke) {
      const double h = HoeheAusDruck(e.b, pc);
      EXPECT_TRUE(std::isfinite(h) && h > 0.0) << pc << " bar: " << h << " m";
      EXPECT_TRUE(std::isfinite(DruckAusHoehe(e.b, h))) << pc;
      const double r = Porenradius(e.b, pc);
      EXPECT_TRUE(std::isfinite(r) && r > 0.0) << pc << " bar: " << r << " µm";
    }
    for (const double h : kTabellenhoehe) {
      const double pc = DruckAusHoehe(e.b, h);
      EXPECT_TRUE(std::isfinite(pc) && pc >= 0.0) << h << " m: " << pc << " bar";
    }
  }
  // The corner is where it should be: F near 1000 / (0.01 · 2.5e-16).
  EXPECT_GT(Umrechnungsfaktor(kEcken[0].b), 1e20);
  EXPECT_LT(Umrechnungsfaktor(kEcken[2].b), 1e-20);
}

class ExtremeDruecke : public DokumentFixture {
 protected:
  void SetUp() override {
    std::string bytes;
    std::string fehler;
    ASSERT_TRUE(text::DateiLesen(KADREL_SOURCE_DIR "/examples/beispiel.txt", bytes, fehler)) << fehler;
    std::vector<std::string> zeilen = text::ZeilenAusBytes(bytes);
    // A curve from the smallest to the largest pressure a float holds.
    const std::vector<std::string> extrem = {
        "PERMEABILITAET: 5 EXTREM", "1e-38 0", "1e-30 0.1", "1 0.3", "1e30 0.6", "3.4e38 0.9", "ENDE"};
    zeilen.insert(zeilen.begin(), extrem.begin(), extrem.end());
    Auswerten(zeilen);
    ASSERT_FALSE(doc.Messkurven.empty());
    ASSERT_EQ(doc.Messkurven.front().Kern, "EXTREM");
    ASSERT_EQ(doc.iScharKurven, 5);
  }
};

TEST_F(ExtremeDruecke, JedesErgebnisEndlichAnJederEcke) {
  for (const Ecke& e : kEcken) EXPECT_EQ(lagerstaettenpruefung::Pruefen(doc, e.b, 100), "") << e.name;
  // The radii of the extreme points: 0.02 · 480 · cos 40° / Pc.
  const Porenradienkurve k = PorenradienKurve(doc.Messkurven.front(), {});
  ASSERT_EQ(k.r.size(), 5u);
  EXPECT_TRUE(Nahe(k.r[0], 7.354027 / static_cast<double>(1e-38f), 1e-6));
  EXPECT_TRUE(Nahe(k.r[4], 7.354027 / static_cast<double>(3.4e38f), 1e-6));
}

// What the bounds keep out: such values give heights and pressures beyond a
// double, and the check sees it.
TEST_F(ExtremeDruecke, AusserhalbDerGrenzenNichtEndlich) {
  const Lagerstaettenbedingungen spannung{1e-293, 140, 30, 30, 1.05, 0.8};
  const Lagerstaettenbedingungen dichte{480, 140, 30, 30, 1e306, 0.8};
  std::string fehler;
  EXPECT_FALSE(Pruefen(spannung, fehler));
  EXPECT_FALSE(Pruefen(dichte, fehler));
  EXPECT_NE(lagerstaettenpruefung::Pruefen(doc, spannung), "");
  EXPECT_NE(lagerstaettenpruefung::Pruefen(doc, dichte), "");
}

// A family at the extremes a run can give it: Alfa and Beta up to the float
// range, the entry pressure 0 or subnormal, Pcmax the largest float.
TEST_F(DokumentFixture, ScharAnDenGrenzenEndlich) {
  const Scharparameter schar[] = {
      {FLT_MAX, FLT_MAX, 0.0f, 0.0f, FLT_MAX},
      {FLT_TRUE_MIN, 0.0f, 1e-38f, 0.999f, 3.4e38f},
      {1.0f, 1e-30f, FLT_TRUE_MIN, 0.5f, 2.0f * FLT_TRUE_MIN},
  };
  doc.iScharKurven = 3;
  for (int j = 0; j < 3; ++j) {
    doc.Schar[j] = schar[j];
    for (int q = 0; q < 31; ++q) {
      doc.XK[j][q] = schar[j].Swmin + static_cast<float>(q) * (1.0f - schar[j].Swmin) / 30.0f;
      doc.YK[j][q] = q == 0 ? schar[j].Pcmax : schar[j].PcSperr;
    }
  }
  for (const Ecke& e : kEcken) EXPECT_EQ(lagerstaettenpruefung::Pruefen(doc, e.b), "") << e.name;
}

}  // namespace
