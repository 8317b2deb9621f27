// kadrel-cli on a well: --bohrung with --fwl, --las-kurven and --las-ausgabe,
// the JSON key "Bohrung", the refusals (status 2, nothing written), the
// written log read back, and the CSV tables.
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliAufruf.h"
#include "LasLesen.h"
#include "Textdatei.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const std::string kPorositaet = KADREL_ARAB_D_POROSITAET;
const std::string kLog = KADREL_SOURCE_DIR "/tests/data/bohrung-beispiel.las";

std::string Lesen(const std::string& pfad) {
  std::string bytes;
  std::string fehler;
  EXPECT_TRUE(text::DateiLesen(pfad, bytes, fehler)) << fehler;
  return bytes;
}

// A path of its own per test, removed at the end.
class Datei {
 public:
  explicit Datei(const std::string& endung)
      : pfad_(fs::temp_directory_path() /
              ("kadrel-bohrung-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
               endung)) {
    fs::remove(pfad_);
  }
  ~Datei() { fs::remove(pfad_); }
  std::string Pfad() const { return pfad_.string(); }

 private:
  fs::path pfad_;
};

// The lines of ~A split into their fields, as written.
std::vector<std::vector<std::string>> Datenzeilen(const std::string& las) {
  std::vector<std::vector<std::string>> zeilen;
  std::istringstream ein(las);
  std::string zeile;
  bool daten = false;
  while (std::getline(ein, zeile)) {
    if (daten) {
      std::istringstream felder(zeile);
      std::vector<std::string> z;
      for (std::string f; felder >> f;) z.push_back(f);
      if (!z.empty()) zeilen.push_back(z);
    } else if (zeile.rfind("~A", 0) == 0) {
      daten = true;
    }
  }
  return zeilen;
}

Json BohrungJson(std::vector<std::string> zusatz) {
  std::vector<std::string> a = {"--json", "--bohrung", kLog, "--fwl", "2140", kPorositaet};
  a.insert(a.end(), zusatz.begin(), zusatz.end());
  const Ergebnis e = Aufruf(a);
  EXPECT_EQ(e.status, 0) << e.fehler;
  return Json::parse(e.aus);
}

}  // namespace

// Rows of the example log: 0 (2000 m, φ 0.0789, k 0.065 mD, 140 m above
// the FWL), 37 (NULL porosity), 90 (NULL permeability), 301 (2150.5 m,
// below the FWL).
TEST(BohrungCli, JsonJeTiefenzeileMitDemJModell) {
  // --saettigungshoehe adds the models' coefficients.
  const Json j = BohrungJson({"--shf-modell", "j", "--saettigungshoehe"});
  const Json& b = j["Bohrung"];
  std::vector<std::string> schluessel;
  for (const auto& [k, v] : b.items()) schluessel.push_back(k);
  // nlohmann::json sorts its keys; the order is checked on the text below.
  EXPECT_EQ(schluessel, (std::vector<std::string>{"Hoehe", "KW_Porenmaechtigkeit", "Perm", "Porositaet", "Sw",
                                                  "Sw_Mittel", "Tiefe"}));
  for (const char* spalte : {"Tiefe", "Hoehe", "Porositaet", "Perm", "Sw"}) {
    EXPECT_EQ(b[spalte].size(), 302u) << spalte;
  }
  EXPECT_EQ(b["Tiefe"][0], 2000.0);
  EXPECT_EQ(b["Hoehe"][0], 140.0);
  EXPECT_EQ(b["Porositaet"][0], 0.0789);
  EXPECT_EQ(b["Perm"][0], 0.065);

  // Sw = 10^c · J^d with J = Pc / (σ·|cos θ|) · √(k/φ) at the reservoir's
  // 30 mN/m and 30°, Pc = 140 m · (1.05 − 0.8) g/cm³ · 1000 · 9.80665.
  const double c = j["SHF-Modelle"]["J"]["c"];
  const double d = j["SHF-Modelle"]["J"]["d"];
  const double pc = 140.0 * 0.25 * 1000.0 * 9.80665;
  const double jr = pc / (0.030 * std::cos(30.0 * M_PI / 180.0)) * std::sqrt(0.065 * 9.869233e-16 / 0.0789);
  EXPECT_NEAR(b["Sw"][0].get<double>(), std::pow(10.0, c) * std::pow(jr, d), 1e-12);

  EXPECT_TRUE(b["Porositaet"][37].is_null());
  EXPECT_TRUE(b["Sw"][37].is_null());
  EXPECT_EQ(b["Hoehe"][37], 140.0 - 37 * 0.5);
  EXPECT_TRUE(b["Perm"][90].is_null());
  EXPECT_TRUE(b["Sw"][90].is_null());
  EXPECT_EQ(b["Tiefe"][301], 2150.5);
  EXPECT_EQ(b["Hoehe"][301], -10.5);
  EXPECT_EQ(b["Sw"][301], 1.0);
}

