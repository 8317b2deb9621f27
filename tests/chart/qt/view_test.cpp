// The chart view: scroll area, magnifier, painting, printing and preview.
#include "CGrafik.h"

#include "EingabeDaten.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Testdaten.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

int PdfSeiten(const QString& pfad) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page(?!s)"));
  int n = 0;
  auto treffer = seite.globalMatch(QString::fromLatin1(f.readAll()));
  while (treffer.hasNext()) {
    treffer.next();
    ++n;
  }
  return n;
}

// Waits for the next modal dialog, hands it to `pruefen`, then cancels it.
// Gives up after five seconds, so that a dialog that never shows fails the
// test instead of hanging it.
void ModalAbbrechen(std::function<void(QWidget*)> pruefen) {
  auto* timer = new QTimer;
  auto* uhr = new QElapsedTimer;
  uhr->start();
  QObject::connect(timer, &QTimer::timeout, [timer, uhr, pruefen] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr && uhr->elapsed() < 5000) return;
    if (modal != nullptr) {
      pruefen(modal);
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    }
    timer->stop();
    timer->deleteLater();
    delete uhr;
  });
  timer->start(10);
}

class Ansicht : public ::testing::Test {
 protected:
  // The curve chart of the built-in test measurement.
  Ansicht() {
    doc.OnNewDocument();
    plattform.dialog = [](EingabeDaten& d) {
      d.Eingabezeilen = TestdatenZeilen();
      d.bNeuRechnen = 1;
      return true;
    };
    doc.OnDatenAendern();
    grafik.resize(600, 400);
    grafik.OnInitialUpdate();
  }

  FakePlattform plattform;
  CKadrelDoc doc{plattform};
  CGrafik grafik{doc};
  QTemporaryDir ordner;
};

TEST_F(Ansicht, ScrollbereichIn250Mal220Millimetern) {
  const double sx = grafik.viewport()->physicalDpiX() / 254.0;
  const double sy = grafik.viewport()->physicalDpiY() / 254.0;
  const QSize sicht = grafik.viewport()->size();
  EXPECT_EQ(grafik.horizontalScrollBar()->maximum(), qRound(2500 * sx) - sicht.width());
  EXPECT_EQ(grafik.verticalScrollBar()->maximum(), qRound(2200 * sy) - sicht.height());
  EXPECT_EQ(grafik.horizontalScrollBar()->pageStep(), qRound(1250 * sx));
  EXPECT_EQ(grafik.verticalScrollBar()->singleStep(), qRound(44 * sy));
}

TEST_F(Ansicht, LupeMitHaekchen) {
  EXPECT_FALSE(grafik.Grafiklupe());
  grafik.OnGrafiklupe();
  EXPECT_TRUE(grafik.Grafiklupe());
  EXPECT_EQ(grafik.GetDiagramm().breite, 1950);
  EXPECT_EQ(grafik.GetDiagramm().hoehe, 1125);
  grafik.OnGrafiklupe();
  EXPECT_FALSE(grafik.Grafiklupe());
  EXPECT_EQ(grafik.GetDiagramm().breite, 1300);
}

TEST_F(Ansicht, MaltDieGrafik) {
  grafik.show();
  const QImage bild = grafik.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(bild.isNull());
  int rot = 0;
  int schwarz = 0;
  for (int y = 0; y < bild.height(); ++y) {
    for (int x = 0; x < bild.width(); ++x) {
      const QRgb p = bild.pixel(x, y);
      if (qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80) ++rot;
      if (qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60) ++schwarz;
    }
  }
  EXPECT_GT(rot, 50);
  EXPECT_GT(schwarz, 500);
  // Painting scales the current document: the screen sizes.
  EXPECT_EQ(grafik.GetDiagramm().hoehe, 750);
}

struct DruckFall {
  const char* name;
  QPageLayout::Orientation lage;
  bool lupe;
};

class Drucken : public Ansicht, public ::testing::WithParamInterface<DruckFall> {};

