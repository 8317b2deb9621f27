// The recorded drawing of a chart given by its data: frame and texts as the
// other charts, logarithmic ticks and labels, series, marks, legend and grid.
#include "Aufzeichnungsflaeche.h"
#include "Datendiagramm.h"
#include "Diagramm.h"
#include "Diagrammdaten.h"
#include "Zeichnungspruefung.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Art = Aufzeichnungsflaeche::Art;
using Eintrag = Aufzeichnungsflaeche::Eintrag;

using namespace zeichnung;

const Stift kRot{Linienart::Durchgezogen, 3, {255, 0, 0}};
const Stift kBlau{Linienart::Gestrichelt, 3, {0, 0, 255}};
const Stift kGruen{Linienart::Durchgezogen, 2, {0, 160, 0}};

// Pressure 1 ... 100 over saturation 0 ... 1: two decades on a frame 750
// high put 1 at -750, 10 at -375 and 100 at 0.
Datendiagramm Druckkurve() {
  Datendiagramm d;
  d.titel = "Thomeer-Analyse";
  d.untertitel = "Kern 7";
  d.x = {Achsenart::Linear, "Hg-Sättigung", true, 0, 1};
  d.y = {Achsenart::Logarithmisch, "Kapillardruck [bar]", false, 0, 0};
  d.reihen.push_back({Reihenart::Sterne, kBlau, {0.2, 0.5, 0.8}, {1, 10, 100}});
  d.reihen.push_back({Reihenart::Linie, kRot, {0.2, 0.5, 0.8}, {1, 10, 100}});
  d.ymarken.push_back({10, kGruen});
  d.legende.push_back({Reihenart::Sterne, kBlau, "Messwerte"});
  d.legende.push_back({Reihenart::Linie, kRot, "Pd 10 bar"});
  d.info = "2 Systeme";
  return d;
}

bool Gleich(const Eintrag& a, const Eintrag& b) {
  return a.art == b.art && a.punkte == b.punkte && a.text == b.text && a.stift == b.stift && a.schrift == b.schrift;
}

class DatenZeichnen : public ::testing::Test {
 protected:
  DatenZeichnen() { doc.SetPathName("/daten/kern7.kdr"); }

  void Aufnehmen(const Datendiagramm& daten) {
    d.SetDatendiagramm(&daten);
    d.OnGraf();
    flaeche = {};
    d.draw(flaeche);
  }

  std::vector<Eintrag> Linien(const Stift& stift) const {
    std::vector<Eintrag> auswahl;
    for (const auto& e : flaeche.Alle(Art::Linie)) {
      if (e.stift == stift) auswahl.push_back(e);
    }
    return auswahl;
  }

  // The labels at x = -130 (the y axis), with the tick's position.
  std::vector<std::pair<int, std::string>> YBeschriftung() const {
    std::vector<std::pair<int, std::string>> t;
    for (const auto& e : flaeche.Alle(Art::Text)) {
      if (e.punkte[0].x == -130) t.emplace_back(e.punkte[0].y - 20, e.text);
    }
    return t;
  }

  std::vector<std::pair<int, std::string>> XBeschriftung() const {
    std::vector<std::pair<int, std::string>> t;
    for (const auto& e : flaeche.Alle(Art::Text)) {
      if (e.punkte[0].y == -d.hoehe - 30) t.emplace_back(e.punkte[0].x, e.text);
    }
    return t;
  }

  FakePlattform plattform;
  CKadrelDoc doc{plattform};
  Diagramm d{doc};
  Aufzeichnungsflaeche flaeche;
};

