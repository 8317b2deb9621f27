#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliAufruf.h"
#include "FakePlattform.h"
#include "KadrelCli.h"
#include "KadrelDoc.h"
#include "Kopfzusatz.h"
#ifdef KADREL_MIT_GRAFIK
#include "QtGrafikExporter.h"
#endif

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

Ergebnis Aufruf(const std::vector<std::string>& argumente) {
  GrafikExporter exporter;
#ifdef KADREL_MIT_GRAFIK
  exporter = QtGrafikExporter();
#endif
  return ::Aufruf(argumente, exporter);
}

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    ordner_ = fs::temp_directory_path() /
              ("kadrel-cli-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(ordner_);
  }
  void TearDown() override { fs::remove_all(ordner_); }

  std::string Datei(const std::string& name, const std::string& inhalt) {
    const fs::path p = ordner_ / name;
    std::ofstream(p, std::ios::binary) << inhalt;
    return p.string();
  }

  fs::path ordner_;
};

const char* const kSchluessel[] = {"messages",
                                   "Detailergebnisse",
                                   "Parameterliste",
                                   "Parameterfunktionen",
                                   "Info",
                                   "Titel",
                                   "Untertitel",
                                   "XText",
                                   "YText",
                                   "Legende1",
                                   "Legende2",
                                   "Kern",
                                   "Alfa",
                                   "Beta",
                                   "Error",
                                   "Perm",
                                   "PcSperrdruck",
                                   "ShgMax",
                                   "Ymax",
                                   "MaxPchg",
                                   "Maxwerte",
                                   "iMax2Werte",
                                   "kmax",
                                   "iKoeff",
                                   "iStart",
                                   "X",
                                   "Y",
                                   "Y1",
                                   "Shg",
                                   "Pc",
                                   "X2",
                                   "Y2",
                                   "Y3",
                                   "C",
                                   "C_",
                                   "XK",
                                   "YK",
                                   "Skalierung"};

TEST_F(Cli, JsonHatGenauDieVereinbartenSchluessel) {
  const auto r = Aufruf({"--testdaten", "--json"});
  ASSERT_EQ(r.status, 0) << r.fehler;
  EXPECT_EQ(r.fehler, "");
  const Json j = Json::parse(r.aus);
  std::vector<std::string> soll(std::begin(kSchluessel), std::end(kSchluessel));
  std::vector<std::string> ist;
  for (const auto& [k, v] : j.items()) ist.push_back(k);
  std::sort(soll.begin(), soll.end());
  std::sort(ist.begin(), ist.end());
  EXPECT_EQ(ist, soll);
  for (const char* feld : {"X", "Y", "Y1", "Shg", "Pc", "X2", "Y2", "Y3"}) EXPECT_EQ(j[feld].size(), 100u) << feld;
  EXPECT_EQ(j["C"].size(), 7u);
  EXPECT_EQ(j["C_"].size(), 4u);
  EXPECT_EQ(j["C_"][0].size(), 7u);
  EXPECT_EQ(j["XK"].size(), 5u);
  EXPECT_EQ(j["YK"][4].size(), 31u);
  EXPECT_EQ(j["Kern"], "TEST");
  EXPECT_EQ(j["Maxwerte"], 20);
  // Floats read back exactly as floats.
  EXPECT_EQ(j["Pc"][19].get<float>(), 155.0f);
  EXPECT_EQ(j["Shg"][1].get<float>(), 0.0079f);
  EXPECT_EQ(j["PcSperrdruck"].get<float>(), 3.19f);
  EXPECT_TRUE(j["Alfa"].is_number_float());
  // The curve chart of the test data, as a fresh screen chart scales it.
  const Json& s = j["Skalierung"];
  EXPECT_EQ(s["xmin"], 0.0);
  EXPECT_EQ(s["xmax"], 1.0);
  EXPECT_EQ(s["deltax"], 0.2);
  EXPECT_EQ(s["ymax"], 1.0);
  EXPECT_EQ(s["breite"], 1300);
  EXPECT_EQ(s["hoehe"], 750);
}

TEST_F(Cli, SkalierungDerKurvenscharFolgtMaxPchg) {
  const auto r = Aufruf({"--testdaten", "--grafik", "4", "--json"});
  ASSERT_EQ(r.status, 0);
  const Json s = Json::parse(r.aus)["Skalierung"];
  EXPECT_EQ(s["ymin"], 0.0);
  EXPECT_EQ(s["ymax"], 160.0);
  EXPECT_EQ(s["deltay"], 20.0);
}

