#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Archiv.h"
#include "DokumentFixture.h"
#include "Textdatei.h"

namespace {

using Liste = std::vector<std::string>;

Liste EchteDaten() {
  std::string bytes, fehler;
  EXPECT_TRUE(text::DateiLesen(KADREL_ARAB_D, bytes, fehler)) << fehler;
  return text::ZeilenAusBytes(bytes);
}

// Every message a run may show starts with one of these.
bool BekannteMeldung(const std::string& t) {
  static const char* const anfaenge[] = {"ABBRUCH",
                                         "Die Messung mit der Permeabilität:",
                                         "Erforderlich sind",
                                         "Es werden maximal",
                                         "Keine ",
                                         "Falsche Gesamtgrafik",
                                         "Die Anpassung der Messung"};
  for (const char* a : anfaenge) {
    if (t.rfind(a, 0) == 0) return true;
  }
  return false;
}

class Robustheit : public DokumentFixture {
 protected:
  void PruefeLauf(const Liste& zeilen) {
    plattform.protokoll.clear();
    Auswerten(zeilen);
    EXPECT_GE(doc.Parameterliste.size(), 3u);
    EXPECT_LE(doc.Maxwerte, 99);
    for (const auto& m : plattform.protokoll) EXPECT_TRUE(BekannteMeldung(m.text)) << m.text;
    for (const auto& z : doc.Parameterliste) {
      EXPECT_EQ(z.find("nan"), std::string::npos) << z;
      EXPECT_EQ(z.find("inf"), std::string::npos) << z;
    }
  }
};

TEST_F(Robustheit, ZufaelligeUndVeraenderteEingaben) {
  std::mt19937 zufall(20261208);
  const Liste echt = EchteDaten();
  ASSERT_GT(echt.size(), 1000u);
  const Liste woerter = {"PERMEABILITAET:",
                         "ENDE",
                         "1e39",
                         "-0",
                         "0",
                         "1",
                         "0.5",
                         "nan",
                         "inf",
                         "0x1p3",
                         "1e-45",
                         "3.4e38",
                         "-7",
                         ".",
                         "+",
                         "1,5",
                         "\t",
                         "Ä",
                         std::string("a\0b", 3),
                         "9999999999"};
  auto zufallsZeile = [&] {
    std::string z;
    const int n = static_cast<int>(zufall() % 5);
    for (int i = 0; i < n; ++i) {
      if (zufall() % 4 == 0) {
        const int laenge = static_cast<int>(zufall() % 12);
        for (int k = 0; k < laenge; ++k) z += static_cast<char>(zufall() % 256);
      } else {
        z += woerter[zufall() % woerter.size()];
      }
      z += ' ';
    }
    return z;
  };
  for (int runde = 0; runde < 2000; ++runde) {
    Liste z;
    const std::size_t anfang = (zufall() % 300) * 16;
    z.assign(echt.begin() + static_cast<long>(anfang),
             echt.begin() + static_cast<long>(anfang + 16 * (1 + zufall() % 8)));
    const int aenderungen = static_cast<int>(zufall() % 6);
    for (int a = 0; a < aenderungen && !z.empty(); ++a) {
      const std::size_t i = zufall() % z.size();
      switch (zufall() % 5) {
        case 0:
          z.erase(z.begin() + static_cast<long>(i));
          break;
        case 1:
          z.insert(z.begin() + static_cast<long>(i), zufallsZeile());
          break;
        case 2:
          z[i] = zufallsZeile();
          break;
        case 3:
          if (!z[i].empty()) z[i][zufall() % z[i].size()] = static_cast<char>(zufall() % 256);
          break;
        default:
          z.insert(z.begin() + static_cast<long>(i), z[zufall() % z.size()]);
          break;
      }
    }
    PruefeLauf(z);
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "round " << runde;
      return;
    }
  }
}

TEST_F(Robustheit, ExtremeZahlenErzeugenKeineNanInDenBerichten) {
  PruefeLauf({"PERMEABILITAET: 3e38 K", "1e-38 0", "3e38 1e-38", "3.4e38 1", "ENDE", "PERMEABILITAET: 1e-38 K", "0 0",
              "1e-30 0.5", "1e-20 1", "ENDE"});
  EXPECT_EQ(doc.Parameterliste.size(), 4u);
  const Liste texte = plattform.Texte();
  EXPECT_NE(
      std::find(texte.begin(), texte.end(),
                "Die Anpassung der Messung K ergibt keine endlichen Werte!\nDie Messung fehlt in der Parameterliste."),
      texte.end());
}

TEST_F(Robustheit, GrosseEingabenOhneAbsturzUndOhneHaengen) {
  // A million lines the reader passes over, then one measurement.
  Liste viele(1000000, "Messreihe 7");
  viele.insert(viele.begin(), "PERMEABILITAET: 1 A");
  viele.insert(viele.end(), {"0.1 0", "0.5 0.2", "2 0.6", "ENDE"});
  PruefeLauf(viele);
  EXPECT_EQ(doc.Parameterliste.size(), 4u);

  // Lines of 100 000 characters: digits, a long word, a long label.
  const std::string ziffern(100000, '7');
  const std::string wort(100000, 'W');
  PruefeLauf({"PERMEABILITAET: 5 " + wort, "0.1 0", ziffern + " 0.5", "0.9 0.6 " + wort, "ENDE", wort + " 12"});
  EXPECT_EQ(doc.Parameterliste.size(), 3u);  // the huge pressure is no number
  PruefeLauf({"PERMEABILITAET: 5 " + wort, "0.1 0", "0.5 0.5", "0.9 0.6 " + wort, "ENDE"});
  ASSERT_EQ(doc.Parameterliste.size(), 4u);
  EXPECT_EQ(doc.Kern, wort);  // a long label is kept whole
}

TEST_F(Robustheit, DokumentdateiAusZufallsbytes) {
  std::mt19937 zufall(7);
  for (int runde = 0; runde < 3000; ++runde) {
    std::string bytes(zufall() % 40, '\0');
    for (auto& b : bytes) b = static_cast<char>(zufall() % 256);
    if (runde % 3 == 0 && bytes.size() >= 2) bytes[1] = 0;  // small counts more often
    Textliste liste;
    Archiv ar = Archiv::ZumLaden(bytes);
    if (ar.ListeLesen(liste)) {
      // Whatever loads must store again and load to the same lines.
      Archiv aus = Archiv::ZumSpeichern();
      ASSERT_TRUE(aus.ListeSchreiben(liste));
      Textliste wieder;
      Archiv ein = Archiv::ZumLaden(aus.Bytes());
      ASSERT_TRUE(ein.ListeLesen(wieder));
      EXPECT_EQ(wieder, liste);
    } else {
      EXPECT_FALSE(ar.Fehler().empty());
    }
  }
}

TEST(Textdatei, ZeilenendenUndLetzteZeile) {
  EXPECT_EQ(text::ZeilenAusBytes("a\r\nb\nc"), (Liste{"a", "b", "c"}));
  EXPECT_EQ(text::ZeilenAusBytes("a\n\n"), (Liste{"a", ""}));
  EXPECT_EQ(text::ZeilenAusBytes(""), Liste{});
  EXPECT_EQ(text::ZeilenAusBytes("K\xC4\r\n"), Liste{"KÄ"});
}

}  // namespace
