#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "Thomeerkurven.h"
#include "Datendiagramm.h"
#include "CliAufruf.h"
#include "KadrelCli.h"
#include "Toleranz.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// An input file of three measurements: one and two systems, and one with a
// single wetted point.
class CliThomeer : public ::testing::Test {
 protected:
  void SetUp() override {
    ordner_ = fs::temp_directory_path() /
              ("kadrel-cli-thomeer-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(ordner_);
    std::vector<std::string> z = Kurvenzeilen({{0.5, 0.3, 0.85}}, "EINS", 120.0);
    const auto zwei = Kurvenzeilen({{0.3, 0.2, 0.5}, {5.0, 0.4, 0.35}}, "ZWEI", 45.5);
    z.insert(z.end(), zwei.begin(), zwei.end());
    z.insert(z.end(), {"PERMEABILITAET: 0.001 DICHT", "100 0", "200 0", "400 0", "800 0.4", "ENDE"});
    std::ofstream aus(ordner_ / "e.txt", std::ios::binary);
    for (const auto& zeile : z) aus << zeile << "\r\n";
    eingabe_ = (ordner_ / "e.txt").string();
  }
  void TearDown() override { fs::remove_all(ordner_); }

  fs::path ordner_;
  std::string eingabe_;
};

TEST_F(CliThomeer, PrintsTheThomeerListInsteadOfTheChosenTable) {
  const auto r = Aufruf({"--thomeer", "--tabelle", "1", eingabe_});
  ASSERT_EQ(r.status, 0) << r.fehler;
  std::vector<std::string> zeilen;
  std::istringstream ein(r.aus);
  for (std::string z; std::getline(ein, z);) zeilen.push_back(z);
  ASSERT_EQ(zeilen.size(), 6u) << r.aus;
  EXPECT_EQ(zeilen[0], "");
  EXPECT_EQ(zeilen[1], " PERMEABILITÄT    Pd1/bar     G1    Sinf1    Pd2/bar     G2    Sinf2   FEHLER      R2  KERN");
  EXPECT_EQ(zeilen[2], "");
  EXPECT_EQ(zeilen[3].substr(0, 14), "           120");
  EXPECT_EQ(zeilen[3].substr(zeilen[3].size() - 6), "  EINS");
  EXPECT_EQ(zeilen[4].substr(zeilen[4].size() - 6), "  ZWEI");
  EXPECT_NE(zeilen[5].find("Weniger als 3 Messwerte über dem Sperrdruck!"), std::string::npos);
  EXPECT_EQ(zeilen[5].substr(zeilen[5].size() - 7), "  DICHT");
}

TEST_F(CliThomeer, JsonAddsOneObjectPerCurveAndChangesNothingElse) {
  const auto ohne = Aufruf({"--json", "--tabelle", "1", eingabe_});
  const auto mit = Aufruf({"--json", "--tabelle", "1", "--thomeer", eingabe_});
  ASSERT_EQ(mit.status, 0) << mit.fehler;
  Json j = Json::parse(mit.aus);
  EXPECT_FALSE(Json::parse(ohne.aus).contains("Thomeer"));
  ASSERT_TRUE(j.contains("Thomeer"));
  const Json t = j["Thomeer"];
  j.erase("Thomeer");
  EXPECT_EQ(j, Json::parse(ohne.aus));

  ASSERT_EQ(t.size(), 3u);
  for (const auto& e : t) {
    std::vector<std::string> schluessel;
    for (const auto& [k, v] : e.items()) schluessel.push_back(k);
    EXPECT_EQ(schluessel, (std::vector<std::string>{"Grund", "Hinweis", "Kern", "Perm", "R2", "RMS", "Systeme"}));
  }
  EXPECT_EQ(t[0]["Kern"], "EINS");
  EXPECT_EQ(t[0]["Perm"].get<float>(), 120.0f);
  EXPECT_EQ(t[0]["Grund"], "");
  ASSERT_EQ(t[0]["Systeme"].size(), 1u);
  EXPECT_TRUE(Nahe(t[0]["Systeme"][0]["Pd"], 0.5, 0.01));
  EXPECT_LT(t[0]["RMS"].get<double>(), 1e-5);

  EXPECT_EQ(t[1]["Kern"], "ZWEI");
  ASSERT_EQ(t[1]["Systeme"].size(), 2u);
  EXPECT_TRUE(Nahe(t[1]["Systeme"][0]["Pd"], 0.3, 0.01));
  EXPECT_TRUE(Nahe(t[1]["Systeme"][1]["Pd"], 5.0, 0.01));

  EXPECT_EQ(t[2]["Kern"], "DICHT");
  EXPECT_TRUE(t[2]["Systeme"].empty());
  EXPECT_EQ(t[2]["Grund"], "Weniger als 3 Messwerte über dem Sperrdruck!");
  // Fits on many points within the pore volume, and no fit, carry no mark.
  for (const auto& e : t) EXPECT_EQ(e["Hinweis"], "");
}

// "Ergebnisse ausgeben" writes the list that is printed, in the results
// file's code page.
TEST_F(CliThomeer, ErgebnisseAusgebenWritesTheThomeerList) {
  const fs::path vorher = fs::current_path();
  fs::current_path(ordner_);
  const auto r = Aufruf({"--thomeer", "--ergebnisse-ausgeben", eingabe_});
  fs::current_path(vorher);
  ASSERT_EQ(r.status, 0) << r.fehler;
  EXPECT_EQ(r.fehler, "Die Thomeer-Parameter wurden in die Datei aus.txt geschrieben!\n");
  std::ifstream ein(ordner_ / "aus.txt", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
  EXPECT_NE(bytes.find(" PERMEABILIT\xC4T    Pd1/bar"), std::string::npos);
  EXPECT_NE(bytes.find("Weniger als 3 Messwerte \xFC"
                       "ber dem Sperrdruck!"),
            std::string::npos);
  EXPECT_NE(bytes.find("  DICHT"), std::string::npos);
}

TEST_F(CliThomeer, WrongUsesOfKernEndWithStatusTwo) {
  struct Fall {
    const char* name;
    std::vector<std::string> argumente;
    std::string meldung;
  };
  const Fall faelle[] = {
      {"ohne_thomeer", {"--kern", "EINS", eingabe_}, "kadrel-cli: --kern gilt nur zusammen mit --thomeer\n"},
      {"ohne_wert", {"--thomeer", eingabe_, "--kern"}, "kadrel-cli: --kern erwartet eine Kernbezeichnung\n"},
      {"unbekannt", {"--thomeer", "--kern", "X7", eingabe_}, "kadrel-cli: Keine Messung mit dem Kern X7\n"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    const auto r = Aufruf(f.argumente);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.fehler.substr(0, f.meldung.size()), f.meldung);
    EXPECT_EQ(r.aus, "");
  }
  const auto gut = Aufruf({"--thomeer", "--kern", "ZWEI", eingabe_});
  EXPECT_EQ(gut.status, 0);
}

// The chart file gets the Thomeer chart of the measurement --kern names, by
// default the last one fitted; without --thomeer the options' chart.
TEST_F(CliThomeer, GrafikDateiWritesTheChartOfTheChosenCurve) {
  struct Fall {
    const char* name;
    std::vector<std::string> argumente;
    std::string untertitel;  // empty: the options' chart, no data chart
  };
  const Fall faelle[] = {
      {"vorgabe_letzte_angepasste",
       {"--thomeer", "--grafik-datei", "t.png", eingabe_},
       "Kern: ZWEI  Permeabilität: 45.5 mD"},
      {"kern_gewaehlt",
       {"--thomeer", "--kern", "EINS", "--grafik-datei", "t.png", eingabe_},
       "Kern: EINS  Permeabilität: 120 mD"},
      {"ohne_thomeer", {"--grafik-datei", "t.png", eingabe_}, ""},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    int aufrufe = 0;
    std::string untertitel;
    const auto r = Aufruf(f.argumente, [&](const CKadrelDoc&, const Datendiagramm* daten, const Grafikoptionen&,
                                           const std::string& pfad, std::string&) {
      ++aufrufe;
      EXPECT_EQ(pfad, "t.png");
      if (daten) untertitel = daten->untertitel;
      return true;
    });
    EXPECT_EQ(r.status, 0) << r.fehler;
    EXPECT_EQ(aufrufe, 1);
    EXPECT_EQ(untertitel, f.untertitel);
  }
}

// A fit on four points above the entry pressure (VIER: Pd 0.3 bar, points at
// 0.4 to 3.2 bar after a dry one at 0.25 bar) and one whose S∞ of 1.3 lies
// beyond the pore volume (UEBER, sampled up to 1638 bar where S = 0.83) are
// marked in the list, in JSON and in the CSV table; EINS is not.
TEST_F(CliThomeer, MarksFitsOnFewPointsAndSinfAboveOne) {
  std::vector<std::string> z = Kurvenzeilen({{0.5, 0.3, 0.85}}, "EINS", 120.0);
  for (const auto& k : {Kurvenzeilen({{0.3, 0.2, 0.8}}, "VIER", 3.0, {0.25, 0.4, 0.8, 1.6, 3.2}),
                        Kurvenzeilen({{0.5, 1.5, 1.3}}, "UEBER", 7.0)}) {
    z.insert(z.end(), k.begin(), k.end());
  }
  {
    std::ofstream aus(ordner_ / "h.txt", std::ios::binary);
    for (const auto& zeile : z) aus << zeile << "\n";
  }
  const std::string eingabe = (ordner_ / "h.txt").string();

  const auto liste = Aufruf({"--thomeer", eingabe});
  ASSERT_EQ(liste.status, 0) << liste.fehler;
  std::vector<std::string> zeilen;
  std::istringstream ein(liste.aus);
  for (std::string zeile; std::getline(ein, zeile);) zeilen.push_back(zeile);
  ASSERT_EQ(zeilen.size(), 6u) << liste.aus;
  EXPECT_EQ(zeilen[3].substr(zeilen[3].size() - 6), "  EINS");
  EXPECT_TRUE(zeilen[4].ends_with("  VIER  (wenige Punkte)")) << zeilen[4];
  EXPECT_TRUE(zeilen[5].ends_with("  UEBER  (Sinf über 1)")) << zeilen[5];

  const Json t = Json::parse(Aufruf({"--json", "--thomeer", eingabe}).aus)["Thomeer"];
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0]["Hinweis"], "");
  EXPECT_EQ(t[1]["Hinweis"], "wenige Punkte");
  EXPECT_EQ(t[2]["Hinweis"], "Sinf über 1");
  EXPECT_TRUE(Nahe(t[2]["Systeme"][0]["Sinf"], 1.3, 0.01));

  const fs::path csv = ordner_ / "h.csv";
  ASSERT_EQ(Aufruf({"--csv", csv.string(), eingabe}).status, 0);
  std::ifstream csvEin(csv, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(csvEin)), std::istreambuf_iterator<char>());
  EXPECT_NE(bytes.find(",Kern,Grund,Hinweis\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(",VIER,,wenige Punkte\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(",UEBER,,Sinf über 1\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(",EINS,,\r\n"), std::string::npos);
}

}  // namespace