TEST_F(Cli, ImportiertDieLockerereTextform) {
  const std::string datei = Datei("i.txt", "Probe 7.5 A3\n0.05 0.0\n0.30 0.01\n0.80 0.21\n4.00 0.63\nfertig\n");
  const auto r = Aufruf({"--json", "--tabelle", "1", "--import", datei});
  ASSERT_EQ(r.status, 0) << r.fehler;
  const Json j = Json::parse(r.aus);
  ASSERT_EQ(j["messages"].size(), 4u);
  EXPECT_EQ(j["messages"][0]["text"], datei + " wird geöffnet");
  EXPECT_EQ(j["messages"][1]["kind"], "yesno");
  EXPECT_EQ(j["messages"][1]["text"], "Zeile Probe 7.5 A3 \nals Titelzeile verwenden?");
  EXPECT_EQ(j["messages"][2]["text"], "Zeile fertig \nals Schlusszeile ansehen?");
  EXPECT_EQ(j["Kern"], "A3");
  EXPECT_EQ(j["Parameterliste"].size(), 4u);

  // Answered No, the title question ends the import before any line.
  const auto n = Aufruf({"--json", "--import", datei, "--nein"});
  ASSERT_EQ(n.status, 0);
  const Json k = Json::parse(n.aus);
  EXPECT_EQ(k["messages"][1]["text"], "Zeile Probe 7.5 A3 \nals Titelzeile verwenden?");
  EXPECT_EQ(k["Parameterliste"].size(), 3u);

  EXPECT_EQ(Aufruf({"--import", (ordner_ / "fehlt.txt").string()}).status, 2);
  EXPECT_EQ(Aufruf({"--nein", datei}).status, 2);
}

#ifdef KADREL_MIT_GRAFIK
TEST_F(Cli, SchreibtDieGrafikAlsBildSvgUndPdf) {
  for (const std::string name : {"k.png", "k.svg", "k.pdf"}) {
    const std::string pfad = (ordner_ / name).string();
    const auto r = Aufruf({"--testdaten", "--tabelle", "1", "--grafik-datei", pfad});
    ASSERT_EQ(r.status, 0) << r.fehler;
    std::ifstream ein(pfad, std::ios::binary);
    std::string kopf(8, '\0');
    ein.read(kopf.data(), 8);
    if (name == "k.png") {
      EXPECT_EQ(kopf, "\x89PNG\r\n\x1a\n");
    } else if (name == "k.pdf") {
      EXPECT_EQ(kopf.substr(0, 5), "%PDF-");
    } else {
      EXPECT_NE(kopf.find('<'), std::string::npos);
    }
    EXPECT_GT(fs::file_size(pfad), 1000u) << name;
  }
  const auto falsch = Aufruf({"--testdaten", "--grafik-datei", (ordner_ / "k.bmpx").string()});
  EXPECT_EQ(falsch.status, 3);
  EXPECT_FALSE(falsch.fehler.empty());
}
#endif

TEST_F(Cli, GibtDieGewaehlteTabelleAus) {
  const auto r = Aufruf({"--testdaten"});
  ASSERT_EQ(r.status, 0);
  EXPECT_NE(r.aus.find("   NACHRECHNUNG DER KAPILLARDRUCKKURVE\n"), std::string::npos);
  EXPECT_NE(r.aus.find(" 0.790000   155.0000     0.000000   1.000000     1.000000\n"), std::string::npos);
  const auto p = Aufruf({"--tabelle", "1",
                         Datei("e.txt",
                               "PERMEABILITAET: 125.3 K17\r\n0.05 0.0\r\n0.30 0.0\r\n"
                               "0.80 0.21\r\n4.00 0.63\r\n20.0 0.84\r\nENDE")});
  ASSERT_EQ(p.status, 0);
  EXPECT_EQ(p.aus.substr(0, 1), "\n");
  EXPECT_NE(p.aus.find("  K17\n"), std::string::npos) << p.aus;
}

TEST_F(Cli, FunktionsberichtDerTestdaten) {
  const auto r = Aufruf({"--testdaten", "--tabelle", "2"});
  ASSERT_EQ(r.status, 0);
  std::vector<std::string> fehler;
  std::istringstream zeilen(r.aus);
  for (std::string z; std::getline(zeilen, z);) {
    if (z.rfind("     Mittlerer Fehler:", 0) == 0) fehler.push_back(z);
  }
  EXPECT_EQ(fehler, (std::vector<std::string>{"     Mittlerer Fehler:0.083594 ", "     Mittlerer Fehler:0.000084 ",
                                              "     Mittlerer Fehler:0.001786 ", "     Mittlerer Fehler:0.016002 "}));
  EXPECT_NE(r.aus.find("   log10(Beta) = -0.853851  -0.500011*log10(K)\n"), std::string::npos);
  EXPECT_NE(r.aus.find("    Max.Kapillardruck(Hg):   158.000 bar\n"), std::string::npos);
}

