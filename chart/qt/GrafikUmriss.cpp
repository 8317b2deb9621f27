#include "GrafikUmriss.h"

#include "Diagramm.h"
#include "QtZeichenflaeche.h"
#include "Zeichenflaeche.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {

// Draws nothing; keeps the bounds of every call in page units.
class Umrissflaeche : public Zeichenflaeche {
 public:
  QRectF Umriss() const { return umriss_; }

  void FensterUrsprung(int x, int y) override {
    ursprungX_ = x;
    ursprungY_ = y;
  }
  void StiftWaehlen(const Stift& stift) override { halbeBreite_ = std::max(stift.breite, 1) / 2.0; }
  void SchriftWaehlen(const Schrift& schrift) override { schrift_ = QtZeichenflaeche::SchriftFuer(schrift); }
  void TextZentriertOben(int x, int y, std::string_view text) override {
    if (text.empty()) return;
    // The text's cell, centred on x, its top at y.
    const QFontMetricsF fm(schrift_);
    const double w = fm.horizontalAdvance(Text(text));
    Hinzu(QRectF(Seite(x, y) - QPointF(w / 2, 0), QSizeF(w, fm.ascent() + fm.descent())));
  }
  Groesse TextAusdehnung(std::string_view text) override {
    // As the QPainter surface measures, so that the layout is the same.
    const QFontMetricsF fm(schrift_);
    return {static_cast<int>(std::lround(fm.horizontalAdvance(Text(text)))),
            static_cast<int>(std::lround(fm.ascent() + fm.descent()))};
  }
  void Linie(int x1, int y1, int x2, int y2) override {
    Strich(Seite(x1, y1));
    Strich(Seite(x2, y2));
  }
  void Polylinie(const Punkt* punkte, int anzahl) override {
    if (anzahl < 2) return;
    for (int i = 0; i < anzahl; ++i) Strich(Seite(punkte[i].x, punkte[i].y));
  }
  void Rechteck(int links, int oben, int rechts, int unten) override {
    Strich(Seite(links, oben));
    Strich(Seite(rechts, unten));
  }

 private:
  static QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  }
  QPointF Seite(int x, int y) const { return QPointF(x - ursprungX_, ursprungY_ - y); }
  void Strich(QPointF p) {
    Hinzu(QRectF(p - QPointF(halbeBreite_, halbeBreite_), QSizeF(2 * halbeBreite_, 2 * halbeBreite_)));
  }
  void Hinzu(const QRectF& r) { umriss_ = umriss_.isNull() ? r : umriss_.united(r); }

  int ursprungX_ = 0;
  int ursprungY_ = 0;
  double halbeBreite_ = 0.5;
  QFont schrift_;
  QRectF umriss_;
};

}  // namespace

QRectF GrafikUmriss(Diagramm& diagramm) {
  Umrissflaeche flaeche;
  diagramm.OnGraf();
  diagramm.draw(flaeche);
  return flaeche.Umriss();
}
