#include "Seitenaufteilung.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Printable areas in 0.1 mm: A4 with small margins, upright and across.
constexpr double kHochBreite = 2030.0;
constexpr double kHochHoehe = 2900.0;

struct Fall {
  const char* name;
  int zeilen;
  bool hochformat;
  int zeilenProSeite;
  std::vector<std::pair<int, int>> seiten;  // first line, one past the last
};

class SeitenaufteilungTest : public ::testing::TestWithParam<Fall> {};

TEST_P(SeitenaufteilungTest, VerteiltDieZeilenAufDieSeiten) {
  const Fall& f = GetParam();
  const Seitenaufteilung a(f.zeilen, f.hochformat ? kHochBreite : kHochHoehe, f.hochformat ? kHochHoehe : kHochBreite);
  EXPECT_EQ(a.ZeilenProSeite(), f.zeilenProSeite);
  ASSERT_EQ(a.Seitenzahl(), static_cast<int>(f.seiten.size()));
  for (std::size_t s = 0; s < f.seiten.size(); ++s) {
    const int seite = static_cast<int>(s) + 1;
    EXPECT_EQ(a.ErsteZeile(seite), f.seiten[s].first) << "Seite " << seite;
    EXPECT_EQ(a.EndeZeile(seite), f.seiten[s].second) << "Seite " << seite;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SeitenaufteilungTest,
    ::testing::Values(Fall{"LeereListeEineSeiteMitKopf", 0, true, 57, {{0, 0}}},
                      Fall{"EineZeile", 1, true, 57, {{0, 1}}},
                      Fall{"SiebenundfuenfzigZeilenZweiteSeiteNurKopf", 57, true, 57, {{0, 57}, {57, 57}}},
                      Fall{"AchtundfuenfzigZeilen", 58, true, 57, {{0, 57}, {57, 58}}},
                      Fall{"QuerFuenfzigZeilen", 50, false, 50, {{0, 50}, {50, 50}}},
                      Fall{"QuerEinundfuenfzigZeilen", 51, false, 50, {{0, 50}, {50, 51}}},
                      Fall{"QuerHundertZeilen", 100, false, 50, {{0, 50}, {50, 100}, {100, 100}}},
                      Fall{"HochHundertfuenfzehn", 115, true, 57, {{0, 57}, {57, 114}, {114, 115}}}),
    [](const ::testing::TestParamInfo<Fall>& info) { return info.param.name; });

TEST(Seitenaufteilung, QuadratischeSeiteGiltAlsQuer) {
  EXPECT_EQ(Seitenaufteilung(10, 2000.0, 2000.0).ZeilenProSeite(), 50);
  EXPECT_EQ(Seitenaufteilung(10, 2000.0, 2001.0).ZeilenProSeite(), 57);
}

// Whatever the length and orientation, the pages hold every line exactly once
// and in order.
TEST(Seitenaufteilung, SeitenDeckenAlleZeilenLueckenlos) {
  for (bool hoch : {true, false}) {
    for (int zeilen : {0, 1, 49, 50, 56, 57, 99, 100, 113, 114, 1000, 12345}) {
      const Seitenaufteilung a(zeilen, hoch ? kHochBreite : kHochHoehe, hoch ? kHochHoehe : kHochBreite);
      int naechste = 0;
      for (int seite = 1; seite <= a.Seitenzahl(); ++seite) {
        EXPECT_EQ(a.ErsteZeile(seite), naechste) << zeilen << " Zeilen, Seite " << seite;
        EXPECT_LE(a.EndeZeile(seite) - a.ErsteZeile(seite), a.ZeilenProSeite());
        naechste = a.EndeZeile(seite);
      }
      EXPECT_EQ(naechste, zeilen) << zeilen << (hoch ? " hoch" : " quer");
    }
  }
}

TEST(Seitenaufteilung, SeitenJenseitsDesEndesSindLeer) {
  const Seitenaufteilung a(58, kHochBreite, kHochHoehe);
  EXPECT_EQ(a.ErsteZeile(3), 58);
  EXPECT_EQ(a.EndeZeile(3), 58);
  EXPECT_EQ(a.ErsteZeile(0), 0);
}

TEST(Seitenaufteilung, KopfzeileNenntDenPfad) {
  EXPECT_EQ(Seitenaufteilung::Kopfzeile(""), " Dokument:");
  EXPECT_EQ(Seitenaufteilung::Kopfzeile("/home/kern/Proben 100%.kdr"), " Dokument:/home/kern/Proben 100%.kdr");
  EXPECT_EQ(Seitenaufteilung::Kopfzeile("/daten/Bohrung Süd.kdr"), " Dokument:/daten/Bohrung Süd.kdr");
}

// 57 lines and the header take 60 line heights of 4.4 mm on an upright page;
// across, 53 of them would need 233 mm of a 203 mm page, so they shrink.
TEST(Seitenaufteilung, ZeilenhoehePasstAufDieSeite) {
  EXPECT_EQ(Seitenaufteilung(100, kHochBreite, kHochHoehe).Zeilenhoehe(44.0), 44.0);
  const Seitenaufteilung quer(100, kHochHoehe, kHochBreite);
  const double h = quer.Zeilenhoehe(44.0);
  EXPECT_LT(h, 44.0);
  EXPECT_NEAR((quer.ZeilenProSeite() + Seitenaufteilung::kKopfZeilen) * h, kHochBreite, 1e-9);
}

}  // namespace
