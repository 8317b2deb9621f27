#include "CGrafik.h"

#include "GrafikMalen.h"
#include "KadrelDoc.h"

#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>

#include <utility>

namespace {

// Scroll sizes in chart units: the whole area, a page (half) and a line
// (a fiftieth).
constexpr int kGesamtBreite = 2500;
constexpr int kGesamtHoehe = 2200;

constexpr double kEinheitenProZoll = 254.0;

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
  m_diagramm.OnGrafiklupe();
  viewport()->update();
}

void CGrafik::SetDatenquelle(std::function<const Datendiagramm*()> quelle) {
  quelle_ = std::move(quelle);
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
}

void CGrafik::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
  DatenAbfragen();
  GrafikMalen(m_diagramm, painter, PixelProEinheitX(), PixelProEinheitY());
}

bool CGrafik::SeiteDrucken(QPrinter& printer) {
  DatenAbfragen();
  // The printable area decides the layout; the page's painter starts at its
  // top-left corner.
  const QRectF bereich = printer.pageRect(QPrinter::DevicePixel);
  m_diagramm.DruckBeginnen(bereich.width(), bereich.height());
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
