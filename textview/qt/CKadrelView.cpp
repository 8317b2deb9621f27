#include "CKadrelView.h"

#include "DruckAblauf.h"
#include "KadrelDoc.h"
#include "Seitenaufteilung.h"
#include "Textlayout.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {

const QString kSchriftart = QStringLiteral("Courier New");
constexpr int kBildschirmGewicht = 800;
constexpr int kDruckGewicht = 600;
// The printer font's line height, in 0.1 mm.
constexpr double kDruckSchrifthoehe = 44.0;

QString Zeile(const std::string& zeile) {
  return QString::fromUtf8(zeile.data(), static_cast<qsizetype>(zeile.size()));
}

}  // namespace

CKadrelView::CKadrelView(CKadrelDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), doc_(doc) {
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
}

void CKadrelView::SetListenquelle(std::function<const Textliste*()> quelle) {
  quelle_ = std::move(quelle);
  OnUpdate();
}

const Textliste* CKadrelView::Liste() const { return quelle_ ? quelle_() : doc_.GewaehlteListe(); }

QFont CKadrelView::Bildschirmschrift() const {
  const double zeilenhoehe = Textlayout::kSchrifthoehe * logicalDpiY() / 100.0;
  return druck::SchriftMitZeilenhoehe(kSchriftart, kBildschirmGewicht, zeilenhoehe, viewport());
}

Textlayout CKadrelView::Layout() const {
  const QFontMetricsF masse(Bildschirmschrift(), viewport());
  return Textlayout(Liste(), masse.horizontalAdvance(QLatin1Char('W')), masse.height(), logicalDpiY());
}

void CKadrelView::OnInitialUpdate() {
  const Textlayout layout = Layout();
  const QSize sicht = viewport()->size();
  verticalScrollBar()->setRange(0, std::max(0, layout.InhaltHoehe() - sicht.height()));
  verticalScrollBar()->setPageStep(std::max(1, sicht.height()));
  verticalScrollBar()->setSingleStep(layout.Zeilenschritt());
  horizontalScrollBar()->setRange(0, std::max(0, layout.InhaltBreite() - sicht.width()));
  horizontalScrollBar()->setPageStep(std::max(1, sicht.width()));
  horizontalScrollBar()->setSingleStep(layout.Spaltenschritt());
}

void CKadrelView::OnUpdate() {
  OnInitialUpdate();
  viewport()->update();
}

void CKadrelView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  OnInitialUpdate();
}

void CKadrelView::mouseDoubleClickEvent(QMouseEvent* event) {
  QAbstractScrollArea::mouseDoubleClickEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const Textlayout layout = Layout();
  const int y = verticalScrollBar()->value() + static_cast<int>(event->position().y());
  if (y < 0) return;
  const int zeile = layout.ErsteSichtbare(y);
  if (zeile >= 0 && zeile < layout.Zeilen()) emit ZeileDoppelgeklickt(zeile);
}

void CKadrelView::paintEvent(QPaintEvent* event) {
  const Textliste* liste = Liste();
  if (!liste || liste->empty()) return;
  QPainter maler(viewport());
  const QFont schrift = Bildschirmschrift();
  maler.setFont(schrift);
  const QFontMetricsF masse(schrift, viewport());
  const Textlayout layout(liste, masse.horizontalAdvance(QLatin1Char('W')), masse.height(), logicalDpiY());

  const int dx = horizontalScrollBar()->value();
  const int dy = verticalScrollBar()->value();
  const QRect band = event->rect();
  const int ende = layout.EndeSichtbare(dy + band.top(), band.height());
  for (int i = layout.ErsteSichtbare(dy + band.top()); i < ende; ++i) {
    const QPointF grundlinie(layout.ZeileLinks() - dx, layout.ZeileOben(i) - dy + masse.ascent());
    maler.drawText(grundlinie, Zeile((*liste)[static_cast<std::size_t>(i)]));
  }
}

bool CKadrelView::Drucken(QPrinter& drucker) {
  const Textliste* liste = Liste();
  const int zeilen = liste ? static_cast<int>(std::min<std::size_t>(liste->size(), 0x7FFFFFFF)) : 0;
  QPainter maler;
  if (!maler.begin(&drucker)) return false;

  // The painter's origin is the top-left corner of the printable area.
  const QRectF seite = drucker.pageRect(QPrinter::DevicePixel);
  const Seitenaufteilung aufteilung(zeilen, seite.width(), seite.height());
  const double zeilenhoehe = aufteilung.Zeilenhoehe(kDruckSchrifthoehe * drucker.resolution() / 254.0);
  const QFont schrift = druck::SchriftMitZeilenhoehe(kSchriftart, kDruckGewicht, zeilenhoehe, &drucker);
  maler.setFont(schrift);
  const QFontMetricsF masse(schrift, &drucker);
  const double zeichenbreite = masse.horizontalAdvance(QLatin1Char('0'));
  const QString kopf = Zeile(Seitenaufteilung::Kopfzeile(doc_.GetPathName()));

  int von = 1;
  int bis = aufteilung.Seitenzahl();
  if (drucker.printRange() == QPrinter::PageRange && drucker.fromPage() > 0) {
    von = std::max(von, drucker.fromPage());
    bis = std::min(bis, drucker.toPage());
  }
  for (int nr = von; nr <= bis; ++nr) {
    if (nr != von) drucker.newPage();
    maler.drawText(QPointF(zeichenbreite, zeilenhoehe + masse.ascent()), kopf);
    const int erste = aufteilung.ErsteZeile(nr);
    for (int i = erste; i < aufteilung.EndeZeile(nr); ++i) {
      const double oben = (i - erste + Seitenaufteilung::kKopfZeilen) * zeilenhoehe;
      maler.drawText(QPointF(3.0 * zeichenbreite, oben + masse.ascent()), Zeile((*liste)[static_cast<std::size_t>(i)]));
    }
  }
  return maler.end();
}

void CKadrelView::OnFilePrint(QPrinter& drucker) {
  druck::MitDialogDrucken(this, drucker, [this](QPrinter& seiten) { return Drucken(seiten); });
}

void CKadrelView::OnFilePrintPreview(QPrinter& drucker) {
  druck::Seitenansicht(this, drucker, [this](QPrinter& seiten) { return Drucken(seiten); });
}
