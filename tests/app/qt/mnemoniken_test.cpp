// Every menu, menu item and button of the desktop program is reachable by
// its own Alt letter: over the whole menu bar, each menu, the context menu
// and the frame's dialogs. The check walks whatever the frame holds, so the
// items analyses add later are checked too.
#include "Mnemoniken.h"

#include "CAboutDlg.h"
#include "CAuswertungMenue.h"
#include "CMainFrame.h"
#include "CPlattformQt.h"
#include "CKadrelApp.h"
#include "FrameFixture.h"
#include "MnemonikPruefung.h"
#include "ModalSkript.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string Text(const QStringList& probleme) { return probleme.join(QStringLiteral("; ")).toStdString(); }

class MnemonikenTest : public FrameFixture {};

TEST_F(MnemonikenTest, MenueleisteUndJedesMenue) {
  const QStringList probleme = mnemoniken::MenuePruefen(frame->menuBar());
  EXPECT_TRUE(probleme.isEmpty()) << Text(probleme);
  // The two menus that shared Alt+A.
  EXPECT_EQ(QKeySequence::mnemonic(frame->Menue(QStringLiteral("&Ansicht"))->title()),
            QKeySequence(Qt::ALT | Qt::Key_A));
  EXPECT_EQ(QKeySequence::mnemonic(frame->Auswertung()->Menue()->title()), QKeySequence(Qt::ALT | Qt::Key_U));
}

// The recent files take the digits 1 to 4 beside the File menu's letters.
TEST_F(MnemonikenTest, MitZuletztGeoeffnetenDateien) {
  frame->GetDocument().Eingabezeilen = {"PERMEABILITAET: 1 A"};
  for (const char* name : {"a.kdr", "b&b.kdr", "c.kdr", "d.kdr"}) {
    ASSERT_TRUE(frame->DateiSpeichern(ordner.filePath(QString::fromUtf8(name))));
  }
  const QStringList probleme = mnemoniken::MenuePruefen(frame->menuBar());
  EXPECT_TRUE(probleme.isEmpty()) << Text(probleme);
}

TEST_F(MnemonikenTest, Kontextmenue) {
  const std::unique_ptr<QMenu> menue(frame->Kontextmenue());
  const QStringList probleme = mnemoniken::MenuePruefen(menue.get());
  EXPECT_TRUE(probleme.isEmpty()) << Text(probleme);
}

// The items later analyses bring: registered without a mnemonic, each gets a
// free one of its menu; the menu bar stays free of doubles.
TEST_F(MnemonikenTest, SpaetereAuswertungenBekommenFreieBuchstaben) {
  CAuswertungMenue* menue = frame->Auswertung();
  menue->AnsichtHinzufuegen(QStringLiteral("Petrophysik"), {});
  menue->BefehlHinzufuegen(QStringLiteral("Sättigungshöhenmodell..."));
  menue->AnsichtHinzufuegen(QStringLiteral("Kapillardruckkurven"), {});
  menue->AnsichtHinzufuegen(QStringLiteral("Bohrung"), {});
  menue->BefehlHinzufuegen(QStringLiteral("Bohrung laden..."));
  menue->BefehlHinzufuegen(QStringLiteral("Bohrung speichern als LAS..."));
  QStringList texte;
  for (const QAction* a : menue->Menue()->actions()) texte << a->text();
  EXPECT_TRUE(texte.contains(QStringLiteral("P&etrophysik"))) << texte.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(texte.contains(QStringLiteral("&Kapillardruckkurven")));
  const QStringList probleme = mnemoniken::MenuePruefen(frame->menuBar());
  EXPECT_TRUE(probleme.isEmpty()) << Text(probleme);

  // A menu of the menu bar gets one the same way.
  auto* bohrung = new QMenu(QStringLiteral("Bohrung"), frame->menuBar());
  frame->menuBar()->insertMenu(frame->menuBar()->actions().last(), bohrung);
  MnemonikErgaenzen(frame->menuBar(), bohrung->menuAction());
  EXPECT_EQ(bohrung->title(), QStringLiteral("B&ohrung"));
  EXPECT_TRUE(mnemoniken::MenuePruefen(frame->menuBar()).isEmpty());
}

// The check itself finds what it is there for.
TEST_F(MnemonikenTest, PruefungFindetDoppelteUndFehlende) {
  QMenu menue;
  menue.addAction(QStringLiteral("&Ansicht"));
  menue.addAction(QStringLiteral("&Auswertung"));
  menue.addAction(QStringLiteral("Ohne"));
  menue.addSeparator();
  EXPECT_EQ(mnemoniken::MenuePruefen(&menue), (QStringList{QStringLiteral("Alt+A doppelt: &Ansicht / &Auswertung"),
                                                           QStringLiteral("ohne Mnemonik: Ohne")}));
}

// The about box: its OK has a letter, is the default button and Return
// presses it.
TEST_F(MnemonikenTest, InfoDialogOkMitReturn) {
  CAboutDlg info(frame.get());
  EXPECT_TRUE(mnemoniken::DialogPruefen(&info).isEmpty()) << Text(mnemoniken::DialogPruefen(&info));
  auto* ok = info.findChild<QPushButton*>(QStringLiteral("ok"));
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(ok->isDefault());
  QTimer::singleShot(0, [&info] { QTest::keyClick(&info, Qt::Key_Return); });
  EXPECT_EQ(info.exec(), QDialog::Accepted);
}

// The program's message boxes: letters, a default button, Return answers.
TEST_F(MnemonikenTest, MeldungenUndFragenMitReturn) {
  CPlattformQt plattform(frame.get(), {});
  QStringList probleme;
  QString standard;
  const auto mitReturn = [&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    probleme << mnemoniken::DialogPruefen(box);
    standard = box->defaultButton() ? box->defaultButton()->text() : QString();
    QTest::keyClick(box, Qt::Key_Return);
  };
  {
    ModalSkript skript({mitReturn});
    plattform.Meldung("Hinweis");
    EXPECT_TRUE(skript.Fertig());
    EXPECT_EQ(standard, QStringLiteral("&OK"));
  }
  {
    ModalSkript skript({mitReturn});
    EXPECT_TRUE(plattform.Frage("Soll diese Zeile geändert werden?"));
    EXPECT_EQ(standard, QStringLiteral("&Ja"));
  }
  {
    // The question before giving up a modified document: Return saves.
    frame->GetDocument().SetModifiedFlag();
    ModalSkript skript({mitReturn, ModalSkript::Abbrechen()});
    EXPECT_FALSE(frame->maybeSave());  // Yes, then the save dialog, cancelled
    EXPECT_EQ(skript.fenster, (QStringList{QStringLiteral("QMessageBox"), QStringLiteral("QFileDialog")}));
    EXPECT_EQ(standard, QStringLiteral("&Ja"));
  }
  EXPECT_TRUE(probleme.isEmpty()) << Text(probleme);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
