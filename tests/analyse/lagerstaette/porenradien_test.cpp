#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DokumentFixture.h"
#include "Lagerstaettenauswertung.h"
#include "Messkurve.h"
#include "Porenradien.h"
#include "TextFormat.h"
#include "Toleranz.h"

namespace {

using namespace lagerstaette;

// θ_L 180° makes |cos θ_L| = 1, so r = 0.02·480 / Pc = 9.6 / Pc µm.
const Lagerstaettenbedingungen kEins{480, 180, 30, 30, 1.05, 0.8};

struct Radiusfall {
  const char* name;
  std::vector<double> pc;
  std::vector<double> shg;
  std::optional<double> r35;
  std::optional<double> r50;
};

class RadiusBeiSaettigungFaelle : public ::testing::TestWithParam<Radiusfall> {};

void Pruefe(const std::optional<double>& ist, const std::optional<double>& soll, const char* was) {
  ASSERT_EQ(ist.has_value(), soll.has_value()) << was;
  if (soll) {
    EXPECT_TRUE(Nahe(*ist, *soll, 1e-12)) << was;
  }
}

TEST_P(RadiusBeiSaettigungFaelle, R35UndR50) {
  const auto& f = GetParam();
  Pruefe(RadiusBeiSaettigung(kEins, f.pc, f.shg, 0.35), f.r35, "r35");
  Pruefe(RadiusBeiSaettigung(kEins, f.pc, f.shg, 0.5), f.r50, "r50");
}

INSTANTIATE_TEST_SUITE_P(
    GebauteKurven, RadiusBeiSaettigungFaelle,
    ::testing::Values(
        // 0.35 halfway between 0.3 at 10 bar and 0.4 at 100 bar: Pc = 10^1.5 = 31.6228 bar.
        Radiusfall{"HalbwegsInLog", {1, 10, 100}, {0, 0.3, 0.4}, 9.6 / 31.62277660168379, std::nullopt},
        Radiusfall{"GenauAufPunkten", {1, 4, 16}, {0, 0.35, 0.5}, 9.6 / 4, 9.6 / 16},
        // 0.35 an eighth of the way from 20 to 200 bar (t = 0.05 / 0.4): Pc = 20·10^0.125 = 26.6704;
        // 0.5 halfway: Pc = 20·10^0.5 = 63.2456.
        Radiusfall{"Achtel", {2, 20, 200}, {0, 0.3, 0.7}, 9.6 / 26.67042864326648, 9.6 / 63.24555320336759},
        Radiusfall{"NieErreicht", {1, 10, 100}, {0, 0.2, 0.34}, std::nullopt, std::nullopt},
        // Reached at the first point: its own radius; 0.5 halfway between 5 and 10 bar: √50.
        Radiusfall{"ErsterPunktSchonDarueber", {5, 10}, {0.4, 0.6}, 9.6 / 5, 9.6 / 7.0710678118654755},
        // No positive pressure before the crossing: nothing to interpolate in log10(Pc).
        Radiusfall{"DruckNullDavor", {0, 10}, {0, 0.6}, std::nullopt, std::nullopt},
        Radiusfall{"Leer", {}, {}, std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Porenverteilung, LinearInLogGibtKonstanteDichte) {
  Messkurve m;
  m.Pc = {1, 10, 10, 100, 1000};  // the repeated pressure has no width
  m.Shg = {0, 0.25, 0.25, 0.5, 0.75};
  const Porenradienkurve k = PorenradienKurve(m, kEins);
  const Porenverteilung v = PorenverteilungBerechnen(k);
  ASSERT_EQ(v.r.size(), 3u);
  // Between 10^i and 10^(i+1) bar: ΔS 0.25 over one decade of r, at r = 9.6 / 10^(i + 0.5); r ascending.
  const double r[3] = {9.6 / std::pow(10.0, 2.5), 9.6 / std::pow(10.0, 1.5), 9.6 / std::pow(10.0, 0.5)};
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(Nahe(v.r[i], r[i], 1e-12)) << i;
    EXPECT_TRUE(Nahe(v.dSdlogr[i], 0.25, 1e-12)) << i;
  }
}

TEST(Porenverteilung, DiagrammMitLogarithmischerAchse) {
  Porenradien p;
  p.bedingungen = kEins;
  Messkurve m;
  m.Kern = "K1";
  m.Perm = 12.5f;
  m.Pc = {1, 10, 100};
  m.Shg = {0, 0.125, 0.5};
  p.kurven.push_back(PorenradienKurve(m, kEins));
  const Datendiagramm d = PorenradienDiagramm(p, 0);
  EXPECT_EQ(d.titel, "Porenradien");
  EXPECT_EQ(d.untertitel, "Kern K1   K = 12.5 mD");
  EXPECT_EQ(d.x.art, Achsenart::Logarithmisch);
  EXPECT_FALSE(d.x.festerBereich);
  EXPECT_EQ(d.y.art, Achsenart::Linear);
  EXPECT_EQ(d.y.min, 0.0);
  EXPECT_TRUE(Nahe(d.y.max, 0.375, 1e-12));
  ASSERT_FALSE(d.reihen.empty());
  EXPECT_EQ(d.reihen[0].art, Reihenart::Balken);
  EXPECT_EQ(d.reihen[0].y.size(), 2u);
  // r35 between 10 and 100 bar at t = 0.225 / 0.375 = 0.6: Pc = 10^1.6 = 39.81 bar; r50 at 100 bar.
  EXPECT_EQ(d.info, "r35 = 0.241141 µm   r50 = 0.096 µm");
  EXPECT_TRUE(PorenradienDiagramm(p, 1).reihen.empty());
}

const std::vector<std::string> kZweiMessungen = {
    "PERMEABILITAET: 10 A", "0.1 0", "0.5 0",   "1.0 0.25", "4.0 0.75", "ENDE",
    "PERMEABILITAET: 1 B",  "0.2 0", "2.0 0.2", "8.0 0.4",  "ENDE",
};

TEST_F(DokumentFixture, JedeGeleseneMessungInEingabereihenfolge) {
  Auswerten(kZweiMessungen);
  Porenradien p = PorenradienBerechnen(doc, {});
  ASSERT_EQ(p.kurven.size(), 2u);
  EXPECT_EQ(p.kurven[0].Kern, "A");
  EXPECT_EQ(p.kurven[1].Kern, "B");
  EXPECT_EQ(p.kurven[1].Perm, 1.0);
  ASSERT_EQ(p.kurven[0].r.size(), 4u);
  // 0.02·480·|cos 140°| = 7.354027 µm·bar.
  EXPECT_TRUE(Nahe(p.kurven[0].r[3], 7.354027 / 4.0, 1e-6));
  EXPECT_FALSE(p.kurven[1].r50.has_value());

  const Textliste l = PorenradienListe(p);
  ASSERT_EQ(p.zeileKurve.size(), l.size());
  int kopf = 0;
  while (p.zeileKurve[kopf] < 0) ++kopf;
  EXPECT_EQ(l[kopf + 1], "   Kern:A");
  // A: 0.35 a fifth of the way from 0.25 at 1 bar to 0.75 at 4 bar, Pc = 4^0.2 = 1.319508,
  // r35 = 7.354027 / 1.319508; 0.5 halfway, Pc = 2 bar.
  EXPECT_EQ(l[kopf + 2], "   Permeabilität (mD): 10");
  EXPECT_EQ(l[kopf + 3], "   r35           (µm): 5.57331");
  EXPECT_EQ(l[kopf + 4], "   r50           (µm): 3.67701");
  // Curve B's block: its label, then its points in input order.
  const auto b = std::find(l.begin(), l.end(), "   Kern:B");
  ASSERT_NE(b, l.end());
  EXPECT_EQ(p.zeileKurve[b - l.begin()], 1);
  EXPECT_EQ(*(b + 3), "   r50           (µm): -  (S(Hg) erreicht 0.5 nicht)");
  EXPECT_EQ(l.back(), text::Format(" %10.4f %11.6f %12.5g", 8.0, 0.4, 7.354026653942188 / 8.0));
  EXPECT_EQ(p.zeileKurve.back(), 1);
}

TEST_F(DokumentFixture, AuswertungRechnetNurNachLaufOderNeuenBedingungen) {
  Auswerten(kZweiMessungen);
  Lagerstaettenauswertung a(doc);
  EXPECT_EQ(a.GewaehlteKurve(), 1);
  EXPECT_EQ(a.PorenradienDiagramm().untertitel, "Kern B   K = 1 mD");
  const double r = a.PorenradienErgebnis().kurven[0].r[0];

  // The double-click chooses the curve of its block; the heading changes nothing.
  const Textliste& l = a.PorenradienListe();
  const int zeileA = static_cast<int>(std::find(l.begin(), l.end(), "   Kern:A") - l.begin());
  a.PorenradienZeileGewaehlt(zeileA + 5);
  EXPECT_EQ(a.PorenradienDiagramm().untertitel, "Kern A   K = 10 mD");
  a.PorenradienZeileGewaehlt(1);
  a.PorenradienZeileGewaehlt(-1);
  a.PorenradienZeileGewaehlt(100000);
  EXPECT_EQ(a.GewaehlteKurve(), 0);

  // Without a new run a changed document is not looked at again.
  doc.Messkurven.pop_back();
  EXPECT_EQ(a.PorenradienErgebnis().kurven.size(), 2u);
  // New conditions: the radii are recomputed, of the curves the run kept
  // (the corrected copies are taken once per run), and the choice stays.
  Lagerstaettenbedingungen b;
  b.SigmaLabor = 240;
  a.SetBedingungen(b);
  EXPECT_TRUE(Nahe(a.PorenradienErgebnis().kurven[0].r[0], r / 2, 1e-12));
  EXPECT_EQ(a.PorenradienErgebnis().kurven.size(), 2u);
  EXPECT_EQ(a.GewaehlteKurve(), 0);
  const double f = a.SaettigungshoeheErgebnis().F;
  EXPECT_TRUE(Nahe(f, Umrechnungsfaktor(b), 1e-15));

  // A new run: back to the last curve.
  Auswerten(kZweiMessungen);
  EXPECT_EQ(a.PorenradienErgebnis().kurven.size(), 2u);
  EXPECT_EQ(a.GewaehlteKurve(), 1);
}

}  // namespace
