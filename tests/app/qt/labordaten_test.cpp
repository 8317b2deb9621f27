#include "CLabordatenDlg.h"
#include "CMainFrame.h"
#include "CKadrelApp.h"
#include "DlgInput.h"
#include "ModalSkript.h"
#include "Tabellenbefehle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Three samples from a German spreadsheet: semicolons, decimal commas,
// pressures in psia and saturations in percent; C lacks its zero point.
const char* const kTabelle =
    "Probe;Permeabilität (mD);Druck (psia);SHg [%]\n"
    "A;1;7,25188689;0\nA;1;29,0075476;30\nA;1;116,03019;60\n"
    "B;10;2,90075476;0\nB;10;14,5037738;35\nB;10;;50\nB;10;72,5188689;65\n"
    "C;100;1,45037738;40\nC;100;43,5113213;75\nC;100;435,113213;95\n";

const Textliste kAB = {"PERMEABILITAET: 1 A",
                       "   0.5000          0.00000 ",
                       "   2.0000          0.30000 ",
                       "   8.0000          0.60000 ",
                       "ENDE",
                       "PERMEABILITAET: 10 B",
                       "   0.2000          0.00000 ",
                       "   1.0000          0.35000 ",
                       "   5.0000          0.65000 ",
                       "ENDE"};
const Textliste kC = {"PERMEABILITAET: 100 C",       "   0.1000          0.00000 ", "   0.1000          0.40000 ",
                      "   3.0000          0.75000 ", "  30.0000          0.95000 ", "ENDE"};

Textliste Und(Textliste a, const Textliste& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

QStringList Spalte(const QTableWidget* t, int spalte) {
  QStringList texte;
  for (int i = 0; i < t->rowCount(); ++i) texte << (t->item(i, spalte) ? t->item(i, spalte)->text() : QString());
  return texte;
}

bool OkFrei(const CLabordatenDlg& d) {
  return d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
}

class LabordatenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ordner.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.filePath(QStringLiteral("einstellungen")));
    QSettings().clear();
  }
  QString Datei(const char* name, const QByteArray& inhalt) {
    const QString pfad = ordner.filePath(QString::fromUtf8(name));
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
    return pfad;
  }
  QTemporaryDir ordner;
};

