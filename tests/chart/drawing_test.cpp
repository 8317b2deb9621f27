// The recorded drawing of each chart: where frame, texts, ticks, curves,
// symbols, legends and grid land, with which pen and font.
#include "Aufzeichnungsflaeche.h"
#include "Diagramm.h"
#include "Diagrammdaten.h"
#include "Zeichnungspruefung.h"
#include "FakePlattform.h"
#include "Cp1252.h"
#include "KadrelDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Art = Aufzeichnungsflaeche::Art;
using Eintrag = Aufzeichnungsflaeche::Eintrag;

using namespace zeichnung;

class Zeichnen : public ::testing::Test {
 protected:
  Zeichnen() {
    doc.Titel = "Kapillardruckkurve";
    doc.Untertitel = "Kern 7";
    doc.XText = "Normierte Sättigung Snorm(-)";
    doc.YText = "Kadrel(-)";
    doc.Legende1 = " Messwerte ";
    doc.Legende2 = "Rechenwerte";
    doc.Info = "Alfa: 8.4 Beta:0.14";
    doc.SetPathName("/daten/kern7.kdr");
  }

  void Kurve(const std::vector<float>& x, const std::vector<float>& y, const std::vector<float>& y1) {
    KurveFuellen(doc, x, y, y1);
  }

  void Parameter(const std::vector<float>& x, const std::vector<float>& y2, const std::vector<float>& y3) {
    ParameterFuellen(doc, 2, 3, x, y2, y3);
  }

  void Kurvenschar() {
    doc.iGrafik = 4;
    doc.MaxPchg = 87.3f;
    for (int j = 0; j < 5; ++j) {
      for (int q = 0; q < 31; ++q) {
        doc.XK[j][q] = 0.1f * static_cast<float>(j) + (1 - 0.1f * static_cast<float>(j)) * static_cast<float>(q) / 30;
        doc.YK[j][q] = 87.3f - 2.8f * static_cast<float>(q);
      }
    }
  }

  void Aufnehmen() {
    d.OnGraf();
    d.draw(flaeche);
  }

  // Lines drawn with one pen.
  std::vector<Eintrag> Linien(const Stift& stift) const {
    std::vector<Eintrag> auswahl;
    for (const auto& e : flaeche.Alle(Art::Linie)) {
      if (e.stift == stift) auswahl.push_back(e);
    }
    return auswahl;
  }

  // The x tick labels (font F3, top at -H - 30), left to right.
  std::vector<std::pair<int, std::string>> XBeschriftung() const {
    std::vector<std::pair<int, std::string>> t;
    for (const auto& e : flaeche.Alle(Art::Text)) {
      if (e.punkte[0].y == -d.hoehe - 30) t.emplace_back(e.punkte[0].x, e.text);
    }
    return t;
  }

  // The y tick labels (x = -130), bottom to top, with the tick's position.
  std::vector<std::pair<int, std::string>> YBeschriftung() const {
    std::vector<std::pair<int, std::string>> t;
    for (const auto& e : flaeche.Alle(Art::Text)) {
      if (e.punkte[0].x == -130) t.emplace_back(e.punkte[0].y - 20, e.text);
    }
    return t;
  }

  FakePlattform plattform;
  CKadrelDoc doc{plattform};
  Diagramm d{doc};
  Aufzeichnungsflaeche flaeche;
};

TEST_F(Zeichnen, RahmenUndTexteDerKurve) {
  Kurve({0, 0.5f, 1}, {1, 0.3f, 0}, {1, 0.25f, 0});
  Aufnehmen();
  RahmenUndTexte(flaeche, {
                              {"Kapillardruckkurve", {650, 230}, kF1},
                              {"Kern 7", {650, 150}, kF2},
                              {"Kadrel(-)", {-50, 100}, kF2},
                              {"Normierte Sättigung Snorm(-)", {650, -820}, kF2},
                              {"Dokument /daten/kern7.kdr", {100, -1000}, kF3},
                              {"Rechenwerte", {650, -880}, kF3},
                              {" Messwerte ", {650, -920}, kF3},
                              {"Alfa: 8.4 Beta:0.14", {650, -960}, kF4},
                          });
  // The label at the right edge stays empty.
  EXPECT_EQ(flaeche.Text("")->punkte[0], (Punkt{1360, 100}));
}

