// Axis scaling of the chart: data range, tick steps, plot size and mapping.
#include "Diagramm.h"

#include "KadrelDoc.h"

#include <algorithm>
#include <cmath>

namespace {

// Upper bound of every tick loop. A chart has at most a dozen ticks per
// axis; the bound only stops data whose magnitude swallows the step (1e20
// plus 1 is 1e20) from looping forever.
constexpr int kMaxTicks = 1000;

// The walk of `start` for very large ratios is cut short beyond this many
// steps by jumping close to the end first.
constexpr double kMaxWeg = 1e6;

// Mapped coordinates are held within 100 m of the frame, so that wild
// computed values (or infinities) still give defined integers.
constexpr double kGrenze = 1e6;

int Koordinate(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -kGrenze, kGrenze));
}

// The smallest and largest finite value seen; non-finite values are passed
// over so that they cannot poison the range.
struct Spanne {
  double min = 0.0;
  double max = 0.0;
  bool belegt = false;

  void Erweitern(float wert) {
    const double v = wert;
    if (!std::isfinite(v)) return;
    if (!belegt) {
      min = max = v;
      belegt = true;
      return;
    }
    if (v < min) min = v;
    if (v > max) max = v;
  }
};

}  // namespace

Diagramm::Diagramm(const CKadrelDoc& doc) : doc_(doc) {}

Diagrammart Diagramm::Art() const {
  if (daten_) return Diagrammart::Daten;
  if (doc_.iGrafik == 4) return Diagrammart::Kurvenschar;
  if (doc_.iGrafik < 4 && doc_.iTabelle == 0) return Diagrammart::Kurve;
  if (doc_.iGrafik < 4 && doc_.iTabelle > 0) return Diagrammart::Parameter;
  return Diagrammart::Keine;
}

int Diagramm::Kurvenpunkte() const { return std::clamp(doc_.Maxwerte, 0, 100); }

int Diagramm::Parameterpunkte() const { return std::clamp(doc_.iMax2Werte, 0, 100); }

void Diagramm::OnInitialUpdate() {
  m_bHochformat = 1;
  m_bPrint = 0;
  seitenbreite = kBildschirmseite;
}

void Diagramm::OnGraf() {
  extreme();
  scale();
  worldtrans();
}

bool Diagramm::KurveLogarithmisch() const { return druckLog_ && Art() == Diagrammart::Kurve; }

void Diagramm::extreme() {
  Spanne x;
  Spanne y;
  switch (Art()) {
    case Diagrammart::Kurve:
      if (druckLog_) {
        LogKurveSkalieren();
        return;
      }
      // The computed curve Y1 does not widen the range: it may leave the frame.
      for (int i = 0; i < Kurvenpunkte(); ++i) {
        x.Erweitern(doc_.X[i]);
        y.Erweitern(doc_.Y[i]);
      }
      break;
    case Diagrammart::Parameter:
      for (int k = 0; k < Parameterpunkte(); ++k) {
        x.Erweitern(doc_.X2[k]);
        y.Erweitern(doc_.Y2[k]);
        y.Erweitern(doc_.Y3[k]);
      }
      break;
    case Diagrammart::Kurvenschar:
      xmin = 0.0;
      xmax = 1.0;
      ymin = 0.0;
      ymax = std::isfinite(doc_.MaxPchg) ? doc_.MaxPchg : 0.0;
      return;
    case Diagrammart::Keine:
      return;
    case Diagrammart::Daten:
      DatenSkalieren();
      return;
  }
  // Without points the ranges of the previous scaling stand.
  if (x.belegt) {
    xmin = x.min;
    xmax = x.max;
  }
  if (y.belegt) {
    ymin = y.min;
    ymax = y.max;
  }
}

double Diagramm::delta(double delt) {
  if (delt == 0) return 1;
  // A negative or non-finite width has no step of its own.
  if (!(delt > 0) || !std::isfinite(delt)) return 1;
  const double ddelt = delt / 10;
  // Truncated toward zero, not floored: below 1 this moves upward.
  const int n = static_cast<int>(std::log10(ddelt));
  const double s = std::pow(10.0, n);
  const double r = ddelt / s;
  if (r >= 4) return 10 * s;
  if (r >= 2) return 5 * s;
  if (r >= 1) return 2 * s;
  if (r >= 0.5) return s;
  if (r >= 0.2) return 0.5 * s;
  if (r > 0.1) return 0.2 * s;
  if (r == 0.1) return 0.1 * s;
  return 1;
}

