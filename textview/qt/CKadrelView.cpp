#include "CKadrelView.h"

#include "DruckAblauf.h"
#include "KadrelDoc.h"
#include "Seitenaufteilung.h"
#include "Textlayout.h"

#include <QFontMetricsF>
#include <QKeyEvent>
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
  const Textliste* liste = Liste();
  const std::uint64_t kennung = liste ? Listenkennung(*liste) : 0;
  if (liste != gezeigt_ || kennung != kennung_) {
    gezeigt_ = liste;
    kennung_ = kennung;
    auswahl_.Aufheben();
    OnInitialUpdate();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
  } else {
    OnInitialUpdate();
  }
  viewport()->update();
}

void CKadrelView::SetAuswahl(const Zeilenauswahl& auswahl) {
  auswahl_ = auswahl;
  viewport()->update();
}

QString CKadrelView::KopierText() const {
  const Textliste* liste = Liste();
  return liste ? Zeile(::KopierText(*liste, auswahl_)) : QString();
}

int CKadrelView::ZeileBei(double y, bool begrenzen) const {
  const Textlayout layout = Layout();
  if (layout.Zeilen() == 0) return -1;
  const double oben = verticalScrollBar()->value() + y;
  if (!begrenzen && (oben < 0.0 || oben >= layout.ZeileOben(layout.Zeilen()))) return -1;
  return std::clamp(layout.ErsteSichtbare(static_cast<int>(std::max(oben, 0.0))), 0, layout.Zeilen() - 1);
}

void CKadrelView::keyPressEvent(QKeyEvent* event) {
  QScrollBar* senkrecht = verticalScrollBar();
  QScrollBar* waagrecht = horizontalScrollBar();
  const bool strg = (event->modifiers() & Qt::ControlModifier) != 0;
  if (event->matches(QKeySequence::SelectAll)) {
    const Textliste* liste = Liste();
    auswahl_.Alle(liste ? static_cast<int>(std::min<std::size_t>(liste->size(), 0x7FFFFFFF)) : 0);
    viewport()->update();
  } else if (event->key() == Qt::Key_Home) {
    if (strg) senkrecht->triggerAction(QAbstractSlider::SliderToMinimum);
    waagrecht->triggerAction(QAbstractSlider::SliderToMinimum);
  } else if (event->key() == Qt::Key_End) {
    if (strg) {
      senkrecht->triggerAction(QAbstractSlider::SliderToMaximum);
    } else {
      waagrecht->triggerAction(QAbstractSlider::SliderToMaximum);
    }
  } else if (event->key() == Qt::Key_Escape && !auswahl_.Leer()) {
    auswahl_.Aufheben();
    viewport()->update();
  } else {
    // Arrows and Page Up/Down scroll by a line, a column step or a page.
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  event->accept();
}

void CKadrelView::mousePressEvent(QMouseEvent* event) {
  QAbstractScrollArea::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const int zeile = ZeileBei(event->position().y(), false);
  if (zeile >= 0 && (event->modifiers() & Qt::ShiftModifier) != 0) {
    auswahl_.Erweitern(zeile);
  } else {
    auswahl_.Setzen(zeile);
  }
  viewport()->update();
}

void CKadrelView::mouseMoveEvent(QMouseEvent* event) {
  QAbstractScrollArea::mouseMoveEvent(event);
  if ((event->buttons() & Qt::LeftButton) == 0 || auswahl_.Leer()) return;
  // Dragging past the top or the bottom edge scrolls on.
  const double y = event->position().y();
  if (y < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  if (y > viewport()->height()) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  auswahl_.Erweitern(ZeileBei(y, true));
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
  const QPen schriftfarbe = maler.pen();
  for (int i = layout.ErsteSichtbare(dy + band.top()); i < ende; ++i) {
    const bool gewaehlt = auswahl_.Enthaelt(i);
    if (gewaehlt) {
      const double hoehe = layout.ZeileOben(i + 1) - layout.ZeileOben(i);
      maler.fillRect(QRectF(0, layout.ZeileOben(i) - dy, viewport()->width(), hoehe), palette().highlight());
      maler.setPen(palette().color(QPalette::HighlightedText));
    }
    const QPointF grundlinie(layout.ZeileLinks() - dx, layout.ZeileOben(i) - dy + masse.ascent());
    maler.drawText(grundlinie, Zeile((*liste)[static_cast<std::size_t>(i)]));
    if (gewaehlt) maler.setPen(schriftfarbe);
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
