#include "PdfSeiten.h"
#include "CKadrelView.h"

#include "FakePlattform.h"
#include "KadrelDoc.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

Textliste Zeilen(int n) {
  Textliste liste;
  for (int i = 0; i < n; ++i) liste.push_back(" Zeile " + std::to_string(i + 1));
  return liste;
}

struct DruckFall {
  const char* name;
  int zeilen;
  bool quer;
  int seiten;
};

class KadrelViewDruckTest : public ::testing::TestWithParam<DruckFall> {};

TEST_P(KadrelViewDruckTest, DrucktAlleSeitenInsPdf) {
  const DruckFall& f = GetParam();
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Detailergebnisse = Zeilen(f.zeilen);
  doc.SetPathName("/tmp/probe.kdr");
  CKadrelView ansicht(doc);

  QTemporaryDir ordner;
  ASSERT_TRUE(ordner.isValid());
  const QString pdf = ordner.filePath(QStringLiteral("liste.pdf"));
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(pdf);
  drucker.setPageSize(QPageSize(QPageSize::A4));
  drucker.setPageOrientation(f.quer ? QPageLayout::Landscape : QPageLayout::Portrait);
  ansicht.Drucken(drucker);
  EXPECT_EQ(PdfSeiten(pdf), f.seiten);
}

INSTANTIATE_TEST_SUITE_P(Faelle, KadrelViewDruckTest,
                         ::testing::Values(DruckFall{"Leer", 0, false, 1}, DruckFall{"Hoch57", 57, false, 2},
                                           DruckFall{"Hoch58", 58, false, 2}, DruckFall{"Hoch114", 114, false, 3},
                                           DruckFall{"Quer50", 50, true, 2}, DruckFall{"Quer100", 100, true, 3},
                                           DruckFall{"Quer101", 101, true, 3}),
                         [](const ::testing::TestParamInfo<DruckFall>& info) { return info.param.name; });

TEST(KadrelViewDruck, SeitenbereichDesDruckdialogs) {
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Detailergebnisse = Zeilen(300);  // six upright pages
  CKadrelView ansicht(doc);
  QTemporaryDir ordner;
  const QString pdf = ordner.filePath(QStringLiteral("bereich.pdf"));
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(pdf);
  drucker.setPrintRange(QPrinter::PageRange);
  drucker.setFromTo(2, 4);
  ansicht.Drucken(drucker);
  EXPECT_EQ(PdfSeiten(pdf), 3);
}

class KadrelViewRollTest : public ::testing::Test {
 protected:
  KadrelViewRollTest() : doc(plattform), ansicht(doc) { ansicht.resize(640, 480); }

  double Zeilenhoehe() const { return QFontMetricsF(ansicht.Bildschirmschrift(), ansicht.viewport()).height(); }

  FakePlattform plattform;
  CKadrelDoc doc;
  CKadrelView ansicht;
};

// 100000 lines reach far beyond 1000 inches; the last one must still come
// into view at the bottom of the scroll range.
TEST_F(KadrelViewRollTest, LetzteZeileEinerLangenListeErreichbar) {
  doc.Detailergebnisse = Zeilen(100000);
  ansicht.OnUpdate();
  const QScrollBar* senkrecht = ansicht.verticalScrollBar();
  const double letzteUnten = 100000 * Zeilenhoehe();
  EXPECT_GE(senkrecht->maximum() + ansicht.viewport()->height(), letzteUnten);
  EXPECT_LT(senkrecht->maximum() + ansicht.viewport()->height(), letzteUnten + 2 * Zeilenhoehe());
  EXPECT_EQ(senkrecht->singleStep(), qRound(Zeilenhoehe()));
  EXPECT_EQ(senkrecht->pageStep(), ansicht.viewport()->height());
}

