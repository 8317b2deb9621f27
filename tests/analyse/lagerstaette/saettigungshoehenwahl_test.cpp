// The choice of the saturation-height model: its ranges and messages, the
// dialog's texts, the heights of the table and the study block.
#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Saettigungshoehe.h"
#include "SaettigungshoehenWahl.h"

namespace {

using namespace lagerstaette;

SaettigungshoehenWahl Gueltig() {
  SaettigungshoehenWahl w;
  w.modell = ShfModell::JFunktion;
  w.gesteine = {{0.5, 0.12}, {12.0, 0.2}, {300.0, 0.25}};
  w.hoeheMax = 120.0;
  return w;
}

struct Verweigerung {
  const char* name;
  SaettigungshoehenWahl wahl;
  std::string meldung;
};

SaettigungshoehenWahl Mit(void (*aendern)(SaettigungshoehenWahl&)) {
  SaettigungshoehenWahl w = Gueltig();
  aendern(w);
  return w;
}

class Verweigert : public ::testing::TestWithParam<Verweigerung> {};

TEST_P(Verweigert, MitFeldUndBereich) {
  std::string fehler;
  EXPECT_FALSE(Pruefen(GetParam().wahl, fehler));
  EXPECT_EQ(fehler, GetParam().meldung);
}

const char* const kPermeabilitaet2 =
    "Der Wert im Feld \"Permeabilität (Gestein 2)\" ist nicht erlaubt!\nErlaubt: größer 0 bis 1000000 mD.";
const char* const kPorositaetProzent =
    "Der Wert im Feld \"Porosität (Gestein 1)\" ist nicht erlaubt!\nErlaubt: ein Anteil größer 0 und kleiner 1, z. B. "
    "0.213 für 21,3 % (in Prozent eingegeben?).";
const char* const kPorositaet =
    "Der Wert im Feld \"Porosität (Gestein 1)\" ist nicht erlaubt!\nErlaubt: ein Anteil größer 0 und kleiner 1, z. B. "
    "0.213 für 21,3 %.";
const char* const kHoehe = "Der Wert im Feld \"Größte Höhe\" ist nicht erlaubt!\nErlaubt: größer 0 bis 10000 m.";
const char* const kTyp =
    "Der Wert im Feld \"Gesteinstyp\" ist nicht erlaubt!\nErlaubt: alle oder eine ganze Zahl von -20 bis 40.";

INSTANTIATE_TEST_SUITE_P(
    Bereiche, Verweigert,
    ::testing::Values(
        Verweigerung{"PermeabilitaetNull", Mit([](auto& w) { w.gesteine[1].K = 0.0; }), kPermeabilitaet2},
        Verweigerung{"PermeabilitaetNegativ", Mit([](auto& w) { w.gesteine[1].K = -3.0; }), kPermeabilitaet2},
        Verweigerung{"PermeabilitaetZuGross", Mit([](auto& w) { w.gesteine[1].K = 1.000001e6; }), kPermeabilitaet2},
        Verweigerung{"PermeabilitaetNaN",
                     Mit([](auto& w) { w.gesteine[1].K = std::numeric_limits<double>::quiet_NaN(); }),
                     kPermeabilitaet2},
        Verweigerung{"PorositaetInProzent", Mit([](auto& w) { w.gesteine[0].Porositaet = 21.3; }), kPorositaetProzent},
        Verweigerung{"PorositaetEins", Mit([](auto& w) { w.gesteine[0].Porositaet = 1.0; }), kPorositaetProzent},
        Verweigerung{"PorositaetNull", Mit([](auto& w) { w.gesteine[0].Porositaet = 0.0; }), kPorositaet},
        Verweigerung{"PorositaetTausend", Mit([](auto& w) { w.gesteine[0].Porositaet = 1000.0; }), kPorositaet},
        Verweigerung{"JOhnePorositaet", Mit([](auto& w) { w.gesteine[2].Porositaet.reset(); }),
                     "Im Feld \"Porosität (Gestein 3)\" fehlt die Porosität!\nDas Modell J-Funktion braucht sie: ein "
                     "Anteil größer 0 und kleiner 1, z. B. 0.213 für 21,3 %."},
        Verweigerung{"HoeheNull", Mit([](auto& w) { w.hoeheMax = 0.0; }), kHoehe},
        Verweigerung{"HoeheZuGross", Mit([](auto& w) { w.hoeheMax = 10000.5; }), kHoehe},
        Verweigerung{"HoeheUnendlich", Mit([](auto& w) { w.hoeheMax = std::numeric_limits<double>::infinity(); }),
                     kHoehe},
        Verweigerung{"TypZuKlein", Mit([](auto& w) { w.gesteinstyp = -21; }), kTyp},
        Verweigerung{"TypZuGross", Mit([](auto& w) { w.gesteinstyp = 41; }), kTyp},
        Verweigerung{"KeinGestein", Mit([](auto& w) { w.gesteine.clear(); }),
                     "Die Tabelle der Gesteine hat 0 Zeilen!\nErlaubt: 1 bis 50 Gesteine."},
        Verweigerung{"ZuVieleGesteine", Mit([](auto& w) {
                       w.gesteine.assign(51, {1.0, 0.2});
                     }),
                     "Die Tabelle der Gesteine hat 51 Zeilen!\nErlaubt: 1 bis 50 Gesteine."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Wahl, TheBoundsThemselvesAreAllowed) {
  SaettigungshoehenWahl w = Gueltig();
  w.gesteine = {{1e6, 0.999}, {1e-300, 1e-9}};
  w.gesteine.resize(kGesteineMax, {1.0, std::nullopt});
  w.modell = ShfModell::Thomeer;
  w.hoeheMax = 10000.0;
  w.gesteinstyp = -20;
  std::string fehler;
  EXPECT_TRUE(Pruefen(w, fehler)) << fehler;
  w.gesteinstyp = 40;
  w.hoeheMax = 1e-3;
  EXPECT_TRUE(Pruefen(w, fehler)) << fehler;
}

TEST(Wahl, DefaultIsTheFamilyWithTheMedianPorosity) {
  std::vector<Messkurve> kurven(5);
  kurven[0].Zusatz.Porositaet = 0.3f;
  kurven[2].Zusatz.Porositaet = 0.1f;
  kurven[3].Zusatz.Porositaet = 0.2f;
  kurven[4].Zusatz.Porositaet = 0.25f;
  // Median of 0.1, 0.2, 0.25, 0.3 (the floats as read): the mean of the middle two.
  EXPECT_EQ(MedianPorositaet(kurven), 0.5 * (0.2 + 0.25));
  kurven[1].Zusatz.Porositaet = 0.22f;
  EXPECT_EQ(MedianPorositaet(kurven), 0.22);
  const SaettigungshoehenWahl w = StandardWahl(kurven);
  EXPECT_EQ(w.modell, ShfModell::Kadrel);
  EXPECT_FALSE(w.gesteinstyp);
  EXPECT_EQ(w.hoeheMax, 200.0);
  ASSERT_EQ(w.gesteine.size(), 5u);
  const double k[5] = {0.01, 0.1, 1, 10, 100};
  for (int j = 0; j < 5; ++j) {
    EXPECT_EQ(w.gesteine[j].K, k[j]);
    EXPECT_EQ(w.gesteine[j].Porositaet, 0.22);
  }
  EXPECT_TRUE(IstStandard(w));
  std::string fehler;
  EXPECT_TRUE(Pruefen(w, fehler));
  // Without porosity the rocks have none, and the J model refuses them.
  const SaettigungshoehenWahl ohne = StandardWahl({});
  EXPECT_FALSE(ohne.gesteine[0].Porositaet);
  EXPECT_TRUE(IstStandard(ohne));
  SaettigungshoehenWahl j = ohne;
  j.modell = ShfModell::JFunktion;
  EXPECT_FALSE(IstStandard(j));
  EXPECT_FALSE(Pruefen(j, fehler));
  SaettigungshoehenWahl hoeher = ohne;
  hoeher.hoeheMax = 250.0;
  EXPECT_FALSE(IstStandard(hoeher));
  SaettigungshoehenWahl typ = ohne;
  typ.gesteinstyp = 9;
  EXPECT_FALSE(IstStandard(typ));
}

struct Hoehenfall {
  double hoeheMax;
  std::vector<double> hoehen;
};

class Hoehen : public ::testing::TestWithParam<Hoehenfall> {};

TEST_P(Hoehen, CutAtTheGreatestHeight) { EXPECT_EQ(Tabellenhoehen(GetParam().hoeheMax), GetParam().hoehen); }

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Hoehen,
    ::testing::Values(Hoehenfall{200.0, {0, 0.5, 1, 2, 3, 5, 7.5, 10, 15, 20, 30, 50, 75, 100, 150, 200}},
                      Hoehenfall{120.0, {0, 0.5, 1, 2, 3, 5, 7.5, 10, 15, 20, 30, 50, 75, 100, 120}},
                      Hoehenfall{7.5, {0, 0.5, 1, 2, 3, 5, 7.5}}, Hoehenfall{0.3, {0, 0.3}},
                      Hoehenfall{1000.0, {0, 0.5, 1, 2, 3, 5, 7.5, 10, 15, 20, 30, 50, 75, 100, 150, 200, 1000}}));

TEST(Wahl, TextsWithCommaOrPointAndTheirRefusals) {
  SaettigungshoehenTexte t;
  t.modell = ShfModell::Thomeer;
  t.gesteinstyp = " 7 ";
  t.gesteine = {{"0,5", "0.12"}, {" 12 ", ""}};
  t.hoeheMax = "120,5";
  SaettigungshoehenWahl w;
  std::string fehler;
  ASSERT_TRUE(TexteLesen(t, w, fehler)) << fehler;
  EXPECT_EQ(w.modell, ShfModell::Thomeer);
  EXPECT_EQ(w.gesteinstyp, 7);
  ASSERT_EQ(w.gesteine.size(), 2u);
  EXPECT_EQ(w.gesteine[0], (Gestein{0.5, 0.12}));
  EXPECT_EQ(w.gesteine[1], (Gestein{12.0, std::nullopt}));
  EXPECT_EQ(w.hoeheMax, 120.5);
  // The texts of a choice read back to it.
  SaettigungshoehenWahl zurueck;
  ASSERT_TRUE(TexteLesen(Texte(w), zurueck, fehler)) << fehler;
  EXPECT_EQ(zurueck, w);
  EXPECT_EQ(Texte(w).gesteinstyp, "7");
  t.gesteinstyp = "alle";
  ASSERT_TRUE(TexteLesen(t, w, fehler));
  EXPECT_FALSE(w.gesteinstyp);

  struct Fall {
    void (*aendern)(SaettigungshoehenTexte&);
    std::string meldung;
    WahlFeld::Art art;
    int zeile;
  };
  const Fall faelle[] = {
      {[](auto& t) { t.gesteine[1].first = "zwölf"; },
       "Im Feld \"Permeabilität (Gestein 2)\" steht keine Zahl!\nErlaubt: größer 0 bis 1000000 mD.",
       WahlFeld::Permeabilitaet, 1},
      {[](auto& t) { t.gesteine[0].second = "12 %"; },
       "Im Feld \"Porosität (Gestein 1)\" steht keine Zahl!\nErlaubt: ein Anteil größer 0 und kleiner 1, z. B. 0.213 "
       "für 21,3 %.",
       WahlFeld::Porositaet, 0},
      {[](auto& t) { t.gesteine[0].second = "21,3"; }, kPorositaetProzent, WahlFeld::Porositaet, 0},
      {[](auto& t) { t.gesteinstyp = "7.5"; },
       "Im Feld \"Gesteinstyp\" steht keine ganze Zahl!\nErlaubt: alle oder eine ganze Zahl von -20 bis 40.",
       WahlFeld::Gesteinstyp, -1},
      {[](auto& t) { t.hoeheMax = ""; }, "Im Feld \"Größte Höhe\" steht keine Zahl!\nErlaubt: größer 0 bis 10000 m.",
       WahlFeld::HoeheMax, -1},
      {[](auto& t) { t.hoeheMax = "20000"; }, kHoehe, WahlFeld::HoeheMax, -1},
  };
  for (const Fall& f : faelle) {
    SaettigungshoehenTexte falsch = t;
    f.aendern(falsch);
    SaettigungshoehenWahl vorher = Gueltig();
    SaettigungshoehenWahl ziel = vorher;
    WahlFeld feld;
    EXPECT_FALSE(TexteLesen(falsch, ziel, fehler, &feld));
    EXPECT_EQ(fehler, f.meldung);
    EXPECT_EQ(feld.art, f.art) << f.meldung;
    EXPECT_EQ(feld.zeile, f.zeile) << f.meldung;
    EXPECT_EQ(ziel, vorher);
  }
}

// ---------------------------------------------------------------- study block

TEST(Studie, RoundTripExactAndOtherLinesKept) {
  SaettigungshoehenWahl w;
  w.modell = ShfModell::Thomeer;
  w.gesteinstyp = -3;
  // Numbers whose shortest text is long or has an exponent.
  w.gesteine = {{0.1 + 0.2, 1.0 / 3.0}, {1e-5, std::nullopt}, {123.456789012345, 0.213}};
  w.hoeheMax = 2.0 / 3.0 * 1000.0;
  Textliste studie{"Bohrung=/tmp/a.las", "SHF-Modell=Kadrel", "FWL-m=1234.5"};
  // Written and read under a locale with a decimal comma, where printf
  // and strtod would go wrong.
  const char* alt = std::setlocale(LC_ALL, nullptr);
  const std::string vorher = alt ? alt : "C";
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  StudieSchreiben(w, studie);
  SaettigungshoehenWahl zurueck = StandardWahl({});
  std::string fehler;
  const bool gelesen = StudieLesen(studie, zurueck, fehler);
  std::setlocale(LC_ALL, vorher.c_str());
  ASSERT_TRUE(gelesen) << fehler;
  EXPECT_EQ(zurueck, w);
  EXPECT_EQ(studie,
            (Textliste{"Bohrung=/tmp/a.las", "FWL-m=1234.5", "SHF-Modell=Thomeer", "SHF-Gesteinstyp-DRT=-3",
                       "SHF-Gestein-mD-Anteil=0.30000000000000004,0.3333333333333333", "SHF-Gestein-mD-Anteil=1e-05",
                       "SHF-Gestein-mD-Anteil=123.456789012345,0.213", "SHF-Hoehe-Max-m=666.6666666666666"}));
  EXPECT_TRUE(StudieEnthaelt(studie));
  StudieEntfernen(studie);
  EXPECT_EQ(studie, (Textliste{"Bohrung=/tmp/a.las", "FWL-m=1234.5"}));
  EXPECT_FALSE(StudieEnthaelt(studie));
  // A block without these keys leaves the choice as it is.
  SaettigungshoehenWahl unveraendert = Gueltig();
  ASSERT_TRUE(StudieLesen(studie, unveraendert, fehler));
  EXPECT_EQ(unveraendert, Gueltig());
}

TEST(Studie, KeysGivenReplaceOnlyTheirValues) {
  SaettigungshoehenWahl w = Gueltig();
  std::string fehler;
  ASSERT_TRUE(StudieLesen({"SHF-Hoehe-Max-m=75"}, w, fehler)) << fehler;
  SaettigungshoehenWahl erwartet = Gueltig();
  erwartet.hoeheMax = 75.0;
  EXPECT_EQ(w, erwartet);
  ASSERT_TRUE(StudieLesen({"SHF-Gestein-mD-Anteil=5,0.1", "SHF-Gesteinstyp-DRT=alle"}, w, fehler)) << fehler;
  erwartet.gesteine = {{5.0, 0.1}};
  EXPECT_EQ(w, erwartet);
}

struct Studienfehler {
  const char* name;
  Textliste studie;
  std::string meldung;
};

class StudieVerweigert : public ::testing::TestWithParam<Studienfehler> {};

TEST_P(StudieVerweigert, NenntDieZeile) {
  SaettigungshoehenWahl w = Gueltig();
  std::string fehler;
  EXPECT_FALSE(StudieLesen(GetParam().studie, w, fehler));
  EXPECT_EQ(fehler, GetParam().meldung);
  EXPECT_EQ(w, Gueltig());
}

const char* const kGesteinErwartet =
    "Erwartet: die Permeabilität in mD, dann wahlweise ein Komma und die Porosität als Anteil.";

INSTANTIATE_TEST_SUITE_P(
    Faelle, StudieVerweigert,
    ::testing::Values(
        Studienfehler{"Modell",
                      {"SHF-Modell=Leverett"},
                      "Die Einstellung \"SHF-Modell=Leverett\" der Studie ist ungültig!\nErlaubt: Kadrel, J-Funktion "
                      "oder Thomeer."},
        Studienfehler{"ModellZweimal",
                      {"SHF-Modell=Kadrel", "SHF-Modell=Thomeer"},
                      "Die Einstellung \"SHF-Modell=Thomeer\" der Studie ist ungültig!\nDer Schlüssel steht zweimal."},
        Studienfehler{"TypKeineZahl",
                      {"SHF-Gesteinstyp-DRT=7.0"},
                      "Die Einstellung \"SHF-Gesteinstyp-DRT=7.0\" der Studie ist ungültig!\nErlaubt: alle oder eine "
                      "ganze Zahl von -20 bis 40."},
        Studienfehler{
            "HoeheMitKomma",
            {"SHF-Hoehe-Max-m=2,5"},
            "Die Einstellung \"SHF-Hoehe-Max-m=2,5\" der Studie ist ungültig!\nErlaubt: größer 0 bis 10000 m."},
        Studienfehler{"HoeheLeer",
                      {"SHF-Hoehe-Max-m="},
                      "Die Einstellung \"SHF-Hoehe-Max-m=\" der Studie ist ungültig!\nErlaubt: größer 0 bis 10000 m."},
        Studienfehler{
            "GesteinLeer",
            {"SHF-Gestein-mD-Anteil="},
            std::string("Die Einstellung \"SHF-Gestein-mD-Anteil=\" der Studie ist ungültig!\n") + kGesteinErwartet},
        Studienfehler{
            "GesteinLeerePorositaet",
            {"SHF-Gestein-mD-Anteil=3,"},
            std::string("Die Einstellung \"SHF-Gestein-mD-Anteil=3,\" der Studie ist ungültig!\n") + kGesteinErwartet},
        Studienfehler{"GesteinUnendlich",
                      {"SHF-Gestein-mD-Anteil=inf,0.2"},
                      std::string("Die Einstellung \"SHF-Gestein-mD-Anteil=inf,0.2\" der Studie ist ungültig!\n") +
                          kGesteinErwartet},
        // Read, but outside the ranges.
        Studienfehler{
            "PorositaetInProzent",
            {"SHF-Gestein-mD-Anteil=3,21.3"},
            std::string("Die Wahl des Sättigungshöhenmodells in der Studie ist ungültig!\n") + kPorositaetProzent},
        Studienfehler{"HoeheNegativ",
                      {"SHF-Hoehe-Max-m=-5"},
                      std::string("Die Wahl des Sättigungshöhenmodells in der Studie ist ungültig!\n") + kHoehe}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Studie, TooManyRocksStopReading) {
  Textliste studie(100000, "SHF-Gestein-mD-Anteil=1,0.2");
  SaettigungshoehenWahl w = Gueltig();
  std::string fehler;
  EXPECT_FALSE(StudieLesen(studie, w, fehler));
  EXPECT_EQ(fehler,
            "Die Einstellung \"SHF-Gestein-mD-Anteil=1,0.2\" der Studie ist ungültig!\nErlaubt: 1 bis 50 Gesteine.");
}

// The field a refusal is about, so that the dialog and the command line can
// name it; nothing is written when the choice is allowed.
TEST(Wahl, RefusalNamesItsField) {
  struct Fall {
    SaettigungshoehenWahl wahl;
    WahlFeld::Art art;
    int zeile;
  };
  const Fall faelle[] = {
      {Mit([](auto& w) { w.gesteinstyp = 41; }), WahlFeld::Gesteinstyp, -1},
      {Mit([](auto& w) { w.gesteine.clear(); }), WahlFeld::Gesteine, -1},
      {Mit([](auto& w) { w.gesteine[1].K = 0.0; }), WahlFeld::Permeabilitaet, 1},
      {Mit([](auto& w) { w.gesteine[2].Porositaet.reset(); }), WahlFeld::Porositaet, 2},
      {Mit([](auto& w) { w.hoeheMax = -1.0; }), WahlFeld::HoeheMax, -1},
  };
  for (const Fall& f : faelle) {
    std::string fehler;
    WahlFeld feld{WahlFeld::Gesteine, 7};
    EXPECT_FALSE(Pruefen(f.wahl, fehler, &feld));
    EXPECT_EQ(feld.art, f.art) << fehler;
    EXPECT_EQ(feld.zeile, f.zeile) << fehler;
  }
  WahlFeld feld{WahlFeld::Gesteine, 7};
  std::string fehler;
  EXPECT_TRUE(Pruefen(Gueltig(), fehler, &feld));
  EXPECT_EQ(feld.art, WahlFeld::Gesteine);
  EXPECT_EQ(feld.zeile, 7);
}

// DRT = floor(2·ln FZI + 11.1): 1 mD at 0.2 gives 8.56 → 8, 100 mD at 0.25
// 12.37 → 12, 0.01 mD at 0.1 6.27 → 6; 1e6 mD at 1e-6 gives 59, outside
// the range the dialog offers.
TEST(Wahl, RockTypesPresentOnceAscending) {
  const struct {
    float k;
    std::optional<float> phi;
  } proben[] = {{100.0f, 0.25f}, {1.0f, 0.2f},  {0.01f, 0.1f}, {1.0f, 0.2f},
                {5.0f, {}},      {1e6f, 1e-6f}, {0.0f, 0.2f},  {1.0f, 1.0f}};
  std::vector<Messkurve> kurven;
  for (const auto& p : proben) {
    Messkurve k;
    k.Perm = p.k;
    k.Zusatz.Porositaet = p.phi;
    kurven.push_back(k);
  }
  EXPECT_EQ(VorhandeneGesteinstypen(kurven), (std::vector<int>{6, 8, 12}));
  EXPECT_TRUE(VorhandeneGesteinstypen({}).empty());
}

}  // namespace