TEST_F(Cli, MeldungenStehenInDerReihenfolgeImJson) {
  const auto r = Aufruf({"--json", Datei("f.txt", "PERMEABILITAET: 1 A\n0.1 0\n0.2 0.3\nENDE\n")});
  ASSERT_EQ(r.status, 0);
  const Json j = Json::parse(r.aus);
  ASSERT_GE(j["messages"].size(), 1u);
  EXPECT_EQ(j["messages"][0]["kind"], "ok");
  EXPECT_EQ(j["messages"][0]["text"], "ABBRUCH!Die Kapillardruckmessung hat weniger als 3 Messwerte!");
  const auto t = Aufruf({Datei("g.txt", "PERMEABILITAET: 1 A\n0.1 0\n0.2 0.3\nENDE\n")});
  EXPECT_EQ(t.status, 0);
  EXPECT_EQ(t.fehler.rfind("ABBRUCH!Die Kapillardruckmessung hat weniger als 3 Messwerte!\n", 0), 0u) << t.fehler;
}

TEST_F(Cli, EinzelmessungUndWindows1252Eingabe) {
  const auto r = Aufruf({"--json", "--einzelmessung", "2.5",
                         Datei("h.txt",
                               "PERMEABILITAET: 1 A\n0.1 0\n0.5 0.3\n2 0.6\nENDE\n"
                               "PERMEABILITAET: 2.5 K\xE4rn\n0.2 0\n0.6 0.3\n3 0.6\nENDE\n")});
  ASSERT_EQ(r.status, 0);
  const Json j = Json::parse(r.aus);
  EXPECT_EQ(j["messages"][0]["text"], "Die Messung mit der Permeabilität:2.500000 wurde gewählt");
  EXPECT_EQ(j["Kern"], "Kärn");
  EXPECT_EQ(j["Parameterliste"].size(), 4u);
}

TEST_F(Cli, SpeichertUndLaedtDokumente) {
  const std::string kdr = (ordner_ / "t.kdr").string();
  ASSERT_EQ(Aufruf({"--testdaten", "--speichern", kdr}).status, 0);
  std::ifstream ein(kdr, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(0, 25), std::string("\x16\x00\x16PERMEABILITAET: 1 TEST", 25));
  const auto r = Aufruf({"--json", "--tabelle", "1", "--testwerte", kdr});
  ASSERT_EQ(r.status, 0) << r.fehler;
  const Json j = Json::parse(r.aus);
  EXPECT_EQ(j["Kern"], "TEST");
  EXPECT_EQ(j["Maxwerte"], 20);
}

// The document saved from an input file holds all of its lines, also those
// after the first blank line that the run does not read.
TEST_F(Cli, SpeichertAlleZeilenDerEingabe) {
  const struct {
    const char* name;
    std::string eingabe;
    std::string dokument;
  } faelle[] = {
      {"lf", "A\n\nB\n",
       std::string("\x03\x00\x01"
                   "A\x00\x01"
                   "B",
                   7)},
      {"crlf_ohne_letztes_ende", "A\r\n \r\nB",
       std::string("\x03\x00\x01"
                   "A\x01 \x01"
                   "B",
                   8)},
      {"nur_cr", "A\r\rB\r",
       std::string("\x03\x00\x01"
                   "A\x00\x01"
                   "B",
                   7)},
      {"windows_1252", "K\xE4rn\n\n\xE4\n", std::string("\x03\x00\x04K\xE4rn\x00\x01\xE4", 10)},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    const std::string kdr = (ordner_ / (std::string(f.name) + ".kdr")).string();
    const auto r = Aufruf({"--speichern", kdr, Datei(std::string(f.name) + ".txt", f.eingabe)});
    EXPECT_EQ(r.status, 0) << r.fehler;
    std::ifstream ein(kdr, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>()), f.dokument);
  }

  // A document read with 16-bit lines is saved in Windows-1252; a line it
  // cannot hold, even after the blank line, keeps the old file as it was.
  const std::string alt = Datei("alt.kdr", "alt");
  const std::string breit = Datei("breit.kdr", std::string("\x03\x00\x01"
                                                           "A\x00\xFF\xFE\xFF\x02"
                                                           "B\x00\xE9\x00",
                                                           14));
  EXPECT_EQ(Aufruf({"--speichern", alt, breit}).status, 0);
  {
    std::ifstream ein(alt, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>()),
              std::string("\x03\x00\x01"
                          "A\x00\x02"
                          "B\xE9",
                          8));
  }
  const std::string omega = Datei("omega.kdr", std::string("\x03\x00\x01"
                                                           "A\x00\xFF\xFE\xFF\x02"
                                                           "B\x00\xA9\x03",
                                                           14));
  const std::string unberuehrt = Datei("unberuehrt.kdr", "alt");
  const auto r = Aufruf({"--speichern", unberuehrt, omega});
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.fehler.find("kadrel-cli: Die 3.Zeile kann nicht gespeichert werden:\n"), std::string::npos) << r.fehler;
  std::ifstream ein(unberuehrt, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>()), "alt");
}

