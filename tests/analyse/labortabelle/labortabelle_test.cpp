#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Labortabelle.h"

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

class Tabellenform : public ::testing::TestWithParam<Fall> {};

TEST_P(Tabellenform, ErgibtGenauDieseZeilen) {
  const Fall& f = GetParam();
  labor::Vorgaben v;
  v.nullpunktEinfuegen = f.nullpunkt;
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren(f.tabelle, v, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen, f.zeilen);
  EXPECT_EQ(e.probleme, f.probleme);
  EXPECT_EQ(e.tabelle.trenner, f.trenner);
  EXPECT_EQ(e.tabelle.dezimal, f.dezimal);
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
        // back later is still one measurement.
        Fall{"KernNurInDerErstenZeile",
             "Kern;Perm;Pc;SHg\nA;2;1;0\n;;2;0,5\n;;4;0,9\nB;4;1;0\n;;2;0,4\n;;3;0,6\nA;;8;0,95\n",
             false,
             {"PERMEABILITAET: 2 A", "   1.0000          0.00000 ", "   2.0000          0.50000 ",
              "   4.0000          0.90000 ", "   8.0000          0.95000 ", "ENDE", "PERMEABILITAET: 4 B",
              "   1.0000          0.00000 ", "   2.0000          0.40000 ", "   3.0000          0.60000 ", "ENDE"},
             {},
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

constexpr std::array<int, 4> kAuto{-1, -1, -1, -1};
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
        Fehlerfall{
            "ZweimalZugeordnet", kGut, {0, 1, 2, 2}, "Die Spalte „Pc“ ist zweimal zugeordnet (Druck und Sättigung)."},
        Fehlerfall{"SpalteFehlt", kGut, {0, 1, 2, 7}, "Die Tabelle hat keine 8. Spalte."},
        Fehlerfall{"KeinePermeabilitaet", "Kern,Wert,Pc,SHg\nA,1,0,0\n", kAuto,
                   "Keine Spalte für „Permeabilität“ zugeordnet."},
        Fehlerfall{"UnbekannteDruckeinheit", "Kern,Perm,Pc (psig),SHg\nA,1,0,0\n", kAuto,
                   "Die Einheit der Spalte „Pc (psig)“ ist unbekannt; bitte die Druckeinheit wählen."},
        Fehlerfall{"PermeabilitaetInDarcy", "Kern,Perm (D),Pc,SHg\nA,1,0,0\n", kAuto,
                   "Die Permeabilität der Spalte „Perm (D)“ ist nicht in mD angegeben."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Labortabelle, VorschlagAusUeblichenNamen) {
  struct Zeile {
    std::vector<std::string> kopf;
    std::array<int, 4> spalten;
  };
  const Zeile tabelle[] = {
      {{"Sample", "Permeability (mD)", "Pc (psia)", "SHg [%]"}, {0, 1, 2, 3}},
      {{"Druck (bar)", "Sättigung", "Kern", "K"}, {2, 3, 0, 1}},
      {{"Nr", "BVOCC", "Pressure", "Perm", "Probe"}, {4, 3, 2, 1}},
      {{"Core ID", "k_air", "Kapillardruck", "Hg-Sättigung", "Sw"}, {0, 1, 2, 3}},
      {{"Wert", "Sw", "Notiz"}, {-1, -1, -1, -1}},
  };
  for (const Zeile& z : tabelle) EXPECT_EQ(labor::SpaltenVorschlagen(z.kopf), z.spalten) << z.kopf[0];
  // A column the user already chose is not offered again.
  EXPECT_EQ(labor::SpaltenVorschlagen({"Probe", "Perm", "Pc", "SHg"}, {-1, -1, 3, -1}),
            (std::array<int, 4>{0, 1, 3, -1}));
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
  EXPECT_EQ(e.spalten, (std::array<int, 4>{-1, 0, 1, 2}));
}

TEST(Labortabelle, KernAbsichtlichOhneSpalteWirdNichtVorgeschlagen) {
  labor::Vorgaben v;
  v.spalten = {labor::kKeineSpalte, -1, -1, -1};
  v.standardKern = "K9";
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren("Sample,Perm,Pc,SHg\nA,2,0,0\nB,2,1,0.5\nC,2,2,0.6\n", v, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen[0], "PERMEABILITAET: 2 K9");
  EXPECT_EQ(e.spalten, (std::array<int, 4>{-1, 1, 2, 3}));
}

TEST(Labortabelle, HoechstensNeunundneunzigPunkteJeProbe) {
  std::string t = "Kern,Perm,Pc,SHg\n";
  for (int i = 0; i < 101; ++i) t += "A,1," + std::to_string(i) + ",0." + std::to_string(100 + i) + "\n";
  t.replace(t.find("A,1,0,0.100"), 11, "A,1,0,0");
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren(t, {}, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen.size(), 101u);  // header, 99 value lines, ENDE
  EXPECT_EQ(e.probleme, (std::vector<Problem>{{101, "mehr als 99 Messpunkte der Probe A"},
                                              {102, "mehr als 99 Messpunkte der Probe A"}}));
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
