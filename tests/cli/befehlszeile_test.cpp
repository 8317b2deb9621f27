#include "Befehlszeile.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A small command line of every kind of option, recording what it was given.
struct Probe {
  Befehlszeile b;
  bool schalter = false;
  std::optional<std::string> datei;
  std::vector<std::string> gesteine;  // repeatable
  std::vector<std::string> kurven;    // optional value: "" when left out
  std::optional<std::string> eingabe;

  Probe() {
    b.Aufruf("[--schalter] [--datei DATEI]\n[--gestein K[,PHI]]...");
    b.Aufruf("[--kurven [KERN,...]]");
    b.Schalter("--schalter", "ein Schalter", [this] { schalter = true; });
    b.Wert("--datei", "DATEI", "eine Datei", "--datei erwartet einen Dateinamen", [this](const std::string& w) {
      datei = w;
      return std::optional<std::string>();
    });
    b.Wert("--gestein", "K[,PHI]", "ein Gestein; mehrmals erlaubt\nzweite Zeile", "--gestein erwartet K[,PHI]",
           [this](const std::string& w) -> std::optional<std::string> {
             if (w.empty() || w[0] < '0' || w[0] > '9') return "--gestein erwartet eine Zahl: " + w;
             gesteine.push_back(w);
             return std::nullopt;
           });
    b.WahlweiseWert("--kurven", "[KERN,...]", "Kurven, wahlweise nur diese",
                    [this](const std::optional<std::string>& w) {
                      kurven.push_back(w ? *w : "");
                      return std::optional<std::string>();
                    });
    b.Eingabe("EINGABE", [this](const std::string& e) { eingabe = e; });
    b.Aufrufform("--version");
  }
};

TEST(Befehlszeile, WiederholbareOptionSammeltJedenWertInDerReihenfolge) {
  Probe p;
  EXPECT_EQ(p.b.Lesen({"--gestein", "10,0.2", "e.txt", "--gestein", "5", "--gestein", "100,0.25"}), std::nullopt);
  EXPECT_EQ(p.gesteine, (std::vector<std::string>{"10,0.2", "5", "100,0.25"}));
  EXPECT_EQ(p.eingabe, "e.txt");
}

TEST(Befehlszeile, EinfacheOptionBehaeltDenLetztenWert) {
  Probe p;
  EXPECT_EQ(p.b.Lesen({"--datei", "a", "--datei", "b"}), std::nullopt);
  EXPECT_EQ(p.datei, "b");
}

struct Wahlfall {
  const char* name;
  std::vector<std::string> argumente;
  std::vector<std::string> kurven;
  std::optional<std::string> eingabe;
};

class WahlweiserWert : public ::testing::TestWithParam<Wahlfall> {};

TEST_P(WahlweiserWert, NimmtDenFolgendenWertWennErKeineOptionIst) {
  const Wahlfall& f = GetParam();
  Probe p;
  EXPECT_EQ(p.b.Lesen(f.argumente), std::nullopt);
  EXPECT_EQ(p.kurven, f.kurven);
  EXPECT_EQ(p.eingabe, f.eingabe);
}

