// "Datei → Öffnen" on measurement lines ("Messdaten (*.txt)"): a new,
// unnamed document with the data dialog open on the file's lines; saving
// asks for a .kdr name and never replaces the text file.
#include "MessdatenOeffnen.h"

#include "Befehlstexte.h"
#include "CKadrelApp.h"
#include "DateiImport.h"
#include "DlgInput.h"
#include "FakePlattform.h"
#include "FrameFixture.h"
#include "ModalSkript.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

QByteArray Inhalt(const QString& pfad) {
  QFile datei(pfad);
  return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// The lines the data dialog shows.
Textliste DialogZeilen(QWidget* w) {
  Textliste zeilen;
  auto* liste = w->findChild<QListView*>(QStringLiteral("liste"));
  if (!liste) return zeilen;
  for (int i = 0; i < liste->model()->rowCount(); ++i) {
    zeilen.push_back(liste->model()->index(i, 0).data().toString().toStdString());
  }
  return zeilen;
}

// Chooses a file in the open or save dialog, with the filter given.
ModalSkript::Schritt Waehlen(const QString& pfad, const QString& filter = QString()) {
  return [pfad, filter](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    if (!filter.isEmpty()) dialog->selectNameFilter(filter);
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(pfad);
    static_cast<QDialog*>(dialog)->accept();
  };
}

class MessdatenTest : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    beispiel = ordner.filePath(QStringLiteral("beispiel.txt"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KADREL_SOURCE_DIR "/examples/beispiel.txt"), beispiel));
    std::string fehler;
    ASSERT_TRUE(TextdateiLesen(beispiel.toStdString(), dateizeilen, fehler)) << fehler;
  }
  void Schreiben(const QString& pfad, const QByteArray& bytes) {
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(bytes);
  }
  // Looks at the data dialog, then closes it with OK or Abbrechen.
  ModalSkript::Schritt Dialog(Textliste& gesehen, bool ok) {
    return [&gesehen, ok](QWidget* w) {
      ASSERT_NE(qobject_cast<DlgInput*>(w), nullptr);
      gesehen = DialogZeilen(w);
      ModalSkript::Klicken(ok ? QStringLiteral("OK") : QStringLiteral("Abbrechen"))(w);
    };
  }

  QString beispiel;
  Textliste dateizeilen;
};

// The bundled example: "Datei einlesen" stops at a repeated saturation (its
// rule stays), while "Öffnen" as Messdaten takes every line.
TEST_F(MessdatenTest, BeispielUeberOeffnenMitDemFilterMessdaten) {
  FakePlattform stumm;
  Textliste eingelesen;
  int neu = 0;
  ZeilenImportieren(
      dateizeilen, stumm, [&](const std::string& z) { eingelesen.push_back(z); }, neu);
  ASSERT_FALSE(stumm.protokoll.empty());
  EXPECT_EQ(stumm.protokoll.back().text, "ABBRUCH!!Die Saettigungswerte steigen nicht an!");
  EXPECT_LT(eingelesen.size(), dateizeilen.size());

  Textliste gesehen;
  ModalSkript skript({Waehlen(beispiel, QStringLiteral("Messdaten (*.txt)")), Dialog(gesehen, true)});
  frame->Aktion(befehl::kOeffnen)->trigger();
  EXPECT_TRUE(skript.Fertig());
  EXPECT_EQ(skript.fenster, (QStringList{QStringLiteral("QFileDialog"), QStringLiteral("DlgInput")}));
  EXPECT_TRUE(skript.meldungen.isEmpty()) << skript.meldungen.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(gesehen, dateizeilen);
  ASSERT_EQ(gesehen.size(), 205u);  // twelve curves, every line of the file
  EXPECT_EQ(gesehen.front(), "PERMEABILITAET: 0.00946 AD-258");

  const CKadrelDoc& doc = frame->GetDocument();
  EXPECT_EQ(doc.Eingabezeilen, dateizeilen);
  EXPECT_TRUE(doc.GetPathName().empty());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Unbenannt[*] - Kadrel"));
  EXPECT_EQ(doc.Messkurven.size(), 12u);  // OK ran the calculation
  EXPECT_EQ(frame->ZuletztGeoeffnet().value(0), beispiel);
}

// Saving asks for a name, offering the text file's name with .kdr beside it;
// the text file keeps its bytes.
TEST_F(MessdatenTest, SpeichernFragtNachEinemKdrNamen) {
  const QByteArray vorher = Inhalt(beispiel);
  Textliste gesehen;
  {
    ModalSkript skript({Dialog(gesehen, false)});
    ASSERT_TRUE(frame->Oeffnen(beispiel));
  }
  QString angeboten;
  ModalSkript skript({[&angeboten](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    angeboten = dialog->selectedFiles().value(0);
    static_cast<QDialog*>(dialog)->accept();
  }});
  EXPECT_TRUE(frame->OnSpeichern());
  EXPECT_EQ(angeboten, ordner.filePath(QStringLiteral("beispiel.kdr")));
  EXPECT_EQ(Inhalt(beispiel), vorher);
  EXPECT_EQ(QString::fromStdString(frame->GetDocument().GetPathName()),
            ordner.filePath(QStringLiteral("beispiel.kdr")));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("beispiel.kdr[*] - Kadrel"));
  // The document holds the lines: opened again, they come back.
  Textliste wieder;
  ModalSkript oeffnen({Dialog(wieder, false)});
  ASSERT_TRUE(frame->DateiLaden(ordner.filePath(QStringLiteral("beispiel.kdr"))));
  EXPECT_EQ(wieder, dateizeilen);
}

