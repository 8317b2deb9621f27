#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "TextFormat.h"

namespace fs = std::filesystem;

namespace {

// Runs each test in an empty directory of its own, since aus.txt lies in the
// current directory.
class Ergebnisdatei : public ::testing::Test {
 protected:
  void SetUp() override {
    vorher_ = fs::current_path();
    std::string muster = (fs::temp_directory_path() / "kadrel-aus-XXXXXX").string();
    ASSERT_NE(mkdtemp(muster.data()), nullptr);
    ordner_ = muster;
    fs::current_path(ordner_);
  }
  void TearDown() override {
    fs::current_path(vorher_);
    fs::remove_all(ordner_);
  }

  static std::string Bytes(const std::string& name) {
    std::ifstream ein(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
  }
  static void Schreiben(const std::string& bytes) { std::ofstream("aus.txt", std::ios::binary) << bytes; }

  FakePlattform plattform;
  CKadrelDoc doc{plattform};

 private:
  fs::path vorher_;
  fs::path ordner_;
};

TEST_F(Ergebnisdatei, SchreibtPfadUndGewaehlteListeInWindows1252) {
  const char* const meldung[3] = {"Die Detailergebnisse sind in die Datei aus.txt geschrieben!",
                                  "Die Parameterliste wurde in die Datei aus.txt geschrieben!",
                                  "Die Parameterfunktionen wurden in die Datei aus.txt geschrieben!"};
  doc.SetPathName("/daten/Kerne Süd.kdr");
  doc.Detailergebnisse = {"", "   Max. Hg- Sättigung      (-): 0.840000"};
  doc.Parameterliste = {"", " PERMEABILITÄT  ALFA"};
  doc.Parameterfunktionen = {"ABBRUCH! Es werden 7 Werte erwartet\n 1 2 3"};
  const std::string soll[3] = {
      "/daten/Kerne S\xFC"
      "d.kdr\n\n   Max. Hg- S\xE4ttigung      (-): 0.840000\n",
      "/daten/Kerne S\xFC"
      "d.kdr\n\n PERMEABILIT\xC4T  ALFA\n",
      "/daten/Kerne S\xFC"
      "d.kdr\nABBRUCH! Es werden 7 Werte erwartet\n 1 2 3\n"};
  for (int tabelle = 0; tabelle < 3; ++tabelle) {
    doc.iTabelle = tabelle;
    doc.OnErgebnisseAusgeben();
    EXPECT_EQ(Bytes("aus.txt"), soll[tabelle]);
    EXPECT_EQ(plattform.Texte().back(), meldung[tabelle]);
  }
  EXPECT_FALSE(fs::exists("aus.txt.tmp~"));
}

TEST_F(Ergebnisdatei, OhneDateinamenLeereErsteZeileLeereListeLeereDatei) {
  doc.Detailergebnisse = {"Zeile"};
  doc.OnErgebnisseAusgeben();
  EXPECT_EQ(Bytes("aus.txt"), "\nZeile\n");
  doc.Detailergebnisse.clear();
  doc.OnErgebnisseAusgeben();
  EXPECT_TRUE(fs::exists("aus.txt"));
  EXPECT_EQ(Bytes("aus.txt"), "");
  EXPECT_EQ(plattform.Texte().back(), "Die Detailergebnisse sind in die Datei aus.txt geschrieben!");
}

TEST_F(Ergebnisdatei, ZeichenAusserhalbWindows1252WirdAbgewiesen) {
  Schreiben("alter Inhalt\n");
  doc.SetPathName("/daten/k.kdr");
  doc.Detailergebnisse = {"gut", "Kern \xCE\xA9-7"};  // a Greek capital omega
  doc.OnErgebnisseAusgeben();
  ASSERT_EQ(plattform.protokoll.size(), 1u);
  const std::string text = plattform.protokoll[0].text;
  EXPECT_EQ(text.rfind("ABBRUCH! Die Datei aus.txt wurde nicht geschrieben!\n2.Zeile: ", 0), 0u) << text;
  EXPECT_NE(text.find("Windows-1252"), std::string::npos) << text;
  EXPECT_EQ(Bytes("aus.txt"), "alter Inhalt\n");

  plattform.protokoll.clear();
  doc.SetPathName("/daten/\xE2\x86\x92.kdr");  // an arrow in the path
  doc.Detailergebnisse = {"gut"};
  doc.OnErgebnisseAusgeben();
  ASSERT_EQ(plattform.protokoll.size(), 1u);
  EXPECT_EQ(plattform.protokoll[0].text.rfind("ABBRUCH! Die Datei aus.txt wurde nicht geschrieben!\n", 0), 0u);
  EXPECT_EQ(Bytes("aus.txt"), "alter Inhalt\n");
}

TEST_F(Ergebnisdatei, NichtSchreibbarWirdNichtAlsGeschriebenGemeldet) {
  fs::create_directory("aus.txt");  // a folder of that name cannot be replaced by the file
  doc.Detailergebnisse = {"Zeile"};
  doc.OnErgebnisseAusgeben();
  ASSERT_EQ(plattform.protokoll.size(), 1u);
  EXPECT_EQ(plattform.protokoll[0].text.rfind("ABBRUCH! Die Datei aus.txt wurde nicht geschrieben!\n", 0), 0u);
  EXPECT_TRUE(fs::is_directory("aus.txt"));
  EXPECT_FALSE(fs::exists("aus.txt.tmp~"));
}

TEST_F(Ergebnisdatei, LiestStueckeVonHoechstens99Zeichen) {
  doc.Parameterliste = {"bleibt nicht"};
  doc.Parameterfunktionen = {"bleibt"};
  doc.iTabelle = 2;
  const std::string zeile150(150, 'x');
  const std::string zeile99(99, 'y');
  Schreiben("/pfad/a.kdr\n" + zeile150 + "\n\n \nz\n" + zeile99 + "\nPERMEABILIT\xC4T\nohne Zeilenende");
  doc.OnErgebnisseEinlesen();
  const std::vector<std::string> soll{
      "/pfad/a.kdr",   zeile150.substr(0, 99), zeile150.substr(99), "", " ", "z", zeile99, "",
      "PERMEABILITÄT", "ohne Zeilenende"};
  EXPECT_EQ(doc.Detailergebnisse, soll);
  EXPECT_EQ(plattform.Texte(), std::vector<std::string>{"10 Zeilen wurden eingelesen"});
  EXPECT_TRUE(doc.Parameterliste.empty());
  EXPECT_EQ(doc.Parameterfunktionen, std::vector<std::string>{"bleibt"});
  EXPECT_EQ(doc.iTabelle, 0);
  EXPECT_EQ(plattform.neuZeichnen, 1);
}

TEST_F(Ergebnisdatei, CrLfIstEinZeilenende) {
  Schreiben("a\r\n\r\n" + std::string(98, 'b') + "\r\nc\rd\r\n");
  doc.OnErgebnisseEinlesen();
  EXPECT_EQ(doc.Detailergebnisse, (std::vector<std::string>{"a", "", std::string(98, 'b'), "c\rd"}));
}

TEST_F(Ergebnisdatei, HoechstensTausendStuecke) {
  std::string bytes;
  for (int i = 0; i < 1500; ++i) bytes += "Zeile\n";
  Schreiben(bytes);
  doc.OnErgebnisseEinlesen();
  EXPECT_EQ(doc.Detailergebnisse.size(), 1000u);
  EXPECT_EQ(plattform.Texte(), std::vector<std::string>{"1000 Zeilen wurden eingelesen"});
}

TEST_F(Ergebnisdatei, FehlendeDateiGibtNullZeilen) {
  doc.Detailergebnisse = {"alt"};
  doc.OnErgebnisseEinlesen();
  EXPECT_TRUE(doc.Detailergebnisse.empty());
  EXPECT_EQ(plattform.Texte(), std::vector<std::string>{"0 Zeilen wurden eingelesen"});
}

TEST_F(Ergebnisdatei, FunktionsberichtHinUndZurueck) {
  doc.SetPathName("/daten/test.kdr");
  doc.bTestwerte = 1;
  doc.iTabelle = 2;
  doc.Parameterliste = {""};  // skip the measurement loop
  doc.MaxPchg = 155.0f;
  doc.Berechnung();
  const Textliste bericht = doc.Parameterfunktionen;
  ASSERT_FALSE(bericht.empty());
  doc.OnErgebnisseAusgeben();
  doc.OnErgebnisseEinlesen();
  Textliste soll{"/daten/test.kdr"};
  soll.insert(soll.end(), bericht.begin(), bericht.end());
  EXPECT_EQ(doc.Detailergebnisse, soll);
  EXPECT_EQ(plattform.Texte().back(), text::Format("%d Zeilen wurden eingelesen", soll.size()));
}

}  // namespace
