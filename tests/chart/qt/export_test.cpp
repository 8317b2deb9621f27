// The chart export: PNG, SVG and PDF files of each chart, and its failures.
#include "PdfSeiten.h"
#include "GrafikExport.h"

#include "Datendiagramm.h"
#include "EingabeDaten.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Testdaten.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

QByteArray Lesen(const QString& pfad) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

// Counts the pixels that are neither white nor grey: the coloured curves.
int FarbigePixel(const QImage& bild, QRgb farbe) {
  int n = 0;
  for (int y = 0; y < bild.height(); ++y) {
    const QRgb* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
    for (int x = 0; x < bild.width(); ++x) {
      if ((zeile[x] & 0xFFFFFF) == (farbe & 0xFFFFFF)) ++n;
    }
  }
  return n;
}

struct ArtFall {
  const char* name;
  int tabelle;
  int grafik;
};

class Exportieren : public ::testing::TestWithParam<ArtFall> {
 protected:
  // Runs the built-in test measurement with the test rows and the chosen
  // chart.
  void SetUp() override {
    ASSERT_TRUE(ordner.isValid());
    doc.OnNewDocument();
    plattform.dialog = [&](EingabeDaten& d) {
      d.Eingabezeilen = TestdatenZeilen();
      d.bTestwerte = 1;
      d.iTabelle = GetParam().tabelle;
      d.iGrafik = GetParam().grafik;
      d.bNeuRechnen = 1;
      return true;
    };
    doc.OnDatenAendern();
    ASSERT_TRUE(plattform.protokoll.empty());
  }

  std::string Pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)).toStdString(); }

  QTemporaryDir ordner;
  FakePlattform plattform;
  CKadrelDoc doc{plattform};
};

TEST_P(Exportieren, Png) {
  std::string fehler;
  const std::string pfad = Pfad("grafik.png");
  ASSERT_TRUE(GrafikExportieren(doc, pfad, fehler)) << fehler;
  QImage bild;
  ASSERT_TRUE(bild.load(QString::fromStdString(pfad), "PNG"));
  // A4 at 300 dpi.
  EXPECT_EQ(bild.width(), 2480);
  EXPECT_EQ(bild.height(), 3508);
  EXPECT_NEAR(bild.dotsPerMeterX(), 11811, 1);
  const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
  // The red of the computed curve (or the 0.01 mD curve) and the black frame.
  EXPECT_GT(FarbigePixel(rgb, qRgb(255, 0, 0)), 1000);
  EXPECT_GT(FarbigePixel(rgb, qRgb(0, 0, 0)), 10000);
  EXPECT_GT(FarbigePixel(rgb, qRgb(255, 255, 255)), rgb.width() * rgb.height() / 2);
  EXPECT_TRUE(ordner.isValid());
}

TEST_P(Exportieren, Svg) {
  std::string fehler;
  const std::string pfad = Pfad("grafik.svg");
  ASSERT_TRUE(GrafikExportieren(doc, pfad, fehler)) << fehler;
  const QByteArray svg = Lesen(QString::fromStdString(pfad));
  ASSERT_FALSE(svg.isEmpty());
  QSvgRenderer leser(svg);
  EXPECT_TRUE(leser.isValid());
  EXPECT_EQ(leser.viewBox(), QRect(0, 0, 2100, 2970));
  EXPECT_TRUE(svg.contains("width=\"210mm\"")) << svg.left(600).constData();
  EXPECT_TRUE(svg.contains(QString::fromUtf8(doc.Titel.c_str()).toUtf8()));
}

TEST_P(Exportieren, Pdf) {
  std::string fehler;
  const std::string pfad = Pfad("grafik.pdf");
  ASSERT_TRUE(GrafikExportieren(doc, pfad, fehler)) << fehler;
  const QByteArray pdf = Lesen(QString::fromStdString(pfad));
  ASSERT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  EXPECT_EQ(PdfSeiten(pdf), 1);
  // An A4 page taller than wide, in points.
  static const QRegularExpression a4(QStringLiteral("/MediaBox \\[0 0 595(\\.0+)? 842(\\.0+)?\\]"));
  EXPECT_TRUE(a4.match(QString::fromLatin1(pdf)).hasMatch()) << "no portrait A4 media box";
}

