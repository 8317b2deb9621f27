#include "PdfSeiten.h"
#include "CMainFrame.h"

#include "Befehlstexte.h"
#include "CGrafik.h"
#include "CKadrelApp.h"
#include "CKadrelView.h"
#include "DlgInput.h"
#include "FrameFixture.h"
#include "ModalSkript.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

using befehl::Id;

QByteArray Inhalt(const QString& pfad) {
  QFile datei(pfad);
  return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void Schreiben(const QString& pfad, const QByteArray& bytes) {
  QFile datei(pfad);
  ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
  datei.write(bytes);
}

// Texts of a menu's items as shown; separators as "-", hidden items left out.
QStringList Menuetexte(const QMenu* menue) {
  QStringList texte;
  for (const QAction* a : menue->actions()) {
    if (!a->isVisible()) continue;
    texte << (a->isSeparator() ? QStringLiteral("-") : a->text());
  }
  return texte;
}

class MainFrameTest : public FrameFixture {
 protected:
  void Zeigen() {
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  }

  QAction* Aktion(int id) const { return frame->Aktion(id); }
  QString Pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }
  CKadrelDoc& Doc() { return frame->GetDocument(); }
};

TEST_F(MainFrameTest, StartZustand) {
  EXPECT_EQ(frame->GetActiveView(), frame->TextAnsicht());
  EXPECT_EQ(frame->GrafikAnsicht(), nullptr);
  EXPECT_TRUE(Aktion(Id::kGrafik)->isEnabled());
  EXPECT_FALSE(Aktion(Id::kText)->isEnabled());
  EXPECT_FALSE(Aktion(Id::kGrafiklupe)->isEnabled());
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Unbenannt[*] - Kadrel"));
  EXPECT_FALSE(frame->isWindowModified());
  EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Bereit"));

  QStringList felder;
  for (const QLabel* feld : frame->statusBar()->findChildren<QLabel*>()) felder << feld->text();
  EXPECT_TRUE(felder.contains(QStringLiteral("UF")) && felder.contains(QStringLiteral("NUM")) &&
              felder.contains(QStringLiteral("RF")));
}

TEST_F(MainFrameTest, MenuesMitIhrenTexten) {
  QStringList titel;
  for (const QAction* a : frame->menuBar()->actions()) titel << a->text();
  // The classic texts, each with a mnemonic of its own ("A&uswertung": Alt+A
  // opens "&Ansicht"); "Kopieren" and "An Fenster anpassen" are added.
  EXPECT_EQ(titel, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("&Ansicht"),
                                QStringLiteral("A&uswertung"), QStringLiteral("&?")}));
  const auto menues = frame->menuBar()->actions();
  EXPECT_EQ(
      Menuetexte(menues[0]->menu()),
      (QStringList{QStringLiteral("&Neu\tStrg+N"), QStringLiteral("Ö&ffnen...\tStrg+O"),
                   QStringLiteral("&Labordaten importieren..."), QStringLiteral("B&ohrung laden..."),
                   QStringLiteral("Bohrung speichern &als LAS..."), QStringLiteral("S&peichern\tStrg+S"),
                   QStringLiteral("Speichern &unter..."), QStringLiteral("-"), QStringLiteral("&Drucken...\tStrg+P"),
                   QStringLiteral("Sei&tenansicht"), QStringLiteral("Drucker&einrichtung..."), QStringLiteral("-"),
                   QStringLiteral("Let&zte Datei"), QStringLiteral("-"), QStringLiteral("&Beenden")}));
  EXPECT_FALSE(Aktion(Id::kLetzteDatei)->isEnabled());
  EXPECT_EQ(Menuetexte(menues[1]->menu()),
            (QStringList{QStringLiteral("&Kopieren\tStrg+C"), QStringLiteral("-"), QStringLiteral("&Daten Ändern"),
                         QStringLiteral("Ergebnisse &ausgeben"), QStringLiteral("Ergebnisse &einlesen"),
                         QStringLiteral("Ergebnisse als &CSV...")}));
  EXPECT_EQ(Menuetexte(menues[2]->menu()),
            (QStringList{QStringLiteral("&Symbolleiste"), QStringLiteral("S&tatusleiste"), QStringLiteral("&Grafik"),
                         QStringLiteral("T&ext"), QStringLiteral("-"), QStringLiteral("An &Fenster anpassen"),
                         QStringLiteral("&Druckachse logarithmisch")}));
  EXPECT_EQ(Menuetexte(menues[3]->menu()),
            (QStringList{QStringLiteral("&Lagerstättenbedingungen..."), QStringLiteral("Kurven &wählen..."),
                         QStringLiteral("Sätt&igungshöhenmodell..."), QStringLiteral("-"),
                         QStringLiteral("&Thomeer-Parameter"), QStringLiteral("&Sättigungshöhe"),
                         QStringLiteral("&Porenradien"), QStringLiteral("P&etrophysik"),
                         QStringLiteral("Petrophysik-&Grafik"), QStringLiteral("&Kapillardruckkurven"),
                         QStringLiteral("&Modellgüte"), QStringLiteral("&Bohrung")}));
  EXPECT_EQ(Menuetexte(menues[4]->menu()),
            (QStringList{QStringLiteral("Inf&o über Kadrel..."), QStringLiteral("&Hilfe")}));
}

