#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "Textdatei.h"

namespace fs = std::filesystem;

namespace {

// Every case in a fresh temporary folder; devices appear only as links in it.
class Textdatei : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string muster = (fs::temp_directory_path() / "kadrel-datei-XXXXXX").string();
    ASSERT_NE(mkdtemp(muster.data()), nullptr);
    ordner_ = muster;
  }
  void TearDown() override { fs::remove_all(ordner_); }

  std::string Pfad(const std::string& name) const { return (ordner_ / name).string(); }
  std::string Anlegen(const std::string& name, const std::string& inhalt) const {
    std::ofstream(Pfad(name), std::ios::binary) << inhalt;
    return Pfad(name);
  }
  static std::string Inhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
  }
  static unsigned Rechte(const std::string& pfad) {
    return static_cast<unsigned>(fs::status(pfad).permissions()) & 07777u;
  }
  // Names in the folder, so that a temporary file left behind shows.
  std::vector<std::string> Namen() const {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner_)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }

  fs::path ordner_;
};

TEST_F(Textdatei, LesefehlerNennenDateiUndGrund) {
  fs::create_directory(Pfad("x.kdr"));
  struct Fall {
    const char* name;
    std::string pfad;
    std::string soll;
  };
  const Fall faelle[] = {
      {"Verzeichnis", Pfad("x.kdr"), "Die Datei " + Pfad("x.kdr") + " kann nicht geöffnet werden: Is a directory"},
      {"fehlt", Pfad("fehlt.txt"),
       "Die Datei " + Pfad("fehlt.txt") + " kann nicht geöffnet werden: No such file or directory"},
      {"Ein-/Ausgabefehler", "/proc/self/mem",
       "Die Datei /proc/self/mem kann nicht gelesen werden: Input/output error"},
  };
  for (const auto& f : faelle) {
    std::string bytes = "bleibt";
    std::string fehler;
    EXPECT_FALSE(text::DateiLesen(f.pfad, bytes, fehler)) << f.name;
    EXPECT_EQ(fehler, f.soll) << f.name;
    EXPECT_EQ(bytes, "bleibt") << f.name;
  }
}

TEST_F(Textdatei, GroesseGrenzeGiltFuerDateienUndGeraete) {
  const std::string gross = Pfad("gross.txt");
  std::ofstream(gross).close();
  fs::resize_file(gross, text::kMaxDateiGroesse + 1);  // sparse: no disk space needed
  const std::string genau = Pfad("genau.txt");
  std::ofstream(genau).close();
  fs::resize_file(genau, 1000);
  fs::create_symlink("/dev/zero", Pfad("null"));

  std::string bytes;
  std::string fehler;
  EXPECT_FALSE(text::DateiLesen(gross, bytes, fehler));
  EXPECT_EQ(fehler, "Die Datei " + gross + " ist größer als 256 MB und wird nicht gelesen.");
  EXPECT_TRUE(text::DateiLesen(genau, bytes, fehler));
  EXPECT_EQ(bytes, std::string(1000, '\0'));
  EXPECT_FALSE(text::DateiLesen(Pfad("null"), bytes, fehler));
  EXPECT_EQ(fehler, "Die Datei " + Pfad("null") + " ist größer als 256 MB und wird nicht gelesen.");

  // Only the beginning is wanted: an endless device ends at once.
  EXPECT_TRUE(text::DateiAnfangLesen(Pfad("null"), 100001, bytes, fehler));
  EXPECT_EQ(bytes.size(), 100001u);
  EXPECT_TRUE(text::DateiAnfangLesen(genau, 10, bytes, fehler));
  EXPECT_EQ(bytes.size(), 10u);
}

TEST_F(Textdatei, ZeilenendenLfCrLfUndNurCr) {
  using Liste = std::vector<std::string>;
  struct Fall {
    const char* name;
    std::string bytes;
    bool bisLeerzeile;
    Liste soll;
  };
  const Fall faelle[] = {
      {"nur CR", "a\rb\r\rc", false, {"a", "b", "", "c"}},
      {"CR neben LF bleibt Text", "a\rb\nc\r\n", false, {"a\rb", "c"}},
      {"CR am Ende ohne LF", "a\r", false, {"a"}},
      {"bis zur Leerzeile", "a\n\nb\n", true, {"a", ""}},
      {"Leerzeile aus Blanks", "a\n \t\nb\n", true, {"a", " \t"}},
      {"Leerzeile bei nur CR", "a\r\rb\r", true, {"a", ""}},
      {"ohne Leerzeile alles", "a\nb", true, {"a", "b"}},
  };
  for (const auto& f : faelle) EXPECT_EQ(text::ZeilenAusBytes(f.bytes, f.bisLeerzeile), f.soll) << f.name;
}

