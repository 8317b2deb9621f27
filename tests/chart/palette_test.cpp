// The colours of ordered classes: spread over the palette in their order,
// apart from each other and from the frame's black and the paper's white.
#include <cmath>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "Palette.h"

namespace {

double Abstand(const Farbe& a, const Farbe& b) {
  return std::sqrt(std::pow(a.r - b.r, 2) + std::pow(a.g - b.g, 2) + std::pow(a.b - b.b, 2));
}

int Stelle(const Farbe& f) {
  for (int i = 0; i < palette::kFarbanzahl; ++i) {
    if (palette::kFarben[i] == f) return i;
  }
  return -1;
}

TEST(Palette, FarbenSindVerschiedenUndAufPapierSichtbar) {
  for (int i = 0; i < palette::kFarbanzahl; ++i) {
    const Farbe& f = palette::kFarben[i];
    EXPECT_GT(Abstand(f, {0, 0, 0}), 100) << i;
    EXPECT_GT(Abstand(f, {255, 255, 255}), 100) << i;
    for (int j = 0; j < i; ++j) {
      EXPECT_GT(Abstand(f, palette::kFarben[j]), 40) << i << " " << j;
    }
  }
}

TEST(Palette, KlassenUeberDiePaletteVerteiltInIhrerFolge) {
  for (int n = 1; n <= palette::kFarbanzahl; ++n) {
    std::set<int> stellen;
    int vorher = -1;
    for (int i = 0; i < n; ++i) {
      const int s = Stelle(palette::Klassenfarbe(i, n));
      ASSERT_GE(s, 0);
      EXPECT_GT(s, vorher) << n << " " << i;
      vorher = s;
      stellen.insert(s);
    }
    EXPECT_EQ(static_cast<int>(stellen.size()), n);
    EXPECT_EQ(Stelle(palette::Klassenfarbe(0, n)), 0);
    if (n > 1) {
      EXPECT_EQ(Stelle(palette::Klassenfarbe(n - 1, n)), palette::kFarbanzahl - 1);
    }
  }
  // Three classes: first, middle (13/2 rounded up to 7), last.
  EXPECT_EQ(Stelle(palette::Klassenfarbe(1, 3)), 7);
}

TEST(Palette, MehrKlassenNehmenDieFarbenReihum) {
  const int n = palette::kFarbanzahl + 3;
  EXPECT_EQ(palette::Klassenfarbe(palette::kFarbanzahl, n), palette::kFarben[0]);
  EXPECT_EQ(palette::Klassenfarbe(palette::kFarbanzahl + 2, n), palette::kFarben[2]);
  // Outside the classes: held within them.
  EXPECT_EQ(palette::Klassenfarbe(-5, 4), palette::kFarben[0]);
  EXPECT_EQ(palette::Klassenfarbe(9, 4), palette::kFarben[palette::kFarbanzahl - 1]);
  EXPECT_EQ(palette::Klassenfarbe(0, 0), palette::kFarben[0]);
}

}  // namespace