// The view reads the list chosen by iTabelle, and takes up a new choice at
// the next update: here seen through the width a long line adds.
TEST_F(KadrelViewRollTest, ZeigtDieGewaehlteListe) {
  doc.Detailergebnisse = Zeilen(10);
  doc.Parameterliste = Zeilen(3);
  doc.Parameterliste[1] = std::string(400, '#');
  doc.Parameterfunktionen = Zeilen(5000);

  doc.iTabelle = 0;
  ansicht.OnUpdate();
  const int schmal = ansicht.horizontalScrollBar()->maximum();
  const int kurz = ansicht.verticalScrollBar()->maximum();

  doc.iTabelle = 1;
  ansicht.OnUpdate();
  EXPECT_GT(ansicht.horizontalScrollBar()->maximum(), schmal);

  doc.iTabelle = 2;
  ansicht.OnUpdate();
  EXPECT_GT(ansicht.verticalScrollBar()->maximum(), kurz);

  doc.iTabelle = 3;  // no list
  ansicht.OnUpdate();
  EXPECT_EQ(ansicht.verticalScrollBar()->maximum(), kurz);
  EXPECT_EQ(ansicht.horizontalScrollBar()->maximum(), schmal);
}

// A new list starts at its top: after a switch of the table, of the list
// source (an analysis) or of the lines of the list shown. An update that
// leaves the list as it was keeps the place.
TEST_F(KadrelViewRollTest, NeueListeBeginntOben) {
  doc.Detailergebnisse = Zeilen(500);
  doc.Detailergebnisse[7] = std::string(300, '#');
  doc.Parameterliste = Zeilen(400);
  doc.Parameterliste[3] = std::string(300, '*');
  ansicht.OnUpdate();
  QScrollBar* senkrecht = ansicht.verticalScrollBar();
  QScrollBar* waagrecht = ansicht.horizontalScrollBar();
  const auto nachUnten = [&] {
    senkrecht->setValue(senkrecht->maximum());
    waagrecht->setValue(waagrecht->maximum());
    ASSERT_GT(senkrecht->value(), 0);
    ASSERT_GT(waagrecht->value(), 0);
  };

  nachUnten();
  ansicht.OnUpdate();  // the same list: the place stays
  EXPECT_EQ(senkrecht->value(), senkrecht->maximum());

  doc.iTabelle = 1;  // another table
  ansicht.OnUpdate();
  EXPECT_EQ(senkrecht->value(), 0);
  EXPECT_EQ(waagrecht->value(), 0);

  nachUnten();
  Textliste auswertung = Zeilen(450);
  auswertung[0] = std::string(300, '+');
  ansicht.SetListenquelle([&auswertung] { return &auswertung; });  // an analysis
  EXPECT_EQ(senkrecht->value(), 0);
  EXPECT_EQ(waagrecht->value(), 0);

  nachUnten();
  auswertung[200] = " neu gerechnet";  // the analysis ran again
  ansicht.OnUpdate();
  EXPECT_EQ(senkrecht->value(), 0);
  EXPECT_EQ(waagrecht->value(), 0);

  // Back to a short list: the range shrinks to it, no empty page is left.
  nachUnten();
  doc.Parameterfunktionen = Zeilen(3);
  doc.iTabelle = 2;
  ansicht.SetListenquelle({});
  EXPECT_EQ(senkrecht->maximum(), 0);
  EXPECT_EQ(senkrecht->value(), 0);
}

// The scroll range ends with the last line at the bottom and the widest line's
// end (and a character's margin) at the right edge.
TEST_F(KadrelViewRollTest, RollbereichPasstZurListe) {
  doc.Detailergebnisse = Zeilen(60);
  doc.Detailergebnisse[5] = std::string(200, 'x');
  ansicht.OnUpdate();
  const QFontMetricsF masse(ansicht.Bildschirmschrift(), ansicht.viewport());
  const QSize sicht = ansicht.viewport()->size();
  EXPECT_EQ(ansicht.verticalScrollBar()->maximum(), static_cast<int>(std::ceil(60 * masse.height())) - sicht.height());
  EXPECT_EQ(ansicht.horizontalScrollBar()->maximum(),
            static_cast<int>(std::ceil(202 * masse.horizontalAdvance(QLatin1Char('W')))) - sicht.width());
}

struct Taste {
  const char* name;
  Qt::Key taste;
  Qt::KeyboardModifiers mod;
  // Expected place after the key from the middle of the list: -1 top/left,
  // 0 unchanged, 1 bottom/right, 2 one step further, -2 one step back, 3 a
  // page further, -3 a page back.
  int senkrecht;
  int waagrecht;
};

class KadrelViewTastenTest : public KadrelViewRollTest, public ::testing::WithParamInterface<Taste> {};

