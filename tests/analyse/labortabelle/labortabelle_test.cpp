#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "DateiImport.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Labortabelle.h"
#include "Zeilenleser.h"

namespace labor {
void PrintTo(const Problem& p, std::ostream* os) { *os << "{" << p.zeile << ", \"" << p.grund << "\"}"; }
}  // namespace labor

namespace {

using labor::Druckeinheit;
using labor::Problem;
using labor::Saettigungseinheit;
using Zeilen = std::vector<std::string>;

struct Fall {
  const char* name;
  std::string tabelle;
  bool nullpunkt;
  Zeilen zeilen;
  std::vector<Problem> probleme;
  char trenner;
  char dezimal;
};

void PrintTo(const Fall& f, std::ostream* os) { *os << f.name; }

// The text as a spreadsheet saves "Unicode text": UTF-16 with byte order mark.
std::string Utf16(std::u16string_view text, bool grossEndian = false) {
  std::string b = grossEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t c : text) {
    const char hoch = static_cast<char>(c >> 8);
    const char tief = static_cast<char>(c & 0xFF);
    b += grossEndian ? hoch : tief;
    b += grossEndian ? tief : hoch;
  }
  return b;
}

class Tabellenform : public ::testing::TestWithParam<Fall> {};

TEST_P(Tabellenform, ErgibtGenauDieseZeilen) {
  const Fall& f = GetParam();
  labor::Vorgaben v;
  v.nullpunktEinfuegen = f.nullpunkt;
  labor::Rohtabelle t;
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::TabelleZerlegen(f.tabelle, 0, 0, t, fehler)) << fehler;
  ASSERT_TRUE(labor::TabelleAuswerten(t, v, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen, f.zeilen);
  EXPECT_EQ(e.probleme, f.probleme);
  EXPECT_EQ(t.trenner, f.trenner);
  EXPECT_EQ(t.dezimal, f.dezimal);
}

const Zeilen kK17 = {"PERMEABILITAET: 125.3 K17",   "   0.0500          0.00000 ", "   0.3000          0.00000 ",
                     "   0.8000          0.21000 ", "   4.0000          0.63000 ", "ENDE"};

