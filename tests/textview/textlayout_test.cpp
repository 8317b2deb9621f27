#include "Textlayout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr double kDpi = 96.0;

Textliste Zeilen(int n, const std::string& zeile = "x") { return Textliste(static_cast<std::size_t>(n), zeile); }

// The scroll area fits the list: its lines tall, its widest line and a
// character width on either side wide; nothing beyond, so no scrolling shows
// an empty page.
struct Flaeche {
  const char* name;
  int zeilen;
  int zeichen;  // of every line
  double zeilenhoehe;
  int hoehe;
  int breite;
};

class TextlayoutFlaecheTest : public ::testing::TestWithParam<Flaeche> {};

TEST_P(TextlayoutFlaecheTest, PasstZurListe) {
  const Flaeche& f = GetParam();
  const Textliste liste = Zeilen(f.zeilen, std::string(static_cast<std::size_t>(f.zeichen), 'x'));
  const Textlayout l(&liste, 10.0, f.zeilenhoehe, kDpi);
  EXPECT_EQ(l.InhaltHoehe(), f.hoehe);
  EXPECT_EQ(l.InhaltBreite(), f.breite);
  if (f.zeilen > 0) {
    EXPECT_GE(l.InhaltHoehe(), l.ZeileOben(f.zeilen - 1) + f.zeilenhoehe);
  }
}

INSTANTIATE_TEST_SUITE_P(Faelle, TextlayoutFlaecheTest,
                         ::testing::Values(Flaeche{"VierzigZeilen", 40, 1, 20.0, 800, 30},
                                           Flaeche{"Tabellenbreite", 12, 78, 20.0, 240, 800},
                                           Flaeche{"Bruchteilhoehe", 3, 5, 21.4, 65, 70},
                                           Flaeche{"LeereZeilen", 4, 0, 20.0, 80, 0},
                                           // Far beyond the old 1000 inches: the last line lies inside.
                                           Flaeche{"HunderttausendZeilen", 100000, 1, 21.0, 2100000, 30}),
                         [](const ::testing::TestParamInfo<Flaeche>& info) { return info.param.name; });

TEST(Textlayout, OhneListeKeineRollflaeche) {
  const Textlayout l(nullptr, 10.0, 20.0, kDpi);
  EXPECT_EQ(l.Zeilen(), 0);
  EXPECT_EQ(l.InhaltHoehe(), 0);
  EXPECT_EQ(l.InhaltBreite(), 0);
  EXPECT_EQ(l.ErsteSichtbare(0), 0);
  EXPECT_EQ(l.EndeSichtbare(0, 500), 0);
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