TEST_F(DatenZeichnen, RahmenUndTexteWieDieAnderenDiagramme) {
  const Datendiagramm daten = Druckkurve();
  Aufnehmen(daten);
  EXPECT_EQ(d.Art(), Diagrammart::Daten);
  RahmenUndTexte(flaeche, {
                              {"Thomeer-Analyse", {650, 230}, kF1},
                              {"Kern 7", {650, 150}, kF2},
                              {"Kapillardruck [bar]", {-50, 100}, kF2},
                              {"Hg-Sättigung", {650, -820}, kF2},
                              {"Dokument /daten/kern7.kdr", {100, -1000}, kF3},
                              {"2 Systeme", {650, -960}, kF4},
                          });
}

TEST_F(DatenZeichnen, LogarithmischeYAchse) {
  const Datendiagramm daten = Druckkurve();
  Aufnehmen(daten);
  EXPECT_EQ(YBeschriftung(), (std::vector<std::pair<int, std::string>>{{-750, "1"}, {-375, "10"}, {0, "100"}}));
  // Ticks: 3 labelled (10 long), 16 between (5 long); at 2: 750 * log10(2) / 2 = 112.9 above the bottom.
  int lang = 0;
  std::vector<int> kurz;
  for (const auto& e : Linien(kA)) {
    if (e.punkte[0].x != 0 || e.punkte[0].y != e.punkte[1].y) continue;
    if (e.punkte[1].x == -10) ++lang;
    if (e.punkte[1].x == -5) kurz.push_back(e.punkte[0].y);
  }
  EXPECT_EQ(lang, 3);
  ASSERT_EQ(kurz.size(), 16u);
  EXPECT_EQ(kurz[0], -637);
  EXPECT_EQ(kurz[8], -262);  // 20: 375 + 112.9 above the bottom
  // The grid at the inner decade only, and at the inner x ticks 0.2 ... 0.8.
  const auto gitter = Linien(kD);
  ASSERT_EQ(gitter.size(), 5u);
  EXPECT_EQ(gitter[0].punkte, (std::vector<Punkt>{{0, -375}, {1300, -375}}));
  EXPECT_EQ(gitter[1].punkte, (std::vector<Punkt>{{260, -750}, {260, 0}}));
}

TEST_F(DatenZeichnen, LineareXAchseMitLetztemTickImRahmen) {
  const Datendiagramm daten = Druckkurve();
  Aufnehmen(daten);
  EXPECT_EQ(XBeschriftung(), (std::vector<std::pair<int, std::string>>{
                                 {0, "0"}, {260, "0.2"}, {520, "0.4"}, {780, "0.6"}, {1040, "0.8"}, {1299, "1"}}));
}

TEST_F(DatenZeichnen, ReihenMarkeUndLegende) {
  const Datendiagramm daten = Druckkurve();
  Aufnehmen(daten);
  const auto linien = flaeche.Alle(Art::Polylinie);
  ASSERT_EQ(linien.size(), 1u);
  EXPECT_EQ(linien[0].punkte, (std::vector<Punkt>{{260, -750}, {650, -375}, {1040, 0}}));
  EXPECT_EQ(linien[0].stift, kRot);
  // A star at (650, -375): two diagonals, a horizontal and a vertical stroke.
  const auto sterne = Linien(kBlau);
  ASSERT_GE(sterne.size(), 12u);
  EXPECT_EQ(sterne[4].punkte, (std::vector<Punkt>{{646, -379}, {654, -371}}));
  EXPECT_EQ(sterne[7].punkte, (std::vector<Punkt>{{650, -379}, {650, -371}}));
  // The entry pressure's mark: dashed, into the frame from the y axis.
  Stift marke = kGruen;
  marke.art = Linienart::Gestrichelt;
  const auto marken = Linien(marke);
  ASSERT_EQ(marken.size(), 1u);
  EXPECT_EQ(marken[0].punkte, (std::vector<Punkt>{{0, -375}, {60, -375}}));

  const Eintrag* mess = flaeche.Text("Messwerte");
  const Eintrag* pd = flaeche.Text("Pd 10 bar");
  ASSERT_NE(mess, nullptr);
  ASSERT_NE(pd, nullptr);
  EXPECT_EQ(mess->punkte[0].y, -880);
  EXPECT_EQ(pd->punkte[0].y, -920);
  EXPECT_EQ(mess->punkte[0].x, pd->punkte[0].x);
  EXPECT_EQ(mess->schrift, kF3);
  EXPECT_EQ(pd->stift, kRot);
  // The line sample of "Pd 10 bar" starts right of its text, 20 below its top.
  const int rechts = pd->punkte[0].x + 9 * 45 / 2 / 2;
  bool muster = false;
  for (const auto& e : Linien(kRot)) {
    if (e.punkte[0].y == -940 && e.punkte[1].y == -940 && e.punkte[0].x > rechts) muster = true;
  }
  EXPECT_TRUE(muster);
}