TEST_F(Cli, SpeichernBehaeltDenStudienblockDesDokuments) {
  // Lines "A", then the study block: the marker and "FWL=1".
  std::string bytes(
      "\x01\x00\x01"
      "A\x02\x00",
      6);
  for (const std::string& zeile : {std::string("KADREL-STUDIE 1"), std::string("FWL=1")}) {
    bytes += std::string("\xFF\xFE\xFF", 3) + static_cast<char>(zeile.size());
    for (const char c : zeile) bytes += std::string{c, '\0'};
  }
  const std::string ziel = Datei("kopie.kdr", "alt");
  EXPECT_EQ(Aufruf({"--speichern", ziel, Datei("studie.kdr", bytes)}).status, 0);
  std::ifstream ein(ziel, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>()), bytes);
}

TEST_F(Cli, FalscheAufrufeEndenMitStatusZwei) {
  const std::vector<std::vector<std::string>> falsch = {
      {},
      {"--tabelle", "3", "x.txt"},
      {"--grafik", "-1", "x.txt"},
      {"--grafik"},
      {"--einzelmessung", "abc", "x.txt"},
      {"--unbekannt", "x.txt"},
      {"a.txt", "b.txt"},
  };
  for (const auto& a : falsch) {
    const auto r = Aufruf(a);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.fehler.rfind("kadrel-cli: ", 0), 0u) << r.fehler;
  }
  const auto fehlt = Aufruf({(ordner_ / "fehlt.txt").string()});
  EXPECT_EQ(fehlt.status, 2);
  EXPECT_NE(fehlt.fehler.find("fehlt.txt"), std::string::npos);
  const auto kaputt = Aufruf({Datei("k.kdr", std::string("\x05\x00\x01", 3))});
  EXPECT_EQ(kaputt.status, 2);
  EXPECT_NE(kaputt.fehler.find("k.kdr"), std::string::npos);
  const auto v = Aufruf({"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.aus, "kadrel-cli 2.0\n");
}

TEST_F(Cli, SpeichernInEinenFehlendenOrdnerScheitertSauber) {
  const std::string kdr = (ordner_ / "u.kdr").string();
  std::ofstream(kdr) << "alt";
  // A document that cannot be written is an error, and nothing else changes.
  const auto r = Aufruf({"--speichern", (ordner_ / "fehlt" / "x.kdr").string(), Datei("v.txt", "ENDE\n")});
  EXPECT_EQ(r.status, 3);
  std::ifstream ein(kdr);
  std::string inhalt;
  ein >> inhalt;
  EXPECT_EQ(inhalt, "alt");
}

// Three samples as Kadrel's own input lines, and the same points as
// laboratory tables in the forms they arrive in.
const char* const kDreiProben =
    "PERMEABILITAET: 1 A\n0.5 0\n2 0.3\n8 0.6\n30 0.8\nENDE\n"
    "PERMEABILITAET: 10 B\n0.2 0\n1 0.35\n5 0.65\n30 0.9\nENDE\n"
    "PERMEABILITAET: 100 C\n0.1 0\n0.5 0.4\n3 0.75\n30 0.95\nENDE\n";

struct Laborform {
  const char* name;
  const char* tabelle;
  std::vector<std::string> optionen;
  std::string eingabe = kDreiProben;  // the input lines the table stands for
};

TEST_F(Cli, LabortabellenErgebenDenselbenLaufWieDieEingabezeilen) {
  const Laborform formen[] = {
      {"KommaPunktBarAnteil",
       "Sample,Permeability (mD),Pc (bar),SHg\nA,1,0.5,0\nA,1,2,0.3\nA,1,8,0.6\nA,1,30,0.8\n"
       "B,10,0.2,0\nB,10,1,0.35\nB,10,5,0.65\nB,10,30,0.9\nC,100,0.1,0\nC,100,0.5,0.4\nC,100,3,0.75\nC,100,30,0.95\n",
       {}},
      // 1 psi = 0.0689475729 bar: 7.25188689 psi are 0.5 bar.
      {"SemikolonKommaPsiProzent",
       "Probe;Permeabilität;Druck (psia);Sättigung [%]\r\nA;1;7,25188689;0\r\nA;1;29,0075476;30\r\nA;1;116,03019;60\r\n"
       "A;1;435,113213;80\r\nB;10;2,90075476;0\r\nB;10;14,5037738;35\r\nB;10;72,5188689;65\r\nB;10;435,113213;90\r\n"
       "C;100;1,45037738;0\r\nC;100;7,25188689;40\r\nC;100;43,5113213;75\r\nC;100;435,113213;95\r\n",
       {}},
      // Names the presets do not know, mapped by name and number, units given.
      {"TabulatorSpaltenUndEinheitenVorgegeben",
       "Nr\tWert A\tWert B\tKennung\tDurchlaessigkeit\n1\t50\t0\tA\t1\n2\t200\t0.3\tA\t1\n3\t800\t0.6\tA\t1\n"
       "4\t3000\t0.8\tA\t1\n5\t20\t0\tB\t10\n6\t100\t0.35\tB\t10\n7\t500\t0.65\tB\t10\n8\t3000\t0.9\tB\t10\n"
       "9\t10\t0\tC\t100\n10\t50\t0.4\tC\t100\n11\t300\t0.75\tC\t100\n12\t3000\t0.95\tC\t100\n",
       {"--spalten", "Kennung,5,wert a,3", "--druck-einheit", "kpa", "--saettigung-einheit", "anteil"}},
      // The zero points are missing; the option puts them in.
      {"OhneNullpunkte",
       "Sample,Perm,Pc,SHg\nA,1,0.5,0.0\nA,1,2,0.3\nA,1,8,0.6\nA,1,30,0.8\n"
       "B,10,0.2,0\nB,10,1,0.35\nB,10,5,0.65\nB,10,30,0.9\nC,100,0.1,0.4\nC,100,3,0.75\nC,100,30,0.95\n",
       {"--nullpunkt"},
       std::string(kDreiProben).replace(std::string(kDreiProben).find("0.1 0\n0.5 0.4"), 13, "0.1 0\n0.1 0.4")},
  };
  for (const Laborform& f : formen) {
    const auto soll = Aufruf({"--tabelle", "2", Datei("drei.txt", f.eingabe)});
    ASSERT_EQ(soll.status, 0);
    ASSERT_NE(soll.aus.find("Mittlerer Fehler"), std::string::npos);
    std::vector<std::string> a = f.optionen;
    a.insert(a.end(), {"--tabelle", "2", "--labordaten", Datei(std::string(f.name) + ".csv", f.tabelle)});
    const auto r = Aufruf(a);
    EXPECT_EQ(r.status, 0) << f.name << r.fehler;
    EXPECT_EQ(r.aus, soll.aus) << f.name;
    EXPECT_EQ(r.fehler, soll.fehler) << f.name;
  }
}

TEST_F(Cli, LabortabelleMeldetAusgelasseneZeilenAufStderr) {
  const std::string pfad = Datei("lab.csv",
                                 "Sample,Perm,Pc,SHg\nA,1,0.5,0\nA,1,,0.2\nA,1,2,0.3\nA,1,8,0.6\nA,1,4,0.5\n"
                                 "B,10,0.2,0\nB,10,1,0.35\nB,10,5,0.65\nC,100,0.1,0\nC,100,0.5,0.4\nC,100,3,0.75\n");
  const auto r = Aufruf({"--tabelle", "1", "--labordaten", pfad});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.fehler.rfind(pfad + ":3: Druck fehlt\n" + pfad + ":6: Sättigung 0.5 fällt unter 0.6 der Zeile 5\n", 0),
            0u)
      << r.fehler;
  EXPECT_NE(r.aus.find("   1.000 "), std::string::npos);
}

