// The well in the study block: the three keys written and read back, every
// other line kept, the refusals naming the line, the FWL field of the dialog
// read whatever the locale, and the depth unit of a stored FWL compared.
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "BohrungStudie.h"
#include "LasLesen.h"
#include "Lasbeispiel.h"

using namespace bohrung;

namespace {

Kopf KopfVon(const std::string& las) {
  Kopf k;
  std::string fehler;
  EXPECT_TRUE(KopfLesen(las, k, fehler)) << fehler;
  return k;
}

const Kopf& Meterkopf() {
  static const Kopf k = KopfVon(lasbeispiel::kLog);
  return k;
}

const Kopf& Fusskopf() {
  static const Kopf k = KopfVon(lasbeispiel::Mit(" DEPT.M ", " DEPT.FT "));
  return k;
}

}  // namespace

TEST(Bohrungsstudie, SchreibenUndLesenBehaeltAndereZeilen) {
  const Bohrungsstudie s{"/daten/bohrung ä 7.las", 2140.25, "M", "PHIT", "PERM_K"};
  Textliste studie{"SHF-Modell=J-Funktion", "Bohrung-FWL=1 M", "Lagerstaettenbedingungen.RhoKW=0.8"};
  StudieSchreiben(s, studie);
  EXPECT_EQ(studie,
            (Textliste{"SHF-Modell=J-Funktion", "Lagerstaettenbedingungen.RhoKW=0.8",
                       "Bohrung-Datei=/daten/bohrung ä 7.las", "Bohrung-FWL=2140.25 M", "Bohrung-Kurven=PHIT,PERM_K"}));
  EXPECT_TRUE(StudieEnthaelt(studie));
  Bohrungsstudie gelesen;
  std::string fehler;
  ASSERT_TRUE(StudieLesen(studie, gelesen, fehler)) << fehler;
  EXPECT_EQ(gelesen, s);

  // The shortest text that reads back to the same double, under any locale.
  const char* vorher = std::setlocale(LC_ALL, nullptr);
  const std::string alt = vorher ? vorher : "C";
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  const Bohrungsstudie fein{"a.las", 0.1 + 0.2, "FT", "", "KLOG"};
  StudieSchreiben(fein, studie);
  EXPECT_EQ(studie[3], "Bohrung-FWL=0.30000000000000004 FT");
  EXPECT_EQ(studie[4], "Bohrung-Kurven=,KLOG");
  ASSERT_TRUE(StudieLesen(studie, gelesen, fehler)) << fehler;
  EXPECT_EQ(gelesen, fein);
  std::setlocale(LC_ALL, alt.c_str());

  StudieEntfernen(studie);
  EXPECT_EQ(studie, (Textliste{"SHF-Modell=J-Funktion", "Lagerstaettenbedingungen.RhoKW=0.8"}));
  EXPECT_FALSE(StudieEnthaelt(studie));
  EXPECT_FALSE(StudieEnthaelt({"Bohrung-Dateien=x", "Bohrung=1"}));
}

struct Ungueltig {
  const char* name;
  Textliste studie;
  const char* meldung;
};

class StudieUngueltig : public ::testing::TestWithParam<Ungueltig> {};

