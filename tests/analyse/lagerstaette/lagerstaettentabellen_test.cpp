// The reservoir tables as the CSV export writes them.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CsvZeilen.h"
#include "LagerstaettenTabellen.h"

namespace {

TEST(AnalyseTabellen, SaturationHeightConditionsEntryHeightsAndTable) {
  Saettigungshoehe s;
  s.F = 0.0706572;
  s.Dichtedifferenz = 0.25;
  s.Hoehen = {0.0, 10.0};
  Saettigungshoehenkurve k1;
  k1.iSchar = 2;
  k1.K = 1.0;
  k1.Legende = "1 mD";
  k1.parameter.PcSperr = 4.375f;
  k1.Eintrittshoehe = 12.5;
  k1.SwTabelle = {1.0, 1.0};
  Saettigungshoehenkurve k3 = k1;
  k3.iSchar = 4;
  k3.K = 100.0;
  k3.Legende = "100 mD";
  k3.parameter.PcSperr = 0.5f;
  k3.Eintrittshoehe = 1.25;
  k3.SwTabelle = {1.0, 0.25};
  s.kurven = {k1, k3};

  const auto tabellen = SaettigungshoeheTabellen(s);
  ASSERT_EQ(tabellen.size(), 3u);
  const auto bedingungen = CsvZeilen(tabellen[0]);
  ASSERT_EQ(bedingungen.size(), 2u + 8u);
  EXPECT_EQ(bedingungen[2], "Grenzflächenspannung Labor,mN/m,480");
  EXPECT_EQ(bedingungen[3], "Randwinkel Labor,Grad,140");
  EXPECT_EQ(bedingungen[7], "Dichte Kohlenwasserstoff,g/cm³,0.8");
  EXPECT_EQ(bedingungen[8], "Umrechnungsfaktor F,-,0.0706572");
  EXPECT_EQ(bedingungen[9], "Dichtedifferenz,g/cm³,0.25");
  EXPECT_EQ(CsvZeilen(tabellen[1]),
            (std::vector<std::string>{"Sättigungshöhe: Eintrittshöhe", "K (mD),Sperrdruck (bar),Eintrittshöhe (m)",
                                      "1,4.375,12.5", "100,0.5,1.25"}));
  EXPECT_EQ(CsvZeilen(tabellen[2]),
            (std::vector<std::string>{"Sättigungshöhe: Tabelle", "Höhe (m),Sw 1 mD,Sw 100 mD", "0,1,1", "10,1,0.25"}));
  // A family that stopped before its first curve has nothing to export.
  EXPECT_TRUE(SaettigungshoeheTabellen(Saettigungshoehe{}).empty());
}

TEST(AnalyseTabellen, PoreRadiiWithEmptyCellsWhereThereIsNoRadius) {
  Porenradienkurve k;
  k.Kern = "P1";
  k.Perm = 0.1f;  // the measured float, written as the float it was
  k.Pc = {0.0, 0.2f, 9.6};
  k.Shg = {0.0, 0.1f, 0.3};
  k.r = {std::numeric_limits<double>::quiet_NaN(), 48.0, 1.0};
  k.r50 = 2.5;
  Porenradien p;
  p.kurven = {k};
  const auto tabellen = PorenradienTabellen(p);
  ASSERT_EQ(tabellen.size(), 2u);
  EXPECT_EQ(CsvZeilen(tabellen[0]),
            (std::vector<std::string>{"Porenradien", "Kern,Permeabilität (mD),r35 (µm),r50 (µm)", "P1,0.1,,2.5"}));
  EXPECT_EQ(CsvZeilen(tabellen[1]),
            (std::vector<std::string>{"Porenradien: Punkte", "Kern,Druck (bar),Sättigung,Radius (µm)", "P1,0,0,",
                                      "P1,0.2,0.1,48", "P1,9.6,0.3,1"}));
  EXPECT_TRUE(PorenradienTabellen(Porenradien{}).empty());
}

}  // namespace