TEST_F(Textdatei, SpeichernFolgtVerweisenZumZiel) {
  fs::create_directory(Pfad("echt"));
  const std::string ziel = Anlegen("echt/real.kdr", "alt");
  fs::create_symlink("echt/real.kdr", Pfad("link.kdr"));  // relative to the link's folder
  fs::create_symlink(Pfad("link.kdr"), Pfad("kette.kdr"));
  fs::create_symlink("echt/neu.kdr", Pfad("offen.kdr"));  // a link to a file not yet there

  std::string fehler;
  ASSERT_TRUE(text::DateiSchreiben(Pfad("kette.kdr"), "neu", fehler)) << fehler;
  EXPECT_EQ(Inhalt(ziel), "neu");
  EXPECT_TRUE(fs::is_symlink(Pfad("link.kdr")));
  EXPECT_TRUE(fs::is_symlink(Pfad("kette.kdr")));
  ASSERT_TRUE(text::DateiSchreiben(Pfad("offen.kdr"), "frisch", fehler)) << fehler;
  EXPECT_TRUE(fs::is_symlink(Pfad("offen.kdr")));
  EXPECT_EQ(Inhalt(Pfad("echt/neu.kdr")), "frisch");
  EXPECT_EQ(Namen(), (std::vector<std::string>{"echt", "kette.kdr", "link.kdr", "offen.kdr"}));
}

TEST_F(Textdatei, KeineGewoehnlicheDateiWirdNichtErsetzt) {
  fs::create_directory(Pfad("aus.txt"));
  ASSERT_EQ(mkfifo(Pfad("pipe").c_str(), 0644), 0);
  fs::create_symlink("/dev/null", Pfad("geraet"));
  fs::create_symlink("/dev/full", Pfad("voll"));
  struct Fall {
    std::string pfad;
    std::string soll;
  };
  const Fall faelle[] = {
      {Pfad("aus.txt"), "Die Datei " + Pfad("aus.txt") + " wird nicht überschrieben: sie ist ein Verzeichnis."},
      {Pfad("pipe"), "Die Datei " + Pfad("pipe") + " wird nicht überschrieben: sie ist eine benannte Pipe (FIFO)."},
      {Pfad("geraet"), "Das Ziel /dev/null von " + Pfad("geraet") + " wird nicht überschrieben: es ist ein Gerät."},
      {Pfad("voll"), "Das Ziel /dev/full von " + Pfad("voll") + " wird nicht überschrieben: es ist ein Gerät."},
  };
  for (const auto& f : faelle) {
    std::string fehler;
    EXPECT_FALSE(text::DateiSchreiben(f.pfad, "x", fehler)) << f.pfad;
    EXPECT_EQ(fehler, f.soll);
  }
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_TRUE(fs::is_fifo(Pfad("pipe")));
  EXPECT_EQ(Namen(), (std::vector<std::string>{"aus.txt", "geraet", "pipe", "voll"}));
}

TEST_F(Textdatei, RechteBleibenUndSchreibschutzGilt) {
  const std::string geschuetzt = Anlegen("schutz.kdr", "alt");
  fs::permissions(geschuetzt, static_cast<fs::perms>(0444));
  const std::string privat = Anlegen("privat.kdr", "alt");
  fs::permissions(privat, static_cast<fs::perms>(0640));

  std::string fehler;
  // Refused for every user, root included, and left as it was.
  EXPECT_FALSE(text::DateiSchreiben(geschuetzt, "neu", fehler));
  EXPECT_EQ(fehler, "Die Datei " + geschuetzt + " ist schreibgeschützt und wird nicht überschrieben.");
  EXPECT_EQ(Inhalt(geschuetzt), "alt");
  EXPECT_EQ(Rechte(geschuetzt), 0444u);

  ASSERT_TRUE(text::DateiSchreiben(privat, "neu", fehler)) << fehler;
  EXPECT_EQ(Inhalt(privat), "neu");
  EXPECT_EQ(Rechte(privat), 0640u);

  const mode_t maske = umask(027);
  const bool neu = text::DateiSchreiben(Pfad("neu.kdr"), "x", fehler);
  umask(maske);
  ASSERT_TRUE(neu) << fehler;
  EXPECT_EQ(Rechte(Pfad("neu.kdr")), 0640u);
  EXPECT_EQ(Namen(), (std::vector<std::string>{"neu.kdr", "privat.kdr", "schutz.kdr"}));
}