TEST_P(StudieUngueltig, MeldungUndUnveraendert) {
  Bohrungsstudie s{"alt.las", 5.0, "M", "PHIE", "PERM"};
  const Bohrungsstudie vorher = s;
  std::string fehler;
  EXPECT_FALSE(StudieLesen(GetParam().studie, s, fehler));
  EXPECT_EQ(fehler, GetParam().meldung);
  EXPECT_EQ(s, vorher);
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, StudieUngueltig,
    ::testing::Values(
        Ungueltig{"OhneDatei",
                  {"Bohrung-FWL=2140 M", "Bohrung-Kurven=PHIT,PERM"},
                  "Der Studie fehlt die Einstellung \"Bohrung-Datei\"."},
        Ungueltig{"OhneKurven",
                  {"Bohrung-Datei=a.las", "Bohrung-FWL=2140 M"},
                  "Der Studie fehlt die Einstellung \"Bohrung-Kurven\"."},
        Ungueltig{"DateiLeer",
                  {"Bohrung-Datei=", "Bohrung-FWL=2140 M", "Bohrung-Kurven=PHIT,PERM"},
                  "Die Einstellung \"Bohrung-Datei=\" der Studie ist ungültig!\nEs fehlt der Name der Datei."},
        Ungueltig{"Zweimal",
                  {"Bohrung-Datei=a.las", "Bohrung-FWL=2140 M", "Bohrung-FWL=2141 M", "Bohrung-Kurven=PHIT,PERM"},
                  "Die Einstellung \"Bohrung-FWL=2141 M\" der Studie ist ungültig!\nDer Schlüssel steht zweimal."},
        Ungueltig{"FwlOhneEinheit",
                  {"Bohrung-Datei=a.las", "Bohrung-FWL=2140", "Bohrung-Kurven=PHIT,PERM"},
                  "Die Einstellung \"Bohrung-FWL=2140\" der Studie ist ungültig!\nErwartet: die Tiefe und ihre "
                  "Einheit, etwa \"2140 M\" oder \"7020.5 FT\"."},
        Ungueltig{"FwlKomma",
                  {"Bohrung-Datei=a.las", "Bohrung-FWL=2140,5 M", "Bohrung-Kurven=PHIT,PERM"},
                  "Die Einstellung \"Bohrung-FWL=2140,5 M\" der Studie ist ungültig!\nErwartet: die Tiefe und ihre "
                  "Einheit, etwa \"2140 M\" oder \"7020.5 FT\"."},
        Ungueltig{"FwlUnendlich",
                  {"Bohrung-Datei=a.las", "Bohrung-FWL=inf M", "Bohrung-Kurven=PHIT,PERM"},
                  "Die Einstellung \"Bohrung-FWL=inf M\" der Studie ist ungültig!\nErwartet: die Tiefe und ihre "
                  "Einheit, etwa \"2140 M\" oder \"7020.5 FT\"."},
        Ungueltig{"FwlInZoll",
                  {"Bohrung-Datei=a.las", "Bohrung-FWL=2140 IN", "Bohrung-Kurven=PHIT,PERM"},
                  "Die Einstellung \"Bohrung-FWL=2140 IN\" der Studie ist ungültig!\nErwartet: die Tiefe und ihre "
                  "Einheit, etwa \"2140 M\" oder \"7020.5 FT\"."},
        Ungueltig{"EineKurve",
                  {"Bohrung-Datei=a.las", "Bohrung-FWL=2140 M", "Bohrung-Kurven=PHIT"},
                  "Die Einstellung \"Bohrung-Kurven=PHIT\" der Studie ist ungültig!\n„PHIT“ nennt nicht zwei "
                  "Kurven: POROSITÄT,PERMEABILITÄT (etwa PHIE,PERM)."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Bohrungsstudie, TiefeneinheitDesFwl) {
  EXPECT_TRUE(GleicheTiefeneinheit("M", Meterkopf()));
  EXPECT_TRUE(GleicheTiefeneinheit("m", Meterkopf()));
  EXPECT_FALSE(GleicheTiefeneinheit("FT", Meterkopf()));
  for (const char* e : {"F", "FT", "feet"}) EXPECT_TRUE(GleicheTiefeneinheit(e, Fusskopf())) << e;
  EXPECT_FALSE(GleicheTiefeneinheit("M", Fusskopf()));
  EXPECT_FALSE(GleicheTiefeneinheit("", Fusskopf()));
}

struct Fwlfeld {
  const char* text;
  double wert;  // NaN: refused
};

class FwlFeldLesen : public ::testing::TestWithParam<Fwlfeld> {};

TEST_P(FwlFeldLesen, ZahlOderMeldungMitFeldUndEinheit) {
  const char* vorher = std::setlocale(LC_ALL, nullptr);
  const std::string alt = vorher ? vorher : "C";
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  double fwl = -1.0;
  std::string fehler;
  const bool ok = FwlLesen(GetParam().text, Fusskopf(), fwl, fehler);
  std::setlocale(LC_ALL, alt.c_str());
  if (std::isnan(GetParam().wert)) {
    EXPECT_FALSE(ok);
    EXPECT_EQ(fwl, -1.0);
    EXPECT_EQ(fehler,
              "Im Feld \"FWL (FT)\" steht keine Zahl!\nErlaubt: die Tiefe des freien Wasserspiegels in FT, der "
              "Tiefeneinheit des Logs.");
  } else {
    EXPECT_TRUE(ok) << fehler;
    EXPECT_EQ(fwl, GetParam().wert);
  }
}

constexpr double kNein = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Texte, FwlFeldLesen,
                         ::testing::Values(Fwlfeld{"2140", 2140.0}, Fwlfeld{" 2140.5 ", 2140.5},
                                           Fwlfeld{"2140,5", 2140.5}, Fwlfeld{"+7020", 7020.0}, Fwlfeld{"-12.5", -12.5},
                                           Fwlfeld{"2.14e3", 2140.0}, Fwlfeld{"", kNein}, Fwlfeld{"  ", kNein},
                                           Fwlfeld{"2140 m", kNein}, Fwlfeld{"abc", kNein}, Fwlfeld{"1e400", kNein},
                                           Fwlfeld{"inf", kNein}, Fwlfeld{"nan", kNein}, Fwlfeld{"2.140,5", kNein},
                                           Fwlfeld{"0x10", kNein}));
