#include "Zeilenauswahl.h"

#include <gtest/gtest.h>

namespace {

const Textliste kListe = {" KOPF", " 1.000 8.4000", " 2.000 9.1000", " ENDE"};

TEST(Zeilenauswahl, KlickZiehenUndAlle) {
  Zeilenauswahl a;
  EXPECT_TRUE(a.Leer());
  EXPECT_FALSE(a.Enthaelt(0));
  a.Setzen(2);
  EXPECT_EQ(a.Von(), 2);
  EXPECT_EQ(a.Bis(), 2);
  // Extended upwards from the anchor: the range runs either way.
  a.Erweitern(0);
  EXPECT_EQ(a.Von(), 0);
  EXPECT_EQ(a.Bis(), 2);
  EXPECT_TRUE(a.Enthaelt(1));
  EXPECT_FALSE(a.Enthaelt(3));
  a.Erweitern(3);
  EXPECT_EQ(a.Von(), 2);
  EXPECT_EQ(a.Bis(), 3);
  // A click outside the list chooses nothing.
  a.Setzen(-1);
  EXPECT_TRUE(a.Leer());
  // A shift-click without an anchor starts one.
  a.Erweitern(1);
  EXPECT_EQ(a.Von(), 1);
  EXPECT_EQ(a.Bis(), 1);
  a.Alle(4);
  EXPECT_EQ(a.Von(), 0);
  EXPECT_EQ(a.Bis(), 3);
  a.Alle(0);
  EXPECT_TRUE(a.Leer());
}

struct Kopie {
  const char* name;
  int von;  // -1: nothing chosen
  int bis;
  const char* text;
};

class KopierTextTest : public ::testing::TestWithParam<Kopie> {};

TEST_P(KopierTextTest, GewaehlteZeilenOderAlle) {
  const Kopie& k = GetParam();
  Zeilenauswahl a;
  if (k.von >= 0) {
    a.Setzen(k.von);
    a.Erweitern(k.bis);
  }
  EXPECT_EQ(KopierText(kListe, a), k.text);
}

INSTANTIATE_TEST_SUITE_P(Faelle, KopierTextTest,
                         ::testing::Values(Kopie{"OhneAuswahlAlles", -1, -1,
                                                 " KOPF\n 1.000 8.4000\n 2.000 9.1000\n ENDE\n"},
                                           Kopie{"EineZeile", 1, 1, " 1.000 8.4000\n"},
                                           Kopie{"RueckwaertsGezogen", 2, 1, " 1.000 8.4000\n 2.000 9.1000\n"},
                                           // A choice that outlived a shorter list gives what is left.
                                           Kopie{"UeberDasEnde", 3, 9, " ENDE\n"}, Kopie{"GanzDahinter", 7, 9, ""}),
                         [](const ::testing::TestParamInfo<Kopie>& info) { return info.param.name; });

TEST(Listenkennung, UnterscheidetInhaltUndZeilengrenzen) {
  EXPECT_EQ(Listenkennung(kListe), Listenkennung(Textliste(kListe)));
  Textliste anders = kListe;
  anders[2] = " 2.000 9.1001";
  EXPECT_NE(Listenkennung(anders), Listenkennung(kListe));
  // The same characters split into other lines are another list.
  EXPECT_NE(Listenkennung({"ab", "c"}), Listenkennung({"a", "bc"}));
  EXPECT_NE(Listenkennung({}), Listenkennung({""}));
}

}  // namespace