// Points with no place on a logarithmic axis are left out and break the line.
TEST_F(DatenZeichnen, NullUndNegativesUnterbrechenDieLinie) {
  Datendiagramm daten = Druckkurve();
  daten.reihen = {{Reihenart::Linie, kRot, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6}, {1, 2, 0, -4, 5, 6}}};
  daten.ymarken = {{0, kGruen}};
  Aufnehmen(daten);
  const auto linien = flaeche.Alle(Art::Polylinie);
  ASSERT_EQ(linien.size(), 2u);
  EXPECT_EQ(linien[0].punkte.size(), 2u);
  EXPECT_EQ(linien[1].punkte.size(), 2u);
  EXPECT_EQ(linien[1].punkte[0].x, 650);
  // Only 1 ... 10 is spanned: the decade holding the positive values.
  EXPECT_EQ(YBeschriftung(), (std::vector<std::pair<int, std::string>>{{-750, "1"}, {0, "10"}}));
  Stift marke = kGruen;
  marke.art = Linienart::Gestrichelt;
  EXPECT_TRUE(Linien(marke).empty());
}

TEST_F(DatenZeichnen, BalkenVomUnterenRand) {
  Datendiagramm daten;
  daten.x = {Achsenart::Logarithmisch, "r", false, 0, 0};
  daten.y = {Achsenart::Linear, "dS", true, 0, 1};
  daten.reihen = {{Reihenart::Balken, kGruen, {0.1, 1, 10}, {0.5, 1, 0}}};
  Aufnehmen(daten);
  const auto balken = Linien(kGruen);
  ASSERT_EQ(balken.size(), 3u);
  EXPECT_EQ(balken[0].punkte, (std::vector<Punkt>{{0, -750}, {0, -375}}));
  EXPECT_EQ(balken[1].punkte, (std::vector<Punkt>{{650, -750}, {650, 0}}));
  EXPECT_EQ(balken[2].punkte, (std::vector<Punkt>{{1300, -750}, {1300, -750}}));
  EXPECT_EQ(XBeschriftung(), (std::vector<std::pair<int, std::string>>{{0, "0.1"}, {650, "1"}, {1299, "10"}}));
}

// Labels of many decades that would run into each other are thinned; the
// first is always written and none overlaps its neighbour.
TEST_F(DatenZeichnen, VieleDekadenOhneUeberlappung) {
  Datendiagramm daten = Druckkurve();
  daten.x = {Achsenart::Logarithmisch, "x", false, 0, 0};
  daten.reihen = {{Reihenart::Linie, kRot, {0.001, 1e9}, {1, 100}}};
  Aufnehmen(daten);
  const auto texte = XBeschriftung();
  ASSERT_GE(texte.size(), 3u);
  EXPECT_EQ(texte.front().second, "0.001");
  for (std::size_t i = 1; i < texte.size(); ++i) {
    const int links = texte[i].first - flaeche.TextAusdehnung(texte[i].second).breite / 2;
    const int rechts = texte[i - 1].first + flaeche.TextAusdehnung(texte[i - 1].second).breite / 2;
    EXPECT_LT(rechts, links) << texte[i].second;
  }
  // 12 decades of 108 units; "1000000000" is 225 wide: every third decade.
  EXPECT_EQ(texte[1].second, "1");
  EXPECT_EQ(texte.back().second, "1000000000");
}

