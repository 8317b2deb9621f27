#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliAufruf.h"
#include "KadrelCli.h"

namespace fs = std::filesystem;

namespace {

const char* const kMessung = "PERMEABILITAET: 1 A\n0.1 0\n0.5 0.3\n2 0.6\n4 0.7\nENDE\n";

// Runs in a temporary folder of its own, since aus.txt lies in the current
// one; devices appear only as links in it.
class Dateifehler : public ::testing::Test {
 protected:
  void SetUp() override {
    vorher_ = fs::current_path();
    std::string muster = (fs::temp_directory_path() / "kadrel-cli-dateien-XXXXXX").string();
    ASSERT_NE(mkdtemp(muster.data()), nullptr);
    ordner_ = muster;
    fs::current_path(ordner_);
    std::ofstream("x.txt", std::ios::binary) << kMessung;
  }
  void TearDown() override {
    fs::current_path(vorher_);
    fs::remove_all(ordner_);
  }
  static std::string Inhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
  }

  fs::path ordner_;

 private:
  fs::path vorher_;
};

TEST_F(Dateifehler, UnlesbareEingabenEndenMitStatusZwei) {
  fs::create_directory("x.kdr");
  fs::create_symlink("/dev/zero", "null.txt");
  struct Fall {
    const char* name;
    std::vector<std::string> argumente;
    std::string fehler;
  };
  const Fall faelle[] = {
      {"Verzeichnis", {"/tmp"}, "kadrel-cli: Die Datei /tmp kann nicht geöffnet werden: Is a directory\n"},
      {"Dokumentverzeichnis", {"x.kdr"}, "kadrel-cli: Die Datei x.kdr kann nicht geöffnet werden: Is a directory\n"},
      {"Ein-/Ausgabefehler",
       {"/proc/self/mem"},
       "kadrel-cli: Die Datei /proc/self/mem kann nicht gelesen werden: Input/output error\n"},
      {"Import Ein-/Ausgabefehler",
       {"--import", "/proc/self/mem", "x.txt"},
       "Die Datei /proc/self/mem kann nicht gelesen werden: Input/output error\n"},
      {"Endloses Gerät",
       {"null.txt"},
       "kadrel-cli: Die Datei null.txt ist größer als 256 MB und wird nicht gelesen.\n"},
  };
  for (const auto& f : faelle) {
    const auto r = Aufruf(f.argumente);
    EXPECT_EQ(r.status, 2) << f.name;
    EXPECT_EQ(r.fehler, f.fehler) << f.name;
    EXPECT_EQ(r.aus, "") << f.name;
  }
}

