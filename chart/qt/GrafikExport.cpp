#include "GrafikExport.h"

#include "Diagramm.h"
#include "GrafikMalen.h"
#include "KadrelDoc.h"
#include "TextFormat.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

// An A4 page in chart units (0.1 mm).
constexpr int kSeiteBreite = 2100;
constexpr int kSeiteHoehe = 2970;
constexpr double kEinheitenProZoll = 254.0;
constexpr int kPngDpi = 300;
constexpr int kPdfDpi = 1200;

// The file's title: that of the chart drawn.
QString Titel(const Diagramm& d) {
  const Datendiagramm* daten = d.GetDatendiagramm();
  return QString::fromUtf8(daten ? daten->titel : d.GetDocument().Titel);
}

bool PngSchreiben(Diagramm& d, QSaveFile& datei) {
  const double s = kPngDpi / kEinheitenProZoll;
  QImage bild(qRound(kSeiteBreite * s), qRound(kSeiteHoehe * s), QImage::Format_RGB32);
  bild.setDotsPerMeterX(qRound(kPngDpi / 0.0254));
  bild.setDotsPerMeterY(qRound(kPngDpi / 0.0254));
  bild.fill(Qt::white);
  QPainter painter(&bild);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  GrafikMalen(d, painter, s, s);
  painter.end();
  return bild.save(&datei, "PNG");
}

bool SvgSchreiben(Diagramm& d, QSaveFile& datei) {
  QSvgGenerator svg;
  svg.setOutputDevice(&datei);
  svg.setResolution(static_cast<int>(kEinheitenProZoll));  // one unit is 0.1 mm
  svg.setSize(QSize(kSeiteBreite, kSeiteHoehe));
  svg.setViewBox(QRect(0, 0, kSeiteBreite, kSeiteHoehe));
  svg.setTitle(Titel(d));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  painter.fillRect(QRect(0, 0, kSeiteBreite, kSeiteHoehe), Qt::white);
  GrafikMalen(d, painter, 1.0, 1.0);
  return painter.end();
}

bool PdfSchreiben(Diagramm& d, QSaveFile& datei) {
  QPdfWriter pdf(&datei);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageOrientation(QPageLayout::Portrait);
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setResolution(kPdfDpi);
  pdf.setTitle(Titel(d));
  pdf.setCreator(QStringLiteral("Kadrel"));
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  const double s = kPdfDpi / kEinheitenProZoll;
  GrafikMalen(d, painter, s, s);
  return painter.end();
}

}  // namespace

bool GrafikExportieren(const CKadrelDoc& doc, const std::string& pfad, std::string& fehler) {
  return GrafikExportieren(doc, nullptr, pfad, fehler);
}

bool GrafikExportieren(const CKadrelDoc& doc, const Datendiagramm* daten, const std::string& pfad,
                       std::string& fehler) {
  return GrafikExportieren(doc, daten, Grafikoptionen{}, pfad, fehler);
}

bool GrafikExportieren(const CKadrelDoc& doc, const Datendiagramm* daten, const Grafikoptionen& optionen,
                       const std::string& pfad, std::string& fehler) {
  const QString name = QString::fromUtf8(pfad);
  const QString endung = QFileInfo(name).suffix().toLower();
  if (endung != QStringLiteral("png") && endung != QStringLiteral("svg") && endung != QStringLiteral("pdf")) {
    fehler = text::Format("Die Grafik kann nicht als %s gespeichert werden: erlaubt sind .png, .svg und .pdf.", pfad);
    return false;
  }
  QSaveFile datei(name);
  if (!datei.open(QIODevice::WriteOnly)) {
    fehler = text::Format("Die Datei %s kann nicht geschrieben werden: %s", pfad, datei.errorString().toStdString());
    return false;
  }

  // Print quality: the layout of a page taller than wide.
  Diagramm d(doc);
  d.SetDatendiagramm(daten);
  d.SetDruckLogarithmisch(optionen.druckLogarithmisch);
  d.OnInitialUpdate();
  d.DruckBeginnen(kSeiteBreite, kSeiteHoehe);

  bool geschrieben = false;
  if (endung == QStringLiteral("png")) geschrieben = PngSchreiben(d, datei);
  if (endung == QStringLiteral("svg")) geschrieben = SvgSchreiben(d, datei);
  if (endung == QStringLiteral("pdf")) geschrieben = PdfSchreiben(d, datei);
  if (!geschrieben) {
    datei.cancelWriting();
    fehler = text::Format("Die Grafik kann nicht in die Datei %s geschrieben werden.", pfad);
    return false;
  }
  if (!datei.commit()) {
    fehler = text::Format("Die Datei %s kann nicht geschrieben werden: %s", pfad, datei.errorString().toStdString());
    return false;
  }
  return true;
}