// Five entries go into three columns of two rows; no two overlap, and all
// stay above the information line.
TEST_F(DatenZeichnen, LegendeInSpalten) {
  Datendiagramm daten = Druckkurve();
  daten.legende.clear();
  for (const char* t : {"0.01 mD", "0.1 mD", "1 mD", "10 mD", "100 mD"}) {
    daten.legende.push_back({Reihenart::Linie, kRot, t});
  }
  Aufnehmen(daten);
  std::vector<const Eintrag*> eintraege;
  for (const char* t : {"0.01 mD", "0.1 mD", "1 mD", "10 mD", "100 mD"}) {
    eintraege.push_back(flaeche.Text(t));
    ASSERT_NE(eintraege.back(), nullptr) << t;
    EXPECT_GE(eintraege.back()->punkte[0].y, -920) << t;
  }
  EXPECT_EQ(eintraege[0]->punkte[0].y, -880);
  EXPECT_EQ(eintraege[1]->punkte[0].y, -920);
  EXPECT_EQ(eintraege[2]->punkte[0].y, -880);
  EXPECT_LT(eintraege[0]->punkte[0].x, eintraege[2]->punkte[0].x);
  EXPECT_LT(eintraege[2]->punkte[0].x, eintraege[4]->punkte[0].x);
  // Column of 1700 / 3 = 566 units: text and its 130-unit sample fit in.
  EXPECT_GE(eintraege[0]->punkte[0].x, -200);
  EXPECT_LE(eintraege[4]->punkte[0].x + 130, 1500);
}

TEST_F(DatenZeichnen, DruckgroesseAufDerHochformatseite) {
  const Datendiagramm daten = Druckkurve();
  d.SetDatendiagramm(&daten);
  d.DruckBeginnen(2100, 2970);
  d.OnGraf();
  d.draw(flaeche);
  EXPECT_EQ(d.hoehe, 2100);
  EXPECT_EQ(YBeschriftung(), (std::vector<std::pair<int, std::string>>{{-2100, "1"}, {-1050, "10"}, {0, "100"}}));
  EXPECT_EQ(flaeche.Text("Dokument /daten/kern7.kdr")->punkte[0], (Punkt{100, -2350}));
}

// Without the data chart the options' chart draws exactly as before.
TEST_F(DatenZeichnen, ZurueckZumDiagrammDerOptionen) {
  KurveFuellen(doc, {0, 0.5f, 1}, {1, 0.3f, 0}, {1, 0.25f, 0});
  Diagramm vorher(doc);
  vorher.OnGraf();
  Aufzeichnungsflaeche soll;
  vorher.draw(soll);

  const Datendiagramm daten = Druckkurve();
  Aufnehmen(daten);
  d.SetDatendiagramm(nullptr);
  d.OnGraf();
  flaeche = {};
  d.draw(flaeche);
  EXPECT_EQ(d.Art(), Diagrammart::Kurve);
  ASSERT_EQ(flaeche.eintraege.size(), soll.eintraege.size());
  for (std::size_t i = 0; i < soll.eintraege.size(); ++i) {
    EXPECT_TRUE(Gleich(flaeche.eintraege[i], soll.eintraege[i])) << i;
  }
}

