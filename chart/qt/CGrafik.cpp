#include "CGrafik.h"

#include "GrafikMalen.h"
#include "GrafikUmriss.h"
#include "KadrelDoc.h"

#include <QBuffer>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Scroll sizes in chart units: the whole area, a page (half) and a line
// (a fiftieth).
constexpr int kGesamtBreite = 2500;
constexpr int kGesamtHoehe = 2200;

constexpr double kEinheitenProZoll = 254.0;
// Margin around the drawing when it is fitted to the window or copied, in
// chart units.
constexpr double kRand = 50.0;
constexpr int kBildDpi = 300;

}  // namespace

CGrafik::CGrafik(CKadrelDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), m_diagramm(doc) {
  viewport()->setAutoFillBackground(false);
  ScrollbereichSetzen();
}

void CGrafik::OnInitialUpdate() {
  ScrollbereichSetzen();
  m_diagramm.OnInitialUpdate();
}

void CGrafik::OnGrafiklupe() {
  // The magnifier rescales at once: with the chart shown now, not the one of
  // the last paint, which its source may have replaced since.
  DatenAbfragen();
  if (anpassen_) {
    anpassen_ = false;
    ScrollbereichSetzen();
    if (m_diagramm.m_bGrafiklupe == 0) m_diagramm.OnGrafiklupe();
  } else {
    m_diagramm.OnGrafiklupe();
  }
  viewport()->update();
}

void CGrafik::SetAnFensterAnpassen(bool an) {
  if (an == anpassen_) return;
  anpassen_ = an;
  // The fitted drawing is that of the normal size.
  if (anpassen_ && m_diagramm.m_bGrafiklupe == 1) {
    DatenAbfragen();
    m_diagramm.OnGrafiklupe();
  }
  ScrollbereichSetzen();
  viewport()->update();
}

CGrafik::Darstellung CGrafik::Bildschirmdarstellung() {
  DatenAbfragen();
  const QRectF umriss = GrafikUmriss(m_diagramm);
  Darstellung d;
  if (!anpassen_) {
    d.pixelProEinheitX = PixelProEinheitX();
    d.pixelProEinheitY = PixelProEinheitY();
    d.seitenursprung = QPointF(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
  } else if (!umriss.isEmpty()) {
    const QRectF mitRand = umriss.adjusted(-kRand, -kRand, kRand, kRand);
    const QSizeF sicht = viewport()->size();
    const double s = std::max(0.0, std::min(sicht.width() / mitRand.width(), sicht.height() / mitRand.height()));
    d.pixelProEinheitX = s;
    d.pixelProEinheitY = s;
    // Centred: the drawing with its margin fills one direction exactly.
    const QPointF linksOben((sicht.width() - mitRand.width() * s) / 2, (sicht.height() - mitRand.height() * s) / 2);
    d.seitenursprung = linksOben - mitRand.topLeft() * s;
  }
  d.umriss = QRectF(d.seitenursprung + QPointF(umriss.left() * d.pixelProEinheitX, umriss.top() * d.pixelProEinheitY),
                    QSizeF(umriss.width() * d.pixelProEinheitX, umriss.height() * d.pixelProEinheitY));
  return d;
}

QMimeData* CGrafik::Zwischenablage() {
  DatenAbfragen();
  const QRectF umriss = GrafikUmriss(m_diagramm).adjusted(-kRand, -kRand, kRand, kRand);
  auto* daten = new QMimeData;
  if (umriss.isEmpty()) return daten;

  // The image: 300 dpi, white, the drawing's extent with its margin.
  const double s = kBildDpi / kEinheitenProZoll;
  QImage bild(static_cast<int>(std::ceil(umriss.width() * s)), static_cast<int>(std::ceil(umriss.height() * s)),
              QImage::Format_RGB32);
  bild.setDotsPerMeterX(qRound(kBildDpi / 0.0254));
  bild.setDotsPerMeterY(qRound(kBildDpi / 0.0254));
  bild.fill(Qt::white);
  {
    QPainter painter(&bild);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(-umriss.topLeft() * s);
    GrafikMalen(m_diagramm, painter, s, s);
  }
  daten->setImageData(bild);

  // The SVG: one unit is 0.1 mm, the view box the same extent.
  QBuffer puffer;
  puffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&puffer);
  svg.setResolution(static_cast<int>(kEinheitenProZoll));
  const QRect box = umriss.toAlignedRect();
  svg.setSize(box.size());
  svg.setViewBox(QRect(QPoint(0, 0), box.size()));
  const Datendiagramm* quelle = m_diagramm.GetDatendiagramm();
  svg.setTitle(QString::fromUtf8(quelle ? quelle->titel : m_diagramm.GetDocument().Titel));
  QPainter painter;
  if (painter.begin(&svg)) {
    painter.fillRect(QRect(QPoint(0, 0), box.size()), Qt::white);
    painter.translate(-box.topLeft());
    GrafikMalen(m_diagramm, painter, 1.0, 1.0);
    painter.end();
    daten->setData(QStringLiteral("image/svg+xml"), puffer.data());
  }
  return daten;
}