TEST_F(MainFrameTest, SymbolleisteMitNeunKnoepfenUndTooltips) {
  const auto* leiste = frame->findChild<QToolBar*>(QStringLiteral("Symbolleiste"));
  ASSERT_NE(leiste, nullptr);
  QList<int> ids;
  for (const QAction* a : leiste->actions()) ids << a->data().toInt();
  EXPECT_EQ(ids, (QList<int>{57600, 57601, 57603, 32772, 32773, 32774, 32783, 57607, 57664}));
  EXPECT_EQ(Aktion(Id::kDatenAendern)->toolTip(), QStringLiteral("Daten änden"));
  EXPECT_EQ(Aktion(Id::kDatenAendern)->statusTip(), QStringLiteral("Eingabedatei einlesen bzw. ändern"));
  EXPECT_EQ(Aktion(Id::kGrafiklupe)->toolTip(), QStringLiteral("Grafik Lupe"));
  for (const QAction* a : leiste->actions()) EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
}

// Cut, paste, undo and the pane keys exist but nothing handles them; the
// copy keys copy.
TEST_F(MainFrameTest, UnbehandelteTastenBleibenGesperrt) {
  const QList<QKeySequence> gesperrt = {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
                                        QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert),
                                        QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace),
                                        QKeySequence(Qt::Key_F6),           QKeySequence(Qt::SHIFT | Qt::Key_F6)};
  const QList<QKeySequence> kopieren = {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)};
  int gefunden = 0;
  for (const QAction* a : frame->actions()) {
    if (gesperrt.contains(a->shortcut())) {
      ++gefunden;
      EXPECT_FALSE(a->isEnabled()) << a->shortcut().toString().toStdString();
    }
    if (kopieren.contains(a->shortcut())) {
      ++gefunden;
      EXPECT_TRUE(a->isEnabled()) << a->shortcut().toString().toStdString();
    }
  }
  EXPECT_EQ(gefunden, gesperrt.size() + kopieren.size());
}

TEST_F(MainFrameTest, F3UndF4WechselnDieAnsichtMitEinerGrafik) {
  Zeigen();
  QTest::keyClick(frame.get(), Qt::Key_F3);
  CGrafik* grafik = frame->GrafikAnsicht();
  ASSERT_NE(grafik, nullptr);
  EXPECT_EQ(frame->GetActiveView(), grafik);
  EXPECT_FALSE(Aktion(Id::kGrafik)->isEnabled());
  EXPECT_TRUE(Aktion(Id::kText)->isEnabled());
  EXPECT_TRUE(Aktion(Id::kGrafiklupe)->isEnabled());

  QTest::keyClick(frame.get(), Qt::Key_F3);  // disabled now: nothing happens
  EXPECT_EQ(frame->GetActiveView(), grafik);

  QTest::keyClick(frame.get(), Qt::Key_F4);
  EXPECT_EQ(frame->GetActiveView(), frame->TextAnsicht());
  EXPECT_FALSE(Aktion(Id::kGrafiklupe)->isEnabled());
  EXPECT_FALSE(Aktion(Id::kText)->isEnabled());

  QTest::keyClick(frame.get(), Qt::Key_F3);
  EXPECT_EQ(frame->GrafikAnsicht(), grafik);
  EXPECT_EQ(frame->findChildren<CGrafik*>().size(), 1);
  EXPECT_EQ(frame->GetActiveView(), grafik);
}