TEST_P(Drucken, EineSeiteAlsPdfOhneDrucker) {
  if (GetParam().lupe) grafik.OnGrafiklupe();
  const QString pfad = ordner.filePath(QStringLiteral("druck.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pfad);
  printer.setPageOrientation(GetParam().lage);
  grafik.Drucken(printer);
  EXPECT_EQ(PdfSeiten(pfad), 1);
  // Back on screen afterwards.
  const Diagramm& d = grafik.GetDiagramm();
  EXPECT_EQ(d.m_bPrint, 0);
  EXPECT_EQ(d.m_bHochformat, 1);
  EXPECT_EQ(d.breite, GetParam().lupe ? 1950 : 1300);
  EXPECT_EQ(d.hoehe, GetParam().lupe ? 1125 : 750);
}

INSTANTIATE_TEST_SUITE_P(Seiten, Drucken,
                         ::testing::Values(DruckFall{"Hochformat", QPageLayout::Portrait, false},
                                           DruckFall{"Querformat", QPageLayout::Landscape, false},
                                           DruckFall{"QuerformatMitLupe", QPageLayout::Landscape, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Ansicht, AbgebrochenerDruckdialogAendertNichts) {
  grafik.OnGrafiklupe();
  bool gesehen = false;
  ModalAbbrechen([&](QWidget* w) { gesehen = qobject_cast<QPrintDialog*>(w) != nullptr; });
  grafik.OnFilePrint();
  EXPECT_TRUE(gesehen);
  EXPECT_EQ(grafik.GetDiagramm().m_bPrint, 0);
  EXPECT_EQ(grafik.GetDiagramm().breite, 1950);
  EXPECT_EQ(grafik.GetDiagramm().hoehe, 1125);
}

TEST_F(Ansicht, SeitenansichtZeigtEineSeite) {
  int seiten = -1;
  ModalAbbrechen([&](QWidget* w) {
    if (auto* vorschau = w->findChild<QPrintPreviewWidget*>()) {
      vorschau->updatePreview();
      seiten = vorschau->pageCount();
    }
  });
  grafik.OnFilePrintPreview();
  EXPECT_EQ(seiten, 1);
  EXPECT_EQ(grafik.GetDiagramm().m_bPrint, 0);
  EXPECT_EQ(grafik.GetDiagramm().breite, 1300);
  EXPECT_EQ(grafik.GetDiagramm().hoehe, 750);
}

// A data source is asked at every paint and every printed page; a null
// answer shows the options' chart again.
TEST_F(Ansicht, DatenquelleBeimMalenUndDrucken) {
  Datendiagramm daten;
  daten.titel = "Daten";
  daten.y = {Achsenart::Logarithmisch, "Pc", false, 0, 0};
  daten.reihen = {{Reihenart::Linie, {Linienart::Durchgezogen, 8, {0, 200, 0}}, {0, 1}, {0.1, 1000}}};
  const Datendiagramm* antwort = &daten;
  int gefragt = 0;
  grafik.SetDatenquelle([&] {
    ++gefragt;
    return antwort;
  });
  grafik.show();
  const QImage bild = grafik.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int gruen = 0;
  for (int y = 0; y < bild.height(); ++y) {
    for (int x = 0; x < bild.width(); ++x) gruen += bild.pixel(x, y) == qRgb(0, 200, 0) ? 1 : 0;
  }
  EXPECT_GT(gruen, 100);
  EXPECT_EQ(grafik.GetDiagramm().Art(), Diagrammart::Daten);
  EXPECT_EQ(grafik.GetDiagramm().ymax, 1000);

  const int vorDemDruck = gefragt;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(ordner.filePath(QStringLiteral("daten.pdf")));
  grafik.Drucken(printer);
  EXPECT_GT(gefragt, vorDemDruck);
  EXPECT_EQ(PdfSeiten(ordner.filePath(QStringLiteral("daten.pdf"))), 1);

  // The magnifier rescales at once, with the chart the source gives now.
  const Datendiagramm neu = daten;
  antwort = &neu;
  grafik.OnGrafiklupe();
  EXPECT_EQ(grafik.GetDiagramm().GetDatendiagramm(), &neu);
  EXPECT_EQ(grafik.GetDiagramm().breite, 1950);

  antwort = nullptr;
  grafik.viewport()->grab();
  EXPECT_EQ(grafik.GetDiagramm().Art(), Diagrammart::Kurve);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
