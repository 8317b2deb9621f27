// The chart "Kapillardruckkurven" and its list: which curves, in which
// colours, the grey rest with its note, the x axis, the choice by labels.
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "Kapillardruckkurven.h"
#include "Kurvenauswahl.h"

namespace {

// Curve k: label "K<k>", permeability k + 1 mD, a dry point at 0 bar (no
// place on the logarithmic axis) and at 0.5 bar, then 2 and 8 bar.
std::vector<Messkurve> Kurven(int anzahl) {
  std::vector<Messkurve> kurven;
  for (int k = 0; k < anzahl; ++k) {
    Messkurve m;
    m.Kern = "K" + std::to_string(k);
    m.Perm = static_cast<float>(k + 1);
    m.Pc = {0.0f, 0.5f, 2.0f, 8.0f};
    m.Shg = {0.0f, 0.0f, 0.25f, 0.75f};
    kurven.push_back(std::move(m));
  }
  return kurven;
}

TEST(Kapillardruckkurven, AchsenUndPunkteEinerKurve) {
  const Datendiagramm d = KapillardruckkurvenDiagramm(Kurven(1), Kurvenauswahl::Alle(1));
  EXPECT_EQ(d.titel, "Kapillardruckkurven");
  EXPECT_EQ(d.untertitel, "Messwerte der einzigen Messung");
  EXPECT_EQ(d.x.text, "Hg-Sättigung (-)");
  EXPECT_TRUE(d.x.festerBereich);
  EXPECT_EQ(d.x.min, 0.0);
  EXPECT_EQ(d.x.max, 1.0);
  EXPECT_EQ(d.y.art, Achsenart::Logarithmisch);
  EXPECT_EQ(d.y.text, "Kapillardruck (bar)");
  EXPECT_FALSE(d.y.festerBereich);
  EXPECT_TRUE(d.legendeMehrzeilig);
  ASSERT_EQ(d.reihen.size(), 1u);
  EXPECT_EQ(d.reihen[0].art, Reihenart::Linie);
  EXPECT_EQ(d.reihen[0].y, (std::vector<double>{0.5, 2, 8}));
  EXPECT_EQ(d.reihen[0].x, (std::vector<double>{0, 0.25, 0.75}));
  ASSERT_EQ(d.legende.size(), 1u);
  EXPECT_EQ(d.legende[0].text, "K0");
  EXPECT_EQ(d.legende[0].stift, kurven::kStifte[0]);
}

TEST(Kapillardruckkurven, WassersaettigungAufX) {
  Kurvenauswahl a = Kurvenauswahl::Alle(1);
  a.x = Saettigungsachse::Wasser;
  const Datendiagramm d = KapillardruckkurvenDiagramm(Kurven(1), a);
  EXPECT_EQ(d.x.text, "Wassersättigung Sw (-)");
  EXPECT_EQ(d.reihen[0].x, (std::vector<double>{1, 0.75, 0.25}));
  EXPECT_EQ(d.reihen[0].y, (std::vector<double>{0.5, 2, 8}));
}

// The twelve pens: all different, none grey, of the usual width.
TEST(Kapillardruckkurven, ZwoelfUnterscheidbareStifte) {
  std::set<std::tuple<int, int, int>> farben;
  for (const Stift& s : kurven::kStifte) {
    farben.insert({s.farbe.r, s.farbe.g, s.farbe.b});
    EXPECT_EQ(s.art, Linienart::Durchgezogen);
    EXPECT_EQ(s.breite, 3);
    EXPECT_FALSE(s.farbe.r == s.farbe.g && s.farbe.g == s.farbe.b && s.farbe.r > 0) << s.farbe.r;
  }
  EXPECT_EQ(farben.size(), 12u);
  EXPECT_EQ(farben.count({kurven::kGrau.farbe.r, kurven::kGrau.farbe.g, kurven::kGrau.farbe.b}), 0u);
}

struct Umfang {
  const char* name;
  int anzahl;         // measurements of the run
  int farbig;         // curves in colour (and legend entries before the note)
  const char* notiz;  // the legend's last entry, "" for none
  const char* untertitel;
};

class KapillardruckkurvenUmfang : public ::testing::TestWithParam<Umfang> {};

// Twelve curves have a colour and a legend entry each; beyond them the curves
// are grey, drawn first (beneath), and one entry with the grey pen counts them.
TEST_P(KapillardruckkurvenUmfang, LegendeUndGraueKurven) {
  const Umfang& u = GetParam();
  const Datendiagramm d = KapillardruckkurvenDiagramm(Kurven(u.anzahl), Kurvenauswahl::Alle(u.anzahl));
  EXPECT_EQ(d.untertitel, u.untertitel);
  const int grau = u.anzahl - u.farbig;
  ASSERT_EQ(d.reihen.size(), static_cast<std::size_t>(u.anzahl));
  for (int i = 0; i < u.anzahl; ++i) {
    const Stift soll = i < grau ? kurven::kGrau : kurven::kStifte[i - grau];
    EXPECT_EQ(d.reihen[static_cast<std::size_t>(i)].stift, soll) << i;
  }
  const std::size_t eintraege = static_cast<std::size_t>(u.farbig) + (grau > 0 ? 1 : 0);
  ASSERT_EQ(d.legende.size(), eintraege);
  for (int i = 0; i < u.farbig; ++i) {
    EXPECT_EQ(d.legende[static_cast<std::size_t>(i)].text, "K" + std::to_string(i));
    EXPECT_EQ(d.legende[static_cast<std::size_t>(i)].stift, kurven::kStifte[i]);
  }
  if (grau > 0) {
    EXPECT_EQ(d.legende.back().text, u.notiz);
    EXPECT_EQ(d.legende.back().stift, kurven::kGrau);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KapillardruckkurvenUmfang,
    ::testing::Values(Umfang{"Zwoelf", 12, 12, "", "Messwerte aller 12 Messungen"},
                      Umfang{"Dreizehn", 13, 12, "+ 1 weitere Kurve", "Messwerte aller 13 Messungen"},
                      Umfang{"Zwanzig", 20, 12, "+ 8 weitere Kurven", "Messwerte aller 20 Messungen"},
                      Umfang{"Drei", 3, 3, "", "Messwerte aller 3 Messungen"}),
    [](const auto& info) { return std::string(info.param.name); });

// The colours go to the chosen curves in the order of the run.
TEST(Kapillardruckkurven, NurDieGewaehlten) {
  Kurvenauswahl a = Kurvenauswahl::Alle(5);
  a.gewaehlt[0] = false;
  a.gewaehlt[3] = false;
  const Datendiagramm d = KapillardruckkurvenDiagramm(Kurven(5), a);
  EXPECT_EQ(d.untertitel, "Messwerte von 3 der 5 Messungen");
  ASSERT_EQ(d.legende.size(), 3u);
  EXPECT_EQ(d.legende[0].text, "K1");
  EXPECT_EQ(d.legende[1].text, "K2");
  EXPECT_EQ(d.legende[2].text, "K4");
  EXPECT_EQ(d.legende[2].stift, kurven::kStifte[2]);
}

// Without a curve to scale by, the pressure axis spans 0.1 to 1000 bar.
TEST(Kapillardruckkurven, OhneKurven) {
  const Datendiagramm keine = KapillardruckkurvenDiagramm(Kurven(4), Kurvenauswahl{{false, false, false, false}});
  EXPECT_EQ(keine.untertitel, "Keine der 4 Messungen gewählt");
  EXPECT_TRUE(keine.reihen.empty());
  EXPECT_TRUE(keine.legende.empty());
  EXPECT_TRUE(keine.y.festerBereich);
  EXPECT_EQ(keine.y.min, 0.1);
  EXPECT_EQ(keine.y.max, 1000.0);
  EXPECT_EQ(KapillardruckkurvenDiagramm({}, {}).untertitel, "Keine Messung ausgewertet");
}

TEST(Kapillardruckkurven, ListeDerGewaehltenMitIhrenFarben) {
  std::vector<Messkurve> k = Kurven(14);
  k[1].Perm = 0.00013f;
  k[1].Pc.push_back(20.0f);
  k[1].Shg.push_back(0.8f);
  Kurvenauswahl a = Kurvenauswahl::Alle(14);
  a.gewaehlt[0] = false;
  a.x = Saettigungsachse::Wasser;
  const Textliste l = KapillardruckkurvenListe(k, a);
  ASSERT_EQ(l.size(), 5u + 13u);
  EXPECT_EQ(l[0], "");
  EXPECT_EQ(l[1], " Kapillardruckkurven: Messwerte von 13 der 14 Messungen, x: Wassersättigung Sw (-)");
  EXPECT_EQ(l[2], "");
  EXPECT_EQ(l[3], "   NR  PERMEABILITÄT  PUNKTE  FARBE       KERN");
  EXPECT_EQ(l[4], "");
  // Widths: 5 for the number, 15 for the permeability, 8 for the points,
  // then the colour in 10 characters.
  EXPECT_EQ(l[5], "    2        0.00013       5  rot         K1");
  EXPECT_EQ(l[6], "    3              3       4  grün        K2");
  EXPECT_EQ(l[16], "   13             13       4  schwarz     K12");
  EXPECT_EQ(l[17], "   14             14       4  grau        K13");
}

struct Kernliste {
  const char* name;
  const char* text;
  std::vector<std::string> kerne;  // empty: refused
};

class KernlisteLesenTest : public ::testing::TestWithParam<Kernliste> {};

TEST_P(KernlisteLesenTest, EintraegeZwischenDenKommas) {
  const auto& f = GetParam();
  const auto kerne = KernlisteLesen(f.text);
  if (f.kerne.empty()) {
    EXPECT_FALSE(kerne.has_value());
  } else {
    ASSERT_TRUE(kerne.has_value());
    EXPECT_EQ(*kerne, f.kerne);
  }
}

INSTANTIATE_TEST_SUITE_P(Faelle, KernlisteLesenTest,
                         ::testing::Values(Kernliste{"Einer", "AD-258", {"AD-258"}},
                                           Kernliste{"Drei", "A,B,C", {"A", "B", "C"}}, Kernliste{"Leer", "", {}},
                                           Kernliste{"LeererEintrag", "A,,B", {}}, Kernliste{"KommaAmEnde", "A,", {}},
                                           Kernliste{"KommaVorne", ",A", {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KerneWaehlen, BeideMessungenEinesKernsUndDieAchseBleibt) {
  std::vector<Messkurve> k = Kurven(4);
  k[3].Kern = "K1";
  Kurvenauswahl a = Kurvenauswahl::Alle(4);
  a.x = Saettigungsachse::Wasser;
  std::string fehler;
  ASSERT_TRUE(KerneWaehlen(k, {"K1", "K2"}, a, fehler));
  EXPECT_EQ(a.gewaehlt, (std::vector<bool>{false, true, true, true}));
  EXPECT_EQ(a.x, Saettigungsachse::Wasser);
  EXPECT_EQ(a.Anzahl(), 3);
}

TEST(KerneWaehlen, UnbekannterKernWirdGenanntUndNichtsGewaehlt) {
  Kurvenauswahl a = Kurvenauswahl::Alle(3);
  std::string fehler;
  EXPECT_FALSE(KerneWaehlen(Kurven(3), {"K0", "X7", "X8"}, a, fehler));
  EXPECT_EQ(fehler, "Keine Messung mit dem Kern X7");
  EXPECT_EQ(a, Kurvenauswahl::Alle(3));
}

}  // namespace