INSTANTIATE_TEST_SUITE_P(
    Labortabelle, Tabellenform,
    ::testing::Values(
        Fall{"KommaPunkt",
             "Sample,Permeability (mD),Pc (bar),SHg\nK17,125.3,0.05,0\nK17,125.3,0.30,0.0\n"
             "K17,125.3,0.80,0.21\nK17,125.3,4.00,0.63\n",
             false,
             kK17,
             {},
             ',',
             '.'},
        Fall{"SemikolonKommaProzent",
             "Probe;Permeabilität;Druck (bar);Sättigung (%)\r\nA 1;12,5;0,1;0\r\nA 1;12,5;1,5;25,5\r\n"
             "A 1;12,5;10;60\r\n",
             false,
             {"PERMEABILITAET: 12.5 A_1", "   0.1000          0.00000 ", "   1.5000          0.25500 ",
              "  10.0000          0.60000 ", "ENDE"},
             {{2, "Kern „A 1“ heißt „A_1“: die Kennung ist ein Wort"}},
             ';',
             ','},
        // 1 psi = 0.0689475729 bar; 14.5037738 psi are 1 bar.
        Fall{"TabulatorPsi",
             "Kern\tK\tPc (psia)\tSHg [-]\nB\t3\t1\t0\nB\t3\t14.5037738\t0.2\nB\t3\t100\t0.5\n",
             false,
             {"PERMEABILITAET: 3 B", "   0.0689          0.00000 ", "   1.0000          0.20000 ",
              "   6.8948          0.50000 ", "ENDE"},
             {},
             '\t',
             '.'},
        // More digits than a float holds: the conversion starts from the text.
        Fall{"PsiMitAllenStellen",
             "Kern,Perm,Pc (psi),SHg\nX,1,1648.63961,0\nX,1,13189.1198,0.3\nX,1,26378.2396,0.6\n",
             false,
             {"PERMEABILITAET: 1 X", " 113.6697          0.00000 ", " 909.3578          0.30000 ",
              "1818.7156          0.60000 ", "ENDE"},
             {},
             ',',
             '.'},
        Fall{"TabulatorKommaKpa",
             "Kern\tPerm\tDruck kPa\tSHg %\nC\t0,5\t250\t0\nC\t0,5\t1000\t12,5\nC\t0,5\t5000\t80\n",
             false,
             {"PERMEABILITAET: 0.5 C", "   2.5000          0.00000 ", "  10.0000          0.12500 ",
              "  50.0000          0.80000 ", "ENDE"},
             {},
             '\t',
             ','},
        Fall{"MPaInKlammern",
             "Sample;Perm;Pressure [MPa];Saturation\nD;7;0,05;0\nD;7;0,5;0,3\nD;7;2;0,7\n",
             false,
             {"PERMEABILITAET: 7 D", "   0.5000          0.00000 ", "   5.0000          0.30000 ",
              "  20.0000          0.70000 ", "ENDE"},
             {},
             ';',
             ','},
        // One row per point, three samples one after the other.
        Fall{"LangeTabelleDreierProben",
             "Sample,Perm,Pc,SHg\nA,1,0.5,0\nA,1,2,0.4\nA,1,8,0.7\nB,10,0.2,0\nB,10,1,0.3\nB,10,5,0.6\nB,10,20,0.8\n"
             "C,100,0.1,0\nC,100,0.4,0.5\nC,100,3,0.9\n",
             false,
             {"PERMEABILITAET: 1 A", "   0.5000          0.00000 ", "   2.0000          0.40000 ",
              "   8.0000          0.70000 ", "ENDE", "PERMEABILITAET: 10 B", "   0.2000          0.00000 ",
              "   1.0000          0.30000 ", "   5.0000          0.60000 ", "  20.0000          0.80000 ", "ENDE",
              "PERMEABILITAET: 100 C", "   0.1000          0.00000 ", "   0.4000          0.50000 ",
              "   3.0000          0.90000 ", "ENDE"},
             {},
             ',',
             '.'},
        // A label given only on a sample's first row; a sample that comes
        // back later is a sample of its own, here without permeability.
        Fall{"KernNurInDerErstenZeile",
             "Kern;Perm;Pc;SHg\nA;2;1;0\n;;2;0,5\n;;4;0,9\nB;4;1;0\n;;2;0,4\n;;3;0,6\nA;;8;0,95\n",
             false,
             {"PERMEABILITAET: 2 A", "   1.0000          0.00000 ", "   2.0000          0.50000 ",
              "   4.0000          0.90000 ", "ENDE", "PERMEABILITAET: 4 B", "   1.0000          0.00000 ",
              "   2.0000          0.40000 ", "   3.0000          0.60000 ", "ENDE"},
             {{8, "Probe A stand schon ab Zeile 2; diese Zeilen bleiben getrennt als Probe A#2"},
              {8, "Probe A#2 ausgelassen (1 Zeilen): keine Permeabilität größer 0"}},
             ';',
             ','},
        Fall{"NullpunktEingefuegt",
             "Sample,Perm,Pc,SHg\nE,50,0.4,0.05\nE,50,2,0.5\nE,50,9,0.8\n",
             true,
             {"PERMEABILITAET: 50 E", "   0.4000          0.00000 ", "   0.4000          0.05000 ",
              "   2.0000          0.50000 ", "   9.0000          0.80000 ", "ENDE"},
             {},
             ',',
             '.'},
        Fall{"KaputteZeilen",
             "Sample,Perm,Pc,SHg\n"
             "F,5,0.1,0\n"
             "F,5,,0.2\n"   // 3: no pressure
             "F,5,1.0,x\n"  // 4: saturation not a number
             "F,5,2,0.5\n"
             "F,5,3,0.4\n"  // 6: falls
             "F,6,4,0.6\n"  // 7: other permeability, point kept
             "F,5,5,1.5\n"  // 8: beyond 1
             "G,abc,1,0\n"  // 9: permeability no number, G has none
             "G,,2,0.5\n"
             "G,,3,0.6\n"
             "H,1,0.1,0\n"  // 12: only two points
             "H,1,1,0.5\n"
             "I,2,0.5,0.1\n"  // 14: first saturation not 0
             "I,2,1,0.5\n"
             "I,2,2,0.7\n",
             false,
             {"PERMEABILITAET: 5 F", "   0.1000          0.00000 ", "   2.0000          0.50000 ",
              "   4.0000          0.60000 ", "ENDE"},
             {{3, "Druck fehlt"},
              {4, "Sättigung „x“ ist keine Zahl"},
              {6, "Sättigung 0.4 fällt unter 0.5 der Zeile 5"},
              {7, "Permeabilität 6 weicht von 5 der Probe F ab; 5 gilt"},
              {8, "Sättigung 1.5 liegt nicht zwischen 0 und 1"},
              {9, "Permeabilität „abc“ ist keine Zahl"},
              {9, "Probe G ausgelassen (3 Zeilen): keine Permeabilität größer 0"},
              {12, "Probe H ausgelassen (2 Zeilen): nur 2 Messpunkte, mindestens 3 nötig"},
              {14, "Probe I ausgelassen (3 Zeilen): die 1. Sättigung ist 0.1, nicht 0 (Nullpunkt einfügen?)"}},
             ',',
             '.'},
        // A spreadsheet's UTF-8 export starts with a byte order mark.
        Fall{"Utf8MitBom",
             "\xEF\xBB\xBFSample;Perm;Pc;SHg\r\nZ;2;0,5;0\r\nZ;2;1;0,5\r\nZ;2;2;0,6\r\n",
             false,
             {"PERMEABILITAET: 2 Z", "   0.5000          0.00000 ", "   1.0000          0.50000 ",
              "   2.0000          0.60000 ", "ENDE"},
             {},
             ';',
             ','},
        // Windows-1252 bytes, quoted cells with the separator and quotes.
        Fall{"Cp1252UndAnfuehrung",
             "\"Probe\",\"Perm\",\"Druck\",\"S\xE4ttigung\"\n\"Kern \"\"7\"\", A\",3,0.1,0\n\"Kern \"\"7\"\", "
             "A\",3,1,0.4\n"
             "\"Kern \"\"7\"\", A\",3,2,0.6\n",
             false,
             {"PERMEABILITAET: 3 Kern_\"7\",_A", "   0.1000          0.00000 ", "   1.0000          0.40000 ",
              "   2.0000          0.60000 ", "ENDE"},
             {{2, "Kern „Kern \"7\", A“ heißt „Kern_\"7\",_A“: die Kennung ist ein Wort"}},
             ',',
             '.'},
        // A spreadsheet's "Unicode text": UTF-16 LE, tabs, CRLF; a label
        // with a character Windows-1252 cannot hold is kept, as the text
        // import keeps it (saving the document names it).
        Fall{"Utf16UnicodeText",
             Utf16(u"Sample\tPermeability (mD)\tPc (psia)\tSHg (%)\r\nK\u03A9 1\t12.5\t14.5037738\t0\r\n"
                   u"K\u03A9 1\t12.5\t145.037738\t40\r\nK\u03A9 1\t12.5\t1450.37738\t75\r\n"),
             false,
             {"PERMEABILITAET: 12.5 K\u03A9_1", "   1.0000          0.00000 ", "  10.0000          0.40000 ",
              " 100.0000          0.75000 ", "ENDE"},
             {{2, "Kern „K\u03A9 1“ heißt „K\u03A9_1“: die Kennung ist ein Wort"}},
             '\t',
             '.'},
        Fall{"Utf16BigEndianSemikolon",
             Utf16(u"Probe;Permeabilität;Druck (bar);Sättigung (%)\nÄ\U0001F600;2,5;0,1;0\nÄ\U0001F600;2,5;1;50\n"
                   u"Ä\U0001F600;2,5;2;60\n",
                   true),
             false,
             {"PERMEABILITAET: 2.5 Ä\U0001F600", "   0.1000          0.00000 ", "   1.0000          0.50000 ",
              "   2.0000          0.60000 ", "ENDE"},
             {},
             ';',
             ','},
        // RFC 4180: a quoted cell may hold line breaks, in the column names
        // too; a note names the line where its row starts.
        Fall{"ZeilenumbruchInAnfuehrung",
             "\"Sample\nName\",Perm,\"Druck\r\n(psia)\",SHg\n"  // 1-3
             "\"A\nB\",1,14.5037738,0\n"                        // 4-5
             ",,145.037738,0.5\n"                               // 6
             ",,\"1\n2\",0.6\n"                                 // 7-8
             ",,1450.37738,0.7\n",                              // 9
             false,
             {"PERMEABILITAET: 1 A_B", "   1.0000          0.00000 ", "  10.0000          0.50000 ",
              " 100.0000          0.70000 ", "ENDE"},
             {{4, "Kern „A↵B“ heißt „A_B“: die Kennung ist ein Wort"}, {7, "Druck „1↵2“ ist keine Zahl"}},
             ',',
             '.'},
        // 3.4e38 MPa are 3.4e39 bar, beyond single precision.
        Fall{"DruckNachUmrechnungZuGross",
             "Kern,Perm,Pc (MPa),SHg\nA,1,0.1,0\nA,1,3.4e38,0.3\nA,1,-3.4e38,0.4\nA,1,1,0.5\nA,1,2,0.6\n",
             false,
             {"PERMEABILITAET: 1 A", "   1.0000          0.00000 ", "  10.0000          0.50000 ",
              "  20.0000          0.60000 ", "ENDE"},
             {{3, "Druck 3.4e+038 MPa ist in bar zu groß"}, {4, "Druck -3.4e+038 ist kleiner 0"}},
             ',',
             '.'},
        // A sample that comes again after another one is a measurement of its own.
        Fall{"WiederkehrendeProbeGetrennt",
             "Sample,Perm,Pc,SHg\nA,1,1,0\nA,1,2,0.3\nA,1,4,0.6\nB,2,1,0\nB,2,2,0.4\nB,2,3,0.5\n"
             "A,1,8,0\nA,1,9,0.7\nA,1,10,0.8\n",
             false,
             {"PERMEABILITAET: 1 A", "   1.0000          0.00000 ", "   2.0000          0.30000 ",
              "   4.0000          0.60000 ", "ENDE", "PERMEABILITAET: 2 B", "   1.0000          0.00000 ",
              "   2.0000          0.40000 ", "   3.0000          0.50000 ", "ENDE", "PERMEABILITAET: 1 A#2",
              "   8.0000          0.00000 ", "   9.0000          0.70000 ", "  10.0000          0.80000 ", "ENDE"},
             {{8, "Probe A stand schon ab Zeile 2; diese Zeilen bleiben getrennt als Probe A#2"}},
             ',',
             '.'},
        // "A B" is written "A_B", the label of the sample before it.
        Fall{"GleichNachDemUnterstrich",
             "Sample;Perm;Pc;SHg\nA B;1;1;0\nA B;1;2;0,3\nA B;1;4;0,6\nA_B;2;1;0\nA_B;2;2;0,4\nA_B;2;3;0,5\n",
             false,
             {"PERMEABILITAET: 1 A_B", "   1.0000          0.00000 ", "   2.0000          0.30000 ",
              "   4.0000          0.60000 ", "ENDE", "PERMEABILITAET: 2 A_B#2", "   1.0000          0.00000 ",
              "   2.0000          0.40000 ", "   3.0000          0.50000 ", "ENDE"},
             {{2, "Kern „A B“ heißt „A_B“: die Kennung ist ein Wort"},
              {5, "Probe A_B stand schon ab Zeile 2; diese Zeilen bleiben getrennt als Probe A_B#2"}},
             ';',
             ','},
        // The table itself names a sample "A#2": the next A becomes A#3.
        Fall{"ZusatzSchonVergeben",
             "Sample,Perm,Pc,SHg\nA,1,1,0\nA,1,2,0.3\nA,1,4,0.6\nA#2,2,1,0\nA#2,2,2,0.4\nA#2,2,3,0.5\n"
             "A,3,8,0\nA,3,9,0.7\nA,3,10,0.8\n",
             false,
             {"PERMEABILITAET: 1 A", "   1.0000          0.00000 ", "   2.0000          0.30000 ",
              "   4.0000          0.60000 ", "ENDE", "PERMEABILITAET: 2 A#2", "   1.0000          0.00000 ",
              "   2.0000          0.40000 ", "   3.0000          0.50000 ", "ENDE", "PERMEABILITAET: 3 A#3",
              "   8.0000          0.00000 ", "   9.0000          0.70000 ", "  10.0000          0.80000 ", "ENDE"},
             {{8, "Probe A stand schon ab Zeile 2; diese Zeilen bleiben getrennt als Probe A#3"}},
             ',',
             '.'},
        // One note per sample and cause, at its first row, with the count.
        Fall{"EinHinweisJeUrsache",
             "Sample,Perm,Pc,SHg\n"
             "F,5,0.1,0\n"
             "F,5,,0.2\n"  // 3
             "F,5,,0.3\n"  // 4
             "F,5,1,x\n"   // 5
             "F,5,,\n"     // 6
             "F,5,2,0.5\n"
             "F,7,,0.6\n"  // 8: and another permeability
             "F,5,3,0.7\n",
             false,
             {"PERMEABILITAET: 5 F", "   0.1000          0.00000 ", "   2.0000          0.50000 ",
              "   3.0000          0.70000 ", "ENDE"},
             {{3, "Druck fehlt (3 Zeilen, bis Zeile 8)"},
              {5, "Sättigung „x“ ist keine Zahl"},
              {6, "Druck fehlt, Sättigung fehlt"},
              {8, "Permeabilität 7 weicht von 5 der Probe F ab; 5 gilt"}},
             ',',
             '.'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Labortabelle, FehlenderNullpunktOhneEinfuegenErgibtKeineMessung) {
  labor::Ergebnis e;
  std::string fehler;
  EXPECT_FALSE(labor::Importieren("Sample,Perm,Pc,SHg\nE,50,0.4,0.05\nE,50,2,0.5\nE,50,9,0.8\n", {}, e, fehler));
  EXPECT_EQ(fehler, "Die Tabelle ergibt keine vollständige Messung.");
  EXPECT_EQ(e.probleme,
            (std::vector<Problem>{
                {2, "Probe E ausgelassen (3 Zeilen): die 1. Sättigung ist 0.05, nicht 0 (Nullpunkt einfügen?)"}}));
  EXPECT_TRUE(e.zeilen.empty());
}

struct Fehlerfall {
  const char* name;
  std::string tabelle;
  std::array<int, labor::kRollen> spalten;
  std::string meldung;
};

void PrintTo(const Fehlerfall& f, std::ostream* os) { *os << f.name; }

class Fehlerhaft : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(Fehlerhaft, MeldetGenau) {
  const Fehlerfall& f = GetParam();
  labor::Vorgaben v;
  v.spalten = f.spalten;
  labor::Ergebnis e;
  std::string fehler;
  EXPECT_FALSE(labor::Importieren(f.tabelle, v, e, fehler));
  EXPECT_EQ(fehler, f.meldung);
  EXPECT_TRUE(e.zeilen.empty());
}

constexpr std::array<int, labor::kRollen> kAuto{-1, -1, -1, -1, -1};
const std::string kGut = "Kern,Perm,Pc,SHg\nA,1,0,0\nA,1,1,0.5\nA,1,2,0.6\n";

INSTANTIATE_TEST_SUITE_P(
    Labortabelle, Fehlerhaft,
    ::testing::Values(
        Fehlerfall{"Leer", "", kAuto, "Die Tabelle ist leer."},
        Fehlerfall{"NurLeerzeilen", "\r\n  \n\t\n", kAuto, "Die Tabelle ist leer."},
        Fehlerfall{"KeineZahlen", "Kern,Perm,Pc,SHg\nA,x,y,z\n", kAuto, "Die Tabelle enthält keine Spalte mit Zahlen."},
        Fehlerfall{"EineSpalte", "Druck\n1\n2\n", kAuto,
                   "Die Tabelle hat nur eine Spalte: kein Trennzeichen (Komma, Semikolon, Tabulator) "
                   "erkannt."},
        Fehlerfall{"ZweimalZugeordnet",
                   kGut,
                   {0, 1, 2, 2, -1},
                   "Die Spalte „Pc“ ist zweimal zugeordnet (Druck und Sättigung)."},
        Fehlerfall{"SpalteFehlt", kGut, {0, 1, 2, 7, -1}, "Die Tabelle hat keine 8. Spalte."},
        Fehlerfall{"KeinePermeabilitaet", "Kern,Wert,Pc,SHg\nA,1,0,0\n", kAuto,
                   "Keine Spalte für „Permeabilität“ zugeordnet."},
        Fehlerfall{"UnbekannteDruckeinheit", "Kern,Perm,Pc (psig),SHg\nA,1,0,0\n", kAuto,
                   "Die Einheit der Spalte „Pc (psig)“ ist unbekannt; bitte die Druckeinheit wählen."},
        Fehlerfall{"MehrAlsTausendSpalten",
                   "Kern,Perm,Pc,SHg" + std::string(997, ',') + "\nA,1,0,0" + std::string(997, ',') + "\n", kAuto,
                   "Die Tabelle hat mehr als 1000 Spalten."},
        Fehlerfall{"PermeabilitaetInDarcy", "Kern,Perm (D),Pc,SHg\nA,1,0,0\n", kAuto,
                   "Die Permeabilität der Spalte „Perm (D)“ ist nicht in mD angegeben."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Labortabelle, VorschlagAusUeblichenNamen) {
  struct Zeile {
    std::vector<std::string> kopf;
    std::array<int, labor::kRollen> spalten;
  };
  const Zeile tabelle[] = {
      {{"Sample", "Permeability (mD)", "Pc (psia)", "SHg [%]"}, {0, 1, 2, 3, -1}},
      {{"Druck (bar)", "Sättigung", "Kern", "K"}, {2, 3, 0, 1, -1}},
      {{"Nr", "BVOCC", "Pressure", "Perm", "Probe"}, {4, 3, 2, 1, -1}},
      {{"Core ID", "k_air", "Kapillardruck", "Hg-Sättigung", "Sw"}, {0, 1, 2, 3, -1}},
      {{"Wert", "Sw", "Notiz"}, {-1, -1, -1, -1, -1}},
  };
  for (const Zeile& z : tabelle) EXPECT_EQ(labor::SpaltenVorschlagen(z.kopf), z.spalten) << z.kopf[0];
  // A column the user already chose is not offered again.
  EXPECT_EQ(labor::SpaltenVorschlagen({"Probe", "Perm", "Pc", "SHg"}, {-1, -1, 3, -1, -1}),
            (std::array<int, labor::kRollen>{0, 1, 3, -1, -1}));
}

TEST(Labortabelle, VorgegebeneEinheitenGehenVorDenKopf) {
  labor::Vorgaben v;
  v.druck = Druckeinheit::Psi;
  v.saettigung = Saettigungseinheit::Prozent;
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren("Kern,Perm,Pc (bar),SHg\nA,1,0,0\nA,1,10,50\nA,1,20,60\n", v, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen, (Zeilen{"PERMEABILITAET: 1 A", "   0.0000          0.00000 ", "   0.6895          0.50000 ",
                              "   1.3790          0.60000 ", "ENDE"}));
}

TEST(Labortabelle, OhneKernspalteEineProbeMitVorgabename) {
  labor::Vorgaben v;
  v.standardKern = "Bohrung 3";
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren("Perm;Pc;SHg\n8;0,1;0\n8;1;0,5\n8;2;0,5\n", v, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen, (Zeilen{"PERMEABILITAET: 8 Bohrung_3", "   0.1000          0.00000 ",
                              "   1.0000          0.50000 ", "   2.0000          0.50000 ", "ENDE"}));
  ASSERT_EQ(e.messungen.size(), 1u);
  EXPECT_EQ(e.messungen[0].punkte, 3);
  EXPECT_EQ(e.messungen[0].probleme,
            (std::vector<Problem>{{2, "Kern „Bohrung 3“ heißt „Bohrung_3“: die Kennung ist ein Wort"}}));
  EXPECT_EQ(e.spalten, (std::array<int, labor::kRollen>{-1, 0, 1, 2, -1}));
}

TEST(Labortabelle, KernAbsichtlichOhneSpalteWirdNichtVorgeschlagen) {
  labor::Vorgaben v;
  v.spalten = {labor::kKeineSpalte, -1, -1, -1, -1};
  v.standardKern = "K9";
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren("Sample,Perm,Pc,SHg\nA,2,0,0\nB,2,1,0.5\nC,2,2,0.6\n", v, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen[0], "PERMEABILITAET: 2 K9");
  EXPECT_EQ(e.spalten, (std::array<int, labor::kRollen>{-1, 1, 2, 3, -1}));
}

TEST(Labortabelle, HoechstensNeunundneunzigPunkteJeProbe) {
  std::string t = "Kern,Perm,Pc,SHg\n";
  for (int i = 0; i < 101; ++i) t += "A,1," + std::to_string(i) + ",0." + std::to_string(100 + i) + "\n";
  t.replace(t.find("A,1,0,0.100"), 11, "A,1,0,0");
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren(t, {}, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen.size(), 101u);  // header, 99 value lines, ENDE
  EXPECT_EQ(e.probleme, (std::vector<Problem>{{101, "mehr als 99 Messpunkte der Probe A (2 Zeilen, bis Zeile 102)"}}));
}

TEST(Labortabelle, SpalteNachNameOderNummer) {
  labor::Rohtabelle t;
  std::string fehler;
  ASSERT_TRUE(labor::TabelleZerlegen("Kern;Druck (psia);SHg\nA;1;0\n", 0, 0, t, fehler));
  EXPECT_EQ(labor::SpalteFinden(t, "druck (PSIA)"), 1);
  EXPECT_EQ(labor::SpalteFinden(t, "3"), 2);
  EXPECT_EQ(labor::SpalteFinden(t, "4"), -1);
  EXPECT_EQ(labor::SpalteFinden(t, "Perm"), -1);
  EXPECT_EQ(labor::SpalteFinden(t, ""), -1);
}

TEST(Labortabelle, ZahlenJeDezimalzeichen) {
  struct Z {
    const char* zelle;
    char dezimal;
    bool zahl;
    float wert;
  };
  const Z tabelle[] = {{"1.5", '.', true, 1.5f},   {"1,5", ',', true, 1.5f},     {"1,5", '.', false, 0},
                       {"1.5", ',', false, 0},     {" -2e3 ", '.', true, -2000}, {"", '.', false, 0},
                       {"1.234,5", ',', false, 0}, {"12 mD", '.', false, 0},     {"1e", '.', false, 0}};
  for (const Z& z : tabelle) {
    float w = 0.0f;
    EXPECT_EQ(labor::ZahlAusZelle(z.zelle, z.dezimal, w), z.zahl) << z.zelle;
    if (z.zahl) {
      EXPECT_EQ(w, z.wert) << z.zelle;
    }
  }
}

TEST(Labortabelle, GrenzeBeimLesen) {
  std::istringstream ein(std::string(1001, 'x'));
  std::string bytes;
  bool zuGross = false;
  EXPECT_FALSE(labor::BegrenztLesen(ein, 1000, bytes, zuGross));
  EXPECT_TRUE(zuGross);
  std::istringstream genau(std::string(1000, 'x'));
  EXPECT_TRUE(labor::BegrenztLesen(genau, 1000, bytes, zuGross));
  EXPECT_EQ(bytes.size(), 1000u);
}

TEST(Labortabelle, DateiVon500MBWirdAbgelehnt) {
  const auto ordner = std::filesystem::temp_directory_path() / ("labortabelle-" + std::to_string(::getpid()));
  std::filesystem::create_directories(ordner);
  const std::string pfad = (ordner / "gross.csv").string();
  { std::ofstream(pfad) << "Kern,Perm,Pc,SHg\n"; }
  std::filesystem::resize_file(pfad, 500ull * 1024 * 1024);  // sparse: nothing is written
  std::string bytes;
  std::string fehler;
  EXPECT_FALSE(labor::DateiLesen(pfad, bytes, fehler));
  EXPECT_EQ(fehler, "Die Datei " + pfad + " ist größer als 64 MB und wird nicht eingelesen.");
  EXPECT_TRUE(bytes.empty());
  EXPECT_FALSE(labor::DateiLesen(ordner.string(), bytes, fehler));
  EXPECT_EQ(fehler, "Die Datei " + ordner.string() + " kann nicht geöffnet werden: Is a directory");
  std::filesystem::remove_all(ordner);
}

}  // namespace

namespace {

Zeilen TextZeilen(std::string_view bytes) {
  const std::string text = labor::TextAusBytes(bytes);
  labor::Zeilenleser leser(text);
  Zeilen zeilen;
  std::string_view zeile;
  while (leser.Naechste(zeile)) zeilen.emplace_back(zeile);
  return zeilen;
}

// The lines are those the text import ("Datei einlesen") reads from the same bytes.
TEST(Labortabelle, ZeilenWieDerTextimport) {
  const char* const faelle[] = {
      "a,b\nc,d\n",       "a,b\r\nc,d",         "a\rb\rc", "a\r\nb\rc\n",
      "a\nb\r",           "\r\n\r\n",           "d\xE4\n", "\xEF\xBB\xBFK,\xC3\xA4\n",
      "K\xE4,\x80\x81\n", "\xEF\xBB\xBF\xE4\n", "",        "\n",
  };
  for (const char* f : faelle) EXPECT_EQ(TextZeilen(f), TextdateiZerlegen(f)) << f;
  constexpr char kMitNul[] = "a\0b,c\r\nd\0\r\ne";
  const std::string mitNul(kMitNul, sizeof kMitNul - 1);
  EXPECT_EQ(TextZeilen(mitNul), TextdateiZerlegen(mitNul));
}

TEST(Labortabelle, Utf16NachByteOrderMark) {
  struct Fall {
    const char* name;
    std::string bytes;
    std::string text;
  };
  const Fall faelle[] = {
      {"LittleEndian", Utf16(u"K\u00E4\u03A9\r\n"), "K\u00E4\u03A9\r\n"},
      {"BigEndian", Utf16(u"K\u00E4\u03A9\r\n", true), "K\u00E4\u03A9\r\n"},
      {"Ersatzpaar", Utf16(u"\U0001F600x"), "\U0001F600x"},
      {"HoheHaelfteAllein", Utf16(u"a\xD83D"), "a\uFFFD"},
      {"TiefeHaelfteAllein", Utf16(u"\xDE00z", true), "\uFFFDz"},
      {"UngeradesLetztesByte", Utf16(u"ab") + "c", "ab\uFFFD"},
      {"NurByteOrderMark", Utf16(u""), ""},
      {"Nul", Utf16(std::u16string_view(u"a\0b", 3)), std::string("a\0b", 3)},
      // Without a byte order mark the file is read as before.
      {"Utf8", "K\xC3\xA4", "K\u00E4"},
      {"Windows1252", "K\xE4\x80", "K\u00E4\u20AC"},
  };
  for (const Fall& f : faelle) EXPECT_EQ(labor::TextAusBytes(f.bytes), f.text) << f.name;
}

// A value beyond single precision after the conversion never reaches the
// input lines: the run reads every line the table gives.
TEST(Labortabelle, DerLaufLiestJedeZeile) {
  std::string t = "Kern,Perm,Pc (MPa),SHg\n";
  for (const char* probe : {"A", "B", "C"}) {
    t += std::string(probe) + ",1,0.1,0\n" + probe + ",1,3.4e38,0.3\n" + probe + ",1,1,0.5\n" + probe + ",1,2,0.6\n" +
         probe + ",1,3,0.8\n";
  }
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren(t, {}, e, fehler)) << fehler;
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.OnNewDocument();
  doc.Eingabezeilen = e.zeilen;
  doc.Berechnung();
  ASSERT_EQ(doc.Messkurven.size(), 3u);
  for (const auto& k : doc.Messkurven) EXPECT_EQ(k.Pc, (std::vector<float>{1.0f, 10.0f, 20.0f, 30.0f})) << k.Kern;
  for (const auto& text : plattform.Texte()) EXPECT_EQ(text.find("ABBRUCH in der"), std::string::npos) << text;
}

TEST(Labortabelle, ZehntausendZeilenEinerProbeEinHinweis) {
  std::string t = "Kern,Perm,Pc,SHg\n";
  char zeile[64];
  for (int i = 0; i < 10000; ++i) {
    t.append(zeile, static_cast<std::size_t>(std::snprintf(zeile, sizeof zeile, "A,1,%d,0.%05d\n", i + 1, i)));
  }
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren(t, {}, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen.size(), 101u);
  EXPECT_EQ(e.probleme,
            (std::vector<Problem>{{101, "mehr als 99 Messpunkte der Probe A (9901 Zeilen, bis Zeile 10001)"}}));
}

// A note shows 40 characters of a cell (or label), never a whole large one.
TEST(Labortabelle, HinweisZeigtEinenAuszugDerZelle) {
  const std::string gross(4u << 20, 'x');
  std::string umlaute;
  for (int i = 0; i < 45; ++i) umlaute += "\u00E4";
  const std::string t = "Kern,Perm,Pc,SHg\nA,1,0,0\nA,1," + gross + ",0.1\nA,1,1,0.5\nA,1,2,0.6\n" + umlaute +
                        " B,1,0,0\n,,1,0.5\n,,2,0.6\n";
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren(t, {}, e, fehler)) << fehler;
  std::string vierzig;
  for (int i = 0; i < 40; ++i) vierzig += "\u00E4";
  EXPECT_EQ(e.probleme, (std::vector<Problem>{{3, "Druck „" + std::string(40, 'x') + "…“ ist keine Zahl"},
                                              {6, "Kern „" + vierzig + "…“ heißt „" + vierzig +
                                                      "…“: die Kennung ist "
                                                      "ein Wort"}}));
  EXPECT_EQ(e.zeilen[5], "PERMEABILITAET: 1 " + umlaute + "_B");
}

// Samples alternating every row are each a sample of their own; the list
// keeps 1000 notes and counts the rest from the line of the first left out.
TEST(Labortabelle, HinweiseEndenNachTausend) {
  std::string t = "Kern,Perm,Pc,SHg\n";
  for (int i = 0; i < 1500; ++i) t += i % 2 == 0 ? "A,1,1,0\n" : "B,1,1,0\n";
  labor::Ergebnis e;
  std::string fehler;
  EXPECT_FALSE(labor::Importieren(t, {}, e, fehler));
  EXPECT_EQ(fehler, "Die Tabelle ergibt keine vollständige Messung.");
  ASSERT_EQ(e.probleme.size(), labor::kMaxProbleme + 1);
  // A and B one note each, every later sample two: 2 + 2 * 1498 notes.
  EXPECT_EQ(e.probleme.back(), (Problem{503, "und 1998 weitere Hinweise ab dieser Zeile"}));
  EXPECT_EQ(e.probleme[2], (Problem{4, "Probe A stand schon ab Zeile 2; diese Zeilen bleiben getrennt als Probe A#2"}));
  EXPECT_EQ(e.probleme[3], (Problem{4, "Probe A#2 ausgelassen (1 Zeilen): nur 1 Messpunkte, mindestens 3 nötig"}));
}

// Only the first rows are held with the table; the evaluation reads them all.
TEST(Labortabelle, NurDieErstenZeilenWerdenGehalten) {
  std::string t = "Kern;Perm;Pc;SHg\n";
  for (int i = 0; i < 300; ++i)
    t += "K" + std::to_string(i / 3) + ";1;" + std::to_string(i % 3) + ";0," + "0369"[i % 3] + "\n";
  labor::Rohtabelle r;
  std::string fehler;
  ASSERT_TRUE(labor::TabelleZerlegen(t, 0, 0, r, fehler)) << fehler;
  ASSERT_EQ(r.ersteZeilen.size(), labor::kErsteZeilen);
  EXPECT_EQ(r.ersteZeilen.front().nummer, 2);
  EXPECT_EQ(r.ersteZeilen.back().nummer, 51);
  EXPECT_EQ(r.ersteZeilen.back().zellen, (Zeilen{"K16", "1", "1", "0,3"}));
  labor::Ergebnis e;
  ASSERT_TRUE(labor::TabelleAuswerten(r, {}, e, fehler)) << fehler;
  EXPECT_EQ(e.messungen.size(), 100u);
  EXPECT_EQ(e.zeilen.back(), "ENDE");
  EXPECT_EQ(e.messungen.back().kern, "K99");
  EXPECT_EQ(e.messungen.back().ersteZeile, 299);
}

// A row keeps at most 1001 cells, the last standing for the rest: a line of
// separators costs no more than its length, and a value far to the right
// still makes the row one that is not empty.
TEST(Labortabelle, ZeileMitTausendenZellen) {
  const std::string kopf = "Kern,Perm,Pc,SHg" + std::string(996, ',') + "\n";
  const std::string t = kopf + "A,1,0,0\nA,1,1,0.5\nA,1,2,0.6\n" + std::string(100000, ',') + "x\n";
  labor::Rohtabelle r;
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::TabelleZerlegen(t, ',', 0, r, fehler)) << fehler;
  EXPECT_EQ(r.kopf.size(), 1000u);
  ASSERT_EQ(r.ersteZeilen.size(), 4u);
  EXPECT_EQ(r.ersteZeilen[3].zellen.size(), 1001u);
  EXPECT_EQ(r.ersteZeilen[3].zellen.back(), "x");
  ASSERT_TRUE(labor::TabelleAuswerten(r, {}, e, fehler)) << fehler;
  EXPECT_EQ(e.probleme, (std::vector<Problem>{{5, "Druck fehlt, Sättigung fehlt"}}));
}

// A quote never closed takes its row, not the rest of the file.
TEST(Labortabelle, OffeneAnfuehrungKostetNurIhreZeile) {
  labor::Rohtabelle r;
  labor::Ergebnis e;
  std::string fehler;
  const std::string t = "Sample,Perm,Pc,SHg\nA,1,0.1,0\nA,1,1,0.5\n\"A,1,2,\"\"0.6\nA,1,3,0.7\n";
  ASSERT_TRUE(labor::TabelleZerlegen(t, 0, 0, r, fehler)) << fehler;
  ASSERT_EQ(r.ersteZeilen.size(), 4u);
  EXPECT_TRUE(r.ersteZeilen[2].offen);
  EXPECT_EQ(r.ersteZeilen[2].zellen, (Zeilen{"A,1,2,\"0.6"}));
  ASSERT_TRUE(labor::TabelleAuswerten(r, {}, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen, (Zeilen{"PERMEABILITAET: 1 A", "   0.1000          0.00000 ", "   1.0000          0.50000 ",
                              "   3.0000          0.70000 ", "ENDE"}));
  EXPECT_EQ(
      e.probleme,
      (std::vector<Problem>{{4, "Anführungszeichen bis zum Ende der Datei nicht geschlossen: Zeile nicht gelesen"}}));
}

}  // namespace