TEST(BohrungCli, JsonSchluesselInDerReihenfolgeDerBeschreibung) {
  const Ergebnis e = Aufruf({"--json", "--bohrung", kLog, "--fwl", "2140", kPorositaet});
  ASSERT_EQ(e.status, 0) << e.fehler;
  std::size_t vorher = e.aus.find("\"Bohrung\"");
  ASSERT_NE(vorher, std::string::npos);
  for (const char* k : {"\"Tiefe\"", "\"Hoehe\"", "\"Porositaet\"", "\"Perm\"", "\"Sw\"", "\"KW_Porenmaechtigkeit\"",
                        "\"Sw_Mittel\""}) {
    const std::size_t hier = e.aus.find(k, vorher);
    ASSERT_NE(hier, std::string::npos) << k;
    vorher = hier;
  }
}

// The summary over the rows above the FWL with an Sw, Δz = STEP = 0.5 m:
// Σ φ·(1 − Sw)·Δz and Σ φ·Δz·Sw / Σ φ·Δz from the arrays themselves.
TEST(BohrungCli, ZusammenfassungAusDenZeilen) {
  const Json b = BohrungJson({"--shf-modell", "j"})["Bohrung"];
  double kw = 0.0, phiSw = 0.0, phiDz = 0.0;
  int zeilen = 0;
  for (std::size_t i = 0; i < b["Sw"].size(); ++i) {
    if (b["Sw"][i].is_null() || b["Hoehe"][i].get<double>() <= 0.0) continue;
    const double phi = b["Porositaet"][i];
    const double sw = b["Sw"][i];
    kw += phi * (1.0 - sw) * 0.5;
    phiSw += phi * 0.5 * sw;
    phiDz += phi * 0.5;
    ++zeilen;
  }
  EXPECT_EQ(zeilen, 280 - 5);  // 2000 … 2139.5 m, five of them without Sw
  EXPECT_NEAR(b["KW_Porenmaechtigkeit"].get<double>(), kw, 1e-9);
  EXPECT_NEAR(b["Sw_Mittel"].get<double>(), phiSw / phiDz, 1e-12);
}

TEST(BohrungCli, FwlUeberDerBohrungGibtUeberallSwEins) {
  const Json b = BohrungJson({"--fwl", "1000"})["Bohrung"];
  EXPECT_EQ(b["Hoehe"][0], 1000.0 - 2000.0);
  EXPECT_EQ(b["Sw"][0], 1.0);
  EXPECT_EQ(b["KW_Porenmaechtigkeit"], 0.0);
  EXPECT_TRUE(b["Sw_Mittel"].is_null());
}

TEST(BohrungCli, ListeStattDerTabelle) {
  const Ergebnis e = Aufruf({"--bohrung", kLog, "--fwl", "2140", kPorositaet});
  ASSERT_EQ(e.status, 0) << e.fehler;
  EXPECT_NE(e.aus.find("BOHRUNG: WASSERSÄTTIGUNG ÜBER DEM FREIEN WASSERSPIEGEL"), std::string::npos);
  EXPECT_NE(e.aus.find("Zeile 113 (Tiefe 2045 M): Permeabilität ist NULL"), std::string::npos);
}

TEST(BohrungCli, LasAusgabeBehaeltJedeKurveUndFuegtSwUndHafwlAn) {
  const Datei aus(".las");
  const Json j = BohrungJson({"--shf-modell", "j", "--las-ausgabe", aus.Pfad()});
  bohrung::Kopf kopf;
  std::string fehler;
  ASSERT_TRUE(bohrung::KopfLesenDatei(aus.Pfad(), kopf, fehler)) << fehler;
  std::vector<std::string> kurven;
  for (const auto& k : kopf.kurven) kurven.push_back(k.kuerzel + "." + k.einheit);
  EXPECT_EQ(kurven, (std::vector<std::string>{"DEPT.M", "GR.GAPI", "PHIT.V/V", "PERM.MD", "SW.V/V", "HAFWL.M"}));

  bohrung::Bohrung zurueck;
  ASSERT_TRUE(bohrung::LasLesenDatei(aus.Pfad(), {}, zurueck, fehler)) << fehler;
  EXPECT_EQ(zurueck.Zeilen(), 302u);

  const auto ein = Datenzeilen(Lesen(kLog));
  const auto neu = Datenzeilen(Lesen(aus.Pfad()));
  ASSERT_EQ(neu.size(), ein.size());
  const Json& sw = j["Bohrung"]["Sw"];
  for (std::size_t i = 0; i < ein.size(); ++i) {
    ASSERT_EQ(neu[i].size(), 6u) << i;
    EXPECT_EQ(std::vector<std::string>(neu[i].begin(), neu[i].begin() + 4), ein[i]) << "row " << i;
    if (sw[i].is_null()) {
      EXPECT_EQ(neu[i][4], "-999.25") << i;
    } else {
      EXPECT_NEAR(std::stod(neu[i][4]), sw[i].get<double>(), 0.5e-4) << i;
    }
    EXPECT_NEAR(std::stod(neu[i][5]), 2140.0 - std::stod(ein[i][0]), 1e-9) << i;
  }
}