// The shown view has the keyboard: Page Down and Ctrl+End scroll the list
// from the start, and again after a switch to the chart and back.
TEST_F(MainFrameTest, TastenRollenDieGezeigteListe) {
  Textliste zeilen;
  for (int i = 0; i < 400; ++i) zeilen.push_back(" Zeile " + std::to_string(i + 1));
  Doc().Detailergebnisse = zeilen;
  frame->TextAnsicht()->OnUpdate();
  Zeigen();
  EXPECT_EQ(QApplication::focusWidget(), frame->TextAnsicht());
  QScrollBar* senkrecht = frame->TextAnsicht()->verticalScrollBar();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
  EXPECT_EQ(senkrecht->value(), senkrecht->pageStep());
  QTest::keyClick(frame.get(), Qt::Key_F3);
  QTest::keyClick(frame.get(), Qt::Key_F4);
  EXPECT_EQ(QApplication::focusWidget(), frame->TextAnsicht());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(senkrecht->value(), senkrecht->maximum());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(senkrecht->value(), 0);
}

TEST_F(MainFrameTest, GrafiklupeSchaltetUndZeigtHaken) {
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  Aktion(Id::kGrafiklupe)->trigger();
  EXPECT_TRUE(frame->GrafikAnsicht()->Grafiklupe());
  EXPECT_TRUE(Aktion(Id::kGrafiklupe)->isChecked());
  Aktion(Id::kGrafiklupe)->trigger();
  EXPECT_FALSE(frame->GrafikAnsicht()->Grafiklupe());
  EXPECT_FALSE(Aktion(Id::kGrafiklupe)->isChecked());
}

TEST_F(MainFrameTest, HilfeOhneSeiteMeldetOnlinehilfeNichtGefunden) {
  Zeigen();
  frame->SetHilfedatei(Pfad("fehlt/kadrel-hilfe.html"));
  ModalSkript skript({ModalSkript::Abbrechen()});
  QTest::keyClick(frame.get(), Qt::Key_F1);
  EXPECT_EQ(skript.meldungen, QStringList{QStringLiteral("Onlinehilfe nicht gefunden!")});
}

TEST_F(MainFrameTest, HilfeZeigtDieMitgelieferteSeite) {
  ASSERT_FALSE(frame->Hilfedatei().isEmpty());
  ModalSkript skript;
  Aktion(Id::kHilfe)->trigger();
  EXPECT_TRUE(skript.meldungen.isEmpty());
  auto* betrachter = frame->findChild<QTextBrowser*>();
  ASSERT_NE(betrachter, nullptr);
  EXPECT_TRUE(betrachter->isVisible());
  EXPECT_TRUE(betrachter->toPlainText().contains(QStringLiteral("Kadrel – Hilfe")));
}

TEST_F(MainFrameTest, ZuletztGeoeffneteDateienVierStueckInDenEinstellungen) {
  Doc().Eingabezeilen = {"PERMEABILITAET: 1 A"};
  for (const char* name : {"a.kdr", "b.kdr", "c.kdr", "d.kdr", "e.kdr"}) ASSERT_TRUE(frame->DateiSpeichern(Pfad(name)));
  const QStringList erwartet = {Pfad("e.kdr"), Pfad("d.kdr"), Pfad("c.kdr"), Pfad("b.kdr")};
  EXPECT_EQ(frame->ZuletztGeoeffnet(), erwartet);

  QSettings einstellungen;
  EXPECT_EQ(einstellungen.value(QStringLiteral("Recent File List/File1")).toString(), Pfad("e.kdr"));
  EXPECT_EQ(einstellungen.value(QStringLiteral("Recent File List/File4")).toString(), Pfad("b.kdr"));

  // A new window reads them back and lists them in the File menu.
  CMainFrame zweites;
  EXPECT_EQ(zweites.ZuletztGeoeffnet(), erwartet);
  const QStringList texte = Menuetexte(zweites.menuBar()->actions()[0]->menu());
  EXPECT_TRUE(texte.contains(QStringLiteral("&1 ") + Pfad("e.kdr")));
  EXPECT_FALSE(texte.contains(QStringLiteral("Let&zte Datei")));
}

TEST_F(MainFrameTest, FehlendeZuletztDateiWirdGemeldetUndVergessen) {
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("weg.kdr")));
  ASSERT_TRUE(QFile::remove(Pfad("weg.kdr")));
  QMenu* datei = frame->menuBar()->actions()[0]->menu();
  QAction* eintrag = nullptr;
  for (QAction* a : datei->actions()) {
    if (a->text().startsWith(QStringLiteral("&1 "))) eintrag = a;
  }
  ASSERT_NE(eintrag, nullptr);
  ModalSkript skript({ModalSkript::Abbrechen()});
  eintrag->trigger();
  EXPECT_EQ(skript.meldungen, QStringList{QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(Pfad("weg.kdr"))});
  EXPECT_TRUE(frame->ZuletztGeoeffnet().isEmpty());
}