TEST_F(Cli, LabortabelleFehlerEndenMitStatusZwei) {
  const std::string gut = Datei("gut.csv", "Kern,Perm,Pc,SHg\nA,1,0,0\nA,1,1,0.5\nA,1,2,0.6\n");
  const struct {
    std::vector<std::string> argumente;
    std::string meldung;
  } faelle[] = {
      {{"--labordaten", Datei("leer.csv", "")}, "Die Tabelle ist leer."},
      {{"--labordaten", gut, "--spalten", "Kern,Perm,Druck,SHg"}, "Die Spalte „Druck“ gibt es in der Tabelle nicht."},
      {{"--labordaten", gut, "--spalten", ",,3,3"}, "Die Spalte „Pc“ ist zweimal zugeordnet (Druck und Sättigung)."},
      {{"--labordaten", gut, "--spalten", "1,2,3"},
       "--spalten erwartet vier oder fünf durch Komma getrennte Spalten (Name oder Nummer, leer: erkennen)"},
      {{"--labordaten", gut, "--spalten", "1,2,3,4,,"},
       "--spalten erwartet vier oder fünf durch Komma getrennte Spalten (Name oder Nummer, leer: erkennen)"},
      {{"--labordaten", gut, "--spalten", "1,2,3,4,Phi"}, "Die Spalte „Phi“ gibt es in der Tabelle nicht."},
      {{"--labordaten", gut, "--spalten", ",,3,,3"}, "Die Spalte „Pc“ ist zweimal zugeordnet (Druck und Porosität)."},
      {{"--labordaten", gut, "--porositaet-einheit", "frac"}, "--porositaet-einheit erwartet anteil oder prozent"},
      {{"--labordaten", gut, "--porositaet-einheit"}, "--porositaet-einheit erwartet anteil oder prozent"},
      {{"--porositaet-einheit", "prozent", gut}, "--porositaet-einheit gilt nur mit --labordaten"},
      {{"--labordaten", Datei("mD.csv", "Kern,Perm,Pc,SHg,Porosity (mD)\nA,1,0,0,1\nA,1,1,0.5,1\nA,1,2,0.6,1\n")},
       "Die Einheit der Spalte „Porosity (mD)“ ist unbekannt; bitte die Porositätseinheit wählen."},
      {{"--labordaten", gut, "--druck-einheit", "atm"}, "--druck-einheit erwartet psi, bar, kpa oder mpa"},
      {{"--labordaten", gut, "--saettigung-einheit"}, "--saettigung-einheit erwartet anteil oder prozent"},
      // A bad unit is refused also after a good one.
      {{"--labordaten", gut, "--druck-einheit", "psi", "--druck-einheit", "atm"},
       "--druck-einheit erwartet psi, bar, kpa oder mpa"},
      {{"--labordaten", gut, "--saettigung-einheit", "prozent", "--saettigung-einheit", "%"},
       "--saettigung-einheit erwartet anteil oder prozent"},
      {{"--labordaten", gut, gut}, "--labordaten steht statt EINGABE, --import und --testdaten"},
      {{"--nullpunkt", gut},
       "--spalten, --druck-einheit, --saettigung-einheit und --nullpunkt gelten nur mit --labordaten"},
      {{"--csv-deutsch", gut}, "--csv-deutsch gilt nur zusammen mit --csv"},
      {{"--labordaten", Datei("text.csv", "a,b\nx,y\n")}, "Die Tabelle enthält keine Spalte mit Zahlen."},
  };
  for (const auto& f : faelle) {
    const auto r = Aufruf(f.argumente);
    EXPECT_EQ(r.status, 2) << f.meldung;
    EXPECT_EQ(r.fehler.substr(0, r.fehler.find('\n')), "kadrel-cli: " + f.meldung);
    EXPECT_TRUE(r.aus.empty());
  }
}

