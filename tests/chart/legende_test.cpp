// The legend of many entries (Datendiagramm::legendeMehrzeilig): columns as
// many as its widest entry allows, rows as needed, the information and
// document lines moved below it.
#include "Aufzeichnungsflaeche.h"
#include "Datendiagramm.h"
#include "Diagramm.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Zeichnungspruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Art = Aufzeichnungsflaeche::Art;

const Stift kRot{Linienart::Durchgezogen, 3, {255, 0, 0}};

Datendiagramm MitEintraegen(int anzahl, const std::string& text) {
  Datendiagramm d;
  d.titel = "Kapillardruckkurven";
  d.x = {Achsenart::Linear, "Hg-Sättigung (-)", true, 0, 1};
  d.y = {Achsenart::Logarithmisch, "Kapillardruck (bar)", false, 0, 0};
  d.legendeMehrzeilig = true;
  for (int i = 0; i < anzahl; ++i) {
    d.reihen.push_back({Reihenart::Linie, kRot, {0.1, 0.9}, {1, 100}});
    d.legende.push_back({Reihenart::Linie, kRot, text + std::to_string(i)});
  }
  d.info = "Info";
  return d;
}

class Legende : public ::testing::Test {
 protected:
  Legende() { doc.SetPathName("/daten/k.kdr"); }

  void Aufnehmen(const Datendiagramm& daten) {
    d.SetDatendiagramm(&daten);
    d.OnGraf();
    flaeche = {};
    d.draw(flaeche);
  }
  Punkt Ort(const std::string& text) const {
    const auto* e = flaeche.Text(text);
    return e ? e->punkte[0] : Punkt{-99999, -99999};
  }

  FakePlattform plattform;
  CKadrelDoc doc{plattform};
  Diagramm d{doc};
  Aufzeichnungsflaeche flaeche;
};

// "AD-250" … "AD-259" (6 characters) are 135 wide in F3 (the recording's
// characters are half the cell of 45), "AD-2510" … 157; with the sample (30 +
// 100) an entry takes 265 or 287. Two rows would need 7 columns (2179 with
// the gaps of 40), more than the 1700 between the margins; three rows take
// 5 columns of 265, 265, 265, 287 and 287, 1529 with the gaps, centred from
// -200 + (1700 - 1529) / 2 = -115. Texts start at their column's left edge,
// the samples line up after the column's widest text.
TEST_F(Legende, DreizehnEintraegeInFuenfSpaltenUndDreiZeilen) {
  const Datendiagramm daten = MitEintraegen(13, "AD-25");
  Aufnehmen(daten);
  EXPECT_EQ(Ort("AD-250"), (Punkt{-115 + 68, -880}));
  EXPECT_EQ(Ort("AD-251"), (Punkt{-115 + 68, -920}));
  EXPECT_EQ(Ort("AD-252"), (Punkt{-115 + 68, -960}));
  EXPECT_EQ(Ort("AD-253"), (Punkt{190 + 68, -880}));
  EXPECT_EQ(Ort("AD-2512"), (Punkt{1127 + 79, -880}));
  EXPECT_EQ(flaeche.Text("AD-250")->schrift, zeichnung::kF3);
  const auto muster = [this](Punkt von) {
    for (const auto& e : flaeche.Alle(Art::Linie)) {
      if (e.stift == kRot && e.punkte == std::vector<Punkt>{von, {von.x + 100, von.y}}) return true;
    }
    return false;
  };
  EXPECT_TRUE(muster({-115 + 135 + 30, -900}));
  EXPECT_TRUE(muster({1127 + 157 + 30, -900}));
  // One row more than two: information and document lines 40 lower.
  EXPECT_EQ(Ort("Info"), (Punkt{650, -1000}));
  EXPECT_EQ(Ort("Dokument /daten/k.kdr"), (Punkt{100, -1040}));
  EXPECT_EQ(flaeche.Text("Info")->schrift, zeichnung::kF4);
}

struct Raster {
  const char* name;
  int anzahl;
  const char* text;
  int zeilen;  // rows the entries take
  int infoY;   // the information line's top
};

class LegendeRaster : public Legende, public ::testing::WithParamInterface<Raster> {};

// Rows from the top of the legend (-880) 40 apart: the last entry stands in
// the last row of its column or above.
TEST_P(LegendeRaster, ZeilenUndInformationszeile) {
  const Raster& r = GetParam();
  const Datendiagramm daten = MitEintraegen(r.anzahl, r.text);
  Aufnehmen(daten);
  int tiefste = 0;
  for (int i = 0; i < r.anzahl; ++i) tiefste = std::min(tiefste, Ort(r.text + std::to_string(i)).y);
  EXPECT_EQ(tiefste, -880 - 40 * (r.zeilen - 1));
  EXPECT_EQ(Ort("Info").y, r.infoY);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LegendeRaster,
    ::testing::Values(Raster{"EinEintrag", 1, "K", 1, -960}, Raster{"FuenfKurzeInEinerZeile", 5, "AD-25", 1, -960},
                      Raster{"ZehnInZweiZeilen", 10, "AD-25", 2, -960}, Raster{"ZwoelfInDrei", 12, "AD-25", 3, -1000},
                      // 40 characters (900 wide): one column, a row each.
                      Raster{"BreiteEintraegeUntereinander", 3, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", 3, -1000}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