TEST_P(KadrelViewTastenTest, TasteRolltDieListe) {
  const Taste& t = GetParam();
  doc.Detailergebnisse = Zeilen(300);
  doc.Detailergebnisse[10] = std::string(300, '=');
  ansicht.OnUpdate();
  QScrollBar* v = ansicht.verticalScrollBar();
  QScrollBar* h = ansicht.horizontalScrollBar();
  const int vMitte = v->maximum() / 2;
  const int hMitte = h->maximum() / 2;
  v->setValue(vMitte);
  h->setValue(hMitte);
  QTest::keyClick(&ansicht, t.taste, t.mod);
  const auto soll = [](const QScrollBar* bar, int mitte, int art) {
    switch (art) {
      case -1:
        return bar->minimum();
      case 1:
        return bar->maximum();
      case 2:
        return mitte + bar->singleStep();
      case -2:
        return mitte - bar->singleStep();
      case 3:
        return mitte + bar->pageStep();
      case -3:
        return mitte - bar->pageStep();
      default:
        return mitte;
    }
  };
  EXPECT_EQ(v->value(), soll(v, vMitte, t.senkrecht));
  EXPECT_EQ(h->value(), soll(h, hMitte, t.waagrecht));
}

INSTANTIATE_TEST_SUITE_P(Faelle, KadrelViewTastenTest,
                         ::testing::Values(Taste{"StrgPos1", Qt::Key_Home, Qt::ControlModifier, -1, -1},
                                           Taste{"StrgEnde", Qt::Key_End, Qt::ControlModifier, 1, 0},
                                           Taste{"Pos1", Qt::Key_Home, Qt::NoModifier, 0, -1},
                                           Taste{"Ende", Qt::Key_End, Qt::NoModifier, 0, 1},
                                           Taste{"BildAb", Qt::Key_PageDown, Qt::NoModifier, 3, 0},
                                           Taste{"BildAuf", Qt::Key_PageUp, Qt::NoModifier, -3, 0},
                                           Taste{"Ab", Qt::Key_Down, Qt::NoModifier, 2, 0},
                                           Taste{"Auf", Qt::Key_Up, Qt::NoModifier, -2, 0},
                                           Taste{"Rechts", Qt::Key_Right, Qt::NoModifier, 0, 2},
                                           Taste{"Links", Qt::Key_Left, Qt::NoModifier, 0, -2}),
                         [](const ::testing::TestParamInfo<Taste>& info) { return info.param.name; });