TEST_F(Cli, CsvNichtSchreibbarEndetMitStatusDrei) {
  const auto r =
      Aufruf({"--tabelle", "1", "--csv", (ordner_ / "fehlt" / "e.csv").string(), Datei("drei.txt", kDreiProben)});
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.fehler.find("kadrel-cli: Die Datei " + (ordner_ / "fehlt" / "e.csv").string()), std::string::npos);
  EXPECT_NE(r.aus.find("PERMEABILIT"), std::string::npos);  // the list still goes out
  const std::string csv = (ordner_ / "e.csv").string();
  const auto gut = Aufruf({"--csv", csv, "--csv-deutsch", Datei("drei.txt", kDreiProben)});
  EXPECT_EQ(gut.status, 0);
  std::ifstream ein(csv, std::ios::binary);
  std::string kopf;
  std::getline(ein, kopf);
  EXPECT_EQ(kopf, "\xEF\xBB\xBFParameterliste\r");
}

// The Arab-D set as a laboratory would send it: one row per point, pressures
// in psia, saturations in percent, semicolons and decimal commas. Imported
// back it must give the run of the input lines themselves.
TEST_F(Cli, ArabDAlsLabortabelleInPsiaUndProzent) {
  std::ifstream ein(KADREL_ARAB_D, std::ios::binary);
  std::string zeile;
  std::string kern;
  std::string perm;
  std::string tabelle = "Sample;Permeability (mD);Pc (psia);SHg (%)\r\n";
  const auto komma = [](std::string s) {
    for (char& c : s) c = c == '.' ? ',' : c;
    return s;
  };
  const auto zahl = [](const std::string& t) {
    double w = 0.0;
    std::from_chars(t.data(), t.data() + t.size(), w);
    return w;
  };
  char puffer[64];
  while (std::getline(ein, zeile)) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    std::istringstream woerter(zeile);
    std::string a;
    std::string b;
    woerter >> a >> b;
    if (a == "PERMEABILITAET:") {
      perm = b;
      woerter >> kern;
    } else if (a != "ENDE" && !a.empty()) {
      std::snprintf(puffer, sizeof puffer, "%.9g;%.7g", zahl(a) / 0.0689475729, zahl(b) * 100.0);
      tabelle += kern + ";" + komma(perm) + ";" + komma(puffer) + "\r\n";
    }
  }
  const auto soll = Aufruf({"--tabelle", "1", KADREL_ARAB_D});
  const auto ist = Aufruf({"--tabelle", "1", "--labordaten", Datei("arab-d.csv", tabelle)});
  ASSERT_EQ(ist.status, 0) << ist.fehler;
  EXPECT_EQ(ist.aus, soll.aus);
  EXPECT_EQ(ist.fehler, soll.fehler);
  EXPECT_EQ(std::count(ist.aus.begin(), ist.aus.end(), '\n'), 3 + 333);
}