INSTANTIATE_TEST_SUITE_P(Formen, WahlweiserWert,
                         ::testing::Values(Wahlfall{"AmEnde", {"e.txt", "--kurven"}, {""}, "e.txt"},
                                           Wahlfall{
                                               "VorEinerOption", {"--kurven", "--schalter", "e.txt"}, {""}, "e.txt"},
                                           Wahlfall{"MitWert", {"--kurven", "K1,K7", "e.txt"}, {"K1,K7"}, "e.txt"},
                                           // A file name right after it is its value: the input goes first.
                                           Wahlfall{"DateiDanach", {"--kurven", "e.txt"}, {"e.txt"}, std::nullopt},
                                           Wahlfall{"Zweimal", {"--kurven", "A", "--kurven"}, {"A", ""}, std::nullopt},
                                           Wahlfall{"LeererWert", {"--kurven", ""}, {""}, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Fehlerfall {
  const char* name;
  std::vector<std::string> argumente;
  std::string meldung;
};

class ErsterFehler : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(ErsterFehler, InDerReihenfolgeDerArgumente) {
  const Fehlerfall& f = GetParam();
  Probe p;
  EXPECT_EQ(p.b.Lesen(f.argumente), f.meldung);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ErsterFehler,
    ::testing::Values(
        Fehlerfall{"WertFehltAmEnde", {"e.txt", "--datei"}, "--datei erwartet einen Dateinamen"},
        Fehlerfall{"SchlechterWert", {"--gestein", "x", "e.txt"}, "--gestein erwartet eine Zahl: x"},
        Fehlerfall{"SchlechterWertNachGutem", {"--gestein", "1", "--gestein", "y"}, "--gestein erwartet eine Zahl: y"},
        Fehlerfall{"Unbekannt", {"--nicht", "e.txt"}, "Unbekannte Option: --nicht"},
        Fehlerfall{"UnbekanntVorSchlechtemWert", {"-n", "--gestein", "x"}, "Unbekannte Option: -n"},
        Fehlerfall{"SchlechterWertVorUnbekannt", {"--gestein", "x", "-n"}, "--gestein erwartet eine Zahl: x"},
        Fehlerfall{"UnbekanntVorFehlendemWert", {"--nicht", "--datei"}, "Unbekannte Option: --nicht"},
        Fehlerfall{"ZweiteEingabe", {"a.txt", "b.txt"}, "Mehr als eine Eingabedatei: b.txt"},
        Fehlerfall{"ZweiteEingabeVorSchlechtemWert", {"a", "b", "--gestein", "x"}, "Mehr als eine Eingabedatei: b"},
        Fehlerfall{"GleichheitszeichenIstUnbekannt", {"--datei=a.txt"}, "Unbekannte Option: --datei=a.txt"},
        Fehlerfall{"SchalterMitGleichheitszeichen", {"--schalter=1"}, "Unbekannte Option: --schalter=1"},
        Fehlerfall{"DoppelstrichIstUnbekannt", {"--", "e.txt"}, "Unbekannte Option: --"},
        Fehlerfall{"NegativeZahlIstUnbekannt", {"-1"}, "Unbekannte Option: -1"},
        Fehlerfall{"GrossschreibungZaehlt", {"--Schalter"}, "Unbekannte Option: --Schalter"},
        // Text that looks like a stand-in for "--a=b" stays what it is.
        Fehlerfall{
            "WieEinVertreter", {std::string("--\x01kadrel-0")}, std::string("Unbekannte Option: --\x01kadrel-0")}),
    [](const auto& info) { return std::string(info.param.name); });

// A value is whatever follows its option, also what looks like an option.
TEST(Befehlszeile, WertIstDasFolgendeArgumentWieAuchImmer) {
  for (const std::string& wert : std::vector<std::string>{"--schalter", "--x=y", "-", "-1", "--", "--\x01kadrel-3"}) {
    SCOPED_TRACE(wert);
    Probe p;
    EXPECT_EQ(p.b.Lesen({"--datei", wert, "e.txt"}), std::nullopt);
    EXPECT_EQ(p.datei, wert);
    EXPECT_FALSE(p.schalter);
    EXPECT_EQ(p.eingabe, "e.txt");
  }
  Probe p;
  EXPECT_EQ(p.b.Lesen({"-"}), std::nullopt);
  EXPECT_EQ(p.eingabe, "-");
}

TEST(Befehlszeile, AufrufzeilenUndOptionshilfe) {
  Probe p;
  EXPECT_EQ(p.b.Aufrufzeilen(),
            "Aufruf: kadrel-cli [--schalter] [--datei DATEI]\n"
            "                   [--gestein K[,PHI]]... [--kurven [KERN,...]] [EINGABE]\n"
            "       kadrel-cli --version\n");
  EXPECT_EQ(p.b.Optionshilfe(),
            "  --schalter           ein Schalter\n"
            "  --datei DATEI        eine Datei\n"
            "  --gestein K[,PHI]    ein Gestein; mehrmals erlaubt\n"
            "                       zweite Zeile\n"
            "  --kurven [KERN,...]  Kurven, wahlweise nur diese\n");
}

}  // namespace
