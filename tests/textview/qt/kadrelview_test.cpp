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