double Diagramm::start(double min, double delt) {
  if (min == 0) return 0;
  if (!(delt > 0) || !std::isfinite(delt) || !std::isfinite(min)) return min;
  const double q = min / delt;
  if (q == std::trunc(q)) return min;
  // Below 1e5 steps (and for every negative minimum) the first tick is the
  // largest multiple of the step not above the minimum. This also covers a
  // tiny positive ratio, whose first tick is 0.
  if (min < 0 || q < 1e5) {
    return min < 0 ? std::trunc(q) * delt - delt : std::trunc(q) * delt;
  }
  // For large ratios walk up from a power of ten in steps of `delt`, so that
  // the tick is a sum of steps like the ticks after it.
  const int n = static_cast<int>(std::log10(q));
  double t = std::pow(10.0, n) * delt - delt;
  const double schritte = std::floor((min - delt - t) / delt);
  if (schritte > kMaxWeg) t += (schritte - kMaxWeg) * delt;
  while (t <= min - delt) t += delt;
  return t;
}

double Diagramm::Achsenende(double start, double delt, double max, double rest) {
  double t = start;
  for (int n = 0; t < max - rest && n < kMaxTicks; ++n) t += delt;
  return t;
}

void Diagramm::scale() {
  // The data chart's axes are scaled whole by DatenSkalieren.
  if (Art() == Diagrammart::Daten) return;
  deltax = delta(xmax - xmin);
  xstart = start(xmin, deltax);
  if (xstart < xmin) xmin = xstart;
  // The axis ends on the first whole tick at or above the largest value;
  // xaxis repeats these very additions, so its last tick equals xmax.
  xmax = Achsenende(xstart, deltax, xmax, 0.00001);
  // A logarithmic pressure axis spans its decades already (extreme).
  if (KurveLogarithmisch()) return;
  deltay = delta(ymax - ymin);
  ystart = start(ymin, deltay);
  if (ystart < ymin) ymin = ystart;
  ymax = Achsenende(ystart, deltay, ymax, 0.000001);
  if (ymax == ymin) {
    ymax += deltay;
    ymin -= deltay;
  }
}

void Diagramm::worldtrans() {
  if (m_bHochformat == 0) {
    breite = 2200;
    hoehe = 1300;
  } else {
    breite = 1300;
    hoehe = m_bPrint == 1 ? 2100 : 750;
  }
  if (m_bPrint == 0 && m_bGrafiklupe == 1) {
    breite = 1950;
    hoehe = 1125;
  }
  if (m_bPrint == 0 && m_bGrafiklupe == 0) hoehe = 750;

  switch (Art()) {
    case Diagrammart::Kurve:
      if (druckLog_) {
        LogKurveAbbilden();
        break;
      }
      for (int i = 0; i < Kurvenpunkte(); ++i) {
        m_ptMess[i] = Abbilden(doc_.X[i], doc_.Y[i]);
        m_ptRechen[i] = Abbilden(doc_.X[i], doc_.Y1[i]);
      }
      break;
    case Diagrammart::Parameter:
      for (int k = 0; k < Parameterpunkte(); ++k) {
        m_ptMess2[k] = Abbilden(doc_.X2[k], doc_.Y2[k]);
        m_ptRechen2[k] = Abbilden(doc_.X2[k], doc_.Y3[k]);
      }
      break;
    case Diagrammart::Kurvenschar:
      for (int j = 0; j < 5; ++j) {
        for (int i = 0; i < 31; ++i) m_ptKurven[j][i] = Abbilden(doc_.XK[j][i], doc_.YK[j][i]);
      }
      break;
    case Diagrammart::Keine:
      break;
    case Diagrammart::Daten:
      DatenAbbilden();
      break;
  }
}

bool Diagramm::XBereichGueltig() const {
  const double b = xmax - xmin;
  return b > 0 && std::isfinite(b);
}

bool Diagramm::YBereichGueltig() const {
  const double b = ymax - ymin;
  return b > 0 && std::isfinite(b);
}

// A range of zero width (all x values on one tick) puts everything in the
// middle of the axis instead of dividing by zero.
Punkt Diagramm::Abbilden(double vx, double vy) const {
  const double x = XBereichGueltig() ? breite * ((vx - xmin) / (xmax - xmin)) : breite * 0.5;
  const double y = YBereichGueltig() ? hoehe * ((vy - ymin) / (ymax - ymin)) - hoehe : hoehe * 0.5 - hoehe;
  return {Koordinate(x), Koordinate(y)};
}

int Diagramm::XTick(double t) const {
  if (!XBereichGueltig()) return breite / 2;
  return Koordinate(breite * (t - xmin) / (xmax - xmin));
}

