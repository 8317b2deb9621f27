#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliAufruf.h"
#include "KadrelCli.h"
#include "Toleranz.h"

namespace {

using Json = nlohmann::json;

std::vector<std::string> Schluessel(const Json& j) {
  std::vector<std::string> s;
  for (const auto& [k, v] : j.items()) s.push_back(k);
  std::sort(s.begin(), s.end());
  return s;
}

TEST(LagerstaetteCli, ListenStattDerTabelle) {
  const auto s = Aufruf({"--testdaten", "--saettigungshoehe"});
  ASSERT_EQ(s.status, 0) << s.fehler;
  EXPECT_EQ(s.aus.rfind("\n   SÄTTIGUNGSHÖHE ÜBER DEM FREIEN WASSERSPIEGEL\n", 0), 0u) << s.aus;
  EXPECT_NE(s.aus.find("   Umrechnungsfaktor F                   (-):  0.0706572\n"), std::string::npos);
  EXPECT_EQ(s.aus.find("NACHRECHNUNG"), std::string::npos);

  const auto p = Aufruf({"--testdaten", "--porenradien", "--labor", "480,180"});
  ASSERT_EQ(p.status, 0) << p.fehler;
  EXPECT_NE(p.aus.find("   Kern:TEST\n"), std::string::npos);
  EXPECT_NE(p.aus.find("   Randwinkel Labor           (Grad): 180\n"), std::string::npos);
  // The test curve's last point, 155 bar: r = 9.6 / 155 µm.
  EXPECT_NE(p.aus.find("\n   155.0000    0.790000     0.061935\n"), std::string::npos) << p.aus;
}

TEST(LagerstaetteCli, JsonSchluessel) {
  const auto r = Aufruf({"--testdaten", "--json", "--saettigungshoehe", "--porenradien", "--lagerstaette", "72,0",
                         "--dichten", "1.05,0.2"});
  ASSERT_EQ(r.status, 0) << r.fehler;
  const Json j = Json::parse(r.aus);
  const Json& s = j["Saettigungshoehe"];
  EXPECT_EQ(Schluessel(s),
            (std::vector<std::string>{"Dichtedifferenz", "Eintrittshoehe", "F", "Hoehen", "Kurven", "Sw"}));
  // 72 / (480·|cos 140°|) = 72 / 367.7013.
  EXPECT_TRUE(Nahe(s["F"].get<double>(), 0.1958111, 1e-6));
  EXPECT_TRUE(Nahe(s["Dichtedifferenz"].get<double>(), 0.85, 1e-12));
  ASSERT_EQ(s["Kurven"].size(), 5u);
  EXPECT_EQ(Schluessel(s["Kurven"][0]), (std::vector<std::string>{"Hoehe", "K", "Sw"}));
  EXPECT_EQ(s["Kurven"][0]["K"], 0.01);
  EXPECT_EQ(s["Kurven"][4]["K"], 100.0);
  EXPECT_EQ(s["Kurven"][2]["Sw"].size(), 31u);
  EXPECT_EQ(s["Kurven"][2]["Hoehe"].size(), 31u);
  EXPECT_EQ(s["Kurven"][2]["Sw"][30], 1.0);
  EXPECT_EQ(s["Hoehen"].size(), 16u);
  EXPECT_EQ(s["Hoehen"][6], 7.5);
  ASSERT_EQ(s["Sw"].size(), 5u);
  EXPECT_EQ(s["Sw"][3].size(), 16u);
  EXPECT_EQ(s["Sw"][3][0], 1.0);
  EXPECT_EQ(s["Eintrittshoehe"].size(), 5u);

  const Json& p = j["Porenradien"];
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(Schluessel(p[0]), (std::vector<std::string>{"Kern", "Perm", "r", "r35", "r50"}));
  EXPECT_EQ(p[0]["Kern"], "TEST");
  EXPECT_EQ(p[0]["Perm"], 1.0);
  EXPECT_EQ(p[0]["r"].size(), 20u);
  EXPECT_TRUE(p[0]["r35"].is_number());
  EXPECT_TRUE(p[0]["r50"].is_number());

  // Without the options the JSON stays as it was.
  const Json ohne = Json::parse(Aufruf({"--testdaten", "--json"}).aus);
  EXPECT_FALSE(ohne.contains("Saettigungshoehe"));
  EXPECT_FALSE(ohne.contains("Porenradien"));
}

TEST(LagerstaetteCli, NieErreichtIstNullOhneScharKeineKurven) {
  // One curve that ends at an Hg saturation of 0.4: no r50; a single curve
  // gives no regression and so no family.
  const auto pfad = std::filesystem::temp_directory_path() / "kadrel-lagerstaette-test.txt";
  std::ofstream(pfad) << "PERMEABILITAET: 3 A\n0.5 0\n1.0 0.1\n10 0.4\nENDE\n";
  const auto r = Aufruf({"--json", "--porenradien", "--saettigungshoehe", pfad.string()});
  std::filesystem::remove(pfad);
  ASSERT_EQ(r.status, 0) << r.fehler;
  const Json j = Json::parse(r.aus);
  ASSERT_EQ(j["Porenradien"].size(), 1u);
  EXPECT_TRUE(j["Porenradien"][0]["r35"].is_number());
  EXPECT_TRUE(j["Porenradien"][0]["r50"].is_null());
  EXPECT_EQ(j["Saettigungshoehe"]["Kurven"], Json::array());
  EXPECT_EQ(j["Saettigungshoehe"]["Sw"], Json::array());
  EXPECT_EQ(j["Saettigungshoehe"]["Eintrittshoehe"], Json::array());
  EXPECT_EQ(j["Saettigungshoehe"]["Hoehen"].size(), 16u);
}

struct Falschfall {
  const char* name;
  std::vector<std::string> argumente;
  std::string meldung;  // first line of the error stream
};

class FalscheBedingungen : public ::testing::TestWithParam<Falschfall> {};

TEST_P(FalscheBedingungen, StatusZweiMitDerOption) {
  const auto& f = GetParam();
  std::vector<std::string> a = f.argumente;
  a.push_back("--testdaten");
  const auto r = Aufruf(a);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.fehler.substr(0, r.fehler.find('\n')), f.meldung);
  EXPECT_EQ(r.aus, "");
}

