#include <gtest/gtest.h>

#include <unistd.h>

#include <cfloat>
#include <charconv>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "CsvSchreiber.h"
#include "DokumentFixture.h"
#include "Ergebnistabellen.h"
#include "TextScan.h"
#include "Textdatei.h"

namespace {

using Datensatz = std::vector<std::string>;

// An RFC 4180 reader, independent of the writer: records end at CRLF,
// quoted fields may hold anything, "" is a quote.
std::vector<Datensatz> CsvLesen(std::string_view text, char trenner) {
  std::vector<Datensatz> saetze;
  Datensatz satz;
  std::string feld;
  bool inAnfuehrung = false;
  bool begonnen = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inAnfuehrung) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        feld += '"';
        ++i;
      } else if (c == '"') {
        inAnfuehrung = false;
      } else {
        feld += c;
      }
    } else if (c == '"') {
      inAnfuehrung = true;
      begonnen = true;
    } else if (c == trenner) {
      satz.push_back(std::move(feld));
      feld.clear();
      begonnen = true;
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      if (begonnen || !feld.empty()) satz.push_back(std::move(feld));
      saetze.push_back(std::move(satz));
      satz.clear();
      feld.clear();
      begonnen = false;
      ++i;
    } else {
      feld += c;
      begonnen = true;
    }
  }
  EXPECT_FALSE(inAnfuehrung);
  EXPECT_TRUE(satz.empty() && feld.empty()) << "the last record lacks its CRLF";
  return saetze;
}

// Splits the records at blank lines into tables.
std::vector<std::vector<Datensatz>> Tabellen(const std::vector<Datensatz>& saetze) {
  std::vector<std::vector<Datensatz>> tabellen(1);
  for (const auto& s : saetze) {
    if (s.empty()) {
      tabellen.emplace_back();
    } else {
      tabellen.back().push_back(s);
    }
  }
  return tabellen;
}

float AlsFloat(std::string feld, char dezimal) {
  if (dezimal == ',') {
    EXPECT_EQ(feld.find('.'), std::string::npos) << feld;
    for (char& c : feld) c = c == ',' ? '.' : c;
  }
  float w = 0.0f;
  const auto [ende, ec] = std::from_chars(feld.data(), feld.data() + feld.size(), w);
  EXPECT_TRUE(ec == std::errc() && ende == feld.data() + feld.size()) << feld;
  return w;
}

double AlsDouble(std::string feld, char dezimal) {
  for (char& c : feld) c = c == dezimal ? '.' : c;
  double w = 0.0;
  const auto [ende, ec] = std::from_chars(feld.data(), feld.data() + feld.size(), w);
  EXPECT_TRUE(ec == std::errc() && ende == feld.data() + feld.size()) << feld;
  return w;
}

TEST(CsvSchreiber, FelderNachRfc4180) {
  const std::vector<std::string> felder = {"schlicht",       "a,b",     "a;b", "Zoll \"7\"",
                                           "zwei\r\nZeilen", "nur\nLF", "",    "Sättigung"};
  for (const csv::Format& f : {csv::Format{}, csv::Format::DeutschesExcel()}) {
    const std::string text = csv::Schreiben({{"Titel, mit Komma", felder, {}}}, f);
    const std::string_view rumpf = f.bom ? std::string_view(text).substr(3) : std::string_view(text);
    EXPECT_EQ(text.substr(0, 3) == "\xEF\xBB\xBF", f.bom);
    const auto saetze = CsvLesen(rumpf, f.trenner);
    ASSERT_EQ(saetze.size(), 2u);
    EXPECT_EQ(saetze[0], Datensatz{"Titel, mit Komma"});
    EXPECT_EQ(saetze[1], felder);
  }
  // Only what needs quotes is quoted.
  EXPECT_EQ(csv::Feld("a,b", ';'), "a,b");
  EXPECT_EQ(csv::Feld("a,b", ','), "\"a,b\"");
  EXPECT_EQ(csv::Feld("x\"y", ','), "\"x\"\"y\"");
}

TEST(CsvSchreiber, ZahlenLesenSichGenauZurueck) {
  const float floats[] = {0.1f, 8.4f, 1e-45f, FLT_MIN, FLT_MAX, -3.14159274f, 1e-5f, 123456789.0f, 0.0f};
  for (const float w : floats) {
    EXPECT_EQ(AlsFloat(csv::Zahl(w), '.'), w) << csv::Zahl(w);
    EXPECT_EQ(AlsFloat(csv::Zahl(w, ','), ','), w) << csv::Zahl(w, ',');
  }
  EXPECT_EQ(csv::Zahl(0.1f), "0.1");
  // A float keeps its own digits; widened to double it would not.
  EXPECT_EQ(csv::Zahl(0.00946f), "0.00946");
  EXPECT_EQ(csv::Zahl(static_cast<double>(0.00946f)), "0.009460000321269035");
  EXPECT_EQ(csv::Zahl(0.79863f), "0.79863");
  // An optional float cell keeps its digits too; a missing one is empty.
  const std::string tabelle = csv::Schreiben(
      {{"T", {"a", "b"}, {{csv::Optional(std::optional<float>(0.00946f)), csv::Optional(std::optional<float>())}}}},
      {});
  EXPECT_EQ(tabelle, "T\r\na,b\r\n0.00946,\r\n");
  EXPECT_EQ(csv::Zahl(0.1f, ','), "0,1");
  EXPECT_EQ(csv::Zahl(0.001), "0.001");
  const double drittel = 1.0 / 3.0;
  double zurueck = 0.0;
  const std::string text = csv::Zahl(drittel);
  std::from_chars(text.data(), text.data() + text.size(), zurueck);
  EXPECT_EQ(zurueck, drittel);
}