TEST_F(Zeichnen, XAchseMitLetztemTickInnerhalbDesRahmens) {
  Kurve({0, 0.5f, 1}, {1, 0.3f, 0}, {1, 0.25f, 0});
  Aufnehmen();
  const std::vector<std::pair<int, std::string>> soll = {{0, "    0"},   {260, "  0.2"},  {520, "  0.4"},
                                                         {780, "  0.6"}, {1040, "  0.8"}, {1299, "    1"}};
  EXPECT_EQ(XBeschriftung(), soll);
  std::vector<int> ticks;
  for (const auto& e : Linien(kA)) {
    if (e.punkte[0].y == -750 && e.punkte[1].y == -770) ticks.push_back(e.punkte[0].x);
  }
  EXPECT_EQ(ticks, (std::vector<int>{0, 260, 520, 780, 1040, 1299}));
}

TEST_F(Zeichnen, YAchse) {
  Kurve({0, 0.5f, 1}, {1, 0.3f, 0}, {1, 0.25f, 0});
  Aufnehmen();
  const std::vector<std::pair<int, std::string>> soll = {{-750, "     0"}, {-600, "   0.2"}, {-450, "   0.4"},
                                                         {-300, "   0.6"}, {-150, "   0.8"}, {0, "     1"}};
  EXPECT_EQ(YBeschriftung(), soll);
  int ticks = 0;
  for (const auto& e : Linien(kA)) {
    if (e.punkte[0].x == 0 && e.punkte[1].x == -10) ++ticks;
  }
  EXPECT_EQ(ticks, 6);
}

TEST_F(Zeichnen, KurveSymboleUndLegenden) {
  Kurve({0, 0.5f, 1}, {1, 0.3f, 0}, {1, 0.25f, 0});
  Aufnehmen();
  const auto polylinien = flaeche.Alle(Art::Polylinie);
  ASSERT_EQ(polylinien.size(), 1u);
  EXPECT_EQ(polylinien[0].stift, kB);
  EXPECT_EQ(polylinien[0].punkte, (std::vector<Punkt>{{0, 0}, {650, -562}, {1300, -750}}));

  // Legend line of the computed curve: c2 = 11 characters of cell 45, halved.
  const int c2 = 11 * 45 / 2;
  const auto rot = Linien(kB);
  ASSERT_EQ(rot.size(), 1u);
  EXPECT_EQ(rot[0].punkte, (std::vector<Punkt>{{650 + c2 - 100, -900}, {650 + c2 + 100, -900}}));

  // Three stars of four strokes, then the legend sample of 6 x 3 marks.
  const auto blau = Linien(kC);
  ASSERT_EQ(blau.size(), 3u * 4 + 18);
  // The second point (0.5, 0.3) lies at (650, -524): trunc(750 * 0.3f - 750).
  EXPECT_EQ(blau[4].punkte, (std::vector<Punkt>{{646, -528}, {654, -520}}));
  EXPECT_EQ(blau[5].punkte, (std::vector<Punkt>{{646, -520}, {654, -528}}));
  EXPECT_EQ(blau[6].punkte, (std::vector<Punkt>{{646, -524}, {654, -524}}));
  EXPECT_EQ(blau[7].punkte, (std::vector<Punkt>{{650, -528}, {650, -520}}));
  const int c1 = 11 * 45 / 2;
  EXPECT_EQ(blau[12].punkte, (std::vector<Punkt>{{650 + c1 - 100, -940}, {650 + c1 - 96, -940}}));
  EXPECT_EQ(blau.back().punkte, (std::vector<Punkt>{{650 + c1 + 200 - 100, -938}, {650 + c1 + 200 - 96, -938}}));
}