TEST_F(MainFrameTest, BeendenFragtNachDemSpeichern) {
  Zeigen();
  Doc().Eingabezeilen = {"PERMEABILITAET: 1 A"};
  Doc().SetModifiedFlag();
  {
    ModalSkript skript({ModalSkript::Klicken(QStringLiteral("Abbrechen"))});
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(skript.meldungen, QStringList{QStringLiteral("Änderungen in Unbenannt speichern?")});
    EXPECT_TRUE(frame->isVisible());
  }
  {
    // Yes: Save As, then the window closes.
    const QString ziel = Pfad("gesichert.kdr");
    ModalSkript skript({ModalSkript::Klicken(QStringLiteral("Ja")), [ziel](QWidget* w) {
                          auto* dialog = qobject_cast<QFileDialog*>(w);
                          ASSERT_NE(dialog, nullptr);
                          auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                          ASSERT_NE(name, nullptr);
                          name->setText(ziel);
                          static_cast<QDialog*>(dialog)->accept();
                        }});
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(skript.Fertig());
    EXPECT_EQ(Inhalt(ziel), QByteArray("\x01\x00\x13PERMEABILITAET: 1 A", 22));
  }
}

TEST_F(MainFrameTest, BeendenOhneSpeichernMitNein) {
  Doc().SetModifiedFlag();
  ModalSkript skript({ModalSkript::Klicken(QStringLiteral("Nein"))});
  EXPECT_TRUE(frame->close());
  EXPECT_EQ(skript.meldungen.size(), 1);
}

TEST_F(MainFrameTest, UnveraendertesDokumentSchliesstOhneFrage) {
  ModalSkript skript;
  EXPECT_TRUE(frame->close());
  EXPECT_TRUE(skript.fenster.isEmpty());
}

// File New empties a modified document only after the question.
TEST_F(MainFrameTest, DateiNeuFragtVorDemLeeren) {
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("alt.kdr")));
  Doc().Eingabezeilen = {"PERMEABILITAET: 1 A", "1 0", "ENDE"};
  Doc().SetModifiedFlag();

  ModalSkript abbrechen({ModalSkript::Klicken(QStringLiteral("Abbrechen"))});
  Aktion(Id::kDateiNeu)->trigger();
  EXPECT_EQ(abbrechen.meldungen, QStringList{QStringLiteral("Änderungen in alt.kdr speichern?")});
  EXPECT_EQ(Doc().Eingabezeilen.size(), 3u);
  EXPECT_EQ(abbrechen.fenster.size(), 1);  // no data dialog

  ModalSkript nein({ModalSkript::Klicken(QStringLiteral("Nein")), ModalSkript::Abbrechen()});
  Aktion(Id::kDateiNeu)->trigger();
  EXPECT_TRUE(nein.Fertig());  // the question, then the data dialog
  EXPECT_TRUE(Doc().Eingabezeilen.empty());
  // The new document has no file: saving it must not overwrite alt.kdr.
  EXPECT_TRUE(Doc().GetPathName().empty());
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Unbenannt[*] - Kadrel"));
}

TEST_F(MainFrameTest, DruckenDerTextansichtInsPdf) {
  Doc().Detailergebnisse.assign(58, " Zeile");
  frame->TextAnsicht()->OnUpdate();
  const QString pdf = Pfad("text.pdf");
  frame->Drucker().setOutputFormat(QPrinter::PdfFormat);
  frame->Drucker().setOutputFileName(pdf);
  ModalSkript skript({ModalSkript::Annehmen()});
  Aktion(Id::kDrucken)->trigger();
  EXPECT_EQ(skript.fenster, QStringList{QStringLiteral("QPrintDialog")});
  EXPECT_EQ(PdfSeiten(pdf), 2);
}