// The extreme corner of the ranges: F about 3.5e20, ρ_W − ρ_KW 0.01; every
// value of the JSON is a number, none null.
TEST(LagerstaetteCli, GrenzwerteGebenEndlicheZahlen) {
  const auto r = Aufruf({"--testdaten", "--json", "--saettigungshoehe", "--porenradien", "--labor",
                         "0.01,89.99999999999999", "--lagerstaette", "1000,0", "--dichten", "3,2.99"});
  ASSERT_EQ(r.status, 0) << r.fehler;
  const Json j = Json::parse(r.aus);
  const Json& s = j["Saettigungshoehe"];
  EXPECT_GT(s["F"].get<double>(), 1e20);
  EXPECT_TRUE(Nahe(s["Dichtedifferenz"].get<double>(), 0.01, 1e-12));
  ASSERT_EQ(s["Kurven"].size(), 5u);
  std::size_t zahlen = 0;
  const auto Zaehlen = [&](const Json& werte) {
    for (const Json& w : werte) {
      EXPECT_TRUE(w.is_number()) << w;
      ++zahlen;
    }
  };
  for (const Json& k : s["Kurven"]) Zaehlen(k["Hoehe"]);
  for (const Json& sw : s["Sw"]) Zaehlen(sw);
  Zaehlen(s["Eintrittshoehe"]);
  // The test curve's pressures are all above 0: a radius at each.
  Zaehlen(j["Porenradien"][0]["r"]);
  Zaehlen({j["Porenradien"][0]["r35"], j["Porenradien"][0]["r50"]});
  EXPECT_EQ(zahlen, 5u * 31 + 5u * 16 + 5u + 20u + 2u);
}

const std::string kPaar = " (zwei Zahlen mit \".\", getrennt durch \",\")";

