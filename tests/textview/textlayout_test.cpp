#include "Textlayout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr double kDpi = 96.0;

Textliste Zeilen(int n, const std::string& zeile = "x") { return Textliste(static_cast<std::size_t>(n), zeile); }

// 100000 units of 0.01 inch are 96000 pixels at 96 dpi.
TEST(Textlayout, KurzeListeBehaeltDieGewohnteRollflaeche) {
  const Textliste liste = Zeilen(40);
  const Textlayout l(&liste, 10.0, 20.0, kDpi);
  EXPECT_EQ(l.InhaltHoehe(), 96000);
  EXPECT_EQ(l.InhaltBreite(), 1920);
}

TEST(Textlayout, OhneListeNurDieGewohnteRollflaeche) {
  const Textlayout l(nullptr, 10.0, 20.0, kDpi);
  EXPECT_EQ(l.Zeilen(), 0);
  EXPECT_EQ(l.InhaltHoehe(), 96000);
  EXPECT_EQ(l.ErsteSichtbare(0), 0);
  EXPECT_EQ(l.EndeSichtbare(0, 500), 0);
}

// A list far longer than 1000 inches: the area grows so that the last line
// lies inside it.
TEST(Textlayout, LangeListeBleibtBisZurLetztenZeileErreichbar) {
  const Textliste liste = Zeilen(100000);
  const Textlayout l(&liste, 13.0, 21.0, kDpi);
  EXPECT_GE(l.InhaltHoehe(), l.ZeileOben(99999) + 21.0);
  EXPECT_EQ(l.InhaltHoehe(), 100001 * 21);
}

TEST(Textlayout, BreiteZeileVerbreitertDieFlaeche) {
  Textliste liste = Zeilen(3);
  liste[1] = std::string(300, 'a');
  const Textlayout l(&liste, 10.0, 20.0, kDpi);
  EXPECT_EQ(l.InhaltBreite(), 3020);
  // Characters, not bytes, count: 300 umlauts are as wide as 300 letters.
  std::string umlaute;
  for (int i = 0; i < 300; ++i) umlaute += "Ä";
  liste[1] = umlaute;
  EXPECT_EQ(Textlayout(&liste, 10.0, 20.0, kDpi).InhaltBreite(), 3020);
}

struct Band {
  const char* name;
  int oben;
  int hoehe;
  int erste;
  int ende;
};

class TextlayoutBandTest : public ::testing::TestWithParam<Band> {};

// Lines 20 pixels tall, 1000 of them.
TEST_P(TextlayoutBandTest, NurDieSichtbarenZeilen) {
  const Band& b = GetParam();
  const Textliste liste = Zeilen(1000);
  const Textlayout l(&liste, 10.0, 20.0, kDpi);
  EXPECT_EQ(l.ErsteSichtbare(b.oben), b.erste);
  EXPECT_EQ(l.EndeSichtbare(b.oben, b.hoehe), b.ende);
}

INSTANTIATE_TEST_SUITE_P(Faelle, TextlayoutBandTest,
                         ::testing::Values(Band{"Anfang", 0, 100, 0, 5}, Band{"HalbeZeilen", 10, 100, 0, 6},
                                           Band{"GenauAmEnde", 20000, 400, 1000, 1000},
                                           Band{"Innen", 2000, 400, 100, 120}, Band{"Ende", 19990, 400, 999, 1000},
                                           Band{"Dahinter", 50000, 400, 1000, 1000},
                                           Band{"LeeresBand", 200, 0, 10, 10}),
                         [](const ::testing::TestParamInfo<Band>& info) { return info.param.name; });

TEST(Textlayout, SchritteEinerZeileUndEinerSpalte) {
  const Textliste liste = Zeilen(10);
  const Textlayout l(&liste, 10.0, 21.4, kDpi);
  EXPECT_EQ(l.Zeilenschritt(), 21);
  // 40 units of 0.01 inch at 96 dpi: 38.4 pixels, rounded up.
  EXPECT_EQ(l.Spaltenschritt(), 39);
  EXPECT_EQ(l.ZeileLinks(), 10.0);
}

}  // namespace