// A line the file's code page cannot hold is refused, and the file on disk
// keeps its previous content.
TEST_F(MainFrameTest, SpeichernVerweigertUndLaesstAlteDateiStehen) {
  const QString pfad = Pfad("bestand.kdr");
  Schreiben(pfad, QByteArray("\x01\x00\x01x", 4));
  Doc().Eingabezeilen = {"PERMEABILITAET: 1 Kern→A"};
  ModalSkript skript({ModalSkript::Abbrechen()});
  EXPECT_FALSE(frame->DateiSpeichern(pfad));
  ASSERT_EQ(skript.meldungen.size(), 1);
  EXPECT_TRUE(skript.meldungen[0].startsWith(QStringLiteral("Die Datei %1 kann nicht gespeichert werden.").arg(pfad)));
  EXPECT_TRUE(skript.meldungen[0].contains(QStringLiteral("→")));
  EXPECT_EQ(Inhalt(pfad), QByteArray("\x01\x00\x01x", 4));
}

TEST_F(MainFrameTest, SpeichernInFehlendenOrdnerNenntDieDatei) {
  const QString pfad = Pfad("gibt/es/nicht.kdr");
  ModalSkript skript({ModalSkript::Abbrechen()});
  EXPECT_FALSE(frame->DateiSpeichern(pfad));
  ASSERT_EQ(skript.meldungen.size(), 1);
  EXPECT_TRUE(skript.meldungen[0].contains(pfad));
  EXPECT_TRUE(Doc().GetPathName().empty());
}

TEST_F(MainFrameTest, DefekteDateiWirdGemeldetUndLaesstDasDokument) {
  const QString pfad = Pfad("kaputt.kdr");
  Schreiben(pfad, QByteArray("\x05\x00\x01"
                             "a",
                             4));
  Doc().Eingabezeilen = {"bleibt"};
  ModalSkript skript({ModalSkript::Abbrechen()});
  EXPECT_FALSE(frame->DateiLaden(pfad));
  ASSERT_EQ(skript.meldungen.size(), 1);
  EXPECT_TRUE(
      skript.meldungen[0].startsWith(QStringLiteral("Die Datei %1 ist kein gültiges Kadrel-Dokument.\n").arg(pfad)));
  EXPECT_EQ(Doc().Eingabezeilen, Textliste{"bleibt"});
  EXPECT_TRUE(Doc().GetPathName().empty());
}

TEST_F(MainFrameTest, UnlesbaresDokumentNenntDenGrundUndLaesstDasDokument) {
  const QString ordner = Pfad("ordner.kdr");
  ASSERT_TRUE(QDir().mkpath(ordner));
  Doc().Eingabezeilen = {"bleibt"};
  ModalSkript skript({ModalSkript::Abbrechen(), ModalSkript::Abbrechen()});
  EXPECT_FALSE(frame->DateiLaden(ordner));
  EXPECT_FALSE(frame->DateiLaden(QStringLiteral("/proc/self/mem")));
  // The reason comes from the C library in the program's locale (German
  // under de_DE), so only its presence is checked.
  ASSERT_EQ(skript.meldungen.size(), 2);
  const QString offen = QStringLiteral("Die Datei %1 kann nicht geöffnet werden: ").arg(ordner);
  const QString lesen = QStringLiteral("Die Datei /proc/self/mem kann nicht gelesen werden: ");
  EXPECT_TRUE(skript.meldungen[0].startsWith(offen) && skript.meldungen[0].size() > offen.size());
  EXPECT_TRUE(skript.meldungen[1].startsWith(lesen) && skript.meldungen[1].size() > lesen.size());
  EXPECT_EQ(Doc().Eingabezeilen, Textliste{"bleibt"});
  EXPECT_TRUE(Doc().GetPathName().empty());
}

TEST_F(MainFrameTest, SpeichernFolgtDemVerweisUndAchtetDenSchreibschutz) {
  const QString ziel = Pfad("real.kdr");
  Schreiben(ziel, QByteArray("alt"));
  ASSERT_TRUE(QFile::link(ziel, Pfad("link.kdr")));
  Doc().Eingabezeilen = {"PERMEABILITAET: 1 A"};
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("link.kdr")));
  EXPECT_TRUE(QFileInfo(Pfad("link.kdr")).isSymLink());
  EXPECT_EQ(Inhalt(ziel), QByteArray("\x01\x00\x13PERMEABILITAET: 1 A", 22));

  const QString geschuetzt = Pfad("schutz.kdr");
  Schreiben(geschuetzt, QByteArray("alt"));
  QFile::setPermissions(geschuetzt, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  ModalSkript skript({ModalSkript::Abbrechen()});
  EXPECT_FALSE(frame->DateiSpeichern(geschuetzt));
  ASSERT_EQ(skript.meldungen.size(), 1);
  EXPECT_TRUE(skript.meldungen[0].endsWith(
      QStringLiteral("\nDie Datei %1 ist schreibgeschützt und wird nicht überschrieben.").arg(geschuetzt)))
      << skript.meldungen[0].toStdString();
  EXPECT_EQ(Inhalt(geschuetzt), QByteArray("alt"));
}