TEST_F(LabordatenTest, ErkenntZeigtUndLiefertDieZeilen) {
  CLabordatenDlg d(kTabelle, QStringLiteral("lab.csv"));
  EXPECT_EQ(d.Trenner()->currentText(), QStringLiteral("Semikolon"));
  EXPECT_EQ(d.Dezimal()->currentText(), QStringLiteral("Komma (1,5)"));
  for (int rolle = 0; rolle <= labor::kSaettigung; ++rolle) {
    EXPECT_EQ(d.Spalte(rolle)->currentData().toInt(), rolle);
  }
  EXPECT_EQ(d.Spalte(labor::kPorositaet)->currentText(), QStringLiteral("(keine)"));
  EXPECT_EQ(d.Spalte(labor::kDruck)->currentText(), QStringLiteral("3: Druck (psia)"));
  EXPECT_EQ(d.Vorschau()->rowCount(), 8);
  EXPECT_EQ(d.Vorschau()->horizontalHeaderItem(3)->text(), QStringLiteral("SHg [%]"));
  EXPECT_EQ(d.Vorschau()->verticalHeaderItem(0)->text(), QStringLiteral("2"));
  EXPECT_EQ(d.Vorschau()->item(5, 2)->text(), QString());  // the empty cell of line 7 as read
  EXPECT_EQ(d.Vorschau()->item(0, 2)->text(), QStringLiteral("7,25188689"));

  // Without the zero point C is left out, and both problems are listed.
  EXPECT_EQ(d.Zeilen(), kAB);
  EXPECT_EQ(Spalte(d.Messungen(), 0), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
  EXPECT_EQ(Spalte(d.Messungen(), 1), (QStringList{QStringLiteral("1"), QStringLiteral("10")}));
  EXPECT_EQ(Spalte(d.Messungen(), 2), (QStringList{QString(), QString()}));  // no porosity column
  EXPECT_EQ(Spalte(d.Messungen(), 3), (QStringList{QStringLiteral("3"), QStringLiteral("3")}));
  EXPECT_EQ(Spalte(d.Messungen(), 4), (QStringList{QString(), QStringLiteral("1: Zeile 7: Druck fehlt")}));
  EXPECT_EQ(d.Probleme()->toPlainText(),
            QStringLiteral("Zeile 7: Druck fehlt\nZeile 9: Probe C ausgelassen (3 Zeilen): die 1. Sättigung ist 0.4, "
                           "nicht 0 (Nullpunkt einfügen?)"));
  EXPECT_TRUE(OkFrei(d));
  const auto stand = [&d] {
    QStringList texte;
    for (const QLabel* l : d.findChildren<QLabel*>()) texte << l->text();
    return texte;
  };
  EXPECT_TRUE(
      stand().contains(QStringLiteral("2 Messungen, 10 Eingabezeilen; 2 Hinweise zu nicht übernommenen Zeilen.")));

  d.Nullpunkt()->setChecked(true);
  EXPECT_EQ(d.Zeilen(), Und(kAB, kC));
  EXPECT_EQ(d.Messungen()->rowCount(), 3);
  EXPECT_TRUE(
      stand().contains(QStringLiteral("3 Messungen, 16 Eingabezeilen; 1 Hinweis zu nicht übernommenen Zeilen.")));
}

TEST_F(LabordatenTest, FalscheWahlSperrtOkMitDerMeldung) {
  CLabordatenDlg d(kTabelle, QStringLiteral("lab.csv"));
  d.Spalte(labor::kSaettigung)->setCurrentIndex(3);  // "3: Druck (psia)" a second time
  EXPECT_EQ(d.Fehler(), QStringLiteral("Die Spalte „Druck (psia)“ ist zweimal zugeordnet (Druck und Sättigung)."));
  EXPECT_FALSE(OkFrei(d));
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Rejected);
  d.Spalte(labor::kSaettigung)->setCurrentIndex(4);
  EXPECT_TRUE(d.Fehler().isEmpty());
  EXPECT_TRUE(OkFrei(d));

  // Read with commas the table is a single column.
  d.Trenner()->setCurrentIndex(d.Trenner()->findText(QStringLiteral("Komma")));
  EXPECT_EQ(d.Fehler(), QStringLiteral("Die Tabelle enthält keine Spalte mit Zahlen."));
  EXPECT_FALSE(OkFrei(d));
  d.Trenner()->setCurrentIndex(d.Trenner()->findText(QStringLiteral("Semikolon")));
  EXPECT_EQ(d.Zeilen(), kAB);

  // The units chosen win over the header: psia read as bar.
  d.Druckeinheit()->setCurrentIndex(d.Druckeinheit()->findText(QStringLiteral("bar")));
  EXPECT_EQ(d.Zeilen()[1], "   7.2519          0.00000 ");
  d.Spalte(labor::kKern)->setCurrentIndex(0);  // no label column: one sample named after the file
  EXPECT_EQ(d.Zeilen()[0], "PERMEABILITAET: 1 lab");
}

TEST_F(LabordatenTest, ZuordnungBleibtInDenEinstellungen) {
  {
    CLabordatenDlg d("Nr,Wert,Kennung,K,Sat\n1,0.5,X,3,0\n2,2,X,3,0.5\n3,8,X,3,0.7\n", QStringLiteral("a.csv"));
    EXPECT_EQ(d.Spalte(labor::kDruck)->currentIndex(), 0);  // "Wert" is no known name
    EXPECT_FALSE(OkFrei(d));
    d.Spalte(labor::kDruck)->setCurrentIndex(2);
    d.Spalte(labor::kKern)->setCurrentIndex(3);
    d.Saettigungseinheit()->setCurrentIndex(d.Saettigungseinheit()->findText(QStringLiteral("Anteil (0 bis 1)")));
    d.Ersetzen()->setChecked(true);
    ASSERT_TRUE(OkFrei(d));
    d.accept();
  }
  // The next table has the columns elsewhere: the names decide.
  CLabordatenDlg d("Sat;Kennung;Wert;K\n0;Y;1;4\n0,4;Y;3;4\n0,8;Y;9;4\n", QStringLiteral("b.csv"));
  EXPECT_EQ(d.Spalte(labor::kDruck)->currentText(), QStringLiteral("3: Wert"));
  EXPECT_EQ(d.Spalte(labor::kKern)->currentText(), QStringLiteral("2: Kennung"));
  EXPECT_EQ(d.Saettigungseinheit()->currentText(), QStringLiteral("Anteil (0 bis 1)"));
  EXPECT_TRUE(d.Ersetzen()->isChecked());
  EXPECT_EQ(d.Zeilen(), (Textliste{"PERMEABILITAET: 4 Y", "   1.0000          0.00000 ", "   3.0000          0.40000 ",
                                   "   9.0000          0.80000 ", "ENDE"}));
}

