#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogTestbasis.h"

namespace {

const char* const kKopfAufbau = "Die Kopfzeile muss folgenden Aufbau haben\nPERMEABILITAET: Zahl Kernbezeichnung";
// The refusals of a header's added words.
const char* const kAnteil =
    "Die Porosität ist als Anteil zwischen 0 und 1 anzugeben (z. B. POROSITAET: 0.213 für 21,3 %).";
const char* const kSchliessdruck = "Der Schließdruck ist in bar als Zahl größer 0 anzugeben.";
const char* const kOhneKern =
    "Vor POROSITAET: und SCHLIESSDRUCK: muss die Kernbezeichnung stehen:\n"
    "PERMEABILITAET: Zahl Kernbezeichnung POROSITAET: Anteil";
const char* const kDoppelt = "POROSITAET: und SCHLIESSDRUCK: dürfen je nur einmal in der Kopfzeile stehen.";

struct Fall {
  const char* name;
  const char* zeile;
  int typ;
  float shg;               // expected saturation out (99 = untouched)
  const char* meldung;     // expected message, "" for none
  const char* formatiert;  // Zeile after a check with the reformat flag, "" = unchanged
};

constexpr float kUnberuehrt = 99.0f;

// Checks with lines in the list (iAnzahl > 0).
const Fall kFaelle[] = {
    {"Wertezeile", "1.5 0.3", 1, 0.3f, "", "      1.5        0.3"},
    {"WertezeileMitNull", "12.25 0", 1, 0.0f, "", "    12.25          0"},
    {"WertezeileExponent", "1e-5 1", 1, 1.0f, "", "   1e-005          1"},
    {"NegativerDruck", "-0.5 0.3", -1, kUnberuehrt, "ABBRUCH! Der Druck ist kleiner Null", ""},
    {"SaettigungUeberEins", "1 1.01", -1, kUnberuehrt, "ABBRUCH! Die Sättigung muss zwischen 0 und 1 liegen!", ""},
    {"SaettigungNegativ", "1 -0.01", -1, kUnberuehrt, "ABBRUCH! Die Sättigung muss zwischen 0 und 1 liegen!", ""},
    {"Endezeile", "ENDE", 2, 2.0f, "", ""},
    {"EndezeileMitText", "ENDE xyz", 2, 2.0f, "", ""},
    {"EndeKlein", "ende", -1, kUnberuehrt, "Die Schlusszeile muss ENDE lauten!", ""},
    {"Kopfzeile", "PERMEABILITAET: 125.3 K17", 0, -1.0f, "", ""},
    {"KopfzeileOhneKern", "PERMEABILITAET: 12", 0, -1.0f, "", ""},
    {"PermeabilitaetNull", "PERMEABILITAET: 0 K1", -1, kUnberuehrt, "Die Permeabilität muß größer Null sein!", ""},
    {"AnderesWort", "Kern 12 A", -1, kUnberuehrt, kKopfAufbau, ""},
    {"WertMitBemerkung", "1.5 0.3 Bemerkung", -1, kUnberuehrt, "Falsche Daten", ""},
    {"Dezimalkomma", "2,5 0,3", -1, kUnberuehrt, "Falsche Daten", ""},
    {"DreiZahlen", "1 0.5 7", -1, kUnberuehrt, "Falsche Daten", ""},
    {"EineZahl", "4.5", -1, kUnberuehrt, "Falsche Daten", ""},
    {"ZahlUndWort", "4.5 abc", -1, kUnberuehrt, "Falsche Daten", ""},
    {"Leer", "", -1, kUnberuehrt, "Falsche Daten", ""},
    {"NurBlanks", "   \t ", -1, kUnberuehrt, "Falsche Daten", ""},
    {"KopfwortOhneZahl", "PERMEABILITAET: abc", -1, kUnberuehrt, "Die Schlusszeile muss ENDE lauten!", ""},
    // The line the reader would stop at; by default it counts as the edit's
    // place, here the second line.
    {"DruckZuGross", "1e39 0.6", -1, kUnberuehrt, "ABBRUCH in der 2.Zeile\n1e39 0.6", ""},
    {"PermeabilitaetZuGross", "PERMEABILITAET: 1e39 B", -1, kUnberuehrt,
     "ABBRUCH in der 2.Zeile\nPERMEABILITAET: 1e39 B", ""},
    {"NanWert", "nan 0.5", -1, kUnberuehrt, "ABBRUCH in der 2.Zeile\nnan 0.5", ""},
    {"WinzigeSaettigung", "1 1e-400", 1, 0.0f, "", "        1          0"},
    // Porosity (a fraction) and closure pressure (bar) after the label, in any order.
    {"KopfMitPorositaet", "PERMEABILITAET: 125.3 K17 POROSITAET: 0.213", 0, -1.0f, "", ""},
    {"KopfMitPorositaetUndSchliessdruck", "PERMEABILITAET: 125.3 K17 POROSITAET: 0.213 SCHLIESSDRUCK: 0.35", 0, -1.0f,
     "", ""},
    {"SchliessdruckVorPorositaet", "PERMEABILITAET: 125.3 K17 SCHLIESSDRUCK: 3.5e-1 POROSITAET: 0.2", 0, -1.0f, "", ""},
    {"NurSchliessdruck", "PERMEABILITAET: 2 K SCHLIESSDRUCK: 0.35", 0, -1.0f, "", ""},
    {"KernDirektNachDerZahl", "PERMEABILITAET: 12K POROSITAET: 0.3", 0, -1.0f, "", ""},
    {"PorositaetInProzent", "PERMEABILITAET: 125.3 K17 POROSITAET: 21.3", -1, kUnberuehrt, kAnteil, ""},
    {"PorositaetEins", "PERMEABILITAET: 125.3 K17 POROSITAET: 1", -1, kUnberuehrt, kAnteil, ""},
    {"PorositaetNull", "PERMEABILITAET: 125.3 K17 POROSITAET: 0", -1, kUnberuehrt, kAnteil, ""},
    {"PorositaetNegativ", "PERMEABILITAET: 125.3 K17 POROSITAET: -0.2", -1, kUnberuehrt, kAnteil, ""},
    {"PorositaetKeineZahl", "PERMEABILITAET: 125.3 K17 POROSITAET: hoch", -1, kUnberuehrt, kAnteil, ""},
    {"PorositaetDezimalkomma", "PERMEABILITAET: 125.3 K17 POROSITAET: 0,213", -1, kUnberuehrt, kAnteil, ""},
    {"PorositaetFehlt", "PERMEABILITAET: 125.3 K17 POROSITAET:", -1, kUnberuehrt, kAnteil, ""},
    {"PorositaetNan", "PERMEABILITAET: 125.3 K17 POROSITAET: nan", -1, kUnberuehrt, kAnteil, ""},
    {"PorositaetOhneKern", "PERMEABILITAET: 125.3 POROSITAET: 0.213", -1, kUnberuehrt, kOhneKern, ""},
    {"SchliessdruckOhneKern", "PERMEABILITAET: 125.3 SCHLIESSDRUCK: 0.35", -1, kUnberuehrt, kOhneKern, ""},
    {"SchluesselwortDirektNachDerZahl", "PERMEABILITAET: 12POROSITAET: 0.2 POROSITAET: 0.3", -1, kUnberuehrt, kOhneKern,
     ""},
    {"SchliessdruckNull", "PERMEABILITAET: 125.3 K17 SCHLIESSDRUCK: 0", -1, kUnberuehrt, kSchliessdruck, ""},
    {"SchliessdruckNegativ", "PERMEABILITAET: 125.3 K17 SCHLIESSDRUCK: -1", -1, kUnberuehrt, kSchliessdruck, ""},
    {"SchliessdruckInPsiZuGross", "PERMEABILITAET: 1 K SCHLIESSDRUCK: 1e39", -1, kUnberuehrt, kSchliessdruck, ""},
    {"PorositaetZweimal", "PERMEABILITAET: 1 K POROSITAET: 0.2 POROSITAET: 0.2", -1, kUnberuehrt, kDoppelt, ""},
    // The permeability is checked first.
    {"PermeabilitaetNullMitPorositaet", "PERMEABILITAET: 0 K1 POROSITAET: 21", -1, kUnberuehrt,
     "Die Permeabilität muß größer Null sein!", ""},
};

class ZeilenTypTest : public DialogTest, public ::testing::WithParamInterface<Fall> {};

TEST_P(ZeilenTypTest, MitZeilenInDerListe) {
  const Fall& f = GetParam();
  Oeffnen({"PERMEABILITAET: 1 A"});
  dlg.iAnzahl = 1;
  dlg.Zeile = "unverändert";
  float shg = kUnberuehrt;
  EXPECT_EQ(dlg.ZeilenTyp(1, f.zeile, shg), f.typ);
  EXPECT_EQ(shg, f.shg);
  if (*f.meldung) {
    EXPECT_EQ(plattform.protokoll, (std::vector{Ok(f.meldung)}));
  } else {
    EXPECT_TRUE(plattform.protokoll.empty());
  }
  EXPECT_EQ(dlg.Zeile, *f.formatiert ? std::string(f.formatiert) : std::string("unverändert"));

  // Without the reformat flag the edit is never touched.
  dlg.Zeile = "unverändert";
  EXPECT_EQ(dlg.ZeilenTyp(0, f.zeile, shg), f.typ);
  EXPECT_EQ(dlg.Zeile, "unverändert");
}

INSTANTIATE_TEST_SUITE_P(Zeilen, ZeilenTypTest, ::testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// In an empty list only a header line passes, its permeability untested.
const Fall kLeereListe[] = {
    {"Kopfzeile", "PERMEABILITAET: 125.3 K17", 0, kUnberuehrt, "", ""},
    {"KopfzeileNull", "PERMEABILITAET: 0 K1", 0, kUnberuehrt, "", ""},
    {"AnderesWortMitZahl", "Kern 12 A", -1, kUnberuehrt, "Falsche Daten", ""},
    {"Wertezeile", "1.5 0.3", -1, kUnberuehrt, kKopfAufbau, ""},
    {"Endezeile", "ENDE", -1, kUnberuehrt, kKopfAufbau, ""},
    {"Leer", "", -1, kUnberuehrt, kKopfAufbau, ""},
    {"NegativerDruck", "-1 0.5", -1, kUnberuehrt, "ABBRUCH! Der Druck ist kleiner Null", ""},
    {"KopfMitPorositaet", "PERMEABILITAET: 125.3 K17 POROSITAET: 0.213 SCHLIESSDRUCK: 0.35", 0, kUnberuehrt, "", ""},
    {"KopfzeileNullMitPorositaet", "PERMEABILITAET: 0 K1 POROSITAET: 0.2", 0, kUnberuehrt, "", ""},
    {"PorositaetInProzent", "PERMEABILITAET: 125.3 K17 POROSITAET: 21.3", -1, kUnberuehrt, kAnteil, ""},
    {"PorositaetOhneKern", "PERMEABILITAET: 125.3 POROSITAET: 0.213", -1, kUnberuehrt, kOhneKern, ""},
    {"SchliessdruckNull", "PERMEABILITAET: 125.3 K17 SCHLIESSDRUCK: 0", -1, kUnberuehrt, kSchliessdruck, ""},
};

class ZeilenTypLeerTest : public DialogTest, public ::testing::WithParamInterface<Fall> {};

TEST_P(ZeilenTypLeerTest, InLeererListe) {
  const Fall& f = GetParam();
  Oeffnen({});
  float shg = kUnberuehrt;
  EXPECT_EQ(dlg.ZeilenTyp(1, f.zeile, shg), f.typ);
  EXPECT_EQ(shg, f.shg);
  if (*f.meldung) {
    EXPECT_EQ(plattform.protokoll, (std::vector{Ok(f.meldung)}));
  } else {
    EXPECT_TRUE(plattform.protokoll.empty());
  }
  EXPECT_EQ(dlg.Zeile, "");
}

INSTANTIATE_TEST_SUITE_P(Zeilen, ZeilenTypLeerTest, ::testing::ValuesIn(kLeereListe),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