TEST_F(MainFrameTest, UnlesbareEinstellungenWerdenGemeldet) {
  const QString datei = QSettings().fileName();
  QFile::remove(datei);
  ASSERT_TRUE(QDir().mkpath(datei));
  ModalSkript skript({ModalSkript::Abbrechen()});
  const CMainFrame zweites;
  EXPECT_EQ(skript.meldungen,
            QStringList{QStringLiteral("Die Einstellungen %1 können nicht gelesen werden: Is a directory").arg(datei)});
}

TEST_F(MainFrameTest, GezogeneDateiWirdGeoeffnet) {
  const QString pfad = Pfad("gezogen.kdr");
  Schreiben(pfad, QByteArray("\x01\x00\x03"
                             "abc",
                             6));
  QMimeData daten;
  daten.setUrls({QUrl::fromLocalFile(pfad)});
  QDropEvent ablegen(QPointF(10, 10), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
  ModalSkript skript({ModalSkript::Abbrechen()});  // the data dialog of the loading
  QDragEnterEvent betreten(QPoint(10, 10), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &betreten);
  EXPECT_TRUE(betreten.isAccepted());
  QApplication::sendEvent(frame.get(), &ablegen);
  EXPECT_TRUE(skript.Fertig());
  EXPECT_EQ(Doc().Eingabezeilen, Textliste{"abc"});
  EXPECT_EQ(QString::fromStdString(Doc().GetPathName()), pfad);
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("gezogen.kdr[*] - Kadrel"));
}

// The data dialog as a user fills it: "Testdaten", then OK.
ModalSkript::Schritt TestdatenUndOk() {
  return [](QWidget* w) {
    ASSERT_NE(qobject_cast<DlgInput*>(w), nullptr);
    ModalSkript::Klicken(QStringLiteral("Testdaten"))(w);
    QPointer<QWidget> dialog(w);
    QTimer::singleShot(50, [dialog] {
      if (dialog) ModalSkript::Klicken(QStringLiteral("OK"))(dialog);
    });
  };
}

TEST_F(MainFrameTest, KontextmenueDatenAendernOeffnetDenDatendialog) {
  Zeigen();
  QStringList punkte;
  QString titel;
  QTimer::singleShot(50, [&] {
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    titel = menue->title();
    for (QAction* a : menue->actions()) punkte << a->text();
    menue->setActiveAction(menue->actions().value(0));
    QTest::keyClick(menue, Qt::Key_Return);
  });
  ModalSkript skript({ModalSkript::Abbrechen()});
  QWidget* flaeche = frame->TextAnsicht()->viewport();
  QContextMenuEvent rechts(QContextMenuEvent::Mouse, QPoint(20, 20), flaeche->mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(flaeche, &rechts);
  EXPECT_EQ(titel, QStringLiteral("Kontextmenü"));
  EXPECT_EQ(punkte,
            (QStringList{QStringLiteral("&Daten ändern"), QStringLiteral("Datei &neu"), QStringLiteral("Datei Ö&ffnen"),
                         QStringLiteral("Datei speichern &unter"), QStringLiteral("&Grafik"), QStringLiteral("&Text"),
                         QString(), QStringLiteral("&Kopieren")}));
  EXPECT_EQ(skript.fenster, QStringList{QStringLiteral("DlgInput")});
}

// New, the data dialog with the test measurement, the run, save, and open in
// a fresh window: the lines and the results come back alike.
TEST_F(MainFrameTest, RundreiseNeuDialogRechnenSpeichernOeffnen) {
  ModalSkript neu({TestdatenUndOk()});
  Aktion(Id::kDateiNeu)->trigger();
  EXPECT_EQ(neu.fenster, QStringList{QStringLiteral("DlgInput")});
  ASSERT_EQ(Doc().Eingabezeilen.size(), 22u);
  EXPECT_EQ(Doc().Eingabezeilen.front(), "PERMEABILITAET: 1 TEST");
  EXPECT_GT(Doc().Parameterliste.size(), 3u);
  EXPECT_TRUE(frame->isWindowModified());
  const Textliste details = Doc().Detailergebnisse;
  ASSERT_FALSE(details.empty());

  const QString pfad = Pfad("rund.kdr");
  ASSERT_TRUE(frame->DateiSpeichern(pfad));
  EXPECT_FALSE(frame->isWindowModified());
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("rund.kdr[*] - Kadrel"));

  CMainFrame zweites;
  // Loading resets the options, the test values among them, so the single
  // curve now falls short of the regression.
  ModalSkript oeffnen({ModalSkript::Klicken(QStringLiteral("OK")), ModalSkript::Abbrechen()});
  ASSERT_TRUE(zweites.DateiLaden(pfad));
  EXPECT_EQ(oeffnen.fenster, (QStringList{QStringLiteral("DlgInput"), QStringLiteral("QMessageBox")}));
  EXPECT_EQ(oeffnen.meldungen, QStringList{QStringLiteral("Erforderlich sind mindestens 3 Kapillardruckmessungen")});
  EXPECT_EQ(zweites.GetDocument().Eingabezeilen, Doc().Eingabezeilen);
  const Textliste& wieder = zweites.GetDocument().Detailergebnisse;
  ASSERT_EQ(wieder.size(), details.size() + 2);
  EXPECT_TRUE(std::equal(details.begin(), details.end(), wieder.begin()));
  EXPECT_EQ(wieder.back(),
            "Zur Berechnung der Parameterfunktion sind mindestens 3 Kapillardruckmessungen erforderlich!");
  EXPECT_FALSE(zweites.isWindowModified());
  EXPECT_EQ(zweites.ZuletztGeoeffnet().value(0), pfad);
}