class CsvExport : public DokumentFixture {
 protected:
  std::string bytes_;
};

TEST_F(CsvExport, JedeZahlGleichDerDesDokuments) {
  Textliste zeilen;
  std::string fehler;
  ASSERT_TRUE(text::DateiLesen(KADREL_SOURCE_DIR "/examples/beispiel.txt", bytes_, fehler)) << fehler;
  Auswerten(text::ZeilenAusBytes(bytes_), 1);
  ASSERT_EQ(doc.iScharKurven, 5);

  const auto ordner = std::filesystem::temp_directory_path() / ("csvexport-" + std::to_string(::getpid()));
  std::filesystem::create_directories(ordner);
  const std::string pfad = (ordner / "ergebnisse.csv").string();
  for (const csv::Format& format : {csv::Format{}, csv::Format::DeutschesExcel()}) {
    ASSERT_TRUE(csv::DateiSchreiben(pfad, Ergebnistabellen(doc), format, fehler)) << fehler;
    std::string gelesen;
    ASSERT_TRUE(text::DateiLesen(pfad, gelesen, fehler));
    ASSERT_EQ(gelesen.substr(0, 3) == "\xEF\xBB\xBF", format.bom);
    const auto tabellen = Tabellen(CsvLesen(std::string_view(gelesen).substr(format.bom ? 3 : 0), format.trenner));
    ASSERT_EQ(tabellen.size(), 4u);
    const char d = format.dezimal;

    // Parameter list: one record per summary row, with the unrounded values
    // of the measurement it was printed from.
    const auto& param = tabellen[0];
    EXPECT_EQ(param[0], Datensatz{"Parameterliste"});
    EXPECT_EQ(param[1], (Datensatz{"Permeabilität (mD)", "Alfa", "Beta", "Sperrdruck (bar)", "Min.Sw",
                                   "Max.Druck (bar)", "Fehler", "Kern"}));
    ASSERT_EQ(param.size() - 2, doc.Parameterliste.size() - 3);
    ASSERT_EQ(param.size() - 2, doc.Messkurven.size());
    for (std::size_t i = 2; i < param.size(); ++i) {
      const Messkurve& m = doc.Messkurven[i - 2];
      ASSERT_EQ(param[i].size(), 8u);
      EXPECT_EQ(AlsFloat(param[i][0], d), m.Perm);
      EXPECT_EQ(AlsDouble(param[i][1], d), m.Alfa);
      EXPECT_EQ(AlsDouble(param[i][2], d), m.Beta);
      EXPECT_EQ(AlsFloat(param[i][3], d), m.PcSperrdruck);
      // 1 - ShgMax is a float value: written as a float, read back exactly.
      EXPECT_EQ(AlsFloat(param[i][4], d), 1.0 - m.ShgMax);
      EXPECT_EQ(AlsFloat(param[i][5], d), m.Ymax);
      EXPECT_EQ(AlsDouble(param[i][6], d), m.Fehler);
      EXPECT_EQ(param[i][7], m.Kern);
    }
    // The first row as the list shows it and as the file holds it.
    EXPECT_EQ(doc.Parameterliste[3].substr(0, 21), "   0.009      12.2359");
    EXPECT_EQ(param[2][0], d == ',' ? "0,00946" : "0.00946");  // "PERMEABILITAET: 0.00946 AD-258"
    // Its highest saturation 0.68779 leaves Min.Sw = 1 - 0.68779f, whose
    // shortest float is 0.31221002 (the double of it is 0.3122100234031677).
    EXPECT_EQ(param[2][4], d == ',' ? "0,31221002" : "0.31221002");
    EXPECT_EQ(param[2][3], d == ',' ? "14,2087" : "14.2087");
    EXPECT_EQ(param[2][5], d == ',' ? "1818,7156" : "1818.7156");
    EXPECT_EQ(param[2][7], "AD-258");

    // Coefficients and the mean errors as the function report prints them.
    std::vector<std::string> fehlerzeilen;
    for (const auto& z : doc.Parameterfunktionen) {
      if (z.find("Mittlerer Fehler:") != std::string::npos) fehlerzeilen.push_back(z);
    }
    ASSERT_EQ(fehlerzeilen.size(), 4u);
    const auto& koeff = tabellen[1];
    EXPECT_EQ(koeff[1], (Datensatz{"Parameter", "C0", "C1", "C2", "C3", "Mittlerer Fehler"}));
    ASSERT_EQ(koeff.size(), 6u);
    const char* const namen[4] = {"Alfa", "log10(Beta)", "log10(Pcsperr)", "log10(MinSw)"};
    for (int p = 0; p < 4; ++p) {
      const auto& satz = koeff[static_cast<std::size_t>(p) + 2];
      EXPECT_EQ(satz[0], namen[p]);
      for (int j = 0; j < 4; ++j) EXPECT_EQ(AlsFloat(satz[static_cast<std::size_t>(j) + 1], d), doc.C_[p][j]);
      std::string gedruckt = satz[5];
      if (d == ',') gedruckt.replace(gedruckt.find(','), 1, ".");
      EXPECT_NE(fehlerzeilen[static_cast<std::size_t>(p)].find("Mittlerer Fehler:" + gedruckt), std::string::npos)
          << fehlerzeilen[static_cast<std::size_t>(p)] << " / " << satz[5];
    }

    // The family's parameters and its 5 x 31 points.
    const auto& schar = tabellen[2];
    ASSERT_EQ(schar.size(), 7u);
    for (int j = 0; j < 5; ++j) {
      const auto& satz = schar[static_cast<std::size_t>(j) + 2];
      const Scharparameter& s = doc.Schar[j];
      EXPECT_EQ(AlsFloat(satz[1], d), s.Alfa);
      EXPECT_EQ(AlsFloat(satz[2], d), s.Beta);
      EXPECT_EQ(AlsFloat(satz[3], d), s.PcSperr);
      EXPECT_EQ(AlsFloat(satz[4], d), s.Swmin);
      EXPECT_EQ(AlsFloat(satz[5], d), s.Pcmax);
    }
    EXPECT_EQ(schar[2][0], d == ',' ? "0,01" : "0.01");
    const auto& punkte = tabellen[3];
    EXPECT_EQ(punkte[0], Datensatz{"Kurvenschar: Punkte"});
    EXPECT_EQ(punkte[1][1], "Sw K=0.01 mD");
    EXPECT_EQ(punkte[1][10], "Pc K=100 mD (bar)");
    ASSERT_EQ(punkte.size(), 33u);
    for (int q = 0; q < 31; ++q) {
      const auto& satz = punkte[static_cast<std::size_t>(q) + 2];
      ASSERT_EQ(satz.size(), 11u);
      EXPECT_EQ(satz[0], std::to_string(q + 1));
      for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(AlsFloat(satz[static_cast<std::size_t>(2 * j) + 1], d), doc.XK[j][q]);
        EXPECT_EQ(AlsFloat(satz[static_cast<std::size_t>(2 * j) + 2], d), doc.YK[j][q]);
      }
    }
  }
  std::filesystem::remove_all(ordner);
}