TEST_F(Zeichnen, GitterAnDenInnerenTicks) {
  Kurve({0, 0.5f, 1}, {1, 0.3f, 0}, {1, 0.25f, 0});
  Aufnehmen();
  std::vector<std::vector<Punkt>> gitter;
  for (const auto& e : Linien(kD)) gitter.push_back(e.punkte);
  const std::vector<std::vector<Punkt>> soll = {
      {{0, -600}, {1300, -600}}, {{0, -450}, {1300, -450}}, {{0, -300}, {1300, -300}}, {{0, -150}, {1300, -150}},
      {{260, -750}, {260, 0}},   {{520, -750}, {520, 0}},   {{780, -750}, {780, 0}},   {{1040, -750}, {1040, 0}}};
  EXPECT_EQ(gitter, soll);
  // The grid comes last.
  EXPECT_EQ(flaeche.eintraege.back().stift, kD);
}

TEST_F(Zeichnen, Parameterchart) {
  Parameter({-1.7f, 0.4f, 2.3f}, {-0.8f, -1.1f, -1.9f}, {-0.7f, -1.2f, -1.8f});
  Aufnehmen();
  const auto polylinien = flaeche.Alle(Art::Polylinie);
  ASSERT_EQ(polylinien.size(), 1u);
  EXPECT_EQ(polylinien[0].stift, kB);
  ASSERT_EQ(polylinien[0].punkte.size(), 3u);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(polylinien[0].punkte[k], d.m_ptRechen2[k]);
  EXPECT_EQ(Linien(kC).size(), 3u * 4 + 18);
  EXPECT_EQ(Linien(kC)[0].punkte[0], (Punkt{d.m_ptMess2[0].x - 4, d.m_ptMess2[0].y - 4}));
  EXPECT_NE(flaeche.Text("Rechenwerte"), nullptr);
  EXPECT_NE(flaeche.Text(" Messwerte "), nullptr);
  EXPECT_NE(flaeche.Text("Alfa: 8.4 Beta:0.14"), nullptr);
  const auto x = XBeschriftung();
  ASSERT_EQ(x.size(), 10u);
  EXPECT_EQ(x.front(), (std::pair<int, std::string>{0, "   -2"}));
  EXPECT_EQ(x.back(), (std::pair<int, std::string>{1299, "  2.5"}));
}

TEST_F(Zeichnen, KurvenscharMitLegendeOhneSymbole) {
  Kurvenschar();
  Aufnehmen();
  const auto polylinien = flaeche.Alle(Art::Polylinie);
  ASSERT_EQ(polylinien.size(), 5u);
  const Farbe farben[5] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 255, 255}, {0, 0, 0}};
  const char* namen[5] = {"0.01 mD", "0.1 mD", "1 mD", "10 mD", "100 mD"};
  const int versatz[5] = {-600, -350, -100, 150, 400};
  for (int k = 0; k < 5; ++k) {
    const Stift stift{Linienart::Durchgezogen, 3, farben[k]};
    EXPECT_EQ(polylinien[k].stift, stift) << k;
    ASSERT_EQ(polylinien[k].punkte.size(), 31u);
    EXPECT_EQ(polylinien[k].punkte[0], d.m_ptKurven[k][0]);
    EXPECT_EQ(polylinien[k].punkte[30], d.m_ptKurven[k][30]);
    const auto linien = Linien(stift);
    // The 100 mD pen is black like the frame's but thinner: only its legend line.
    ASSERT_EQ(linien.size(), 1u) << k;
    EXPECT_EQ(linien[0].punkte, (std::vector<Punkt>{{650 + versatz[k], -940}, {750 + versatz[k], -940}}));
    const Eintrag* text = flaeche.Text(namen[k]);
    ASSERT_NE(text, nullptr) << namen[k];
    EXPECT_EQ(text->punkte[0], (Punkt{800 + versatz[k], -920}));
    EXPECT_EQ(text->schrift, kF3);
  }
  // The family starts at MaxPchg = 87.3, just below the top of the axis at 90.
  EXPECT_EQ(d.m_ptKurven[0][0], (Punkt{0, -22}));
  EXPECT_EQ(Linien(kC).size(), 0u);
  EXPECT_EQ(flaeche.Text("Rechenwerte"), nullptr);
  EXPECT_EQ(flaeche.Text(" Messwerte "), nullptr);
  EXPECT_EQ(flaeche.Text("Alfa: 8.4 Beta:0.14"), nullptr);
  EXPECT_EQ(YBeschriftung().back(), (std::pair<int, std::string>{0, "    90"}));
}