// The print preview closes by its own toolbar button, which carries the
// prompt and tooltip of the string table, and by Esc.
TEST_F(MainFrameTest, SeitenansichtHatEinenSchliessknopf) {
  Zeigen();
  QString tipp;
  QString aufforderung;
  QString status;
  ModalSkript knopf({[&](QWidget* w) {
    auto* beenden = w->findChild<QAction*>(QStringLiteral("seitenansichtBeenden"));
    auto* leiste = w->findChild<QToolBar*>();
    ASSERT_NE(beenden, nullptr);
    ASSERT_NE(leiste, nullptr);
    EXPECT_TRUE(leiste->actions().contains(beenden));
    tipp = beenden->toolTip();
    aufforderung = beenden->statusTip();
    beenden->showStatusText(leiste);
    if (auto* zeile = w->findChild<QStatusBar*>()) status = zeile->currentMessage();
    beenden->trigger();
  }});
  Aktion(Id::kSeitenansicht)->trigger();
  EXPECT_EQ(knopf.fenster, QStringList{QStringLiteral("QPrintPreviewDialog")});
  EXPECT_EQ(tipp, QStringLiteral("Seitenansicht beenden"));
  EXPECT_EQ(aufforderung, QStringLiteral("Beendet die Seitenansicht."));
  EXPECT_EQ(status, QStringLiteral("Beendet die Seitenansicht."));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  bool offen = true;
  ModalSkript esc({[&](QWidget* w) {
    QTest::keyClick(w, Qt::Key_Escape);
    offen = w->isVisible();
  }});
  Aktion(Id::kSeitenansicht)->trigger();
  EXPECT_EQ(esc.fenster, QStringList{QStringLiteral("QPrintPreviewDialog")});
  EXPECT_FALSE(offen);
}

// A second document opened with "Abbrechen" in its data dialog shows no
// result of the first: lists, information line and chart are empty until F2
// and OK, while its lines, title and saved state are those of the new file.
TEST_F(MainFrameTest, AbgebrochenesOeffnenZeigtKeineAltenErgebnisse) {
  ModalSkript neu({TestdatenUndOk()});
  Aktion(Id::kDateiNeu)->trigger();
  ASSERT_FALSE(Doc().Detailergebnisse.empty());
  ASSERT_FALSE(Doc().Info.empty());
  Aktion(Id::kGrafik)->trigger();
  ASSERT_NE(frame->GrafikAnsicht(), nullptr);
  frame->GrafikAnsicht()->grab();
  ASSERT_EQ(frame->GrafikAnsicht()->GetDiagramm().Kurvenpunkte(), 20);

  const QString pfad = Pfad("zweites.kdr");
  Schreiben(pfad, QByteArray("\x02\x00\x14PERMEABILITAET: 3 Z9\x04"
                             "ENDE",
                             28));
  ModalSkript skript({ModalSkript::Abbrechen()});
  ASSERT_TRUE(frame->DateiLaden(pfad));
  EXPECT_TRUE(skript.Fertig());
  EXPECT_EQ(Doc().Eingabezeilen, (Textliste{"PERMEABILITAET: 3 Z9", "ENDE"}));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("zweites.kdr[*] - Kadrel"));
  EXPECT_FALSE(frame->isWindowModified());
  for (const Textliste* liste : {&Doc().Detailergebnisse, &Doc().Parameterliste, &Doc().Parameterfunktionen}) {
    EXPECT_TRUE(liste->empty());
  }
  EXPECT_TRUE(Doc().Info.empty());
  EXPECT_TRUE(Doc().Titel.empty());
  frame->GrafikAnsicht()->grab();
  EXPECT_EQ(frame->GrafikAnsicht()->GetDiagramm().Kurvenpunkte(), 0);
  EXPECT_EQ(frame->GrafikAnsicht()->GetDiagramm().Parameterpunkte(), 0);
  EXPECT_EQ(Doc().iScharKurven, 0);
}

