#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DateiImport.h"
#include "DialogTestbasis.h"
#include "EingabeDaten.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"

namespace {

const char* const kErsteZeile =
    "ABBRUCH!\nDie 1.Zeile muss folgenden Aufbau haben\nPERMEABILITAET: Zahl Kernbezeichnung";
const char* const kSteigtNicht = "ABBRUCH!!Die Saettigungswerte steigen nicht an!";
const char* const kAnteil =
    "Die Porosität ist als Anteil zwischen 0 und 1 anzugeben (z. B. POROSITAET: 0.213 für 21,3 %).";
const char* const kOhneKern =
    "Vor POROSITAET: und SCHLIESSDRUCK: muss die Kernbezeichnung stehen:\n"
    "PERMEABILITAET: Zahl Kernbezeichnung POROSITAET: Anteil";

// The import of a file's lines with a scripted user.
struct Import {
  explicit Import(const std::vector<std::string>& zeilen, std::deque<bool> antworten = {}, int neu = 0)
      : bNeuRechnen(neu) {
    plattform.antworten = std::move(antworten);
    ZeilenImportieren(
        zeilen, plattform, [this](const std::string& z) { ergebnis.push_back(z); }, bNeuRechnen);
  }
  FakePlattform plattform;
  std::vector<std::string> ergebnis;
  int bNeuRechnen;
};

const std::vector<std::string> kBeispiel = {
    "PERMEABILITAET: 125.3 K17", "0.05 0.0", "0.30 0.0", "0.80 0.21", "4.00 0.63", "ENDE"};

TEST(ZeilenImportieren, BeispielBlock) {
  const Import i(kBeispiel);
  EXPECT_EQ(i.ergebnis, (std::vector<std::string>{"PERMEABILITAET: 125.3 K17", "   0.0500          0.00000 ",
                                                  "   0.3000          0.00000 ", "   0.8000          0.21000 ",
                                                  "   4.0000          0.63000 ", "ENDE"}));
  EXPECT_EQ(i.plattform.protokoll, (std::vector{Frage("Zeile PERMEABILITAET: 125.3 K17 \nals Titelzeile verwenden?"),
                                                Frage("Zeile ENDE \nals Schlusszeile ansehen?")}));
  EXPECT_EQ(i.bNeuRechnen, 1);
}

TEST(ZeilenImportieren, NeinZurTitelzeileBeendet) {
  const Import i({"PERMEABILITAET: 1 A", "0 0", "1 0.5", "ENDE", "PERMEABILITAET: 2 B", "0 0"}, {true, true, false});
  EXPECT_EQ(i.ergebnis, (std::vector<std::string>{"PERMEABILITAET: 1 A", "   0.0000          0.00000 ",
                                                  "   1.0000          0.50000 ", "ENDE"}));
  EXPECT_EQ(i.plattform.protokoll.size(), 3u);
}

TEST(ZeilenImportieren, NeinZurSchlusszeileUeberspringtSie) {
  const Import i({"PERMEABILITAET: 1 A", "0 0", "1 0.5", "Ende", "2 0.7", "ENDE"}, {true, false, true});
  EXPECT_EQ(i.ergebnis,
            (std::vector<std::string>{"PERMEABILITAET: 1 A", "   0.0000          0.00000 ",
                                      "   1.0000          0.50000 ", "   2.0000          0.70000 ", "ENDE"}));
}

struct Titel {
  const char* zeile;
  const char* ergebnis;
};

class TitelzeileTest : public ::testing::TestWithParam<Titel> {};

TEST_P(TitelzeileTest, WirdUmgeschrieben) {
  const Import i({GetParam().zeile});
  EXPECT_EQ(i.ergebnis, (std::vector<std::string>{GetParam().ergebnis}));
  EXPECT_EQ(i.bNeuRechnen, 0);  // no value line came
}

INSTANTIATE_TEST_SUITE_P(Zeilen, TitelzeileTest,
                         ::testing::Values(Titel{"Probe 7.5 A3", "PERMEABILITAET: 7.5 A3"},
                                           Titel{"PERMEABILITAET: 7.5", "PERMEABILITAET: 7.5 PERMEABILITAET:"},
                                           Titel{"Kern 0.000123456789 X y z", "PERMEABILITAET: 0.000123457 X"},
                                           Titel{"PERMEABILITAET: 1234567 B", "PERMEABILITAET: 1.23457e+006 B"},
                                           Titel{"Kern\t12\tK-Ä", "PERMEABILITAET: 12 K-Ä"},
                                           // Porosity and closure pressure stay as written, in their order;
                                           // other words after the label go as before.
                                           Titel{"PERMEABILITAET: 125.3 K17 POROSITAET: 0.213",
                                                 "PERMEABILITAET: 125.3 K17 POROSITAET: 0.213"},
                                           Titel{"Probe 7.5 A3 Bem. SCHLIESSDRUCK: 0.350 x POROSITAET: .2",
                                                 "PERMEABILITAET: 7.5 A3 SCHLIESSDRUCK: 0.350 POROSITAET: .2"},
                                           Titel{"Kern 12K POROSITAET: 3e-1", "PERMEABILITAET: 12 K POROSITAET: 3e-1"},
                                           // A keyword in the title word's place is replaced as any word is.
                                           Titel{"POROSITAET: 0.2 K", "PERMEABILITAET: 0.2 K"}));

// Files that stop with a message; the lines taken before the stop stay.
struct Abbruch {
  const char* name;
  std::vector<std::string> zeilen;
  std::vector<std::string> ergebnis;
  const char* meldung;
};

const Abbruch kAbbrueche[] = {
    {"ErsteZeileEnde", {"ENDE", "PERMEABILITAET: 1 A"}, {}, kErsteZeile},
    {"WortNachEnde",
     {"PERMEABILITAET: 1 A", "0 0", "1 0.5", "ENDE", "Bemerkung"},
     {"PERMEABILITAET: 1 A", "   0.0000          0.00000 ", "   1.0000          0.50000 ", "ENDE"},
     kErsteZeile},
    {"DritterWertGleichZweitem",
     {"PERMEABILITAET: 1 A", "0 0", "1 0.3", "2 0.3"},
     {"PERMEABILITAET: 1 A", "   0.0000          0.00000 ", "   1.0000          0.30000 "},
     kSteigtNicht},
    {"SaettigungFaellt",
     {"PERMEABILITAET: 1 A", "0 0", "1 0.3", "2 0.5", "3 0.4"},
     {"PERMEABILITAET: 1 A", "   0.0000          0.00000 ", "   1.0000          0.30000 ",
      "   2.0000          0.50000 "},
     kSteigtNicht},
    {"ErsterWertNichtNull",
     {"PERMEABILITAET: 1 A", "0.5 0.1"},
     {"PERMEABILITAET: 1 A"},
     "ABBRUCH!! Die Saettigung der 1.Zeile muss 0 sein!\n0.5 0.1"},
    {"NegativerDruck",
     {"PERMEABILITAET: 1 A", "-0.5 0"},
     {"PERMEABILITAET: 1 A"},
     "ABBRUCH! Der Druck ist kleiner Null"},
    {"NegativerDruckAllein",
     {"PERMEABILITAET: 1 A", "-3"},
     {"PERMEABILITAET: 1 A"},
     "ABBRUCH! Der Druck ist kleiner Null"},
    {"SaettigungUeberEins",
     {"PERMEABILITAET: 1 A", "0 0", "1 1.5"},
     {"PERMEABILITAET: 1 A", "   0.0000          0.00000 "},
     "ABBRUCH! Die Sättigung muss zwischen 0 und 1 liegen!"},
    {"PermeabilitaetNull", {"PERMEABILITAET: 0 A"}, {}, "Die Permeabilität muß größer Null sein!"},
    {"AnderesWortNegativ", {"Probe -2 A"}, {}, "Die Permeabilität muß größer Null sein!"},
    {"ZeileMit120Zeichen",
     {"PERMEABILITAET: 1 A", "0 0", "1 0.5" + std::string(115, ' '), "2 0.7"},
     {"PERMEABILITAET: 1 A", "   0.0000          0.00000 "},
     "In der 3.Zeile 100 Zeichen gelesen"},
    {"ZeileMit100Zeichen",
     {"PERMEABILITAET: 1 A", std::string(100, 'x')},
     {"PERMEABILITAET: 1 A"},
     "In der 2.Zeile 100 Zeichen gelesen"},
    {"Utf8ZeileMit100Zeichen",
     {"PERMEABILITAET: 1 A", "0 0 " + std::string(95, 'x'),
      "0 0 " +
          [] {
            std::string s;
            for (int k = 0; k < 96; ++k) s += "ä";
            return s;
          }()},
     {"PERMEABILITAET: 1 A", "   0.0000          0.00000 "},
     "In der 3.Zeile 100 Zeichen gelesen"},
    // Numbers a float cannot hold stop the import with the reader's message.
    {"TitelMitRiesenzahl", {"Probe 1e39 B"}, {}, "ABBRUCH in der 1.Zeile\nProbe 1e39 B"},
    {"DruckZuGross",
     {"PERMEABILITAET: 1 A", "0 0", "1e39 0.6"},
     {"PERMEABILITAET: 1 A", "   0.0000          0.00000 "},
     "ABBRUCH in der 3.Zeile\n1e39 0.6"},
    {"NanZeile",
     {"PERMEABILITAET: 1 A", "0 0", "NaN 0.6"},
     {"PERMEABILITAET: 1 A", "   0.0000          0.00000 "},
     "ABBRUCH in der 3.Zeile\nNaN 0.6"},
    {"SaettigungInf", {"PERMEABILITAET: 1 A", "0 inf"}, {"PERMEABILITAET: 1 A"}, "ABBRUCH in der 2.Zeile\n0 inf"},
    // A faulty porosity or closure pressure stops the import, before the
    // title question, with the line check's message.
    {"PorositaetInProzent", {"PERMEABILITAET: 1 A POROSITAET: 21.3"}, {}, kAnteil},
    {"PorositaetOhneKern", {"PERMEABILITAET: 1 POROSITAET: 0.2"}, {}, kOhneKern},
    {"PorositaetAlsTitelwort", {"POROSITAET: 0.2"}, {}, kOhneKern},
    {"SchliessdruckNull",
     {"Probe 2 B SCHLIESSDRUCK: 0"},
     {},
     "Der Schließdruck ist in bar als Zahl größer 0 anzugeben."},
    {"ZweiterKopfMitDoppelterPorositaet",
     {"PERMEABILITAET: 1 A POROSITAET: 0.2", "0 0", "1 0.5", "ENDE",
      "PERMEABILITAET: 2 B POROSITAET: 0.2 POROSITAET: 0.3"},
     {"PERMEABILITAET: 1 A POROSITAET: 0.2", "   0.0000          0.00000 ", "   1.0000          0.50000 ", "ENDE"},
     "POROSITAET: und SCHLIESSDRUCK: dürfen je nur einmal in der Kopfzeile stehen."},
};

class AbbruchTest : public ::testing::TestWithParam<Abbruch> {};

TEST_P(AbbruchTest, MeldetUndBehaeltDasGelesene) {
  const Abbruch& a = GetParam();
  const Import i(a.zeilen);
  EXPECT_EQ(i.ergebnis, a.ergebnis);
  ASSERT_FALSE(i.plattform.protokoll.empty());
  EXPECT_EQ(i.plattform.protokoll.back(), Ok(a.meldung));
  // Nothing after the stop is looked at.
  for (std::size_t k = 0; k + 1 < i.plattform.protokoll.size(); ++k) {
    EXPECT_EQ(i.plattform.protokoll[k].art, "yesno");
  }
}

INSTANTIATE_TEST_SUITE_P(Dateien, AbbruchTest, ::testing::ValuesIn(kAbbrueche),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZeilenImportieren, UebersprungeneZeilen) {
  // A value line as the first line, a blank line inside a block, a single
  // number and a lone word in a block with fewer than two values are all
  // skipped without a message; 99 characters still fit.
  const Import i(
      {"0 0", "PERMEABILITAET: 1 A", "0 0", "", "   ", "Kommentar", "7", "1 0.5" + std::string(94, ' '), "ENDE"});
  EXPECT_EQ(i.ergebnis, (std::vector<std::string>{"PERMEABILITAET: 1 A", "   0.0000          0.00000 ",
                                                  "   1.0000          0.50000 ", "ENDE"}));
  EXPECT_EQ(i.plattform.protokoll.size(), 2u);
}

TEST(ZeilenImportieren, LockereWertezeilenWerdenGelesen) {
  const Import i({"PERMEABILITAET: 1 A", "0 0", "1.5 0.3 Bemerkung", "2 0.5 7", "3e1 0.9"});
  EXPECT_EQ(i.ergebnis, (std::vector<std::string>{"PERMEABILITAET: 1 A", "   0.0000          0.00000 ",
                                                  "   1.5000          0.30000 ", "   2.0000          0.50000 ",
                                                  "  30.0000          0.90000 "}));
}

TEST(ZeilenImportieren, NachEndeBeginntEinBlockOhneKopfzeile) {
  const Import i({"PERMEABILITAET: 1 A", "0 0", "1 0.5", "ENDE", "0 0", "2 0.2"});
  EXPECT_EQ(i.ergebnis.size(), 6u);
  EXPECT_EQ(i.ergebnis[4], "   0.0000          0.00000 ");
}

TEST(ZeilenImportieren, NurKopfzeileLaesstDasFlagStehen) {
  EXPECT_EQ(Import({"PERMEABILITAET: 1 A"}, {}, 0).bNeuRechnen, 0);
  EXPECT_EQ(Import({"PERMEABILITAET: 1 A"}, {}, 1).bNeuRechnen, 1);
}

TEST(TextdateiZerlegen, ZeilenendenUndZeichensaetze) {
  // CRLF and LF, a final line without line end, an empty line.
  EXPECT_EQ(TextdateiZerlegen("a\r\nb\n\nc"), (Textliste{"a", "b", "", "c"}));
  EXPECT_EQ(TextdateiZerlegen("a\n"), (Textliste{"a"}));
  EXPECT_EQ(TextdateiZerlegen(""), Textliste{});
  // Windows-1252: Ä is the byte C4, the euro sign 80.
  EXPECT_EQ(TextdateiZerlegen("Kern \xC4 \x80\r\n"), (Textliste{"Kern Ä €"}));
  // Well-formed UTF-8 with a byte order mark.
  EXPECT_EQ(TextdateiZerlegen("\xEF\xBB\xBFKern \xC3\x84\xE2\x82\xAC\n1 2"), (Textliste{"Kern Ä€", "1 2"}));
  // One malformed byte makes the whole file Windows-1252.
  EXPECT_EQ(TextdateiZerlegen("\xC3\x84\n\xC4"), (Textliste{"Ã„", "Ä"}));
  // Without any LF a lone CR ends a line; beside an LF it stays text.
  EXPECT_EQ(TextdateiZerlegen("a\rb\r\rc\r"), (Textliste{"a", "b", "", "c"}));
  EXPECT_EQ(TextdateiZerlegen("a\rb\nc"), (Textliste{"a\rb", "c"}));
  // A NUL byte ends the line's text.
  EXPECT_EQ(TextdateiZerlegen(std::string("ab\0cd\nx", 7)), (Textliste{"ab", "x"}));
}

class DateiTest : public ::testing::Test {
 protected:
  std::string Schreiben(const std::string& bytes) {
    std::ofstream datei(pfad_, std::ios::binary);
    datei << bytes;
    return pfad_.string();
  }
  void TearDown() override { std::filesystem::remove(pfad_); }

