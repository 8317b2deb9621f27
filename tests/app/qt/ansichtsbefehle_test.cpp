// "An Fenster anpassen" in the menu "&Ansicht": enabled with the chart, its
// check mark the chart view's state, remembered for the next start.
#include "Ansichtsbefehle.h"

#include "Befehlstexte.h"
#include "CGrafik.h"
#include "CKadrelApp.h"
#include "FrameFixture.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AnsichtsbefehleTest : public FrameFixture {
 protected:
  QAction* Anpassen() const { return frame->Aktion(befehl::kAnFensterAnpassen); }
  QAction* Lupe() const { return frame->Aktion(befehl::kGrafiklupe); }
};

TEST_F(AnsichtsbefehleTest, NurMitDerGrafikUndNebenDerLupe) {
  ASSERT_NE(Anpassen(), nullptr);
  EXPECT_TRUE(frame->Menue(QStringLiteral("&Ansicht"))->actions().contains(Anpassen()));
  EXPECT_FALSE(Anpassen()->isEnabled());
  EXPECT_EQ(Anpassen()->statusTip(), QStringLiteral("Zeigt die Grafik so groß, wie das Fenster sie fasst."));

  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  CGrafik* grafik = frame->GrafikAnsicht();
  ASSERT_NE(grafik, nullptr);
  EXPECT_TRUE(Anpassen()->isEnabled());
  EXPECT_FALSE(Anpassen()->isChecked());
  EXPECT_FALSE(grafik->AnFensterAnpassen());  // the default stays

  Anpassen()->trigger();
  EXPECT_TRUE(grafik->AnFensterAnpassen());
  EXPECT_TRUE(Anpassen()->isChecked());
  EXPECT_FALSE(Lupe()->isChecked());

  // The magnifier's 1.5 ends the fitting, fitting ends the magnifier.
  Lupe()->trigger();
  EXPECT_FALSE(grafik->AnFensterAnpassen());
  EXPECT_FALSE(Anpassen()->isChecked());
  EXPECT_TRUE(Lupe()->isChecked());
  Anpassen()->trigger();
  EXPECT_TRUE(Anpassen()->isChecked());
  EXPECT_FALSE(Lupe()->isChecked());
  EXPECT_FALSE(grafik->Grafiklupe());

  frame->AnsichtWechseln(CMainFrame::kTextAnsicht);
  EXPECT_FALSE(Anpassen()->isEnabled());
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  EXPECT_TRUE(Anpassen()->isChecked());
}

// A maximised window: the chart fills the chart view.
TEST_F(AnsichtsbefehleTest, MaximiertesFensterZeigtDieGrafikGross) {
  frame->showMaximized();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  Anpassen()->trigger();
  QApplication::processEvents();
  CGrafik* grafik = frame->GrafikAnsicht();
  const CGrafik::Darstellung d = grafik->Bildschirmdarstellung();
  const QSizeF sicht = grafik->viewport()->size();
  const double s = d.pixelProEinheitX;
  const QRectF mitRand = d.umriss.adjusted(-50 * s, -50 * s, 50 * s, 50 * s);
  EXPECT_TRUE(std::abs(mitRand.width() - sicht.width()) < 1e-6 || std::abs(mitRand.height() - sicht.height()) < 1e-6);

  // Smaller window, smaller chart: it follows the size.
  frame->showNormal();
  frame->resize(500, 400);
  QApplication::processEvents();
  EXPECT_LT(grafik->Bildschirmdarstellung().pixelProEinheitX, s);
}

TEST_F(AnsichtsbefehleTest, WahlGiltBeimNaechstenStart) {
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  Anpassen()->trigger();
  EXPECT_TRUE(QSettings().value(QStringLiteral("Grafik/AnFensterAnpassen")).toBool());

  CMainFrame zweites;
  EXPECT_FALSE(zweites.Aktion(befehl::kAnFensterAnpassen)->isChecked());
  zweites.AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  EXPECT_TRUE(zweites.GrafikAnsicht()->AnFensterAnpassen());
  EXPECT_TRUE(zweites.Aktion(befehl::kAnFensterAnpassen)->isChecked());

  zweites.Aktion(befehl::kAnFensterAnpassen)->trigger();
  EXPECT_FALSE(QSettings().value(QStringLiteral("Grafik/AnFensterAnpassen")).toBool());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