TEST(BohrungCli, CsvMitDenTabellenDerBohrung) {
  const Datei csv(".csv");
  const Ergebnis e = Aufruf({"--bohrung", kLog, "--fwl", "2140", "--csv", csv.Pfad(), kPorositaet});
  ASSERT_EQ(e.status, 0) << e.fehler;
  const std::string text = Lesen(csv.Pfad());
  EXPECT_NE(text.find("Tiefe (m)"), std::string::npos);
  EXPECT_NE(text.find("Bohrung: Zusammenfassung"), std::string::npos);
}

// A refused log or option: status 2, the message on standard error, and
// none of the files asked for.
TEST(BohrungCli, AbgelehntOhneAusgabedatei) {
  const Datei wrap("-wrap.las");
  ASSERT_TRUE([&] {
    std::string fehler;
    return text::DateiSchreiben(wrap.Pfad(), "~V\n VERS. 2.0 :\n WRAP. YES :\n~A\n1 2\n", fehler);
  }());
  struct Fall {
    std::vector<std::string> argumente;
    std::string meldung;
  } faelle[] = {
      {{"--bohrung", kLog}, "--bohrung braucht --fwl"},
      {{"--fwl", "2140"}, "--fwl, --las-kurven und --las-ausgabe gelten nur mit --bohrung"},
      {{"--bohrung", kLog, "--fwl", "2140,5"}, "--fwl erwartet eine Zahl"},
      {{"--bohrung", kLog, "--fwl", "nan"}, "--fwl erwartet eine Zahl"},
      {{"--bohrung", wrap.Pfad(), "--fwl", "2"}, "Zeile 3: WRAP. YES"},
      {{"--bohrung", kLog, "--fwl", "2140", "--las-kurven", "PHIT,GR"}, "Zeile 15: Die Permeabilitätskurve GR"},
      {{"--bohrung", kLog, "--fwl", "2140", "--las-kurven", "PHIX,"}, "PHIX"},
      {{"--bohrung", kLog + ".fehlt", "--fwl", "2140"}, "--bohrung: "},
      {{"--bohrung", kLog, "--fwl", "2140", "--shf-modell", "thomeer", "--shf-gestein", "1"}, "--shf-gestein"},
  };
  for (const Fall& f : faelle) {
    const Datei las(".las");
    const Datei csv(".csv");
    std::vector<std::string> a = f.argumente;
    for (const std::string& s :
         {std::string("--las-ausgabe"), las.Pfad(), std::string("--csv"), csv.Pfad(), kPorositaet}) {
      a.push_back(s);
    }
    // A second --las-ausgabe or --csv in the case itself would be its own
    // fault; none of the cases has one.
    const Ergebnis e = Aufruf(a);
    EXPECT_EQ(e.status, 2) << f.meldung;
    EXPECT_NE(e.fehler.find(f.meldung), std::string::npos) << e.fehler;
    EXPECT_FALSE(fs::exists(las.Pfad())) << f.meldung;
    EXPECT_FALSE(fs::exists(csv.Pfad())) << f.meldung;
  }
}

TEST(BohrungCli, NichtGeschriebeneLasAusgabeIstStatusDrei) {
  const Ergebnis e = Aufruf({"--bohrung", kLog, "--fwl", "2140", "--las-ausgabe",
                             (fs::temp_directory_path() / "kadrel-fehlt" / "aus.las").string(), kPorositaet});
  EXPECT_EQ(e.status, 3);
  EXPECT_NE(e.fehler.find("aus.las"), std::string::npos) << e.fehler;
  EXPECT_NE(e.aus.find("BOHRUNG"), std::string::npos);
}
