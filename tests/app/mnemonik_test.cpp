#include "Mnemonik.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct Zeichenfall {
  const char* text;
  const char* zeichen;
};

class MnemonikZeichenTest : public ::testing::TestWithParam<Zeichenfall> {};

TEST_P(MnemonikZeichenTest, ZeichenNachDemKaufmannsUnd) {
  EXPECT_EQ(mnemonik::Zeichen(GetParam().text), GetParam().zeichen) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Faelle, MnemonikZeichenTest,
                         ::testing::Values(Zeichenfall{"&Datei", "d"}, Zeichenfall{"Ö&ffnen...\tStrg+O", "f"},
                                           Zeichenfall{"Daten Ändern", ""}, Zeichenfall{"Zeile &ändern", "ä"},
                                           Zeichenfall{"&Ändern", "ä"}, Zeichenfall{"&?", "?"},
                                           Zeichenfall{"Grau && Grün", ""}, Zeichenfall{"Grau && &Grün", "g"},
                                           Zeichenfall{"&1 /tmp/a&&b.kdr", "1"}, Zeichenfall{"Ende&", ""},
                                           Zeichenfall{"", ""}));

struct Ergaenzung {
  const char* name;
  const char* text;
  std::set<std::string> vergeben;
  const char* ergebnis;
};

class MnemonikErgaenzenTest : public ::testing::TestWithParam<Ergaenzung> {};

TEST_P(MnemonikErgaenzenTest, FreiesZeichenBevorzugtWortanfaenge) {
  const Ergaenzung& e = GetParam();
  const std::string aus = mnemonik::Ergaenzen(e.text, e.vergeben);
  EXPECT_EQ(aus, e.ergebnis);
  // Whatever was chosen is free.
  const std::string z = mnemonik::Zeichen(aus);
  if (!z.empty() && mnemonik::Zeichen(e.text).empty()) {
    EXPECT_EQ(e.vergeben.count(z), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, MnemonikErgaenzenTest,
    ::testing::Values(Ergaenzung{"ErsterBuchstabe", "Porenradien", {}, "&Porenradien"},
                      Ergaenzung{"BehaeltSeinen", "Po&renradien", {"r"}, "Po&renradien"},
                      Ergaenzung{"ZweitesWort", "Bohrung laden...", {"b"}, "Bohrung &laden..."},
                      Ergaenzung{"NachBindestrich", "Thomeer-Parameter", {"t"}, "Thomeer-&Parameter"},
                      Ergaenzung{"DannImWort", "Petrophysik", {"p"}, "P&etrophysik"},
                      // Umlauts are left for letters every keyboard has.
                      Ergaenzung{
                          "UmlautUebersprungen", "Sättigungshöhenmodell...", {"s", "t"}, "Sätt&igungshöhenmodell..."},
                      Ergaenzung{"GrossKleinGleich", "Kapillardruckkurven", {"k", "a"}, "Ka&pillardruckkurven"},
                      Ergaenzung{"Ziffer", "3D", {"d"}, "&3D"}, Ergaenzung{"NichtsFrei", "ab", {"a", "b"}, "ab"},
                      Ergaenzung{"KaufmannsUndBleibt", "A && B", {"a"}, "A && &B"}),
    [](const ::testing::TestParamInfo<Ergaenzung>& info) { return info.param.name; });

}  // namespace