// Ctrl+O on a modified document: the file dialog comes first; cancelling it
// asks nothing, choosing a file asks to save before the file is loaded.
TEST_F(MainFrameTest, OeffnenFragtErstNachDerDateiwahl) {
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("alt.kdr")));
  const QString neu = Pfad("neu.kdr");
  Schreiben(neu, QByteArray("\x01\x00\x03"
                            "abc",
                            6));
  Doc().Eingabezeilen = {"PERMEABILITAET: 1 A"};
  Doc().SetModifiedFlag();

  ModalSkript abbrechen({ModalSkript::Abbrechen()});
  Aktion(Id::kOeffnen)->trigger();
  EXPECT_EQ(abbrechen.fenster, QStringList{QStringLiteral("QFileDialog")});
  EXPECT_TRUE(abbrechen.meldungen.isEmpty());
  EXPECT_TRUE(Doc().IsModified());

  const auto waehlen = [neu](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(neu);
    static_cast<QDialog*>(dialog)->accept();
  };
  ModalSkript oeffnen({waehlen, ModalSkript::Klicken(QStringLiteral("Nein")), ModalSkript::Abbrechen()});
  Aktion(Id::kOeffnen)->trigger();
  EXPECT_EQ(oeffnen.fenster,
            (QStringList{QStringLiteral("QFileDialog"), QStringLiteral("QMessageBox"), QStringLiteral("DlgInput")}));
  EXPECT_EQ(oeffnen.meldungen, QStringList{QStringLiteral("Änderungen in alt.kdr speichern?")});
  EXPECT_EQ(Doc().Eingabezeilen, Textliste{"abc"});
}

TEST_F(MainFrameTest, ErgebnisseAusgebenUndEinlesen) {
  const QString vorher = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(ordner.path()));
  Doc().Detailergebnisse = {" Zeile 1", " Zeile 2"};
  ModalSkript skript({ModalSkript::Abbrechen(), ModalSkript::Abbrechen()});
  Aktion(Id::kErgebnisseAusgeben)->trigger();
  Doc().Detailergebnisse.clear();
  Aktion(Id::kErgebnisseEinlesen)->trigger();
  QDir::setCurrent(vorher);
  EXPECT_EQ(skript.meldungen,
            (QStringList{QStringLiteral("Die Detailergebnisse sind in die Datei aus.txt geschrieben!"),
                         QStringLiteral("3 Zeilen wurden eingelesen")}));
  EXPECT_EQ(Doc().Detailergebnisse.size(), 3u);
}

TEST_F(MainFrameTest, BefehlszeileMitFehlenderDateiBeendetDenStart) {
  frame.reset();
  CKadrelApp app;
  ModalSkript skript({ModalSkript::Abbrechen()});
  EXPECT_FALSE(app.InitInstance({Pfad("fehlt.kdr")}));
  EXPECT_EQ(skript.meldungen, QStringList{QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(Pfad("fehlt.kdr"))});
}

TEST_F(MainFrameTest, BefehlszeileOhneDateiZeigtDasFenster) {
  frame.reset();
  CKadrelApp app;
  ASSERT_TRUE(app.InitInstance({}));
  ASSERT_NE(app.GetMainWnd(), nullptr);
  EXPECT_TRUE(app.GetMainWnd()->isVisible());
  EXPECT_EQ(app.GetMainWnd()->GetActiveView(), app.GetMainWnd()->TextAnsicht());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