TEST_F(Zeichnen, LeeresDiagrammZeichnetOhneKurve) {
  Kurve({}, {}, {});
  Aufnehmen();
  const auto polylinien = flaeche.Alle(Art::Polylinie);
  ASSERT_EQ(polylinien.size(), 1u);
  EXPECT_TRUE(polylinien[0].punkte.empty());
  // x range 0 .. 0: one tick in the middle; y from -1 to 1.
  EXPECT_EQ(XBeschriftung(), (std::vector<std::pair<int, std::string>>{{650, "    0"}}));
  const std::vector<std::pair<int, std::string>> y = {{-375, "     0"}, {0, "     1"}};
  EXPECT_EQ(YBeschriftung(), y);
}

struct FormatFall {
  const char* name;
  float x0, x1, y0, y1;
  const char* xErstes;
  const char* yErstes;
};

class Beschriftung : public Zeichnen, public ::testing::WithParamInterface<FormatFall> {};

TEST_P(Beschriftung, FormatNachBereich) {
  const FormatFall& f = GetParam();
  Kurve({f.x0, f.x1}, {f.y0, f.y1}, {f.y0, f.y1});
  Aufnehmen();
  ASSERT_FALSE(XBeschriftung().empty());
  ASSERT_FALSE(YBeschriftung().empty());
  EXPECT_EQ(XBeschriftung().front().second, f.xErstes);
  EXPECT_EQ(YBeschriftung().front().second, f.yErstes);
}