// A log track: depth downwards, 1000 m at the top of the frame and 1020 m at
// its bottom, and the free-water level as a line across with its text.
TEST_F(DatenZeichnen, TiefeNachUntenUndQuerlinie) {
  Datendiagramm daten;
  daten.x = {Achsenart::Linear, "Sw", true, 0, 1};
  daten.y = {Achsenart::Linear, "Tiefe [m]", false, 0, 0, true};
  daten.reihen = {{Reihenart::Linie, kRot, {0.2, 0.5, 0.8}, {1000, 1010, 1020}}};
  const Stift fwl{Linienart::Gestrichelt, 3, {255, 0, 0}};
  daten.querlinien = {{1015, fwl, "FWL 1015 M"}};
  Aufnehmen(daten);
  EXPECT_TRUE(d.YAchse().Umgekehrt());
  const auto linien = flaeche.Alle(Art::Polylinie);
  ASSERT_EQ(linien.size(), 1u);
  EXPECT_EQ(linien[0].punkte, (std::vector<Punkt>{{260, 0}, {650, -375}, {1040, -750}}));
  const auto y = YBeschriftung();
  ASSERT_FALSE(y.empty());
  EXPECT_EQ(y.front(), (std::pair<int, std::string>{0, "1000"}));
  EXPECT_EQ(y.back(), (std::pair<int, std::string>{-750, "1020"}));
  // The line across the frame at 1015 m: three quarters down, -562.5
  // rounded upwards as every chart point.
  const auto quer = Linien(fwl);
  ASSERT_EQ(quer.size(), 1u);
  EXPECT_EQ(quer[0].punkte, (std::vector<Punkt>{{0, -562}, {1300, -562}}));
  // Its text (10 characters of 22.5 units, 45 high) ends 10 units inside
  // the right of the frame and stands 10 above the line.
  const Eintrag* text = flaeche.Text("FWL 1015 M");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->punkte[0], (Punkt{1300 - 10 - 113, -562 + 10 + 45}));
  EXPECT_EQ(text->schrift, kF3);
  EXPECT_EQ(text->stift, fwl);
  // The grid lies on the same ticks as without the reversal, mirrored:
  // 1005 m a quarter down, -187.5.
  const auto gitter = Linien(kD);
  ASSERT_FALSE(gitter.empty());
  EXPECT_EQ(gitter[0].punkte, (std::vector<Punkt>{{0, -187}, {1300, -187}}));
}

// A line next to the top of the frame has its text below it.
TEST_F(DatenZeichnen, QuerlinieObenMitTextDarunter) {
  Datendiagramm daten;
  daten.x = {Achsenart::Linear, "Sw", true, 0, 1};
  daten.y = {Achsenart::Linear, "Tiefe [m]", true, 1000, 1020, true};
  daten.querlinien = {{1001, kGruen, "FWL"}, {1030, kGruen, "außerhalb"}};
  Aufnehmen(daten);
  const auto quer = Linien(kGruen);
  ASSERT_EQ(quer.size(), 1u) << "a line outside a fixed range is left out";
  EXPECT_EQ(quer[0].punkte[0].y, -37);  // 1001 of 1000 ... 1020: 37.5 below the top
  const Eintrag* text = flaeche.Text("FWL");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->punkte[0].y, -37 - 10);
  EXPECT_EQ(flaeche.Text("außerhalb"), nullptr);
}

// On a low frame, the labels of thirty decades would run into each other:
// every third is written (25 units a decade, 45 a label).
TEST_F(DatenZeichnen, VieleDekadenAufDerYAchseAusgeduennt) {
  Datendiagramm daten = Druckkurve();
  daten.reihen = {{Reihenart::Linie, kRot, {0, 1}, {1e-15, 1e15}}};
  Aufnehmen(daten);
  const auto texte = YBeschriftung();
  ASSERT_EQ(texte.size(), 11u);
  EXPECT_EQ(texte.front().second, "1e-015");
  EXPECT_EQ(texte.back().second, "1e+015");
  for (std::size_t i = 1; i < texte.size(); ++i) EXPECT_GE(texte[i].first - texte[i - 1].first, 55) << i;
}

// A y axis text too long for the left margin moves right until it starts
// on the page (chart x -400 is the page's left edge).
TEST_F(DatenZeichnen, LangerYTextBleibtAufDerSeite) {
  Datendiagramm daten = Druckkurve();
  daten.y.text = "Höhe über freiem Wasserspiegel [m]";
  Aufnehmen(daten);
  const Eintrag* e = flaeche.Text(daten.y.text);
  ASSERT_NE(e, nullptr);
  // 34 characters of 27.5 units: 935 wide, so its centre is at -390 + 467.
  EXPECT_EQ(e->punkte[0], (Punkt{77, 100}));
}