// A name ending in .txt is refused: the text file is never overwritten in
// another format.
TEST_F(MessdatenTest, TextdateiWirdNichtUeberschrieben) {
  const QByteArray vorher = Inhalt(beispiel);
  Textliste gesehen;
  {
    ModalSkript skript({Dialog(gesehen, false)});
    ASSERT_TRUE(frame->Oeffnen(beispiel));
  }
  // The save dialog's own question whether to replace the file, Yes; then
  // the refusal.
  ModalSkript skript({Waehlen(beispiel), ModalSkript::Klicken(QStringLiteral("Yes")), ModalSkript::Abbrechen()});
  EXPECT_FALSE(frame->OnSpeichernUnter());
  EXPECT_TRUE(skript.Fertig());
  ASSERT_FALSE(skript.meldungen.isEmpty());
  EXPECT_EQ(skript.meldungen.last(), QStringLiteral("Die Datei %1 ist eine Textdatei (*.txt) und wird nicht durch ein "
                                                    "Kadrel-Dokument ersetzt; bitte einen Namen mit .kdr wählen.")
                                         .arg(beispiel));
  EXPECT_EQ(Inhalt(beispiel), vorher);
  EXPECT_TRUE(frame->GetDocument().GetPathName().empty());
}

// Lines are decoded as "Datei einlesen" decodes them: UTF-8 or Windows-1252.
TEST_F(MessdatenTest, ZeichensatzWieBeimEinlesen) {
  const QString utf8 = ordner.filePath(QStringLiteral("utf8.txt"));
  Schreiben(utf8, QByteArray("PERMEABILITAET: 1 K\xC3\x84\r\n0 0\r\nENDE\r\n"));
  const QString ansi = ordner.filePath(QStringLiteral("ansi.TXT"));
  Schreiben(ansi, QByteArray("PERMEABILITAET: 2 K\xC4\n0 0\nENDE\n"));
  Textliste gesehen;
  {
    ModalSkript skript({Dialog(gesehen, false)});
    ASSERT_TRUE(frame->Oeffnen(utf8));
  }
  EXPECT_EQ(gesehen, (Textliste{"PERMEABILITAET: 1 KÄ", "0 0", "ENDE"}));
  {
    ModalSkript skript({Dialog(gesehen, false)});
    ASSERT_TRUE(frame->Oeffnen(ansi));
  }
  EXPECT_EQ(gesehen, (Textliste{"PERMEABILITAET: 2 KÄ", "0 0", "ENDE"}));
}

// A character a document cannot store: refused with the file's name, the
// document stays as it was.
TEST_F(MessdatenTest, NichtSpeicherbaresZeichenWirdAbgewiesen) {
  const QString pfad = ordner.filePath(QStringLiteral("pfeil.txt"));
  Schreiben(pfad, QByteArray("PERMEABILITAET: 1 K\xE2\x86\x92"
                             "A\n0 0\nENDE\n"));
  frame->GetDocument().Eingabezeilen = {"bleibt"};
  ModalSkript skript({ModalSkript::Abbrechen()});
  EXPECT_FALSE(frame->Oeffnen(pfad));
  ASSERT_EQ(skript.meldungen.size(), 1);
  EXPECT_TRUE(skript.meldungen[0].startsWith(
      QStringLiteral("Die Datei %1 kann nicht als Kadrel-Dokument geöffnet werden.\n").arg(pfad)))
      << skript.meldungen[0].toStdString();
  EXPECT_EQ(frame->GetDocument().Eingabezeilen, Textliste{"bleibt"});
  EXPECT_EQ(skript.fenster, QStringList{QStringLiteral("QMessageBox")});
}

// Dropped on the window or named on the command line, a .txt opens alike.
TEST_F(MessdatenTest, GezogenOderBeimStart) {
  QMimeData daten;
  daten.setUrls({QUrl::fromLocalFile(beispiel)});
  QDragEnterEvent betreten(QPoint(10, 10), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &betreten);
  ASSERT_TRUE(betreten.isAccepted());
  QDropEvent ablegen(QPointF(10, 10), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
  Textliste gesehen;
  {
    ModalSkript skript({Dialog(gesehen, false)});
    QApplication::sendEvent(frame.get(), &ablegen);
    EXPECT_TRUE(skript.Fertig());
  }
  EXPECT_EQ(gesehen, dateizeilen);
  EXPECT_TRUE(frame->GetDocument().GetPathName().empty());

  frame.reset();
  CKadrelApp app;
  Textliste beimStart;
  ModalSkript skript({Dialog(beimStart, false)});
  ASSERT_TRUE(app.InitInstance({beispiel}));
  EXPECT_EQ(beimStart, dateizeilen);
  EXPECT_EQ(app.GetMainWnd()->windowTitle(), QStringLiteral("Unbenannt[*] - Kadrel"));
}

TEST_F(MessdatenTest, FehlendeDateiWirdGemeldet) {
  const QString pfad = ordner.filePath(QStringLiteral("fehlt.txt"));
  ModalSkript skript({ModalSkript::Abbrechen()});
  EXPECT_FALSE(frame->Oeffnen(pfad));
  EXPECT_EQ(skript.meldungen, QStringList{QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(pfad)});
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