// A click chooses a line, a shift-click extends the choice, Ctrl+A takes
// all, Esc drops it; the copy text follows the choice.
TEST_F(KadrelViewRollTest, AuswahlMitMausUndTastenBestimmtDieKopie) {
  doc.Detailergebnisse = Zeilen(8);
  ansicht.OnUpdate();
  ansicht.show();
  const double h = Zeilenhoehe();
  const auto punkt = [h](double zeile) { return QPoint(40, static_cast<int>(zeile * h)); };
  EXPECT_EQ(ansicht.KopierText(),
            QStringLiteral(" Zeile 1\n Zeile 2\n Zeile 3\n Zeile 4\n Zeile 5\n Zeile 6\n Zeile 7\n Zeile 8\n"));

  QTest::mouseClick(ansicht.viewport(), Qt::LeftButton, Qt::NoModifier, punkt(2.5));
  EXPECT_EQ(ansicht.KopierText(), QStringLiteral(" Zeile 3\n"));
  QTest::mouseClick(ansicht.viewport(), Qt::LeftButton, Qt::ShiftModifier, punkt(4.5));
  EXPECT_EQ(ansicht.KopierText(), QStringLiteral(" Zeile 3\n Zeile 4\n Zeile 5\n"));

  // A drag from line 7 up to line 6.
  QTest::mousePress(ansicht.viewport(), Qt::LeftButton, Qt::NoModifier, punkt(6.5));
  QMouseEvent ziehen(QEvent::MouseMove, QPointF(punkt(5.5)), ansicht.viewport()->mapToGlobal(QPointF(punkt(5.5))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ansicht.viewport(), &ziehen);
  QTest::mouseRelease(ansicht.viewport(), Qt::LeftButton, Qt::NoModifier, punkt(5.5));
  EXPECT_EQ(ansicht.KopierText(), QStringLiteral(" Zeile 6\n Zeile 7\n"));

  QTest::keyClick(&ansicht, Qt::Key_Escape);
  EXPECT_TRUE(ansicht.Auswahl().Leer());
  QTest::mouseClick(ansicht.viewport(), Qt::LeftButton, Qt::NoModifier, punkt(1.5));
  QTest::keyClick(&ansicht, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(ansicht.Auswahl().Von(), 0);
  EXPECT_EQ(ansicht.Auswahl().Bis(), 7);

  // A click below the last line chooses nothing; a new list drops the choice.
  QTest::mouseClick(ansicht.viewport(), Qt::LeftButton, Qt::NoModifier, punkt(9.5));
  EXPECT_TRUE(ansicht.Auswahl().Leer());
  QTest::mouseClick(ansicht.viewport(), Qt::LeftButton, Qt::NoModifier, punkt(0.5));
  ASSERT_FALSE(ansicht.Auswahl().Leer());
  doc.Detailergebnisse = Zeilen(3);
  ansicht.OnUpdate();
  EXPECT_TRUE(ansicht.Auswahl().Leer());
  EXPECT_EQ(ansicht.KopierText(), QStringLiteral(" Zeile 1\n Zeile 2\n Zeile 3\n"));
}

TEST_F(KadrelViewRollTest, OhneListeNichtsZuKopieren) {
  doc.iTabelle = 3;
  ansicht.OnUpdate();
  EXPECT_EQ(ansicht.Liste(), nullptr);
  EXPECT_TRUE(ansicht.KopierText().isEmpty());
}

TEST_F(KadrelViewRollTest, SchriftIstFestbreit) {
  const QFontMetricsF masse(ansicht.Bildschirmschrift(), ansicht.viewport());
  EXPECT_EQ(masse.horizontalAdvance(QStringLiteral("iiii")), masse.horizontalAdvance(QStringLiteral("WWWW")));
  // 0.22 inch at the screen's resolution.
  EXPECT_NEAR(masse.height(), 22.0 * ansicht.logicalDpiY() / 100.0, 1.0);
}

// A list source replaces the document's list on screen and on paper; an
// empty source gives the document's list back.
TEST_F(KadrelViewRollTest, ListenquelleStattDerGewaehltenListe) {
  doc.Detailergebnisse = Zeilen(10);
  ansicht.OnUpdate();
  const int schmal = ansicht.horizontalScrollBar()->maximum();
  Textliste auswertung = Zeilen(300);
  auswertung[1] = std::string(400, '#');
  ansicht.SetListenquelle([&auswertung] { return &auswertung; });
  EXPECT_EQ(ansicht.Liste(), &auswertung);
  EXPECT_GT(ansicht.horizontalScrollBar()->maximum(), schmal);

  QTemporaryDir ordner;
  const QString pdf = ordner.filePath(QStringLiteral("auswertung.pdf"));
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(pdf);
  ASSERT_TRUE(ansicht.Drucken(drucker));
  EXPECT_EQ(PdfSeiten(pdf), 6);  // 300 lines, as the document's list of 300 prints

  ansicht.SetListenquelle({});
  EXPECT_EQ(ansicht.Liste(), &doc.Detailergebnisse);
  EXPECT_EQ(ansicht.horizontalScrollBar()->maximum(), schmal);
}

TEST_F(KadrelViewRollTest, DoppelklickNenntDieZeileDerGezeigtenListe) {
  const Textliste auswertung = Zeilen(5);
  ansicht.SetListenquelle([&auswertung] { return &auswertung; });
  ansicht.show();
  QSignalSpy spion(&ansicht, &CKadrelView::ZeileDoppelgeklickt);
  const double h = Zeilenhoehe();
  const struct {
    const char* name;
    double zeilen;  // y in line heights from the top
    int index;      // -1: no signal
  } faelle[] = {{"ErsteZeile", 0.5, 0}, {"DritteZeile", 2.5, 2}, {"LetzteZeile", 4.5, 4}, {"UnterDerListe", 6.5, -1}};
  for (const auto& f : faelle) {
    spion.clear();
    QTest::mouseDClick(ansicht.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(40, static_cast<int>(f.zeilen * h)));
    if (f.index < 0) {
      EXPECT_EQ(spion.count(), 0) << f.name;
    } else {
      ASSERT_EQ(spion.count(), 1) << f.name;
      EXPECT_EQ(spion.at(0).at(0).toInt(), f.index) << f.name;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