void CGrafik::SetDatenquelle(std::function<const Datendiagramm*()> quelle) {
  quelle_ = std::move(quelle);
  viewport()->update();
}

void CGrafik::SetDruckLogarithmisch(bool an) {
  if (an == m_diagramm.DruckLogarithmisch()) return;
  m_diagramm.SetDruckLogarithmisch(an);
  viewport()->update();
}

void CGrafik::DatenAbfragen() { m_diagramm.SetDatendiagramm(quelle_ ? quelle_() : nullptr); }

bool CGrafik::Grafiklupe() const { return m_diagramm.m_bGrafiklupe == 1; }

double CGrafik::PixelProEinheitX() const {
  const int dpi = viewport()->physicalDpiX();
  return (dpi > 0 ? dpi : viewport()->logicalDpiX()) / kEinheitenProZoll;
}

double CGrafik::PixelProEinheitY() const {
  const int dpi = viewport()->physicalDpiY();
  return (dpi > 0 ? dpi : viewport()->logicalDpiY()) / kEinheitenProZoll;
}

void CGrafik::ScrollbereichSetzen() {
  const double sx = PixelProEinheitX();
  const double sy = PixelProEinheitY();
  const QSize sicht = viewport()->size();
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  if (anpassen_) {
    // The fitted chart fills the window: nothing to scroll.
    h->setRange(0, 0);
    v->setRange(0, 0);
    return;
  }
  h->setRange(0, qMax(0, qRound(kGesamtBreite * sx) - sicht.width()));
  v->setRange(0, qMax(0, qRound(kGesamtHoehe * sy) - sicht.height()));
  h->setPageStep(qRound(kGesamtBreite / 2 * sx));
  v->setPageStep(qRound(kGesamtHoehe / 2 * sy));
  h->setSingleStep(qMax(1, qRound(kGesamtBreite / 50 * sx)));
  v->setSingleStep(qMax(1, qRound(kGesamtHoehe / 50 * sy)));
}

void CGrafik::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  ScrollbereichSetzen();
  // A fitted chart follows the window's size.
  if (anpassen_) viewport()->update();
}

void CGrafik::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const Darstellung d = Bildschirmdarstellung();
  if (d.pixelProEinheitX <= 0.0 || d.pixelProEinheitY <= 0.0) return;
  painter.translate(d.seitenursprung);
  GrafikMalen(m_diagramm, painter, d.pixelProEinheitX, d.pixelProEinheitY);
}

bool CGrafik::SeiteDrucken(QPrinter& printer) {
  DatenAbfragen();
  // The printable area decides the layout; the page's painter starts at its
  // top-left corner.
  const QRectF bereich = printer.pageRect(QPrinter::DevicePixel);
  m_diagramm.DruckBeginnen(bereich.width() * kEinheitenProZoll / printer.logicalDpiX(),
                           bereich.height() * kEinheitenProZoll / printer.logicalDpiY());
  QPainter painter;
  const bool offen = painter.begin(&printer);
  if (offen) {
    GrafikMalen(m_diagramm, painter, printer.logicalDpiX() / kEinheitenProZoll,
                printer.logicalDpiY() / kEinheitenProZoll);
    painter.end();
  }
  m_diagramm.DruckBeenden();
  viewport()->update();
  return offen;
}

void CGrafik::Drucken(QPrinter& printer) { SeiteDrucken(printer); }

void CGrafik::OnFilePrint() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  // A cancelled dialog leaves the screen chart as it was.
  if (dialog.exec() != QDialog::Accepted) return;
  if (!SeiteDrucken(printer)) {
    QString text = QStringLiteral("Die Grafik kann nicht gedruckt werden.");
    if (!printer.outputFileName().isEmpty()) {
      text = QStringLiteral("Die Grafik kann nicht in die Datei %1 gedruckt werden.").arg(printer.outputFileName());
    }
    QMessageBox::warning(this, windowTitle(), text);
  }
}

void CGrafik::OnFilePrintPreview() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog dialog(&printer, this);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { Drucken(*p); });
  dialog.exec();
}