// The input lines of a document kadrel-cli saved.
Textliste Dokumentzeilen(const std::string& kdr) {
  std::ifstream ein(kdr, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  std::string fehler;
  EXPECT_TRUE(doc.DokumentLaden(bytes, fehler)) << fehler;
  return doc.Eingabezeilen;
}

// The porosity as a fifth column, chosen by name or number with its unit;
// a sample whose rows disagree is evaluated without porosity and named on
// stderr. The run is that of the same lines without porosity.
TEST_F(Cli, LabortabelleMitPorositaet) {
  const std::string tabelle =
      "Nr\tWert A\tWert B\tKennung\tDurchlaessigkeit\tWert C\n1\t50\t0\tA\t1\t21.3\n2\t200\t0.3\tA\t1\t21.3\n"
      "3\t800\t0.6\tA\t1\t21.3\n4\t3000\t0.8\tA\t1\t21.3\n5\t20\t0\tB\t10\t25\n6\t100\t0.35\tB\t10\t26\n"
      "7\t500\t0.65\tB\t10\t25\n8\t3000\t0.9\tB\t10\t25\n9\t10\t0\tC\t100\t30\n10\t50\t0.4\tC\t100\t30\n"
      "11\t300\t0.75\tC\t100\t30\n12\t3000\t0.95\tC\t100\t30\n";
  const std::string pfad = Datei("phi.tsv", tabelle);
  const auto soll = Aufruf({"--tabelle", "1", Datei("drei.txt", kDreiProben)});
  for (const char* spalte : {"Wert C", "6"}) {
    const std::string kdr = (ordner_ / "phi.kdr").string();
    const auto r =
        Aufruf({"--spalten", std::string("Kennung,5,wert a,3,") + spalte, "--druck-einheit", "kpa",
                "--porositaet-einheit", "prozent", "--tabelle", "1", "--speichern", kdr, "--labordaten", pfad});
    ASSERT_EQ(r.status, 0) << r.fehler;
    EXPECT_EQ(r.aus, soll.aus);
    EXPECT_EQ(r.fehler.rfind(pfad + ":7: Porosität 0.26 weicht von 0.25 der Probe B ab; die Probe bleibt ohne "
                                    "Porosität\n",
                             0),
              0u)
        << r.fehler;
    const Textliste zeilen = Dokumentzeilen(kdr);
    ASSERT_EQ(zeilen.size(), 18u);
    EXPECT_EQ(zeilen[0], "PERMEABILITAET: 1 A POROSITAET: 0.213");
    EXPECT_EQ(zeilen[6], "PERMEABILITAET: 10 B");
    EXPECT_EQ(zeilen[12], "PERMEABILITAET: 100 C POROSITAET: 0.3");
  }
  // Read as a fraction the percentages are outside (0, 1): no porosity, three notes.
  const auto anteil = Aufruf({"--spalten", "Kennung,5,wert a,3,6", "--druck-einheit", "kpa", "--porositaet-einheit",
                              "anteil", "--tabelle", "1", "--labordaten", pfad});
  ASSERT_EQ(anteil.status, 0) << anteil.fehler;
  EXPECT_EQ(anteil.aus, soll.aus);
  EXPECT_EQ(anteil.fehler.rfind(pfad +
                                    ":2: Porosität 21.3 liegt nicht zwischen 0 und 1 (in Prozent angegeben?); die "
                                    "Probe bleibt ohne Porosität (4 Zeilen, bis Zeile 5)\n" +
                                    pfad + ":6: Porosität 25 liegt nicht zwischen 0 und 1",
                                0),
            0u)
      << anteil.fehler;
}

// The real curves with their porosity evaluate exactly as those without.
TEST_F(Cli, ArabDMitPorositaetWieOhne) {
  for (const char* tabelle : {"0", "1", "2"}) {
    const auto ohne = Aufruf({"--tabelle", tabelle, KADREL_ARAB_D});
    const auto mit = Aufruf({"--tabelle", tabelle, KADREL_ARAB_D_POROSITAET});
    ASSERT_EQ(mit.status, 0) << mit.fehler;
    EXPECT_EQ(mit.aus, ohne.aus) << tabelle;
    EXPECT_EQ(mit.fehler, ohne.fehler) << tabelle;
  }
  const std::string liste = Aufruf({"--tabelle", "1", KADREL_ARAB_D_POROSITAET}).aus;
  EXPECT_EQ(std::count(liste.begin(), liste.end(), '\n'), 3 + 333);
}

// The same curves as a laboratory table with the porosity in percent: the
// headers carry the file's porosity (as floats), the run is the same.
TEST_F(Cli, ArabDAlsLabortabelleMitPorositaetInProzent) {
  std::ifstream ein(KADREL_ARAB_D_POROSITAET, std::ios::binary);
  std::string zeile;
  std::string kern;
  std::string perm;
  std::string phi;
  std::vector<float> porositaeten;
  std::string tabelle = "Sample,Permeability (mD),Porosity (%),Pc (bar),SHg\n";
  while (std::getline(ein, zeile)) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    std::istringstream woerter(zeile);
    std::string a;
    std::string b;
    woerter >> a >> b;
    if (a == "PERMEABILITAET:") {
      perm = b;
      std::string wort;
      woerter >> kern >> wort >> phi;
      porositaeten.push_back(*kopfzeile::Lesen(zeile).Porositaet);
      // The percentage as a laboratory writes it: the fraction's digits moved by two places.
      const std::size_t punkt = phi.find('.');
      phi = phi.substr(0, punkt) + phi.substr(punkt + 1, 2) + "." + phi.substr(punkt + 3);
    } else if (a != "ENDE" && !a.empty()) {
      tabelle += kern + "," + perm + "," + phi + "," + a + "," + b + "\n";
    }
  }
  ASSERT_EQ(porositaeten.size(), 333u);
  const std::string kdr = (ordner_ / "arab-d.kdr").string();
  const auto soll = Aufruf({"--tabelle", "1", KADREL_ARAB_D_POROSITAET});
  const auto ist = Aufruf({"--tabelle", "1", "--speichern", kdr, "--labordaten", Datei("arab-d.csv", tabelle)});
  ASSERT_EQ(ist.status, 0) << ist.fehler;
  EXPECT_EQ(ist.aus, soll.aus);
  EXPECT_EQ(ist.fehler, soll.fehler);
  std::size_t k = 0;
  for (const std::string& z : Dokumentzeilen(kdr)) {
    if (z.rfind("PERMEABILITAET:", 0) != 0) continue;
    ASSERT_LT(k, porositaeten.size());
    EXPECT_EQ(kopfzeile::Lesen(z).Porositaet, porositaeten[k]) << z;
    ++k;
  }
  EXPECT_EQ(k, 333u);
}

}  // namespace
