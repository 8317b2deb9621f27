#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DokumentFixture.h"
#include "Testdaten.h"

namespace {

using Messkurven = DokumentFixture;

const std::vector<std::string> kDreiMessungen = {
    "PERMEABILITAET: 10 A",
    "0.1 0",
    "0.5 0",
    "1.0 0.3",
    "4.0 0.6",
    "ENDE",
    "PERMEABILITAET: 1 B",
    "0.2 0",
    "2.0 0.2",
    "8.0 0.5",
    "ENDE",
    "PERMEABILITAET: 0.1 C",
    "1 0",
    "5 0.1",
    "20 0.4",
    "60 0.5",
    "ENDE",
};

TEST_F(Messkurven, KeepsEveryCurveReadInInputOrder) {
  Auswerten(kDreiMessungen);
  ASSERT_EQ(doc.Messkurven.size(), 3u);
  EXPECT_EQ(doc.Messkurven[0].Kern, "A");
  EXPECT_FLOAT_EQ(doc.Messkurven[0].Perm, 10.0f);
  EXPECT_FLOAT_EQ(doc.Messkurven[0].PcSperrdruck, 0.5f);
  EXPECT_EQ(doc.Messkurven[0].Pc, (std::vector<float>{0.1f, 0.5f, 1.0f, 4.0f}));
  EXPECT_EQ(doc.Messkurven[0].Shg, (std::vector<float>{0.0f, 0.0f, 0.3f, 0.6f}));
  EXPECT_EQ(doc.Messkurven[1].Kern, "B");
  EXPECT_EQ(doc.Messkurven[2].Pc.size(), 4u);
  EXPECT_EQ(doc.Messkurven[2].iNormiert, 0);
}

TEST_F(Messkurven, AFaultyMeasurementEndsTheListWhereTheLoopEnds) {
  std::vector<std::string> zeilen = kDreiMessungen;
  zeilen[13] = "5 -0.1";  // C's second value falls: the reader stops there
  Auswerten(zeilen);
  EXPECT_EQ(doc.Messkurven.size(), 2u);
}

TEST_F(Messkurven, ARunCountsAndTheFamilyKeepsItsParameters) {
  const int vorher = doc.iLauf;
  plattform.dialog = [](EingabeDaten& d) {
    d.Eingabezeilen = TestdatenZeilen();
    d.iTabelle = 1;
    d.bTestwerte = 1;
    d.bNeuRechnen = 1;
    return true;
  };
  doc.OnDatenAendern();
  EXPECT_EQ(doc.iLauf, vorher + 1);
  // The test rows give all five curves; each row's parameters reproduce its
  // end points: (Swmin, Pcmax) at q = 0 and (1, PcSperr) at q = 30.
  ASSERT_EQ(doc.iScharKurven, 5);
  for (int j = 0; j < 5; ++j) {
    EXPECT_FLOAT_EQ(doc.Schar[j].Swmin, doc.XK[j][0]) << j;
    EXPECT_FLOAT_EQ(doc.Schar[j].PcSperr, doc.YK[j][30]) << j;
    EXPECT_FLOAT_EQ(doc.Schar[j].Pcmax, doc.MaxPchg) << j;
  }
}

TEST_F(Messkurven, AFailedRegressionLeavesNoFamily) {
  Auswerten({"PERMEABILITAET: 10 A", "0.1 0", "1.0 0.3", "4.0 0.6", "ENDE"});
  EXPECT_EQ(doc.iScharKurven, 0);
  EXPECT_EQ(doc.Messkurven.size(), 1u);
}

}  // namespace