INSTANTIATE_TEST_SUITE_P(Bereiche, Beschriftung,
                         ::testing::Values(FormatFall{"Klein", 0.25f, 0.75f, 0.5f, 3, "  0.2", "   0.5"},
                                           FormatFall{"XUeberTausend", 0, 1500, 0, 1, "   0", "     0"},
                                           FormatFall{"XUnterMinusFuenfhundert", -600, 0, 0, 1, "-600", "     0"},
                                           FormatFall{"XGenauTausend", 0, 1000, 0, 1, "    0", "     0"},
                                           FormatFall{"YUeberEineMillion", 0, 1, 0, 2e6f, "    0", "0.00e+000"},
                                           FormatFall{"YUnterMinusHunderttausend", 0, 1, -2e5f, 0, "    0",
                                                      "-2.00e+005"},
                                           FormatFall{"YGenauEineMillion", 0, 1, 0, 1e6f, "    0", "     0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Zeichnen, YRestNebenNullHeisstNullXNicht) {
  // Both axes from -0.3 to 0.25 in steps of 0.1: the summed steps pass zero
  // with a residue.
  Kurve({-0.3f, 0.25f}, {-0.3f, 0.25f}, {-0.3f, 0.25f});
  Aufnehmen();
  const auto y = YBeschriftung();
  const auto x = XBeschriftung();
  ASSERT_EQ(y.size(), x.size());
  const auto yNull = std::find_if(y.begin(), y.end(), [](const auto& p) { return p.second == "     0"; });
  ASSERT_NE(yNull, y.end());
  const std::size_t i = static_cast<std::size_t>(yNull - y.begin());
  EXPECT_NE(x[i].second, "    0");
  EXPECT_NE(x[i].second.find("e-01"), std::string::npos) << x[i].second;
}

TEST_F(Zeichnen, WinzigeYSchritteBleibenVerschieden) {
  // Steps of 5e-8 lie below the residue bound of 1e-7 (and the y range
  // ends after one step, within the axis tolerance of 1e-6). Zeroing every
  // tick below 1e-7 would turn 5e-8 back into 0 and label it for ever.
  Kurve({0, 1}, {0, 2e-7f}, {0, 2e-7f});
  Aufnehmen();
  std::vector<std::string> y;
  for (const auto& p : YBeschriftung()) y.push_back(p.second);
  EXPECT_EQ(y, (std::vector<std::string>{"     0", "5e-008"}));
}

TEST_F(Zeichnen, ObersterTickEinesNegativenBereichs) {
  // log10 values of small saturations: y from -2.4 to -1.2.
  Parameter({0, 1}, {-2.3f, -1.25f}, {-2.3f, -1.25f});
  Aufnehmen();
  const auto y = YBeschriftung();
  ASSERT_FALSE(y.empty());
  EXPECT_EQ(y.front(), (std::pair<int, std::string>{-750, "  -2.4"}));
  EXPECT_EQ(y.back(), (std::pair<int, std::string>{0, "  -1.2"}));
  EXPECT_EQ(y.size(), 7u);
}

TEST_F(Zeichnen, KeinTickUeberDemRahmen) {
  // From 1000 to 1001 in steps of 0.2: a bound of 1.001 * ymax would reach
  // 1002, five steps above the frame.
  Kurve({0, 1}, {1000, 1001}, {1000, 1001});
  Aufnehmen();
  const auto y = YBeschriftung();
  ASSERT_EQ(y.size(), 6u);
  EXPECT_EQ(y.back(), (std::pair<int, std::string>{0, "  1001"}));
  for (const auto& e : Linien(kA)) EXPECT_LE(e.punkte[0].y, 0);
}

TEST_F(Zeichnen, XBereichOhneBreiteEinTickInDerMitte) {
  Kurve({3, 3, 3}, {0, 0.5f, 1}, {0, 0.5f, 1});
  Aufnehmen();
  EXPECT_EQ(XBeschriftung(), (std::vector<std::pair<int, std::string>>{{650, "    3"}}));
  EXPECT_EQ(flaeche.Alle(Art::Polylinie)[0].punkte[1], (Punkt{650, -375}));
}

TEST_F(Zeichnen, RiesigeWerteEndenMitEndlichVielenTicks) {
  Kurve({0, 1}, {1e20f, 1e20f}, {1e20f, 1e20f});
  Aufnehmen();
  EXPECT_LE(YBeschriftung().size(), 1000u);
}

TEST_F(Zeichnen, LupeVergroessertUndHaeltDieAbstaende) {
  Kurve({0, 0.5f, 1}, {1, 0.3f, 0}, {1, 0.25f, 0});
  d.OnGrafiklupe();
  Aufnehmen();
  EXPECT_EQ(flaeche.Alle(Art::Rechteck)[0].punkte[1], (Punkt{1950, -1125}));
  EXPECT_EQ(flaeche.Text("Normierte Sättigung Snorm(-)")->punkte[0], (Punkt{975, -1195}));
  EXPECT_EQ(flaeche.Text("Dokument /daten/kern7.kdr")->punkte[0], (Punkt{100, -1375}));
  EXPECT_EQ(XBeschriftung().back().first, 1949);
}

// A path of `zeichen` characters ending in "/<name>", the folders made of
// `stueck` repeated.
std::string Pfad(int zeichen, const std::string& stueck, const std::string& name) {
  std::string pfad;
  const int ziel = zeichen - static_cast<int>(text::Zeichenzahl(name)) - 1;
  for (int n = 0; n < ziel;) {
    for (std::size_t i = 0; i < stueck.size() && n < ziel;) {
      std::size_t laenge = 1;
      while (i + laenge < stueck.size() && (static_cast<unsigned char>(stueck[i + laenge]) & 0xC0) == 0x80) ++laenge;
      pfad += stueck.substr(i, laenge);
      i += laenge;
      ++n;
    }
  }
  return pfad + "/" + name;
}

struct DokumentzeileFall {
  const char* name;
  int pfadZeichen;  // characters of the path; the line adds "Dokument "
  const char* stueck;
  double seiteBreite;  // 0: the screen
  double seiteHoehe;
  bool ganz;    // the line is drawn unshortened
  int zeichen;  // characters drawn
  int x;        // centre of the drawn line
};

class Dokumentzeile : public Zeichnen, public ::testing::WithParamInterface<DokumentzeileFall> {};

// The recording surface measures n characters of F3 (cell 45) as 45 * n / 2
// units: a line of up to 44 characters keeps its centre at 100, a longer one
// starts at the page's edge x = -400, and one wider than the page (2500 on
// screen, 111 characters; the printable width on paper) is shortened in the
// middle.
TEST_P(Dokumentzeile, PasstAufDieSeite) {
  const DokumentzeileFall& f = GetParam();
  const std::string pfad = Pfad(f.pfadZeichen, f.stueck, "beispiel.kdr");
  ASSERT_EQ(text::Zeichenzahl(pfad), static_cast<std::size_t>(f.pfadZeichen));
  doc.SetPathName(pfad);
  Kurve({0, 0.5f, 1}, {1, 0.3f, 0}, {1, 0.25f, 0});
  d.OnInitialUpdate();
  if (f.seiteBreite > 0) d.DruckBeginnen(f.seiteBreite, f.seiteHoehe);
  Aufnehmen();

  const Eintrag* zeile = nullptr;
  for (const auto& e : flaeche.eintraege) {
    if (e.art == Art::Text && e.text.rfind("Dokument ", 0) == 0) zeile = &e;
  }
  ASSERT_NE(zeile, nullptr);
  EXPECT_EQ(zeile->schrift, kF3);
  EXPECT_EQ(zeile->punkte[0], (Punkt{f.x, -d.hoehe - 250}));
  EXPECT_TRUE(text::IstUtf8(zeile->text)) << zeile->text;
  EXPECT_EQ(text::Zeichenzahl(zeile->text), static_cast<std::size_t>(f.zeichen)) << zeile->text;
  const std::string ende = "/beispiel.kdr";
  EXPECT_EQ(zeile->text.substr(zeile->text.size() - ende.size()), ende);
  if (f.ganz) {
    EXPECT_EQ(zeile->text, "Dokument " + pfad);
  } else {
    EXPECT_EQ(zeile->text.rfind("Dokument " + pfad.substr(0, 6), 0), 0u) << zeile->text;
    const std::size_t auslassung = zeile->text.find("\u2026");
    ASSERT_NE(auslassung, std::string::npos);
    EXPECT_EQ(zeile->text.find("\u2026", auslassung + 1), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pfade, Dokumentzeile,
    ::testing::Values(
        DokumentzeileFall{"Kurz", 16, "/daten", 0, 0, true, 25, 100},
        DokumentzeileFall{"GeradeNochAmPlatz", 35, "/projekte", 0, 0, true, 44, 100},
        DokumentzeileFall{"EinZeichenMehrAbLinkemRand", 36, "/projekte", 0, 0, true, 45, 106},
        DokumentzeileFall{"LangAbLinkemRand", 91, "/home/nutzer/Projekte/Arab-D_Karbonat", 0, 0, true, 100, 725},
        DokumentzeileFall{"SeitenbreiteGenau", 102, "/home/nutzer/Projekte", 0, 0, true, 111, 849},
        DokumentzeileFall{"SehrLangGekuerzt", 300, "/home/nutzer/Projekte/Arab-D_Karbonat", 0, 0, false, 111, 849},
        DokumentzeileFall{"SehrLangHochformat", 300, "/home/nutzer/Projekte", 2030, 2870, false, 90, 613},
        DokumentzeileFall{"SehrLangQuerformat", 300, "/home/nutzer/Projekte", 2870, -2030, false, 127, 1029},
        DokumentzeileFall{"Utf8NieImZeichenGeschnitten", 300, "/M\u00fcller_\u03c9\u20ac\U0001F600", 0, 0, false, 111,
                          849}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