  std::filesystem::path pfad_ = std::filesystem::temp_directory_path() /
                                ("kadrel-import-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
};

TEST_F(DateiTest, Utf8DateiMitUmlautImKern) {
  const std::string pfad = Schreiben(
      "Probe 7.5 K\xC3\xBC"
      "ste\r\n0 0\r\n1 0.5\r\n2 0.9\r\nENDE\r\n");
  FakePlattform plattform;
  EingabeDaten daten;
  daten.Eingabezeilen = {"alt"};
  ASSERT_TRUE(DateiImportieren(pfad, plattform, daten));
  EXPECT_EQ(daten.Eingabezeilen, (Textliste{"PERMEABILITAET: 7.5 Küste", "   0.0000          0.00000 ",
                                            "   1.0000          0.50000 ", "   2.0000          0.90000 ", "ENDE"}));
  EXPECT_EQ(plattform.protokoll,
            (std::vector{Ok(pfad + " wird geöffnet"), Frage("Zeile Probe 7.5 Küste \nals Titelzeile verwenden?"),
                         Frage("Zeile ENDE \nals Schlusszeile ansehen?")}));
  EXPECT_EQ(daten.bNeuRechnen, 1);
}

TEST_F(DateiTest, Cp1252DateiMitUmlautImKern) {
  const std::string pfad = Schreiben("Probe 7.5 K\xFCste\n0 0\n");
  FakePlattform plattform;
  EingabeDaten daten;
  ASSERT_TRUE(DateiImportieren(pfad, plattform, daten));
  EXPECT_EQ(daten.Eingabezeilen, (Textliste{"PERMEABILITAET: 7.5 Küste", "   0.0000          0.00000 "}));
}

TEST_F(DateiTest, FehlendeDateiLaesstDieDatenStehen) {
  FakePlattform plattform;
  EingabeDaten daten;
  daten.Eingabezeilen = {"alt"};
  const std::string pfad = pfad_.string();
  EXPECT_FALSE(DateiImportieren(pfad, plattform, daten));
  EXPECT_EQ(daten.Eingabezeilen, (Textliste{"alt"}));
  // The message names the file and the reason.
  ASSERT_EQ(plattform.protokoll.size(), 1u);
  EXPECT_EQ(plattform.protokoll[0].art, "ok");
  EXPECT_EQ(plattform.protokoll[0].text.rfind("Die Datei " + pfad + " kann nicht geöffnet werden: ", 0), 0u)
      << plattform.protokoll[0].text;
  // Nor is a folder a file.
  const std::string ordner = pfad_.parent_path().string();
  EXPECT_FALSE(DateiImportieren(ordner, plattform, daten));
  EXPECT_EQ(plattform.protokoll.back().text.rfind("Die Datei " + ordner + " kann nicht geöffnet werden: ", 0), 0u);
  EXPECT_EQ(daten.Eingabezeilen, (Textliste{"alt"}));
}

TEST_F(DateiTest, DialogSetztDenHinweis) {
  FakePlattform plattform;
  FakeFenster fenster;
  Dateneingabe dlg(plattform, fenster);
  EingabeDaten daten;
  daten.Eingabezeilen = {"PERMEABILITAET: 3 A"};
  dlg.SetDaten(daten);
  dlg.OnInitDialog();
  fenster.datei = Schreiben("PERMEABILITAET: 125.3 K17\n0.05 0.0\n0.30 0.0\n0.80 0.21\n4.00 0.63\nENDE\n");
  dlg.FileOpen();
  EXPECT_EQ(dlg.Liste.size(), 6u);
  EXPECT_EQ(fenster.liste, dlg.Liste);
  EXPECT_EQ(dlg.Eingabezeilen, dlg.Liste);
  EXPECT_EQ(fenster.felder.Hinweis, "6 Zeilen wurden eingelesen");
  EXPECT_EQ(plattform.protokoll.front(), Ok(*fenster.datei + " wird geöffnet"));
  EXPECT_EQ(dlg.bNeuRechnen, 1);

  // A stop keeps what came before it; the earlier lines are gone.
  plattform.antworten = {false};
  fenster.datei = Schreiben("PERMEABILITAET: 1 A\n");
  dlg.FileOpen();
  EXPECT_TRUE(dlg.Liste.empty());
  EXPECT_TRUE(fenster.liste.empty());
  EXPECT_EQ(fenster.felder.Hinweis, "0 Zeilen wurden eingelesen");
}

// The real curves: the import takes every block up to the first one that
// starts with three zero-saturation points (AD-084, line 1332), where its
// rising test stops it; the document's reader reads all curves before it.
TEST(EchteDaten, ImportBisZumDrittenNullpunkt) {
  FakePlattform plattform;
  EingabeDaten daten;
  ASSERT_TRUE(DateiImportieren(KADREL_ARAB_D, plattform, daten));
  ASSERT_EQ(daten.Eingabezeilen.size(), 1334u);
  EXPECT_EQ(daten.Eingabezeilen[1331], "PERMEABILITAET: 125 AD-084");
  EXPECT_EQ(daten.Eingabezeilen[1333], "   0.2220          0.00000 ");
  // The path message, one title and one end question per whole curve, the
  // title question of AD-084 and the stop.
  EXPECT_EQ(plattform.protokoll.size(), 1u + 2u * 78u + 1u + 1u);
  EXPECT_EQ(plattform.protokoll.back(), Ok(kSteigtNicht));

  FakePlattform dokPlattform;
  CKadrelDoc doc(dokPlattform);
  doc.Eingabezeilen = daten.Eingabezeilen;
  doc.iMaxZeilen = static_cast<int>(doc.Eingabezeilen.size());
  doc.iStart = 0;
  int kurven = 0;
  while (doc.MessungLesen() == 2) ++kurven;
  EXPECT_EQ(kurven, 78);
  EXPECT_TRUE(dokPlattform.protokoll.empty());
}

// The real curves with porosity: every header the import takes keeps its
// porosity as the file writes it; the reader gives the same curves as
// without porosity.
TEST(EchteDaten, ImportBehaeltDiePorositaet) {
  FakePlattform plattform;
  EingabeDaten daten;
  ASSERT_TRUE(DateiImportieren(KADREL_ARAB_D_POROSITAET, plattform, daten));
  FakePlattform ohnePlattform;
  EingabeDaten ohne;
  ASSERT_TRUE(DateiImportieren(KADREL_ARAB_D, ohnePlattform, ohne));
  ASSERT_EQ(daten.Eingabezeilen.size(), ohne.Eingabezeilen.size());

  Textliste datei;
  std::string fehler;
  ASSERT_TRUE(TextdateiLesen(KADREL_ARAB_D_POROSITAET, datei, fehler)) << fehler;
  std::vector<std::string> zusaetze;
  for (const std::string& z : datei) {
    if (z.rfind("PERMEABILITAET:", 0) == 0) zusaetze.push_back(z.substr(z.find(" POROSITAET: ")));
  }
  std::size_t kopf = 0;
  for (std::size_t i = 0; i < daten.Eingabezeilen.size(); ++i) {
    const std::string& z = daten.Eingabezeilen[i];
    if (z.rfind("PERMEABILITAET:", 0) != 0) {
      EXPECT_EQ(z, ohne.Eingabezeilen[i]);
      continue;
    }
    ASSERT_LT(kopf, zusaetze.size());
    EXPECT_EQ(z, ohne.Eingabezeilen[i] + zusaetze[kopf]);
    ++kopf;
  }
  EXPECT_EQ(kopf, 79u);
  EXPECT_EQ(daten.Eingabezeilen[1331], "PERMEABILITAET: 125 AD-084 POROSITAET: 0.2296");
}

}  // namespace
