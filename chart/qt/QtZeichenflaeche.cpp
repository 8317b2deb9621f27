#include "QtZeichenflaeche.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <cmath>
#include <vector>

QtZeichenflaeche::QtZeichenflaeche(QPainter& painter, double pixelProEinheitX, double pixelProEinheitY)
    : p_(painter), sx_(pixelProEinheitX), sy_(pixelProEinheitY) {
  p_.save();
  basis_ = p_.worldTransform();
  p_.setPen(QPen(Qt::black));
  p_.setBrush(Qt::NoBrush);
}

QtZeichenflaeche::~QtZeichenflaeche() { p_.restore(); }

void QtZeichenflaeche::FensterUrsprung(int x, int y) {
  QTransform t = basis_;
  t.scale(sx_, -sy_);
  t.translate(-x, -y);
  p_.setWorldTransform(t);
}

void QtZeichenflaeche::StiftWaehlen(const Stift& stift) {
  QPen pen(QColor(stift.farbe.r, stift.farbe.g, stift.farbe.b));
  if (stift.breite * std::min(sx_, sy_) < 1.0) {
    // Thinner than a device pixel: one pixel, as a device context draws it.
    pen.setCosmetic(true);
    pen.setWidth(1);
  } else {
    pen.setWidthF(stift.breite);
  }
  switch (stift.art) {
    case Linienart::Durchgezogen:
      pen.setStyle(Qt::SolidLine);
      pen.setCapStyle(Qt::RoundCap);
      pen.setJoinStyle(Qt::RoundJoin);
      break;
    case Linienart::Gestrichelt:
      pen.setStyle(Qt::DashLine);
      pen.setCapStyle(Qt::FlatCap);
      break;
    case Linienart::Gepunktet:
      pen.setStyle(Qt::DotLine);
      pen.setCapStyle(Qt::FlatCap);
      break;
  }
  p_.setPen(pen);
}

QFont QtZeichenflaeche::SchriftFuer(const Schrift& schrift) {
  QFont f(QStringLiteral("Liberation Mono"));
  f.setStyleHint(QFont::TypeWriter, QFont::PreferOutline);
  f.setFixedPitch(true);
  f.setKerning(false);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setWeight(static_cast<QFont::Weight>(schrift.gewicht));
  // Qt sizes the em, the chart gives the cell: measure the cell at a known
  // size and scale.
  constexpr int kProbe = 1000;
  f.setPixelSize(kProbe);
  const double zelle = QFontMetricsF(f).height();
  const int pixel = zelle > 0 ? static_cast<int>(std::lround(schrift.hoehe * kProbe / zelle)) : schrift.hoehe;
  f.setPixelSize(pixel > 0 ? pixel : 1);
  return f;
}

void QtZeichenflaeche::SchriftWaehlen(const Schrift& schrift) {
  schrift_ = SchriftFuer(schrift);
  p_.setFont(schrift_);
}

void QtZeichenflaeche::TextZentriertOben(int x, int y, std::string_view text) {
  if (text.empty()) return;
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetricsF fm(schrift_);
  const double w = fm.horizontalAdvance(s);
  p_.save();
  // Un-mirror locally: y grows downwards from the text's top.
  p_.translate(x, y);
  p_.scale(1, -1);
  p_.fillRect(QRectF(-w / 2, 0, w, fm.ascent() + fm.descent()), Qt::white);
  p_.setPen(QPen(Qt::black));
  p_.drawText(QPointF(-w / 2, fm.ascent()), s);
  p_.restore();
}

Groesse QtZeichenflaeche::TextAusdehnung(std::string_view text) {
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetricsF fm(schrift_);
  return {static_cast<int>(std::lround(fm.horizontalAdvance(s))),
          static_cast<int>(std::lround(fm.ascent() + fm.descent()))};
}

void QtZeichenflaeche::Linie(int x1, int y1, int x2, int y2) { p_.drawLine(x1, y1, x2, y2); }

void QtZeichenflaeche::Polylinie(const Punkt* punkte, int anzahl) {
  if (anzahl < 2) return;
  QPolygon linie(anzahl);
  for (int i = 0; i < anzahl; ++i) linie.setPoint(i, punkte[i].x, punkte[i].y);
  p_.drawPolyline(linie);
}

void QtZeichenflaeche::Rechteck(int links, int oben, int rechts, int unten) {
  p_.setBrush(Qt::white);
  p_.drawRect(QRectF(QPointF(links, oben), QPointF(rechts, unten)).normalized());
  p_.setBrush(Qt::NoBrush);
}