int Diagramm::YTick(double t) const {
  if (!YBereichGueltig()) return hoehe / 2 - hoehe;
  return Koordinate(hoehe * (t - ymin) / (ymax - ymin)) - hoehe;
}

void Diagramm::OnGrafiklupe() {
  m_bGrafiklupe = m_bGrafiklupe == 0 ? 1 : 0;
  OnGraf();
}

void Diagramm::DruckBeginnen(double breiteSeite, double hoeheSeite) {
  m_bPrint = 1;
  m_bHochformat = std::fabs(hoeheSeite) > std::fabs(breiteSeite) ? 1 : 0;
  seitenbreite = Koordinate(std::fabs(breiteSeite));
  worldtrans();
}

void Diagramm::DruckBeenden() {
  m_bHochformat = 1;
  m_bPrint = 0;
  seitenbreite = kBildschirmseite;
  worldtrans();
}

void Diagramm::DatenSkalieren() {
  std::vector<double> xs;
  std::vector<double> ys;
  for (const Datenreihe& r : daten_->reihen) {
    xs.insert(xs.end(), r.x.begin(), r.x.end());
    ys.insert(ys.end(), r.y.begin(), r.y.end());
  }
  // A mark below or above the points still lands inside the frame.
  for (const Achsenmarke& m : daten_->ymarken) ys.push_back(m.y);
  for (const Querlinie& q : daten_->querlinien) ys.push_back(q.y);
  xachse_ = Achse::Nach(daten_->x, xs);
  yachse_ = Achse::Nach(daten_->y, ys);
  xmin = xachse_.Min();
  xmax = xachse_.Max();
  ymin = yachse_.Min();
  ymax = yachse_.Max();
  const bool xlog = xachse_.Art() == Achsenart::Logarithmisch;
  const bool ylog = yachse_.Art() == Achsenart::Logarithmisch;
  xstart = xlog ? xmin : xachse_.Start();
  ystart = ylog ? ymin : yachse_.Start();
  deltax = xachse_.Schritt();
  deltay = yachse_.Schritt();
}

Punkt Diagramm::DatenPunkt(double vx, double vy) const {
  return {Koordinate(breite * xachse_.Anteil(vx)), Koordinate(hoehe * yachse_.Anteil(vy) - hoehe)};
}

void Diagramm::DatenAbbilden() {
  reihenPunkte_.assign(daten_->reihen.size(), {});
  for (std::size_t r = 0; r < daten_->reihen.size(); ++r) {
    const Datenreihe& reihe = daten_->reihen[r];
    auto& laeufe = reihenPunkte_[r];
    const std::size_t n = std::min(reihe.x.size(), reihe.y.size());
    bool offen = false;
    for (std::size_t i = 0; i < n; ++i) {
      if (!xachse_.Darstellbar(reihe.x[i]) || !yachse_.Darstellbar(reihe.y[i])) {
        offen = false;
        continue;
      }
      if (!offen) laeufe.emplace_back();
      offen = true;
      laeufe.back().push_back(DatenPunkt(reihe.x[i], reihe.y[i]));
    }
  }
}

void Diagramm::LogKurveSkalieren() {
  // The x axis as on the linear chart; the computed curve Y1 does not widen
  // the pressure axis either.
  Spanne x;
  std::vector<double> ys;
  for (int i = 0; i < Kurvenpunkte(); ++i) {
    x.Erweitern(doc_.X[i]);
    ys.push_back(doc_.Y[i]);
  }
  if (x.belegt) {
    xmin = x.min;
    xmax = x.max;
  }
  yachse_ = Achse::Logarithmisch(ys);
  ymin = yachse_.Min();
  ymax = yachse_.Max();
  ystart = ymin;
  deltay = yachse_.Schritt();
}

Punkt Diagramm::LogAbbilden(double vx, double vy) const {
  return {Abbilden(vx, 0.0).x, Koordinate(hoehe * yachse_.Anteil(vy) - hoehe)};
}

void Diagramm::LogKurveAbbilden() {
  logMess_.clear();
  logRechen_.clear();
  bool offen = false;
  for (int i = 0; i < Kurvenpunkte(); ++i) {
    const double x = doc_.X[i];
    if (std::isfinite(x) && yachse_.Darstellbar(doc_.Y[i])) logMess_.push_back(LogAbbilden(x, doc_.Y[i]));
    if (!std::isfinite(x) || !yachse_.Darstellbar(doc_.Y1[i])) {
      offen = false;
      continue;
    }
    if (!offen) logRechen_.emplace_back();
    offen = true;
    logRechen_.back().push_back(LogAbbilden(x, doc_.Y1[i]));
  }
}