// The porosity as a fifth role, its unit and why each unit and the way of
// reading are used, shown beside the choices.
TEST_F(LabordatenTest, PorositaetUndWasErkanntWurde) {
  const char* const tabelle =
      "Probe;Permeabilität (mD);Druck (psia);SHg [%];Porosität (%)\n"
      "A;1;7,25188689;0;21,3\nA;1;29,0075476;30;21,3\nA;1;116,03019;60;21,3\n"
      "B;10;2,90075476;0;25\nB;10;14,5037738;35;26\nB;10;72,5188689;65;25\n";
  CLabordatenDlg d(tabelle, QStringLiteral("lab.csv"));
  EXPECT_EQ(d.Spalte(labor::kPorositaet)->currentText(), QStringLiteral("5: Porosität (%)"));
  EXPECT_EQ(d.Porositaetseinheit()->currentText(), QStringLiteral("aus dem Spaltennamen (sonst Anteil)"));
  EXPECT_EQ(d.TrennerHerkunft()->text(), QStringLiteral("erkannt: Semikolon"));
  EXPECT_EQ(d.DezimalHerkunft()->text(), QStringLiteral("erkannt: Komma (9 Zahlen mit Komma, 0 mit Punkt)"));
  EXPECT_EQ(d.DruckHerkunft()->text(), QStringLiteral("psi (aus dem Spaltennamen „Druck (psia)“)"));
  EXPECT_EQ(d.SaettigungHerkunft()->text(), QStringLiteral("Prozent (aus dem Spaltennamen „SHg [%]“)"));
  EXPECT_EQ(d.PorositaetHerkunft()->text(), QStringLiteral("Prozent (aus dem Spaltennamen „Porosität (%)“)"));
  EXPECT_EQ(d.Zeilen()[0], "PERMEABILITAET: 1 A POROSITAET: 0.213");
  EXPECT_EQ(d.Zeilen()[5], "PERMEABILITAET: 10 B");
  EXPECT_EQ(d.Messungen()->horizontalHeaderItem(2)->text(), QStringLiteral("Porosität (Anteil)"));
  EXPECT_EQ(Spalte(d.Messungen(), 2), (QStringList{QStringLiteral("0.213"), QString()}));
  EXPECT_EQ(d.Probleme()->toPlainText(),
            QStringLiteral("Zeile 6: Porosität 0.26 weicht von 0.25 der Probe B ab; die Probe bleibt ohne Porosität"));

  // Chosen units say so, and what the column's name says when it differs.
  d.Porositaetseinheit()->setCurrentIndex(d.Porositaetseinheit()->findText(QStringLiteral("Anteil (0 bis 1)")));
  EXPECT_EQ(d.PorositaetHerkunft()->text(),
            QStringLiteral("Anteil (gewählt; der Spaltenname „Porosität (%)“ nennt Prozent)"));
  EXPECT_EQ(d.Zeilen()[0], "PERMEABILITAET: 1 A");
  EXPECT_TRUE(d.Probleme()->toPlainText().startsWith(
      QStringLiteral("Zeile 2: Porosität 21.3 liegt nicht zwischen 0 und 1 (in Prozent angegeben?)")));
  d.Druckeinheit()->setCurrentIndex(d.Druckeinheit()->findText(QStringLiteral("bar")));
  EXPECT_EQ(d.DruckHerkunft()->text(), QStringLiteral("bar (gewählt; der Spaltenname „Druck (psia)“ nennt psi)"));
  d.Dezimal()->setCurrentIndex(d.Dezimal()->findText(QStringLiteral("Punkt (1.5)")));
  EXPECT_EQ(d.DezimalHerkunft()->text(), QStringLiteral("gewählt; erkannt: Komma (9 Zahlen mit Komma, 0 mit Punkt)"));

  // Without a porosity column the headers carry none and its unit says nothing.
  d.Dezimal()->setCurrentIndex(d.Dezimal()->findText(QStringLiteral("Komma (1,5)")));
  d.Spalte(labor::kPorositaet)->setCurrentIndex(0);
  EXPECT_EQ(d.Zeilen()[0], "PERMEABILITAET: 1 A");
  EXPECT_EQ(d.PorositaetHerkunft()->text(), QString());
  EXPECT_EQ(d.Probleme()->toPlainText(), QString());
}