TEST_F(Dateifehler, ErgebnisseEinlesenAusVerzeichnisUndEndlosemGeraet) {
  fs::create_directory("aus.txt");
  const auto r = Aufruf({"--ergebnisse-einlesen", "x.txt"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.fehler.find("Die Datei aus.txt kann nicht geöffnet werden: Is a directory\n"), std::string::npos)
      << r.fehler;
  // The detail list of the run stands and still goes to stdout.
  EXPECT_NE(r.aus.find("NACHRECHNUNG DER KAPILLARDRUCKKURVE"), std::string::npos);

  fs::remove("aus.txt");
  fs::create_symlink("/dev/zero", "aus.txt");
  const auto z = Aufruf({"--ergebnisse-einlesen", "x.txt"});
  EXPECT_EQ(z.status, 0);
  EXPECT_NE(z.fehler.find("1000 Zeilen wurden eingelesen"), std::string::npos) << z.fehler;
  EXPECT_EQ(z.aus.size(), 1000u * 100u);  // 1000 pieces of 99 NUL characters and their line ends
}

TEST_F(Dateifehler, NichtGeschriebeneAusgabeEndetMitStatusDrei) {
  std::ofstream("schutz.kdr") << "alt";
  fs::permissions("schutz.kdr", static_cast<fs::perms>(0444));
  fs::create_symlink("/dev/null", "geraet.kdr");
  const std::string liste = Aufruf({"x.txt"}).aus;
  ASSERT_FALSE(liste.empty());
  struct Fall {
    const char* name;
    std::vector<std::string> argumente;
    std::string fehler;
  };
  const Fall faelle[] = {
      {"Schreibgeschützt",
       {"--speichern", "schutz.kdr", "x.txt"},
       "kadrel-cli: Die Datei schutz.kdr ist schreibgeschützt und wird nicht überschrieben.\n"},
      {"Gerät",
       {"--speichern", "geraet.kdr", "x.txt"},
       "kadrel-cli: Das Ziel /dev/null von geraet.kdr wird nicht überschrieben: es ist ein Gerät.\n"},
      {"Fehlender Ordner",
       {"--speichern", "fehlt/x.kdr", "x.txt"},
       "kadrel-cli: Die Datei fehlt/x.kdr kann nicht geschrieben werden: No such file or directory\n"},
  };
  for (const auto& f : faelle) {
    const auto r = Aufruf(f.argumente);
    EXPECT_EQ(r.status, 3) << f.name;
    // After the run's own messages.
    ASSERT_GE(r.fehler.size(), f.fehler.size()) << f.name;
    EXPECT_EQ(r.fehler.substr(r.fehler.size() - f.fehler.size()), f.fehler) << f.name;
    EXPECT_EQ(r.aus, liste) << f.name;
  }
  EXPECT_EQ(Inhalt("schutz.kdr"), "alt");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));

  fs::create_directory("aus.txt");
  const auto a = Aufruf({"--ergebnisse-ausgeben", "x.txt"});
  EXPECT_EQ(a.status, 3);
  EXPECT_NE(a.fehler.find("ABBRUCH! Die Datei aus.txt wurde nicht geschrieben!\n"
                          "Die Datei aus.txt wird nicht überschrieben: sie ist ein Verzeichnis.\n"),
            std::string::npos)
      << a.fehler;
  EXPECT_EQ(a.aus, liste);
}

TEST_F(Dateifehler, SpeichernFolgtDemVerweisUndBehaeltRechte) {
  ASSERT_EQ(Aufruf({"--speichern", "real.kdr", "x.txt"}).status, 0);
  const std::string bytes = Inhalt("real.kdr");
  std::ofstream("real.kdr") << "alt";
  fs::permissions("real.kdr", static_cast<fs::perms>(0600));
  fs::create_symlink("real.kdr", "link.kdr");
  const auto r = Aufruf({"--speichern", "link.kdr", "x.txt"});
  ASSERT_EQ(r.status, 0) << r.fehler;
  EXPECT_TRUE(fs::is_symlink("link.kdr"));
  EXPECT_EQ(Inhalt("real.kdr"), bytes);
  EXPECT_EQ(static_cast<unsigned>(fs::status("real.kdr").permissions()) & 0777u, 0600u);
}

TEST_F(Dateifehler, ZahlAusserhalbDesFloatBereichsStopptDenLauf) {
  // Core B must not be evaluated under core A's permeability and label.
  std::ofstream("b.txt") << kMessung << "PERMEABILITAET: 1e39 B\n0.1 0\n0.5 0.3\n2 0.6\nENDE\n";
  const auto r = Aufruf({"--tabelle", "1", "b.txt"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.fehler.find("ABBRUCH in der 7.Zeile\nPERMEABILITAET: 1e39 B\n"), std::string::npos) << r.fehler;
  EXPECT_EQ(r.aus.find(" B\n"), std::string::npos) << r.aus;
}

TEST_F(Dateifehler, NurCrAlsZeilenende) {
  std::string cr = kMessung;
  for (auto& c : cr) {
    if (c == '\n') c = '\r';
  }
  std::ofstream("cr.txt", std::ios::binary) << cr;
  const auto lf = Aufruf({"x.txt"});
  const auto r = Aufruf({"cr.txt"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.aus, lf.aus);
  EXPECT_EQ(r.fehler, lf.fehler);
  const auto i = Aufruf({"--import", "cr.txt"});
  const auto il = Aufruf({"--import", "x.txt"});
  EXPECT_EQ(i.status, 0);
  EXPECT_EQ(i.aus, il.aus);
  EXPECT_NE(i.aus.find("NACHRECHNUNG DER KAPILLARDRUCKKURVE"), std::string::npos) << i.fehler;
}

}  // namespace
