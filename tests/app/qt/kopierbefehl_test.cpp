// "Kopieren" (Ctrl+C, Ctrl+Insert, Bearbeiten > Kopieren, context menu): the
// shown list as text, its chosen lines if there are any; the shown chart as
// an image and as SVG in one piece of mime data.
#include "Kopierbefehl.h"

#include "Befehlstexte.h"
#include "CGrafik.h"
#include "CKadrelApp.h"
#include "CKadrelView.h"
#include "DlgInput.h"
#include "FrameFixture.h"
#include "ModalSkript.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class KopierbefehlTest : public FrameFixture {
 protected:
  void Zeigen() {
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  }
  // The data dialog with "Testdaten", then OK: a run with results.
  void Rechnen() {
    ModalSkript skript({[](QWidget* w) {
      ASSERT_NE(qobject_cast<DlgInput*>(w), nullptr);
      ModalSkript::Klicken(QStringLiteral("Testdaten"))(w);
      QPointer<QWidget> dialog(w);
      QTimer::singleShot(50, [dialog] {
        if (dialog) ModalSkript::Klicken(QStringLiteral("OK"))(dialog);
      });
    }});
    frame->OnDatenAendern();
    ASSERT_TRUE(skript.Fertig());
  }
  QClipboard* Ablage() const { return QApplication::clipboard(); }
};

TEST_F(KopierbefehlTest, ListeAlsTextMitStrgC) {
  Zeigen();
  CKadrelDoc& doc = frame->GetDocument();
  doc.Detailergebnisse = {" KAPILLARDRUCK", " 1.5 0.3", " 2.0 0.4"};
  frame->TextAnsicht()->OnUpdate();
  Ablage()->clear();
  QTest::keyClick(frame.get(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Ablage()->text(), QStringLiteral(" KAPILLARDRUCK\n 1.5 0.3\n 2.0 0.4\n"));

  // Chosen lines only, here by Ctrl+Insert.
  Zeilenauswahl auswahl;
  auswahl.Setzen(2);
  auswahl.Erweitern(1);
  frame->TextAnsicht()->SetAuswahl(auswahl);
  QTest::keyClick(frame.get(), Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(Ablage()->text(), QStringLiteral(" 1.5 0.3\n 2.0 0.4\n"));
}

// An analysis's list is copied while it is shown.
TEST_F(KopierbefehlTest, ListeEinerAuswertung) {
  Textliste liste = {" Thomeer", " K17  0.5"};
  Auswertungsansicht ansicht;
  ansicht.liste = [&liste] { return &liste; };
  QAction* punkt = frame->Auswertung()->AnsichtHinzufuegen(QStringLiteral("Probe"), ansicht);
  punkt->trigger();
  frame->Aktion(befehl::kKopieren)->trigger();
  EXPECT_EQ(Ablage()->text(), QStringLiteral(" Thomeer\n K17  0.5\n"));
}

TEST_F(KopierbefehlTest, GrafikAlsBildUndSvg) {
  Rechnen();
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  Ablage()->clear();
  frame->Aktion(befehl::kKopieren)->trigger();
  const QMimeData* daten = Ablage()->mimeData();
  ASSERT_NE(daten, nullptr);
  EXPECT_TRUE(daten->hasImage());
  const QImage bild = qvariant_cast<QImage>(daten->imageData());
  EXPECT_FALSE(bild.isNull());
  ASSERT_TRUE(daten->hasFormat(QStringLiteral("image/svg+xml")));
  const QByteArray svg = daten->data(QStringLiteral("image/svg+xml"));
  EXPECT_TRUE(QSvgRenderer(svg).isValid());
  const CKadrelDoc& doc = frame->GetDocument();
  ASSERT_FALSE(doc.Titel.empty());
  EXPECT_TRUE(QString::fromUtf8(svg).contains(QString::fromStdString(doc.Titel)));
  // Image and SVG show the same extent: 300 dpi against 0.1 mm units.
  QSvgRenderer leser(svg);
  EXPECT_NEAR(bild.width(), leser.viewBox().width() * 300 / 254.0, 2.0);
  EXPECT_NEAR(bild.height(), leser.viewBox().height() * 300 / 254.0, 2.0);
  EXPECT_FALSE(daten->hasText());
}

TEST_F(KopierbefehlTest, KontextmenueKopiertAuch) {
  frame->GetDocument().Detailergebnisse = {" eins"};
  frame->TextAnsicht()->OnUpdate();
  Ablage()->clear();
  const std::unique_ptr<QMenu> menue(frame->Kontextmenue());
  QAction* kopieren = menue->actions().constLast();
  EXPECT_EQ(kopieren->text(), QStringLiteral("&Kopieren"));
  kopieren->trigger();
  EXPECT_EQ(Ablage()->text(), QStringLiteral(" eins\n"));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