// The test rows have no measurement behind them: their numbers are the
// ones the regression reads from the rows.
TEST_F(CsvExport, TestwerteSoWieDieRegressionSieLiest) {
  plattform.dialog = [](EingabeDaten& d) {
    d.Eingabezeilen = {"PERMEABILITAET: 1 A", "0 0", "1 0.5", "2 0.7", "ENDE"};
    d.iTabelle = 1;
    d.bTestwerte = 1;
    d.bNeuRechnen = 1;
    return true;
  };
  doc.OnDatenAendern();
  const auto tabellen = Ergebnistabellen(doc);
  ASSERT_EQ(tabellen[0].zeilen.size(), 13u);
  const auto& k1 = tabellen[0].zeilen[6];  // K = 1: 1.000 8.4000 0.1400 3.190 0.20995 158.000 0.0000 TESTWERTE
  const std::vector<float> soll = {1.0f, 8.4f, 0.14f, 3.19f, 0.20995f, 158.0f, 0.0f};
  for (std::size_t j = 0; j < soll.size(); ++j) EXPECT_EQ(std::get<float>(k1[j]), soll[j]) << j;
  EXPECT_EQ(std::get<std::string>(k1[7]), "TESTWERTE");
}

TEST_F(CsvExport, OhneRegressionNurDieParameterliste) {
  Auswerten({"PERMEABILITAET: 1 A", "0 0", "1 0.5", "2 0.7", "ENDE"}, 1);
  const auto tabellen = Ergebnistabellen(doc);
  ASSERT_EQ(tabellen.size(), 1u);
  EXPECT_EQ(tabellen[0].titel, "Parameterliste");
  EXPECT_EQ(tabellen[0].zeilen.size(), 1u);
}

TEST_F(CsvExport, NichtSchreibbarMitGrund) {
  std::string fehler;
  EXPECT_FALSE(csv::DateiSchreiben("/nonexistent-dir/x.csv", {}, {}, fehler));
  EXPECT_EQ(fehler.rfind("Die Datei /nonexistent-dir/x.csv", 0), 0u) << fehler;
}

}  // namespace