TEST_F(LabordatenTest, PorositaetsspalteUndEinheitBleibenInDenEinstellungen) {
  {
    CLabordatenDlg d("Kern;Perm;Pc;SHg;Wert\nA;1;1;0;21\nA;1;2;0,5;21\nA;1;3;0,6;21\n", QStringLiteral("a.csv"));
    EXPECT_EQ(d.Spalte(labor::kPorositaet)->currentIndex(), 0);  // "Wert" is no known name
    d.Spalte(labor::kPorositaet)->setCurrentIndex(5);
    d.Porositaetseinheit()->setCurrentIndex(d.Porositaetseinheit()->findText(QStringLiteral("Prozent (0 bis 100)")));
    EXPECT_EQ(d.PorositaetHerkunft()->text(), QStringLiteral("Prozent (gewählt)"));
    EXPECT_EQ(d.Zeilen()[0], "PERMEABILITAET: 1 A POROSITAET: 0.21");
    d.accept();
  }
  CLabordatenDlg d("Wert;Kern;Perm;Pc;SHg\n19,5;B;2;1;0\n19,5;B;2;2;0,5\n19,5;B;2;3;0,6\n", QStringLiteral("b.csv"));
  EXPECT_EQ(d.Spalte(labor::kPorositaet)->currentText(), QStringLiteral("1: Wert"));
  EXPECT_EQ(d.Porositaetseinheit()->currentText(), QStringLiteral("Prozent (0 bis 100)"));
  EXPECT_EQ(d.Zeilen()[0], "PERMEABILITAET: 2 B POROSITAET: 0.195");
}

// The menu command's road: the import dialog, then the data dialog on the
// new working lines, whose OK runs the calculation.
TEST_F(LabordatenTest, ImportAnhaengenUndErsetzenImHauptfenster) {
  CMainFrame frame;
  CKadrelDoc& doc = frame.GetDocument();
  const QString pfad = Datei("lab.csv", kTabelle);
  const auto import = [](bool ersetzen) {
    return [ersetzen](QWidget* w) {
      auto* d = qobject_cast<CLabordatenDlg*>(w);
      ASSERT_NE(d, nullptr);
      d->Nullpunkt()->setChecked(true);
      (ersetzen ? d->Ersetzen() : d->AnhaengenKnopf())->setChecked(true);
      d->accept();
    };
  };
  {
    ModalSkript skript({import(true), ModalSkript::Klicken(QStringLiteral("OK")), ModalSkript::Abbrechen()});
    LabordatenImportieren(frame, pfad);
    EXPECT_EQ(skript.fenster, (QStringList{QStringLiteral("CLabordatenDlg"), QStringLiteral("DlgInput"),
                                           QStringLiteral("QMessageBox")}));
    EXPECT_EQ(skript.meldungen,
              QStringList{QStringLiteral("Keine Geamtgrafik,da Alfa <=0!\nPolynomgrad für Alfa-werte zu hoch?")});
    EXPECT_EQ(doc.Eingabezeilen, Und(kAB, kC));
    EXPECT_EQ(doc.Parameterliste.size(), 6u);  // three header lines, three curves
    EXPECT_TRUE(frame.isWindowModified());
  }
  {
    // Appended, and cancelled in the data dialog: nothing changes.
    ModalSkript skript({import(false), ModalSkript::Abbrechen()});
    LabordatenImportieren(frame, pfad);
    EXPECT_TRUE(skript.Fertig());
    EXPECT_EQ(doc.Eingabezeilen, Und(kAB, kC));
  }
  {
    ModalSkript skript({import(false), ModalSkript::Klicken(QStringLiteral("OK")), ModalSkript::Abbrechen()});
    LabordatenImportieren(frame, pfad);
    EXPECT_EQ(doc.Eingabezeilen, Und(Und(kAB, kC), Und(kAB, kC)));
    EXPECT_EQ(doc.Parameterliste.size(), 9u);
    EXPECT_EQ(skript.meldungen, QStringList{QStringLiteral("Keine  Geamtgrafik,da Swmin>1")});
  }
}