// The legend right of the frame: one entry per row from the frame's top,
// the sample first, the text after it, left-aligned.
TEST_F(DatenZeichnen, LegendeRechtsVomRahmen) {
  Datendiagramm daten = Druckkurve();
  daten.legendenlage = Legendenlage::Rechts;
  Aufnehmen(daten);
  const Eintrag* mess = flaeche.Text("Messwerte");
  const Eintrag* pd = flaeche.Text("Pd 10 bar");
  ASSERT_TRUE(mess && pd);
  // Texts from x = 1300 + 30 + 60 + 15 = 1405; "Messwerte" is 9 · 45 / 2 = 202 wide.
  EXPECT_EQ(mess->punkte[0], (Punkt{1405 + 101, 0}));
  EXPECT_EQ(pd->punkte[0], (Punkt{1405 + 101, -50}));
  EXPECT_EQ(mess->schrift, kF3);
  EXPECT_EQ(pd->stift, kRot);
  // The line sample of "Pd 10 bar": 60 long, from 30 beside the frame, at the middle of its text.
  bool muster = false;
  for (const auto& e : Linien(kRot)) {
    if (e.punkte == std::vector<Punkt>{{1330, -72}, {1390, -72}}) muster = true;
  }
  EXPECT_TRUE(muster);
  // Nothing of the legend below the frame.
  for (const auto& e : flaeche.Alle(Art::Text)) {
    if (e.text == "Messwerte" || e.text == "Pd 10 bar") {
      EXPECT_GE(e.punkte[0].y, -750);
    }
  }
}

TEST_F(DatenZeichnen, VieleEintraegeRechtsEngerUndGezaehlt) {
  Datendiagramm daten = Druckkurve();
  daten.legendenlage = Legendenlage::Rechts;
  daten.legende.clear();
  for (int i = 0; i < 20; ++i) daten.legende.push_back({Reihenart::Sterne, kBlau, "DRT " + std::to_string(i)});
  Aufnehmen(daten);
  // 20 rows of 50 exceed the frame's 750: the smaller font, 40 apart, 18 rows
  // of which the last counts the 3 entries left out.
  const Eintrag* erster = flaeche.Text("DRT 0");
  const Eintrag* letzter = flaeche.Text("DRT 16");
  ASSERT_TRUE(erster && letzter);
  EXPECT_EQ(erster->schrift, kF4);
  EXPECT_EQ(letzter->punkte[0].y, -16 * 40);
  EXPECT_EQ(flaeche.Text("DRT 17"), nullptr);
  const Eintrag* rest = flaeche.Text("… 3 weitere");
  ASSERT_NE(rest, nullptr);
  EXPECT_EQ(rest->punkte[0].y, -17 * 40);
  EXPECT_EQ(rest->stift, kA);
}

TEST_F(DatenZeichnen, RechtsAufSchmalerSeiteKleinereSchrift) {
  Datendiagramm daten = Druckkurve();
  daten.legendenlage = Legendenlage::Rechts;
  daten.legende = {{Reihenart::Linie, kRot, "r35 = 0.1 µm xx"}};
  d.SetDatendiagramm(&daten);
  d.OnGraf();
  // An A4 page upright: 210 mm wide, from x = -400 to 1700; 15 characters of
  // 22 units do not fit in the 295 after x = 1405, in the smaller font 17 do.
  d.DruckBeginnen(2100, 2970);
  flaeche = {};
  d.draw(flaeche);
  const Eintrag* t = flaeche.Text("r35 = 0.1 µm xx");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->schrift, kF4);
  d.DruckBeenden();
}

}  // namespace
