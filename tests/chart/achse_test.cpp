// The axes of the data charts: range, ticks, labels and mapping of linear and
// logarithmic axes.
#include "Achse.h"

#include "Diagramm.h"
#include "Diagrammdaten.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Toleranz.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<std::string> Beschriftet(const Achse& a) {
  std::vector<std::string> texte;
  for (const Achsentick& t : a.Ticks()) {
    if (!t.text.empty()) texte.push_back(t.text);
  }
  return texte;
}

int Unbeschriftet(const Achse& a) {
  int n = 0;
  for (const Achsentick& t : a.Ticks()) n += t.text.empty() ? 1 : 0;
  return n;
}

struct LogFall {
  const char* name;
  std::vector<double> werte;
  double min;
  double max;
  std::vector<std::string> dekaden;
};

class LogAchse : public ::testing::TestWithParam<LogFall> {};

// The decades that hold the positive values; 8 unlabelled ticks per decade.
TEST_P(LogAchse, DekadenUndTicks) {
  const LogFall& f = GetParam();
  const Achse a = Achse::Logarithmisch(f.werte);
  EXPECT_EQ(a.Art(), Achsenart::Logarithmisch);
  EXPECT_TRUE(Nahe(a.Min(), f.min, 1e-12));
  EXPECT_TRUE(Nahe(a.Max(), f.max, 1e-12));
  EXPECT_EQ(Beschriftet(a), f.dekaden);
  EXPECT_EQ(Unbeschriftet(a), 8 * static_cast<int>(f.dekaden.size() - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Bereiche, LogAchse,
    ::testing::Values(
        LogFall{"EineDekade", {1, 3, 10}, 1, 10, {"1", "10"}},
        LogFall{"SiebenDekaden",
                {0.01, 4, 100000},
                0.01,
                1e5,
                {"0.01", "0.1", "1", "10", "100", "1000", "10000", "100000"}},
        LogFall{"InnerhalbEinerDekade", {2, 8}, 1, 10, {"1", "10"}},
        LogFall{"InnerhalbEinerDekadeUnterEins", {0.2, 0.5}, 0.1, 1, {"0.1", "1"}},
        LogFall{"KnappUeberDerDekade", {10, 11}, 10, 100, {"10", "100"}},
        LogFall{"GenauAufDekaden", {0.001, 1000}, 0.001, 1000, {"0.001", "0.01", "0.1", "1", "10", "100", "1000"}},
        LogFall{"EinWertAufEinerDekade", {100}, 100, 1000, {"100", "1000"}},
        LogFall{"NullUndNegativesUebergangen", {0, -5, 3, 50}, 1, 100, {"1", "10", "100"}},
        LogFall{"NichtEndlichesUebergangen", {kNaN, kInf, 0.5, 0.7}, 0.1, 1, {"0.1", "1"}},
        LogFall{"OhnePositiveWerte", {0, -1}, 1, 10, {"1", "10"}}, LogFall{"Leer", {}, 1, 10, {"1", "10"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogAchseAbbildung, ZwischentickWerteUndLage) {
  const Achse a = Achse::Logarithmisch({0.01, 100000});
  // Between 1 and 10: 2..9, then 10; 7 decades, so 1 lies at 2/7, 1000 at 5/7.
  std::vector<double> zwischen;
  bool inDekade = false;
  for (const Achsentick& t : a.Ticks()) {
    if (t.text == "1") inDekade = true;
    if (t.text == "10") break;
    if (inDekade && t.text.empty()) zwischen.push_back(t.wert);
  }
  ASSERT_EQ(zwischen.size(), 8u);
  for (int k = 2; k <= 9; ++k) EXPECT_TRUE(Nahe(zwischen[static_cast<std::size_t>(k - 2)], k, 1e-12)) << k;
  EXPECT_TRUE(Nahe(a.Anteil(1), 2.0 / 7, 1e-12));
  EXPECT_TRUE(Nahe(a.Anteil(1000), 5.0 / 7, 1e-12));
  EXPECT_TRUE(Nahe(a.Anteil(0.01), 0, 0, 1e-12));
  EXPECT_TRUE(Nahe(a.Anteil(100000), 1, 1e-12));
  // 2 lies log10(2) = 0.30103 of a decade above 1.
  EXPECT_TRUE(Nahe(a.Anteil(2), (2 + 0.30102999566) / 7, 1e-9));
  EXPECT_FALSE(a.Darstellbar(0));
  EXPECT_FALSE(a.Darstellbar(-3));
  EXPECT_TRUE(a.Darstellbar(1e-9));
}

TEST(LogAchseAbbildung, EineDekadeMittig) {
  const Achse a = Achse::Logarithmisch({2, 8});
  EXPECT_TRUE(Nahe(a.Anteil(std::sqrt(10.0)), 0.5, 1e-12));
  EXPECT_TRUE(Nahe(a.Anteil(5), 0.69897000433, 1e-9));
}

TEST(LogAchseGitter, NurInnereDekaden) {
  const std::vector<double> gitter = Achse::Logarithmisch({1, 1000}).Gitter();
  ASSERT_EQ(gitter.size(), 2u);
  EXPECT_TRUE(Nahe(gitter[0], 10, 1e-12));
  EXPECT_TRUE(Nahe(gitter[1], 100, 1e-12));
  EXPECT_TRUE(Achse::Logarithmisch({2, 8}).Gitter().empty());
}

TEST(Dekadentext, KlarschriftUndExponentform) {
  const struct {
    int exponent;
    const char* text;
  } faelle[] = {{-7, "1e-007"}, {-6, "0.000001"}, {-2, "0.01"},      {-1, "0.1"},   {0, "1"},
                {1, "10"},      {3, "1000"},      {9, "1000000000"}, {10, "1e+010"}};
  for (const auto& f : faelle) EXPECT_EQ(Achse::Dekadentext(f.exponent), f.text) << f.exponent;
}

struct LinFall {
  const char* name;
  std::vector<double> werte;
  double min;
  double max;
  double schritt;
  std::vector<std::string> texte;
};

class LinAchse : public ::testing::TestWithParam<LinFall> {};

TEST_P(LinAchse, BereichUndTicks) {
  const LinFall& f = GetParam();
  const Achse a = Achse::Linear(f.werte);
  EXPECT_TRUE(Nahe(a.Min(), f.min, 1e-12, 1e-12));
  EXPECT_TRUE(Nahe(a.Max(), f.max, 1e-12, 1e-12));
  EXPECT_TRUE(Nahe(a.Schritt(), f.schritt, 1e-12));
  EXPECT_EQ(Beschriftet(a), f.texte);
  EXPECT_EQ(Unbeschriftet(a), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Bereiche, LinAchse,
    ::testing::Values(
        // delta(0.74) = 0.1; start(0.13, 0.1) = 0.1; the end is the first tick at or above 0.87.
        LinFall{
            "Zehntel", {0.13, 0.87}, 0.1, 0.9, 0.1, {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}},
        // delta(230) = 50, start(-20, 50) = -50.
        LinFall{"Negativ", {-20, 210}, -50, 250, 50, {"-50", "0", "50", "100", "150", "200", "250"}},
        LinFall{"AlleGleich", {2, 2, 2}, 1, 3, 1, {"1", "2", "3"}},
        LinFall{"Leer", {}, 0, 1, 0.2, {"0", "0.2", "0.4", "0.6", "0.8", "1"}},
        LinFall{"NichtEndlichesUebergangen", {kNaN, 0, kInf, 1}, 0, 1, 0.2, {"0", "0.2", "0.4", "0.6", "0.8", "1"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A linear axis is scaled exactly as the y axis of the curve chart with the
// same values.
TEST(LinAchseWieKurve, GleicheSkalierungWieDieYAchse) {
  const std::vector<float> y = {0.031f, 0.42f, 0.77f, 0.93f};
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  KurveFuellen(doc, {0, 0.3f, 0.6f, 1}, y, y);
  Diagramm d(doc);
  d.OnGraf();
  const Achse a = Achse::Linear({y.begin(), y.end()});
  EXPECT_EQ(a.Min(), d.ymin);
  EXPECT_EQ(a.Max(), d.ymax);
  EXPECT_EQ(a.Start(), d.ystart);
  EXPECT_EQ(a.Schritt(), d.deltay);
}

TEST(AchseNachVorgabe, FesterBereichStattDerWerte) {
  const Achse lin = Achse::Nach({Achsenart::Linear, "Sw", true, 0, 1}, {5, 7});
  EXPECT_EQ(lin.Min(), 0);
  EXPECT_EQ(lin.Max(), 1);
  const Achse log = Achse::Nach({Achsenart::Logarithmisch, "Pc", true, 0.05, 2000}, {1, 2});
  EXPECT_TRUE(Nahe(log.Min(), 0.01, 1e-12));
  EXPECT_TRUE(Nahe(log.Max(), 10000, 1e-12));
  const Achse frei = Achse::Nach({Achsenart::Logarithmisch, "Pc", false, 0.05, 2000}, {1, 2});
  EXPECT_TRUE(Nahe(frei.Max(), 10, 1e-12));
}

// A reversed axis keeps range, ticks and grid and only runs the other way:
// a depth axis with 1000 at the top.
TEST(AchseNachVorgabe, UmgekehrtGleicheTicksAndereRichtung) {
  const std::vector<double> tiefen = {1003, 1000, 1017.5};
  const Achse vor = Achse::Nach({Achsenart::Linear, "Tiefe", false, 0, 0}, tiefen);
  const Achse rueck = Achse::Nach({Achsenart::Linear, "Tiefe", false, 0, 0, true}, tiefen);
  EXPECT_FALSE(vor.Umgekehrt());
  EXPECT_TRUE(rueck.Umgekehrt());
  EXPECT_EQ(rueck.Min(), vor.Min());
  EXPECT_EQ(rueck.Max(), vor.Max());
  EXPECT_EQ(rueck.Ticks(), vor.Ticks());
  EXPECT_EQ(rueck.Gitter(), vor.Gitter());
  EXPECT_TRUE(Nahe(rueck.Anteil(rueck.Min()), 1.0, 1e-12));
  EXPECT_TRUE(Nahe(rueck.Anteil(rueck.Max()), 0.0, 0.0, 1e-12));
  for (const double t : {1000.0, 1005.0, 1017.5}) EXPECT_TRUE(Nahe(rueck.Anteil(t), 1.0 - vor.Anteil(t), 1e-12));
  // Logarithmic too: 1 ... 100 reversed puts 10 in the middle, 100 at 0.
  const Achse log = Achse::Nach({Achsenart::Logarithmisch, "k", true, 1, 100, true}, {});
  EXPECT_TRUE(Nahe(log.Anteil(10), 0.5, 1e-12));
  EXPECT_TRUE(Nahe(log.Anteil(100), 0.0, 0.0, 1e-12));
}

TEST(LinAchseGitter, InnereTicks) {
  const std::vector<double> gitter = Achse::Linear({0, 1}).Gitter();
  ASSERT_EQ(gitter.size(), 4u);
  EXPECT_TRUE(Nahe(gitter[0], 0.2, 1e-12));
  EXPECT_TRUE(Nahe(gitter[3], 0.8, 1e-9));
}

}  // namespace