TEST_F(LabordatenTest, UnbrauchbareDateienGebenEineMeldung) {
  CMainFrame frame;
  CKadrelDoc& doc = frame.GetDocument();
  doc.Eingabezeilen = {"PERMEABILITAET: 1 X"};
  const QString leer = Datei("leer.csv", "");
  const QString text = Datei("text.csv", "a;b\nx;y\n");
  const QString gross = Datei("gross.csv", "Kern;Perm;Pc;SHg\n");
  ASSERT_TRUE(QFile::resize(gross, 500ll * 1024 * 1024));
  ModalSkript skript({ModalSkript::Abbrechen(), ModalSkript::Abbrechen(), ModalSkript::Abbrechen()});
  for (const QString& pfad : {leer, text, gross}) LabordatenImportieren(frame, pfad);
  EXPECT_EQ(skript.meldungen,
            (QStringList{leer + QStringLiteral("\nDie Tabelle ist leer."),
                         text + QStringLiteral("\nDie Tabelle enthält keine Spalte mit Zahlen."),
                         QStringLiteral("Die Datei %1 ist größer als 64 MB und wird nicht eingelesen.").arg(gross)}));
  EXPECT_EQ(doc.Eingabezeilen, Textliste{"PERMEABILITAET: 1 X"});
}

TEST_F(LabordatenTest, ErgebnisseAlsCsvFuerDeutschesExcel) {
  CMainFrame frame;
  CKadrelDoc& doc = frame.GetDocument();
  ModalSkript skript({ModalSkript::Klicken(QStringLiteral("OK")), ModalSkript::Abbrechen()});
  doc.OnDatenAendern(Und(kAB, kC));
  EXPECT_TRUE(skript.Fertig());
  const QString pfad = ordner.filePath(QStringLiteral("e.csv"));
  ASSERT_TRUE(ErgebnisseAlsCsv(frame, pfad, true));
  QFile datei(pfad);
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  const QByteArray inhalt = datei.readAll();
  EXPECT_TRUE(inhalt.startsWith("\xEF\xBB\xBFParameterliste\r\nPermeabilit\xC3\xA4t (mD);Alfa;"));
  EXPECT_TRUE(inhalt.contains("\r\n100;"));
  // The frame's own analyses follow the document's tables, each after a
  // blank line. Three curves make no family (Alfa falls below 0 at 0.01 and
  // 0.1 mD), but the saturation height evaluates the other three rocks.
  for (const char* titel : {"\r\n\r\nThomeer-Parameter\r\nPermeabilit\xC3\xA4t (mD);Pd1 (bar);",
                            "\r\n10;;;;;;;;;B;Weniger als 3 Messwerte \xC3\xBC"
                            "ber dem Sperrdruck!;\r\n",
                            "\r\n\r\nPorenradien: Punkte\r\nKern;Druck (bar);"}) {
    EXPECT_TRUE(inhalt.contains(titel)) << titel;
  }
  EXPECT_TRUE(
      inhalt.contains("\r\n\r\nS\xC3\xA4ttigungsh\xC3\xB6he: Tabelle\r\nH\xC3\xB6he (m);Sw 1 mD;Sw 10 mD;Sw 100 "
                      "mD\r\n"));
  EXPECT_TRUE(inhalt.contains("\r\n\r\nS\xC3\xA4ttigungsh\xC3\xB6he: nicht auswertbar\r\nK (mD);Por"));

  // A further analysis's table comes last.
  CsvTabellenquelleHinzufuegen(frame, [] {
    return std::vector<csv::Tabelle>{{"Testanalyse", {"Kern", "Pd (bar)"}, {{std::string("A"), 0.5}}}};
  });
  ASSERT_TRUE(ErgebnisseAlsCsv(frame, pfad, false));
  datei.close();
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  EXPECT_TRUE(datei.readAll().endsWith("\r\n\r\nTestanalyse\r\nKern,Pd (bar)\r\nA,0.5\r\n"));
  EXPECT_EQ(frame.statusBar()->currentMessage(),
            QStringLiteral("Die Ergebnisse wurden in die Datei %1 geschrieben.").arg(pfad));

  ModalSkript fehler({ModalSkript::Abbrechen()});
  EXPECT_FALSE(ErgebnisseAlsCsv(frame, ordner.filePath(QStringLiteral("fehlt/e.csv")), false));
  ASSERT_EQ(fehler.meldungen.size(), 1);
  EXPECT_TRUE(fehler.meldungen[0].contains(ordner.filePath(QStringLiteral("fehlt/e.csv"))));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