INSTANTIATE_TEST_SUITE_P(
    Optionen, FalscheBedingungen,
    ::testing::Values(
        Falschfall{"EineZahl", {"--labor", "480"}, "kadrel-cli: --labor erwartet SIGMA,THETA" + kPaar},
        Falschfall{
            "DreiZahlen", {"--lagerstaette", "30,30,1"}, "kadrel-cli: --lagerstaette erwartet SIGMA,THETA" + kPaar},
        Falschfall{
            "KeinWert", {"--saettigungshoehe", "--dichten"}, "kadrel-cli: --dichten erwartet RHOW,RHOKW" + kPaar},
        Falschfall{"Text", {"--dichten", "schwer,leicht"}, "kadrel-cli: --dichten erwartet RHOW,RHOKW" + kPaar},
        Falschfall{"WinkelNeunzig",
                   {"--labor", "480,90"},
                   "kadrel-cli: --labor: Der Wert im Feld \"Randwinkel Labor\" ist nicht erlaubt! Erlaubt: 0 bis 180 "
                   "Grad, außer 90 Grad."},
        Falschfall{"SpannungNull",
                   {"--lagerstaette", "0,30"},
                   "kadrel-cli: --lagerstaette: Der Wert im Feld \"Grenzflächenspannung Lagerstätte\" ist nicht "
                   "erlaubt! Erlaubt: 0.01 bis 1000 mN/m."},
        Falschfall{"SpannungUnterDerGrenze",
                   {"--labor", "0.0099,140"},
                   "kadrel-cli: --labor: Der Wert im Feld \"Grenzflächenspannung Labor\" ist nicht erlaubt! Erlaubt: "
                   "0.01 bis 1000 mN/m."},
        Falschfall{"SpannungInMikro",
                   {"--labor", "1500,140"},
                   "kadrel-cli: --labor: Der Wert im Feld \"Grenzflächenspannung Labor\" ist nicht erlaubt! Erlaubt: "
                   "0.01 bis 1000 mN/m (µN/m eingegeben?)."},
        Falschfall{"WasserLeichter",
                   {"--dichten", "0.7,0.8"},
                   "kadrel-cli: --dichten: Der Wert im Feld \"Dichte Wasser\" ist nicht erlaubt! Erlaubt: mindestens "
                   "0.01 g/cm³ über der Dichte Kohlenwasserstoff (0.8 g/cm³), höchstens 3 g/cm³."},
        Falschfall{"WasserInKilo",
                   {"--dichten", "1050,0.8"},
                   "kadrel-cli: --dichten: Der Wert im Feld \"Dichte Wasser\" ist nicht erlaubt! Erlaubt: mindestens "
                   "0.01 g/cm³ über der Dichte Kohlenwasserstoff (0.8 g/cm³), höchstens 3 g/cm³ (kg/m³ eingegeben?)."},
        Falschfall{"KohlenwasserstoffInKilo",
                   {"--dichten", "1.05,800"},
                   "kadrel-cli: --dichten: Der Wert im Feld \"Dichte Kohlenwasserstoff\" ist nicht erlaubt! Erlaubt: 0 "
                   "bis 3 g/cm³ (kg/m³ eingegeben?)."},
        Falschfall{"WinkelLagerstaetteNeunzig",
                   {"--lagerstaette", "30,90"},
                   "kadrel-cli: --lagerstaette: Der Wert im Feld \"Randwinkel Lagerstätte\" ist nicht erlaubt! "
                   "Erlaubt: 0 bis 180 Grad, außer 90 Grad."},
        Falschfall{"ZweiGrafiken",
                   {"--saettigungshoehe", "--porenradien", "--grafik-datei", "x.png"},
                   "kadrel-cli: --grafik-datei schreibt eine Grafik: --thomeer, --saettigungshoehe, --porenradien, "
                   "--modellguete, "
                   "--petrophysik, --bohrung oder --kurven-grafik"},
        Falschfall{"ZweiListenInAusTxt",
                   {"--saettigungshoehe", "--porenradien", "--ergebnisse-ausgeben"},
                   "kadrel-cli: --ergebnisse-ausgeben schreibt eine Liste: --thomeer, --saettigungshoehe, "
                   "--porenradien, --modellguete, --petrophysik, --bohrung oder --kurven-grafik"},
        Falschfall{"ThomeerUndPorenradien",
                   {"--thomeer", "--porenradien", "--grafik-datei", "x.png"},
                   "kadrel-cli: --grafik-datei schreibt eine Grafik: --thomeer, --saettigungshoehe, --porenradien, "
                   "--modellguete, "
                   "--petrophysik, --bohrung oder --kurven-grafik"}),
    [](const auto& info) { return std::string(info.param.name); });