INSTANTIATE_TEST_SUITE_P(Diagramme, Exportieren,
                         ::testing::Values(ArtFall{"Kapillardruckkurve", 0, 0}, ArtFall{"Parameterchart", 1, 0},
                                           ArtFall{"Kurvenschar", 1, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

class ExportFehler : public ::testing::Test {
 protected:
  QTemporaryDir ordner;
  FakePlattform plattform;
  CKadrelDoc doc{plattform};
};

TEST_F(ExportFehler, UnbekannteEndung) {
  const std::string pfad = ordner.filePath(QStringLiteral("grafik.bmp")).toStdString();
  std::string fehler;
  EXPECT_FALSE(GrafikExportieren(doc, pfad, fehler));
  EXPECT_EQ(fehler, "Die Grafik kann nicht als " + pfad + " gespeichert werden: erlaubt sind .png, .svg und .pdf.");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(pfad)));
}

TEST_F(ExportFehler, OrdnerFehlt) {
  const std::string pfad = ordner.filePath(QStringLiteral("fehlt/grafik.pdf")).toStdString();
  std::string fehler;
  EXPECT_FALSE(GrafikExportieren(doc, pfad, fehler));
  EXPECT_EQ(fehler.rfind("Die Datei " + pfad + " kann nicht geschrieben werden: ", 0), 0u) << fehler;
}

TEST_F(ExportFehler, GrossGeschriebeneEndungUndUmlautImNamen) {
  const std::string pfad = ordner.filePath(QStringLiteral("Sättigung.PNG")).toStdString();
  std::string fehler;
  ASSERT_TRUE(GrafikExportieren(doc, pfad, fehler)) << fehler;
  QImage bild;
  EXPECT_TRUE(bild.load(QString::fromStdString(pfad), "PNG"));
}

// A data chart is written by the same routine; the file takes its title.
TEST_F(ExportFehler, DatendiagrammAlsPngSvgUndPdf) {
  Datendiagramm daten;
  daten.titel = "Thomeer-Analyse";
  daten.y = {Achsenart::Logarithmisch, "Pc", false, 0, 0};
  daten.reihen = {{Reihenart::Linie, {Linienart::Durchgezogen, 6, {0, 200, 0}}, {0, 0.5, 1}, {0.02, 3, 900}}};
  std::string fehler;
  const std::string png = ordner.filePath(QStringLiteral("daten.png")).toStdString();
  ASSERT_TRUE(GrafikExportieren(doc, &daten, png, fehler)) << fehler;
  QImage bild;
  ASSERT_TRUE(bild.load(QString::fromStdString(png), "PNG"));
  EXPECT_GT(FarbigePixel(bild.convertToFormat(QImage::Format_RGB32), qRgb(0, 200, 0)), 1000);

  const std::string svg = ordner.filePath(QStringLiteral("daten.svg")).toStdString();
  ASSERT_TRUE(GrafikExportieren(doc, &daten, svg, fehler)) << fehler;
  const QByteArray text = Lesen(QString::fromStdString(svg));
  EXPECT_TRUE(text.contains("<title>Thomeer-Analyse</title>")) << text.left(600).constData();
  // The decade labels of 0.01 ... 1000.
  for (const char* dekade : {">0.01<", ">0.1<", ">1<", ">10<", ">100<", ">1000<"}) {
    EXPECT_TRUE(text.contains(dekade)) << dekade;
  }

  const std::string pdf = ordner.filePath(QStringLiteral("daten.pdf")).toStdString();
  ASSERT_TRUE(GrafikExportieren(doc, &daten, pdf, fehler)) << fehler;
  EXPECT_EQ(PdfSeiten(Lesen(QString::fromStdString(pdf))), 1);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
