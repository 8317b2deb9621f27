// The chart view: scroll area, magnifier, painting, printing and preview.
#include "CGrafik.h"

#include "EingabeDaten.h"
#include "FakePlattform.h"
#include "GrafikUmriss.h"
#include "KadrelDoc.h"
#include "Testdaten.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

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

// The extent of the drawing on its page: the frame (with half its pen), the
// title above it and the document line below it lie inside, and the whole
// stays on the 250 x 220 mm page.
TEST_F(Ansicht, UmrissUmfasstDieZeichnung) {
  Diagramm d(doc);
  d.OnInitialUpdate();
  const QRectF umriss = GrafikUmriss(d);
  // Page units: the page's corner is chart point (-400, 300), y down.
  EXPECT_LE(umriss.left(), 400 - 2);
  EXPECT_GE(umriss.right(), 400 + 1300 + 2);
  EXPECT_LE(umriss.top(), 300 - 230);                // the title's top
  EXPECT_GE(umriss.bottom(), 300 + 750 + 250 + 40);  // the document line's cell
  EXPECT_GE(umriss.left(), 0);
  EXPECT_LE(umriss.right(), 2500);
  EXPECT_LE(umriss.bottom(), 2200);
}

// "An Fenster anpassen": one scale for the whole drawing (frame, texts, pens
// and stars), the drawing with its 5 mm margin filling the window in one
// direction and centred in the other, after every resize; nothing to scroll.
TEST_F(Ansicht, AnFensterAnpassenFolgtDerFenstergroesse) {
  grafik.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grafik));
  const CGrafik::Darstellung normal = grafik.Bildschirmdarstellung();
  grafik.SetAnFensterAnpassen(true);
  EXPECT_TRUE(grafik.AnFensterAnpassen());
  double vorher = 0.0;
  for (const QSize groesse : {QSize(600, 400), QSize(1400, 500), QSize(500, 1300), QSize(1800, 1100)}) {
    grafik.resize(groesse);
    QApplication::processEvents();
    const QSizeF sicht = grafik.viewport()->size();
    const CGrafik::Darstellung d = grafik.Bildschirmdarstellung();
    const double s = d.pixelProEinheitX;
    ASSERT_GT(s, 0.0);
    EXPECT_EQ(d.pixelProEinheitY, s);
    const QRectF mitRand = d.umriss.adjusted(-50 * s, -50 * s, 50 * s, 50 * s);
    EXPECT_NEAR(mitRand.center().x(), sicht.width() / 2, 1e-6);
    EXPECT_NEAR(mitRand.center().y(), sicht.height() / 2, 1e-6);
    EXPECT_LE(mitRand.width(), sicht.width() + 1e-6);
    EXPECT_LE(mitRand.height(), sicht.height() + 1e-6);
    EXPECT_TRUE(std::abs(mitRand.width() - sicht.width()) < 1e-6 || std::abs(mitRand.height() - sicht.height()) < 1e-6)
        << groesse.width() << " x " << groesse.height();
    // The same drawing at another scale: its extent in chart units stays.
    const QSizeF einheiten = d.umriss.size() / s;
    EXPECT_NEAR(einheiten.width(), normal.umriss.width() / normal.pixelProEinheitX, 1e-6);
    EXPECT_NEAR(einheiten.height(), normal.umriss.height() / normal.pixelProEinheitY, 1e-6);
    EXPECT_NE(s, vorher);
    vorher = s;
    EXPECT_EQ(grafik.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(grafik.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(grafik.GetDiagramm().breite, 1300);
    EXPECT_EQ(grafik.GetDiagramm().hoehe, 750);
  }
  // A maximised window shows the chart far larger than its real size.
  EXPECT_GT(vorher, 2.0 * normal.pixelProEinheitX);

  grafik.SetAnFensterAnpassen(false);
  grafik.resize(600, 400);
  QApplication::processEvents();
  EXPECT_EQ(grafik.Bildschirmdarstellung().pixelProEinheitX, normal.pixelProEinheitX);
  EXPECT_GT(grafik.horizontalScrollBar()->maximum() + grafik.verticalScrollBar()->maximum(), 0);
}

// The fitted drawing is that of the normal size: fitting ends the
// magnifier, the magnifier ends the fitting.
TEST_F(Ansicht, AnpassenUndLupeSchliessenEinanderAus) {
  grafik.OnGrafiklupe();
  ASSERT_TRUE(grafik.Grafiklupe());
  grafik.SetAnFensterAnpassen(true);
  EXPECT_FALSE(grafik.Grafiklupe());
  EXPECT_EQ(grafik.GetDiagramm().breite, 1300);
  grafik.OnGrafiklupe();
  EXPECT_FALSE(grafik.AnFensterAnpassen());
  EXPECT_TRUE(grafik.Grafiklupe());
  EXPECT_EQ(grafik.GetDiagramm().breite, 1950);
}

// Printing a fitted chart prints the page layout and leaves the fitting on.
TEST_F(Ansicht, DruckenBeimAnpassenWieSonst) {
  grafik.SetAnFensterAnpassen(true);
  const QString pfad = ordner.filePath(QStringLiteral("angepasst.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pfad);
  grafik.Drucken(printer);
  EXPECT_EQ(PdfSeiten(pfad), 1);
  EXPECT_TRUE(grafik.AnFensterAnpassen());
  EXPECT_EQ(grafik.GetDiagramm().m_bPrint, 0);
  EXPECT_EQ(grafik.GetDiagramm().breite, 1300);
  EXPECT_EQ(grafik.GetDiagramm().hoehe, 750);
}

// The chart for the clipboard: an image of the drawing at 300 dpi and the
// same drawing as SVG, in one piece of mime data.
TEST_F(Ansicht, ZwischenablageBildUndSvg) {
  for (const bool lupe : {false, true}) {
    if (lupe) grafik.OnGrafiklupe();
    Diagramm d(doc);
    d.OnInitialUpdate();
    if (lupe) d.OnGrafiklupe();
    const QRectF umriss = GrafikUmriss(d).adjusted(-50, -50, 50, 50);
    std::unique_ptr<QMimeData> daten(grafik.Zwischenablage());
    ASSERT_TRUE(daten->hasImage());
    const QImage bild = qvariant_cast<QImage>(daten->imageData());
    EXPECT_EQ(bild.width(), static_cast<int>(std::ceil(umriss.width() * 300 / 254.0)));
    EXPECT_EQ(bild.height(), static_cast<int>(std::ceil(umriss.height() * 300 / 254.0)));
    EXPECT_EQ(bild.dotsPerMeterX(), qRound(300 / 0.0254));
    ASSERT_TRUE(daten->hasFormat(QStringLiteral("image/svg+xml")));
    const QByteArray svg = daten->data(QStringLiteral("image/svg+xml"));
    QSvgRenderer leser(svg);
    EXPECT_TRUE(leser.isValid());
    EXPECT_EQ(leser.viewBox().size(), umriss.toAlignedRect().size());
    const QString text = QString::fromUtf8(svg);
    EXPECT_TRUE(text.contains(QStringLiteral("<title>%1</title>").arg(QString::fromStdString(doc.Titel))));
    EXPECT_TRUE(text.contains(QString::fromStdString(doc.Legende2)));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
