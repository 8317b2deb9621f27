// The Thomeer tables as the CSV export writes them.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CsvZeilen.h"
#include "ThomeerTabellen.h"

namespace {

TEST(AnalyseTabellen, ThomeerOneRowPerMeasurementWithEmptyCellsForWhatIsMissing) {
  ThomeerErgebnis eins{"A", 120.0f, {{0.5, 0.3, 0.85}}, 0.001, 0.999, ""};
  ThomeerErgebnis zwei{"B, rechts", 45.5f, {{0.3, 0.2, 0.5}, {5.0, 0.4, 0.35}}, 0.0002, 0.99999, ""};
  ThomeerErgebnis ohne{"C", 0.001f, {}, 0.0, 0.0, "Weniger als 3 Messwerte über dem Sperrdruck!"};
  const auto tabellen = ThomeerTabellen({eins, zwei, ohne});
  ASSERT_EQ(tabellen.size(), 1u);
  EXPECT_EQ(CsvZeilen(tabellen[0]),
            (std::vector<std::string>{
                "Thomeer-Parameter",
                "Permeabilität (mD),Pd1 (bar),G1,Sinf1,Pd2 (bar),G2,Sinf2,Fehler (RMS),R2,Kern,Grund,Hinweis",
                "120,0.5,0.3,0.85,,,,0.001,0.999,A,,",
                "45.5,0.3,0.2,0.5,5,0.4,0.35,2e-04,0.99999,\"B, rechts\",,",
                "0.001,,,,,,,,,C,Weniger als 3 Messwerte über dem Sperrdruck!,",
            }));
  // German spreadsheets: semicolons and decimal commas, the comma in the label unquoted.
  EXPECT_EQ(CsvZeilen(tabellen[0], csv::Format::DeutschesExcel())[3],
            "45,5;0,3;0,2;0,5;5;0,4;0,35;2e-04;0,99999;B, rechts;;");
  EXPECT_TRUE(ThomeerTabellen({}).empty());
}

// The marks of each fit stand in the last column.
TEST(AnalyseTabellen, ThomeerMarksInTheColumnHinweis) {
  ThomeerErgebnis eins{"A", 120.0f, {{0.5, 0.3, 1.25}}, 0.001, 1.0, ""};
  ThomeerErgebnis zwei{"B", 45.5f, {{0.3, 0.2, 0.5}, {5.0, 0.4, 0.35}}, 0.0002, 0.99999, ""};
  const auto tabellen = ThomeerTabellen({eins, zwei}, {"wenige Punkte, Sinf über 1", ""});
  ASSERT_EQ(tabellen.size(), 1u);
  const std::vector<std::string> zeilen = CsvZeilen(tabellen[0]);
  ASSERT_EQ(zeilen.size(), 4u);
  EXPECT_EQ(zeilen[2], "120,0.5,0.3,1.25,,,,0.001,1,A,,\"wenige Punkte, Sinf über 1\"");
  EXPECT_EQ(zeilen[3], "45.5,0.3,0.2,0.5,5,0.4,0.35,2e-04,0.99999,B,,");
}

}  // namespace