TEST_F(Textdatei, GepflanzterVerweisUndParalleleSpeicherungen) {
  // The old fixed temporary name, planted as a link, must not be written through.
  const std::string opfer = Anlegen("victim.txt", "unberührt");
  fs::create_symlink(opfer, Pfad("aus.txt.tmp~"));
  const std::string ziel = Pfad("aus.txt");
  std::vector<std::string> fehler(6);
  std::vector<char> erfolg(6, 0);
  std::vector<std::thread> faeden;
  for (int i = 0; i < 6; ++i) {
    faeden.emplace_back([&, i] { erfolg[i] = text::DateiSchreiben(ziel, std::string(1000, 'a' + i), fehler[i]); });
  }
  for (auto& f : faeden) f.join();
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(erfolg[i]) << fehler[i];
  const std::string inhalt = Inhalt(ziel);
  ASSERT_EQ(inhalt.size(), 1000u);
  EXPECT_EQ(inhalt, std::string(1000, inhalt[0]));
  EXPECT_EQ(Inhalt(opfer), "unberührt");
  EXPECT_EQ(Namen(), (std::vector<std::string>{"aus.txt", "aus.txt.tmp~", "victim.txt"}));
}

TEST_F(Textdatei, FehlenderOrdnerHinterlaesstNichts) {
  std::string fehler;
  EXPECT_FALSE(text::DateiSchreiben(Pfad("fehlt/x.kdr"), "x", fehler));
  EXPECT_EQ(fehler, "Die Datei " + Pfad("fehlt/x.kdr") + " kann nicht geschrieben werden: No such file or directory");
  EXPECT_TRUE(Namen().empty());
}

// A file written piece by piece lands whole; a writer that gives up
// leaves the old file and no temporary file.
TEST_F(Textdatei, StueckweiseGanzOderGarNicht) {
  const std::string ziel = Anlegen("log.las", "alt");
  std::string fehler;
  ASSERT_TRUE(text::DateiSchreibenStueckweise(
      ziel,
      [](const text::Schreibfunktion& schreiben, std::string&) {
        for (int i = 0; i < 3; ++i) {
          if (!schreiben(std::string(1 << 20, static_cast<char>('a' + i)))) return false;
        }
        return true;
      },
      fehler))
      << fehler;
  const std::string inhalt = Inhalt(ziel);
  ASSERT_EQ(inhalt.size(), 3u << 20);
  EXPECT_EQ(inhalt.substr((2u << 20) + 5, 3), "ccc");

  Anlegen("log.las", "alt");
  EXPECT_FALSE(text::DateiSchreibenStueckweise(
      ziel,
      [](const text::Schreibfunktion& schreiben, std::string& grund) {
        schreiben("halb");
        grund = "Die Eingabe hat sich geändert.";
        return false;
      },
      fehler));
  EXPECT_EQ(fehler, "Die Eingabe hat sich geändert.");
  EXPECT_EQ(Inhalt(ziel), "alt");
  EXPECT_EQ(Namen(), (std::vector<std::string>{"log.las"}));
}

TEST_F(Textdatei, BlockleserMitGrenzeWieDateiLesen) {
  const std::string datei = Anlegen("a.txt", std::string(5000, 'x') + "ende");
  text::Blockleser leser;
  std::string fehler;
  ASSERT_TRUE(leser.Oeffnen(datei, fehler)) << fehler;
  std::string gelesen;
  char puffer[1000];
  for (std::size_t n = 1; n > 0;) {
    ASSERT_TRUE(leser.Lesen(puffer, sizeof puffer, n, fehler)) << fehler;
    gelesen.append(puffer, n);
  }
  EXPECT_EQ(gelesen, std::string(5000, 'x') + "ende");
  EXPECT_EQ(leser.Gelesen(), 5004u);

  // A regular file above the bound is refused before reading, a device
  // once it passes the bound.
  const std::string gross = Pfad("gross.txt");
  std::ofstream(gross).close();
  fs::resize_file(gross, text::kMaxDateiGroesse + 1);
  text::Blockleser zuGross;
  EXPECT_FALSE(zuGross.Oeffnen(gross, fehler));
  EXPECT_EQ(fehler, "Die Datei " + gross + " ist größer als 256 MB und wird nicht gelesen.");
  fs::create_symlink("/dev/zero", Pfad("null"));
  text::Blockleser geraet;
  ASSERT_TRUE(geraet.Oeffnen(Pfad("null"), fehler)) << fehler;
  std::vector<char> block(1 << 20);
  std::size_t n = 0;
  bool ok = true;
  while (ok && geraet.Gelesen() <= text::kMaxDateiGroesse) ok = geraet.Lesen(block.data(), block.size(), n, fehler);
  EXPECT_FALSE(ok);
  EXPECT_EQ(fehler, "Die Datei " + Pfad("null") + " ist größer als 256 MB und wird nicht gelesen.");

  text::Blockleser ordner;
  EXPECT_FALSE(ordner.Oeffnen(ordner_.string(), fehler));
  EXPECT_EQ(fehler, "Die Datei " + ordner_.string() + " kann nicht geöffnet werden: Is a directory");
}

}  // namespace
