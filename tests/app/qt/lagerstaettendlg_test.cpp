#include "CLagerstaettenDlg.h"

#include "ModalSkript.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Verweigerung {
  const char* name;
  int feld;
  const char* text;
  const char* meldung;
};

class DialogVerweigert : public ::testing::TestWithParam<Verweigerung> {};

TEST_P(DialogVerweigert, MeldungUndBleibtOffen) {
  const auto& f = GetParam();
  CLagerstaettenDlg dlg;
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  dlg.activateWindow();
  dlg.Feld(f.feld)->setText(QString::fromUtf8(f.text));
  ModalSkript skript({ModalSkript::Abbrechen()});
  dlg.accept();
  EXPECT_EQ(skript.meldungen, QStringList{QString::fromUtf8(f.meldung)});
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_NE(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.Bedingungen(), Lagerstaettenbedingungen{});
  // The field in question holds the dialog's focus, its text selected for typing over.
  EXPECT_EQ(dlg.focusWidget(), dlg.Feld(f.feld));
  EXPECT_TRUE(dlg.Feld(f.feld)->hasSelectedText());
}

INSTANTIATE_TEST_SUITE_P(
    Felder, DialogVerweigert,
    ::testing::Values(
        Verweigerung{
            "SpannungLaborNull", 0, "0",
            "Der Wert im Feld \"Grenzflächenspannung Labor\" ist nicht erlaubt!\nErlaubt: 0.01 bis 1000 mN/m."},
        Verweigerung{"SpannungLaborInMikro", 0, "1500",
                     "Der Wert im Feld \"Grenzflächenspannung Labor\" ist nicht erlaubt!\nErlaubt: 0.01 bis 1000 mN/m "
                     "(µN/m eingegeben?)."},
        Verweigerung{
            "WinkelLaborNeunzig", 1, "90,0",
            "Der Wert im Feld \"Randwinkel Labor\" ist nicht erlaubt!\nErlaubt: 0 bis 180 Grad, außer 90 Grad."},
        Verweigerung{"SpannungLagerstaetteKeineZahl", 2, "viel",
                     "Im Feld \"Grenzflächenspannung Lagerstätte\" steht keine Zahl!\nErlaubt: 0.01 bis 1000 mN/m."},
        Verweigerung{"SpannungLagerstaetteUnterDerGrenze", 2, "0,005",
                     "Der Wert im Feld \"Grenzflächenspannung Lagerstätte\" ist nicht erlaubt!\nErlaubt: 0.01 bis 1000 "
                     "mN/m."},
        Verweigerung{
            "WinkelLagerstaetteZuGross", 3, "200",
            "Der Wert im Feld \"Randwinkel Lagerstätte\" ist nicht erlaubt!\nErlaubt: 0 bis 180 Grad, außer 90 "
            "Grad."},
        Verweigerung{"WasserZuLeicht", 4, "0,5",
                     "Der Wert im Feld \"Dichte Wasser\" ist nicht erlaubt!\nErlaubt: mindestens 0.01 g/cm³ über der "
                     "Dichte Kohlenwasserstoff (0.8 g/cm³), höchstens 3 g/cm³."},
        Verweigerung{"WasserInKilo", 4, "1050",
                     "Der Wert im Feld \"Dichte Wasser\" ist nicht erlaubt!\nErlaubt: mindestens 0.01 g/cm³ über der "
                     "Dichte Kohlenwasserstoff (0.8 g/cm³), höchstens 3 g/cm³ (kg/m³ eingegeben?)."},
        Verweigerung{"KohlenwasserstoffNegativ", 5, "-0.01",
                     "Der Wert im Feld \"Dichte Kohlenwasserstoff\" ist nicht erlaubt!\nErlaubt: 0 bis 3 g/cm³."},
        Verweigerung{"KohlenwasserstoffInKilo", 5, "800",
                     "Der Wert im Feld \"Dichte Kohlenwasserstoff\" ist nicht erlaubt!\nErlaubt: 0 bis 3 g/cm³ (kg/m³ "
                     "eingegeben?)."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lagerstaettendialog, OkUebernimmtKommazahlenAbbrechenNichts) {
  CLagerstaettenDlg dlg;
  EXPECT_EQ(dlg.Feld(0)->text(), QStringLiteral("480"));
  EXPECT_EQ(dlg.Feld(4)->text(), QStringLiteral("1.05"));
  dlg.Feld(2)->setText(QStringLiteral("72"));
  dlg.Feld(3)->setText(QStringLiteral("0"));
  dlg.Feld(5)->setText(QStringLiteral("0,2"));
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.Bedingungen(), (Lagerstaettenbedingungen{480, 140, 72, 0, 1.05, 0.2}));

  CLagerstaettenDlg zweiter;
  zweiter.SetBedingungen({480, 140, 72, 0, 1.05, 0.2});
  EXPECT_EQ(zweiter.Feld(5)->text(), QStringLiteral("0.2"));
  zweiter.Feld(0)->setText(QStringLiteral("1"));
  zweiter.reject();
  EXPECT_EQ(zweiter.Bedingungen(), (Lagerstaettenbedingungen{480, 140, 72, 0, 1.05, 0.2}));
}

// The bounds themselves are accepted, with either decimal separator.
TEST(Lagerstaettendialog, OkNimmtDieGrenzen) {
  CLagerstaettenDlg dlg;
  const char* texte[lagerstaette::kFelder] = {"0,01", "0", "1000", "180", "3", "2.99"};
  for (int feld = 0; feld < lagerstaette::kFelder; ++feld) dlg.Feld(feld)->setText(QString::fromUtf8(texte[feld]));
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.Bedingungen(), (Lagerstaettenbedingungen{0.01, 0, 1000, 180, 3, 2.99}));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