// The CSV file holds the analyses' tables after the document's, under the
// conditions of the options.
TEST(LagerstaetteCli, CsvMitDenTabellenDerAuswertungen) {
  const auto pfad = std::filesystem::temp_directory_path() /
                    ("kadrel-cli-csv-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".csv");
  const auto r = Aufruf({"--testdaten", "--csv", pfad.string(), "--labor", "480,180"});
  ASSERT_EQ(r.status, 0) << r.fehler;
  std::ifstream ein(pfad, std::ios::binary);
  std::vector<std::string> zeilen;
  for (std::string z; std::getline(ein, z);) zeilen.push_back(z.substr(0, z.size() - (z.ends_with('\r') ? 1 : 0)));
  std::filesystem::remove(pfad);
  const auto Zeile = [&](const std::string& anfang) {
    const auto it =
        std::find_if(zeilen.begin(), zeilen.end(), [&](const std::string& z) { return z.starts_with(anfang); });
    return it == zeilen.end() ? std::string() : it->substr(anfang.size());
  };
  for (const char* titel :
       {"Parameterliste", "Thomeer-Parameter", "Sättigungshöhe: Bedingungen", "Sättigungshöhe: Eintrittshöhe",
        "Sättigungshöhe: Tabelle", "Porenradien", "Porenradien: Punkte"}) {
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), titel), zeilen.end()) << titel;
  }
  EXPECT_EQ(Zeile("Randwinkel Labor,"), "Grad,180");
  // F = 30·cos 30° / (480·|cos 180°|) = 0.0541266; r = 9.6 µm·bar / 155 bar at the last point.
  EXPECT_TRUE(Nahe(std::stod(Zeile("Umrechnungsfaktor F,-,")), 30.0 * 0.8660254037844386 / 480.0, 1e-15));
  EXPECT_TRUE(Nahe(std::stod(Zeile("TEST,155,0.79,")), 9.6 / 155.0, 1e-15));
  EXPECT_EQ(Zeile("Höhe (m),"), "Sw 0.01 mD,Sw 0.1 mD,Sw 1 mD,Sw 10 mD,Sw 100 mD");
  EXPECT_EQ(Zeile("0,"), "1,1,1,1,1");  // at the free-water level every curve is full of water
}

// "Ergebnisse ausgeben" writes the list that is printed, with its message.
TEST(LagerstaetteCli, ErgebnisseAusgebenSchreibtDieGedruckteListe) {
  const auto ordner = std::filesystem::temp_directory_path() /
                      ("kadrel-cli-aus-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(ordner);
  const auto vorher = std::filesystem::current_path();
  const struct {
    const char* option;
    const char* meldung;
    const char* zeile;  // in Windows-1252, as aus.txt holds it
  } faelle[] = {
      {"--saettigungshoehe", "Die Sättigungshöhe wurde in die Datei aus.txt geschrieben!\n",
       "   S\xC4TTIGUNGSH\xD6HE \xDC"
       "BER DEM FREIEN WASSERSPIEGEL"},
      {"--porenradien", "Die Porenradien wurden in die Datei aus.txt geschrieben!\n", "   Kern:TEST"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.option);
    std::filesystem::current_path(ordner);
    const auto r = Aufruf({"--testdaten", f.option, "--ergebnisse-ausgeben"});
    std::filesystem::current_path(vorher);
    EXPECT_EQ(r.status, 0) << r.fehler;
    EXPECT_EQ(r.fehler, f.meldung);
    std::ifstream ein(ordner / "aus.txt", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.find(f.zeile), std::string::npos);
    EXPECT_EQ(bytes.find("NACHRECHNUNG"), std::string::npos);
  }
  std::filesystem::remove_all(ordner);
}

}  // namespace
