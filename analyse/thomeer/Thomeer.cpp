#include "Thomeer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include <ceres/ceres.h>
#include <ceres/tiny_solver.h>

namespace {

constexpr double kGMin = 0.01;
constexpr double kGMax = 20.0;
constexpr double kSinfMin = 1e-6;  // "above 0" as a bound the solver can hold
constexpr double kSinfMax = 1.5;
// Pd1 may lie this many decades below the first wetted point; lower would
// only be reached by curves no system describes.
constexpr double kDekadenUnten = 6.0;
// Saturations are read to about this accuracy; residuals below it carry no
// information about a second system.
constexpr double kRauschen = 1e-3;
// A second system counts only when it is a system of its own: its entry at
// least one doubling step of the lab's pressures above the first one.
constexpr double kMinVerhaeltnisPd = 2.0;
// log10(Pd2 / Pd1) at least: keeps Pd2 above Pd1.
constexpr double kAbstandMin = 1e-4;

// The grid the starts are screened on. G grows by a factor 2^(1/kGTeilung)
// from step to step, from kGErst over kGStufen steps: every kGTeilung-th
// step doubles it, so that its saturations are the squares of those of that
// step before. The grid keeps off the bounds of G, where the solver would
// stick. The first entry lies this many decades below the first wetted
// point, densest just below it where the entry of most curves lies. A
// second entry is placed about every kPlatzAbstand decades (at most 3
// times) within each gap between neighbouring points.
constexpr double kGErst = 0.015;
constexpr std::size_t kGStufen = 21;  // up to 15.36
constexpr std::size_t kGTeilung = 2;
constexpr std::array<double, 15> kErstAbstaende{0.002, 0.01, 0.03, 0.06, 0.1, 0.15, 0.22, 0.3,
                                                0.45,  0.65, 1.0,  1.5,  2.2, 3.2,  4.5};
constexpr double kPlatzAbstand = 0.1;
// Saturations of the screening below this are 0 (spares squaring subnormal
// numbers).
constexpr double kWinzig = 1e-150;
// Quick runs: of one system from the best entries of the grid, of two from
// each gap; their iterations at most.
constexpr std::size_t kEinSchnell = 4;
constexpr int kSchnellSchritte = 30;
// Of the quick runs' ends, this many are run to convergence (one system:
// more when the fit ends at the bound of Pd1); their iterations at most.
constexpr std::size_t kEinStarts = 1;
constexpr std::size_t kEinStartsAmRand = 4;
constexpr std::size_t kZweiStarts = 2;
constexpr int kSchritte = 200;

// One system's saturation at lp = log10(Pc / Pd). Far below exp's range the
// term is 0 and so are its derivatives; computing them would divide inf by inf.
template <typename T>
T Term(const T& lp, const T& g, const T& sinf) {
  if (lp <= T(0.0)) return T(0.0);
  const T e = -g / lp;
  if (e < T(-700.0)) return T(0.0);
  using std::exp;
  return sinf * exp(e);
}

// The points of a measurement as the fit sees them: log10 of the pressure
// (-inf for pressures at or below 0, which no system reaches) and saturation.
struct Punkte {
  std::vector<double> lg;
  std::vector<double> s;
};

// Residuals of N systems (1 or 2) with x = {log10 Pd1, G1, Sinf1} and, for
// two, {log10(Pd2 / Pd1), G2, Sinf2}.
template <int N>
struct Residuen {
  const Punkte* p;
  template <typename T>
  bool operator()(const T* const x, T* r) const {
    for (std::size_t i = 0; i < p->s.size(); ++i) {
      const T lp = T(p->lg[i]) - x[0];
      T m = Term(lp, x[1], x[2]);
      if constexpr (N == 2) m += Term(T(lp - x[3]), x[4], x[5]);
      r[i] = m - T(p->s[i]);
    }
    return true;
  }
};

template <int N>
std::vector<ThomeerSystem> Systeme(const std::array<double, 6>& x) {
  std::vector<ThomeerSystem> s{{std::pow(10.0, x[0]), x[1], x[2]}};
  if (N == 2) s.push_back({std::pow(10.0, x[0] + x[3]), x[4], x[5]});
  return s;
}

double Quadratsumme(const Punkte& p, const std::vector<ThomeerSystem>& systeme) {
  double q = 0.0;
  for (std::size_t i = 0; i < p.s.size(); ++i) {
    const double r = ThomeerSaettigung(systeme, std::pow(10.0, p.lg[i])) - p.s[i];
    q += r * r;
  }
  return q;
}

// The points with a pressure above 0 in ascending pressure, the sums of
// their squared saturations below each index, and that sum over all points.
struct Verlauf {
  std::vector<double> lg;
  std::vector<double> s;
  std::vector<double> ssVor;
  double ss = 0.0;
};

Verlauf NachDruck(const Punkte& p) {
  std::vector<std::size_t> folge;
  Verlauf v;
  for (std::size_t i = 0; i < p.s.size(); ++i) {
    if (std::isfinite(p.lg[i])) folge.push_back(i);
    v.ss += p.s[i] * p.s[i];
  }
  std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) { return p.lg[a] < p.lg[b]; });
  v.ssVor.push_back(0.0);
  for (const std::size_t i : folge) {
    v.lg.push_back(p.lg[i]);
    v.s.push_back(p.s[i]);
    v.ssVor.push_back(v.ssVor.back() + p.s[i] * p.s[i]);
  }
  return v;
}

// The error of the saturations s1 * e1 + s2 * e2 from the sums
// a11 = e1.e1, a12 = e1.e2, a22 = e2.e2, b1 = e1.s, b2 = e2.s and ss = s.s.
struct Summen {
  double ss = 0.0, a11 = 0.0, a12 = 0.0, a22 = 0.0, b1 = 0.0, b2 = 0.0;
  double Fehler(double s1, double s2) const {
    return ss - 2.0 * (s1 * b1 + s2 * b2) + s1 * s1 * a11 + 2.0 * s1 * s2 * a12 + s2 * s2 * a22;
  }
};

double Klemmen(double sinf) { return std::clamp(sinf, kSinfMin, kSinfMax); }

// The Sinf of one system of given shape (s2 = 0) that leaves the least
// error within the bounds.
double EinAnteil(const Summen& q) { return q.a11 > 0.0 ? Klemmen(q.b1 / q.a11) : kSinfMin; }

// The same for two systems: the least error of a convex quadratic over the
// box of the bounds lies inside it or on one of its edges.
struct Anteile {
  double s1 = kSinfMin;
  double s2 = kSinfMin;
  double rss = std::numeric_limits<double>::infinity();
};

Anteile ZweiAnteile(const Summen& q) {
  const double det = q.a11 * q.a22 - q.a12 * q.a12;
  if (det > 1e-12 * q.a11 * q.a22) {
    const double x = (q.b1 * q.a22 - q.b2 * q.a12) / det;
    const double y = (q.a11 * q.b2 - q.a12 * q.b1) / det;
    if (x >= kSinfMin && x <= kSinfMax && y >= kSinfMin && y <= kSinfMax) return {x, y, q.Fehler(x, y)};
  }
  Anteile beste;
  auto pruefen = [&](double x, double y) {
    const double r = q.Fehler(x, y);
    if (r < beste.rss) beste = {x, y, r};
  };
  for (const double x : {kSinfMin, kSinfMax}) pruefen(x, q.a22 > 0.0 ? Klemmen((q.b2 - q.a12 * x) / q.a22) : kSinfMin);
  for (const double y : {kSinfMin, kSinfMax}) pruefen(q.a11 > 0.0 ? Klemmen((q.b1 - q.a12 * y) / q.a11) : kSinfMin, y);
  return beste;
}

// Shapes of one system with Sinf 1 on the points of a curve, for screening
// the starts: per shape its entry and G, its saturation at every point (0
// at and below the entry), and the sums e.e and e.s over the points below
// each index.
class Formen {
 public:
  // With `fein`, every G of the grid; else every kGTeilung-th (G doubling).
  Formen(const Verlauf& v, bool fein) : v_(v), m_(v.lg.size()), ketten_(fein ? kGTeilung : 1) {
    for (std::size_t k = 0; k < kGStufen; k += kGTeilung / ketten_) {
      gStufen_.push_back(kGErst * std::exp2(static_cast<double>(k) / kGTeilung));
    }
  }

  // Adds the shapes of the entry lgPd with every G of the grid.
  void Hinzu(double lgPd) {
    const std::size_t erste = Anzahl();
    const auto ab = static_cast<std::size_t>(std::upper_bound(v_.lg.begin(), v_.lg.end(), lgPd) - v_.lg.begin());
    e_.resize(e_.size() + gStufen_.size() * m_, 0.0);
    for (std::size_t i = ab; i < m_; ++i) {
      for (std::size_t kette = 0; kette < ketten_; ++kette) {
        double e = std::exp(-gStufen_[kette] / (v_.lg[i] - lgPd));
        for (std::size_t k = kette; k < gStufen_.size(); k += ketten_) {
          if (k > kette) e *= e;
          if (e < kWinzig) e = 0.0;
          e_[(erste + k) * m_ + i] = e;
        }
      }
    }
    for (std::size_t k = 0; k < gStufen_.size(); ++k) {
      lgPd_.push_back(lgPd);
      g_.push_back(gStufen_[k]);
      ab_.push_back(ab);
      const double* e = Werte(erste + k);
      eeVor_.push_back(0.0);
      esVor_.push_back(0.0);
      for (std::size_t i = 0; i < m_; ++i) {
        eeVor_.push_back(eeVor_.back() + e[i] * e[i]);
        esVor_.push_back(esVor_.back() + e[i] * v_.s[i]);
      }
    }
  }

  void Leeren() {
    lgPd_.clear();
    g_.clear();
    ab_.clear();
    e_.clear();
    eeVor_.clear();
    esVor_.clear();
  }

  std::size_t Anzahl() const { return lgPd_.size(); }
  std::size_t Stufen() const { return gStufen_.size(); }
  double LgPd(std::size_t f) const { return lgPd_[f]; }
  double G(std::size_t f) const { return g_[f]; }
  std::size_t Ab(std::size_t f) const { return ab_[f]; }
  const double* Werte(std::size_t f) const { return &e_[f * m_]; }
  double EeUnter(std::size_t f, std::size_t j) const { return eeVor_[f * (m_ + 1) + j]; }
  double EsUnter(std::size_t f, std::size_t j) const { return esVor_[f * (m_ + 1) + j]; }

  // The sums of one shape alone over all points.
  Summen Allein(std::size_t f) const { return {v_.ss, EeUnter(f, m_), 0.0, 0.0, EsUnter(f, m_), 0.0}; }

  // The sums of shape f1 of this set with shape f2 of `zweite`, entering above.
  Summen Paar(std::size_t f1, const Formen& zweite, std::size_t f2) const {
    const double* e1 = Werte(f1);
    const double* e2 = zweite.Werte(f2);
    double a12 = 0.0;
    for (std::size_t i = zweite.Ab(f2); i < m_; ++i) a12 += e1[i] * e2[i];
    return {v_.ss, EeUnter(f1, m_), a12, zweite.EeUnter(f2, m_), EsUnter(f1, m_), zweite.EsUnter(f2, m_)};
  }

  // The least error shape f alone leaves on the points below index j:
  // below the second entry no two-system fit with this first shape does better.
  double UntereSchranke(std::size_t f, std::size_t j) const {
    const Summen q{v_.ssVor[j], EeUnter(f, j), 0.0, 0.0, EsUnter(f, j), 0.0};
    return q.Fehler(EinAnteil(q), 0.0);
  }

 private:
  const Verlauf& v_;
  std::size_t m_;
  std::size_t ketten_;
  std::vector<double> gStufen_;
  std::vector<double> lgPd_;
  std::vector<double> g_;
  std::vector<std::size_t> ab_;
  std::vector<double> e_;
  std::vector<double> eeVor_;
  std::vector<double> esVor_;
};

struct Start {
  std::array<double, 6> x{};
  double rss = std::numeric_limits<double>::infinity();
};

bool Besser(const Start& a, const Start& b) { return a.rss < b.rss; }

// Starts of the one-system fit: for each entry of the grid its best G and
// Sinf, best first. The G of the grid is refined by the vertex of the
// parabola through the errors of the best one and its neighbours (over
// log G): the entries are ranked by their own best error, not by how close
// the grid comes to it.
std::vector<Start> EinStarts(const Verlauf& v, const Formen& formen) {
  std::vector<Start> starts;
  const std::size_t stufen = formen.Stufen();
  std::vector<double> fehler(stufen);
  for (std::size_t f = 0; f < formen.Anzahl(); f += stufen) {
    Start bester;
    std::size_t kBester = 0;
    for (std::size_t k = 0; k < stufen; ++k) {
      const Summen q = formen.Allein(f + k);
      const double sinf = EinAnteil(q);
      fehler[k] = q.Fehler(sinf, 0.0);
      if (fehler[k] < bester.rss) {
        bester = {{formen.LgPd(f), formen.G(f + k), sinf, 0.0, 0.0, 0.0}, fehler[k]};
        kBester = k;
      }
    }
    if (kBester > 0 && kBester + 1 < stufen) {
      const double r0 = fehler[kBester - 1], r1 = fehler[kBester], r2 = fehler[kBester + 1];
      const double kruemmung = r0 - 2.0 * r1 + r2;
      if (kruemmung > 0.0) {
        const double schritt = formen.G(f + kBester + 1) / formen.G(f + kBester);
        const double g = formen.G(f + kBester) * std::pow(schritt, 0.5 * (r0 - r2) / kruemmung);
        Summen q{v.ss, 0.0, 0.0, 0.0, 0.0, 0.0};
        for (std::size_t i = formen.Ab(f); i < v.lg.size(); ++i) {
          const double e = Term(v.lg[i] - formen.LgPd(f), g, 1.0);
          q.a11 += e * e;
          q.b1 += e * v.s[i];
        }
        const double sinf = EinAnteil(q);
        const double rss = q.Fehler(sinf, 0.0);
        if (rss < bester.rss) bester = {{formen.LgPd(f), g, sinf, 0.0, 0.0, 0.0}, rss};
      }
    }
    starts.push_back(bester);
  }
  std::sort(starts.begin(), starts.end(), Besser);
  return starts;
}

// Starts of the two-system fit, one for each gap between neighbouring
// points above the first wetted point with two points above it: the best
// pair of a first shape of `erste` and a second one entering in the gap, at
// least one doubling above the first, with both Sinf solved exactly. No
// start needs points between the two entries. A first shape whose error
// below the gap alone exceeds the best pair found for the gap is passed
// over.
struct Zweitstart {
  Start start;
  double von = 0.0;  // the gap
  double bis = 0.0;
};

std::vector<Zweitstart> ZweiStarts(const Verlauf& v, const Formen& erste, double lgErst) {
  const std::size_t m = v.lg.size();
  const double abstand = std::log10(kMinVerhaeltnisPd);
  std::vector<Zweitstart> starts;
  Formen zweite(v, false);
  std::vector<std::pair<double, std::size_t>> folge;
  std::size_t vorher = erste.Anzahl();  // first shape of the best pair of the gap below
  for (std::size_t j = 1; j + 2 <= m; ++j) {
    const double breite = v.lg[j] - v.lg[j - 1];
    if (v.lg[j - 1] < lgErst || !(breite > 0.0) || !std::isfinite(breite)) continue;
    const int plaetze = static_cast<int>(std::clamp(std::ceil(breite / kPlatzAbstand), 1.0, 3.0));
    zweite.Leeren();
    for (int k = 0; k < plaetze; ++k) zweite.Hinzu(v.lg[j - 1] + breite * (k + 0.5) / plaetze);
    // The first shapes in the order of their bound, starting with the one
    // that was best for the gap below; those whose bound exceeds the best
    // pair found so far are passed over.
    Start bester;
    auto paare = [&](std::size_t f1) {
      std::size_t bestesF2 = zweite.Anzahl();
      for (std::size_t f2 = 0; f2 < zweite.Anzahl(); ++f2) {
        const double d = zweite.LgPd(f2) - erste.LgPd(f1);
        if (d < abstand) continue;
        const Anteile a = ZweiAnteile(erste.Paar(f1, zweite, f2));
        if (a.rss < bester.rss) {
          bester = {{erste.LgPd(f1), erste.G(f1), a.s1, d, zweite.G(f2), a.s2}, a.rss};
          bestesF2 = f2;
        }
      }
      return bestesF2 < zweite.Anzahl();
    };
    if (vorher < erste.Anzahl()) paare(vorher);
    folge.clear();
    for (std::size_t f1 = 0; f1 < erste.Anzahl(); ++f1) {
      const double schranke = erste.UntereSchranke(f1, j);
      if (schranke < bester.rss && f1 != vorher) folge.emplace_back(schranke, f1);
    }
    std::sort(folge.begin(), folge.end());
    for (const auto& [schranke, f1] : folge) {
      if (schranke >= bester.rss) break;
      if (paare(f1)) vorher = f1;
    }
    if (std::isfinite(bester.rss)) starts.push_back({bester, v.lg[j - 1], v.lg[j]});
  }
  return starts;
}

// The quick runs from the starts (ceres::TinySolver, which knows no
// bounds) work in parameters that keep each entry in its range, so that no
// run ends against a bound it cannot leave: log10 Pd2 = von + (bis - von) /
// (1 + exp(-y3)) stays within its gap, log10 Pd1 = oben - exp(y0) below
// oben, the first wetted point or, with two systems, half the second entry
// when that is lower; G = exp(y1), Sinf = exp(y2) (y4, y5 for the second
// system) stay above 0.
template <int N>
struct Schnellresiduen {
  using Scalar = double;
  enum { NUM_RESIDUALS = Eigen::Dynamic, NUM_PARAMETERS = 3 * N };
  const Verlauf* v;
  double lgErst;
  double von = 0.0;  // the gap of the second entry
  double bis = 0.0;

  int NumResiduals() const { return static_cast<int>(v->s.size()); }

  static double Anteil(double y) { return 1.0 / (1.0 + std::exp(-y)); }
  double LgPd2(const double* y) const { return von + (bis - von) * Anteil(y[3]); }
  // The upper end of log10 Pd1, and whether it follows the second entry.
  std::pair<double, bool> Oben(const double* y) const {
    if (N == 1) return {lgErst, false};
    const double halb = LgPd2(y) - std::log10(kMinVerhaeltnisPd);
    return halb < lgErst ? std::pair{halb, true} : std::pair{lgErst, false};
  }

  // x as the fit has it, from y; and back.
  std::array<double, 6> X(const double* y) const {
    const double lgPd1 = Oben(y).first - std::exp(y[0]);
    std::array<double, 6> x{lgPd1, std::exp(y[1]), std::exp(y[2]), 0.0, 0.0, 0.0};
    if constexpr (N == 2) x = {lgPd1, x[1], x[2], LgPd2(y) - lgPd1, std::exp(y[4]), std::exp(y[5])};
    return x;
  }

  void Y(const std::array<double, 6>& x, double* y) const {
    if constexpr (N == 2) {
      const double anteil = std::clamp((x[0] + x[3] - von) / (bis - von), 1e-6, 1.0 - 1e-6);
      y[3] = std::log(anteil / (1.0 - anteil));
      y[4] = std::log(x[4]);
      y[5] = std::log(x[5]);
    }
    y[0] = std::log(std::max(Oben(y).first - x[0], 1e-12));
    y[1] = std::log(x[1]);
    y[2] = std::log(x[2]);
  }

  bool operator()(const double* y, double* r, double* jacobi) const {
    const std::size_t m = v->s.size();
    const std::array<double, 6> x = X(y);
    const double lgPd2 = x[0] + x[3];
    const bool folgt = Oben(y).second;
    const double a = N == 2 ? Anteil(y[3]) : 0.0;
    const double dLgPd2 = (bis - von) * a * (1.0 - a);  // d log10 Pd2 / d y3
    for (std::size_t i = 0; i < m; ++i) {
      const double lp1 = v->lg[i] - x[0];
      const double e1 = Term(lp1, x[1], 1.0);
      const double lp2 = v->lg[i] - lgPd2;
      const double e2 = N == 2 ? Term(lp2, x[4], 1.0) : 0.0;
      r[i] = x[2] * e1 + x[5] * e2 - v->s[i];
      if (jacobi == nullptr) continue;
      // The derivatives by log10 Pd: d e / d lp = e * G / lp^2, and lp
      // falls as log10 Pd rises.
      const double nachPd1 = e1 > 0.0 ? -x[2] * e1 * x[1] / (lp1 * lp1) : 0.0;
      jacobi[0 * m + i] = -nachPd1 * std::exp(y[0]);
      jacobi[1 * m + i] = e1 > 0.0 ? -x[2] * e1 * x[1] / lp1 : 0.0;
      jacobi[2 * m + i] = x[2] * e1;
      if constexpr (N == 2) {
        const double nachPd2 = e2 > 0.0 ? -x[5] * e2 * x[4] / (lp2 * lp2) : 0.0;
        jacobi[3 * m + i] = (nachPd2 + (folgt ? nachPd1 : 0.0)) * dLgPd2;
        jacobi[4 * m + i] = e2 > 0.0 ? -x[5] * e2 * x[4] / lp2 : 0.0;
        jacobi[5 * m + i] = x[5] * e2;
      }
    }
    return true;
  }
};

// A quick run of N systems from `start`: where it ends, within the bounds
// of the fit, and the error there.
template <int N>
Start Schnelllauf(const Schnellresiduen<N>& residuen, const Punkte& p, const Start& start) {
  using Loeser = ceres::TinySolver<Schnellresiduen<N>>;
  typename Loeser::Parameters y;
  residuen.Y(start.x, y.data());
  Loeser loeser;
  loeser.options.max_num_iterations = kSchnellSchritte;
  loeser.options.function_tolerance = 1e-16;
  loeser.options.gradient_tolerance = 1e-14;
  loeser.options.parameter_tolerance = 1e-10;
  loeser.Solve(residuen, &y);
  Start ende{residuen.X(y.data()), 0.0};
  for (int i : {1, 4}) ende.x[i] = std::clamp(ende.x[i], kGMin, kGMax);
  for (int i : {2, 5}) ende.x[i] = Klemmen(ende.x[i]);
  if (N == 1) ende.x[3] = ende.x[4] = ende.x[5] = 0.0;
  ende.rss = Quadratsumme(p, Systeme<N>(ende.x));
  if (!std::isfinite(ende.rss)) ende.rss = std::numeric_limits<double>::infinity();
  return ende;
}

// One model (N systems) on one curve: the problem is set up once and solved
// from each start.
template <int N>
class Anpassung {
 public:
  static constexpr int kParameter = 3 * N;

  Anpassung(const Punkte& p, double lgErst, double lgMax) : punkte_(p) {
    auto* kosten = new ceres::AutoDiffCostFunction<Residuen<N>, ceres::DYNAMIC, kParameter>(
        new Residuen<N>{&punkte_}, static_cast<int>(p.s.size()));
    problem_.AddResidualBlock(kosten, nullptr, x_.data());
    unten_ = {lgErst - kDekadenUnten, kGMin, kSinfMin, kAbstandMin, kGMin, kSinfMin};
    oben_ = {lgErst, kGMax, kSinfMax, std::max(lgMax - unten_[0], 2.0 * kAbstandMin), kGMax, kSinfMax};
    for (int i = 0; i < kParameter; ++i) {
      problem_.SetParameterLowerBound(x_.data(), i, unten_[i]);
      problem_.SetParameterUpperBound(x_.data(), i, oben_[i]);
    }
    optionen_.linear_solver_type = ceres::DENSE_QR;
    optionen_.logging_type = ceres::SILENT;
    optionen_.minimizer_progress_to_stdout = false;
    optionen_.function_tolerance = 1e-10;
    optionen_.gradient_tolerance = 1e-14;
    optionen_.parameter_tolerance = 1e-10;
    optionen_.num_threads = 1;
  }

  // Solves from `start` in at most `schritte` iterations; x and rss hold
  // where it ended. True when the solver converged there. With `festhalten`,
  // parameters the solver left at a bound without converging are held there
  // and the others solved again: the solver steps against an active bound
  // with ever smaller steps instead of stopping.
  bool Loesen(const std::array<double, 6>& start, int schritte, bool festhalten, std::array<double, 6>& x,
              double& rss) {
    for (int i = 0; i < kParameter; ++i) x_[i] = std::clamp(start[i], unten_[i], oben_[i]);
    bool konvergiert = Durchlauf(schritte);
    if (!konvergiert && festhalten) {
      std::vector<int> fest;
      for (int i = 0; i < kParameter; ++i) {
        if (x_[i] <= unten_[i] || x_[i] >= oben_[i]) fest.push_back(i);
      }
      if (!fest.empty() && static_cast<int>(fest.size()) < kParameter) {
        ceres::SubsetManifold teil(kParameter, fest);
        problem_.SetManifold(x_.data(), &teil);
        konvergiert = Durchlauf(kSchritte);
        problem_.SetManifold(x_.data(), nullptr);
      }
    }
    x = x_;
    rss = Quadratsumme(punkte_, Systeme<N>(x));
    return konvergiert && std::isfinite(rss);
  }

 private:
  // The manifolds that hold parameters at a bound live on the stack.
  static ceres::Problem::Options Optionen() {
    ceres::Problem::Options o;
    o.manifold_ownership = ceres::DO_NOT_TAKE_OWNERSHIP;
    return o;
  }

  bool Durchlauf(int schritte) {
    optionen_.max_num_iterations = schritte;
    ceres::Solver::Summary bericht;
    ceres::Solve(optionen_, &problem_, &bericht);
    return bericht.termination_type == ceres::CONVERGENCE;
  }

  const Punkte& punkte_;
  std::array<double, 6> x_{};
  std::array<double, 6> unten_{};
  std::array<double, 6> oben_{};
  ceres::Problem problem_{Optionen()};
  ceres::Solver::Options optionen_;
};

// Bayesian information criterion of a fit with k parameters; residuals
// below the reading accuracy count as that accuracy.
double Informationskriterium(double rss, std::size_t n, int k) {
  const double nd = static_cast<double>(n);
  const double boden = nd * kRauschen * kRauschen;
  return nd * std::log(std::max(rss, boden) / nd) + k * std::log(nd);
}

bool Getrennt(const std::vector<ThomeerSystem>& s, double pcMax) {
  return s[1].Pd >= kMinVerhaeltnisPd * s[0].Pd && s[1].Pd < pcMax;
}

}  // namespace

double ThomeerSaettigung(const std::vector<ThomeerSystem>& systeme, double pc) {
  double s = 0.0;
  for (const auto& sys : systeme) {
    if (!(pc > sys.Pd)) continue;
    s += Term(std::log10(pc / sys.Pd), sys.G, sys.Sinf);
  }
  return s;
}

ThomeerErgebnis ThomeerAnpassen(const Messkurve& kurve) {
  ThomeerErgebnis e;
  e.Kern = kurve.Kern;
  e.Perm = kurve.Perm;

  const std::size_t n = std::min(kurve.Pc.size(), kurve.Shg.size());
  Punkte p;
  double pcErst = std::numeric_limits<double>::infinity();
  double pcMax = 0.0;
  std::size_t benetzt = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double pc = kurve.Pc[i];
    const double s = kurve.Shg[i];
    p.lg.push_back(pc > 0.0 ? std::log10(pc) : -std::numeric_limits<double>::infinity());
    p.s.push_back(s);
    pcMax = std::max(pcMax, pc);
    if (s > 0.0 && pc > 0.0) {
      ++benetzt;
      pcErst = std::min(pcErst, pc);
    }
  }
  if (benetzt < 3) {
    e.Grund = kThomeerZuWenigePunkte;
    return e;
  }
  // The solver cannot evaluate a point without a value (and would say so
  // on the error stream).
  for (std::size_t i = 0; i < n; ++i) {
    if (!std::isfinite(kurve.Pc[i]) || !std::isfinite(kurve.Shg[i])) {
      e.Grund = kThomeerKeineKonvergenz;
      return e;
    }
  }

  const double lgErst = std::log10(pcErst);
  const double lgMax = std::log10(pcMax);
  const Verlauf v = NachDruck(p);
  Formen erste(v, true);
  for (const double d : kErstAbstaende) erste.Hinzu(lgErst - d);

  // The best entries of the grid get a quick run each; the best ends are
  // then run to convergence. At the upper bound of Pd1 the first wetted
  // point's saturation and its derivatives vanish, so that the solver cannot
  // get away from there: a fit that ends at it is tried from the next ends too.
  std::array<double, 6> x1{};
  double rss1 = std::numeric_limits<double>::infinity();
  bool einsOk = false;
  Anpassung<1> eins(p, lgErst, lgMax);
  std::vector<Start> einStarts = EinStarts(v, erste);
  einStarts.resize(std::min(einStarts.size(), kEinSchnell));
  const Schnellresiduen<1> eineResiduen{&v, lgErst};
  for (Start& s : einStarts) s = Schnelllauf(eineResiduen, p, s);
  std::sort(einStarts.begin(), einStarts.end(), Besser);
  for (std::size_t k = 0; k < einStarts.size() && (k < kEinStarts || (x1[0] >= lgErst && k < kEinStartsAmRand)); ++k) {
    std::array<double, 6> x{};
    double rss = 0.0;
    const bool ok = eins.Loesen(einStarts[k].x, kSchritte, true, x, rss);
    if ((ok && !einsOk) || (ok == einsOk && rss < rss1)) {
      x1 = x;
      rss1 = rss;
      einsOk = ok;
    }
  }

  // Two systems need as many wetted points as parameters, and a one-system
  // fit within the reading accuracy leaves them nothing to explain. Each
  // gap's start gets a quick run (an entry does not pass a measured point
  // easily, as that point's saturation and its derivatives vanish there:
  // each gap holds fits of its own); the best separated ends are then run
  // to convergence.
  std::array<double, 6> x2{};
  double rss2 = std::numeric_limits<double>::infinity();
  bool zweiOk = false;
  const bool zweiMoeglich = Informationskriterium(0.0, n, 6) < Informationskriterium(rss1, n, 3) || !einsOk;
  if (benetzt >= 6 && zweiMoeglich) {
    std::vector<Start> enden;
    for (const Zweitstart& s : ZweiStarts(v, erste, lgErst)) {
      const Start ende = Schnelllauf(Schnellresiduen<2>{&v, lgErst, s.von, s.bis}, p, s.start);
      if (std::isfinite(ende.rss) && Getrennt(Systeme<2>(ende.x), pcMax)) enden.push_back(ende);
    }
    std::sort(enden.begin(), enden.end(), Besser);
    if (!enden.empty()) {
      Anpassung<2> zwei(p, lgErst, lgMax);
      for (std::size_t k = 0; k < enden.size() && k < kZweiStarts; ++k) {
        std::array<double, 6> x{};
        double rss = 0.0;
        const bool ok = zwei.Loesen(enden[k].x, kSchritte, true, x, rss) && Getrennt(Systeme<2>(x), pcMax);
        if (ok && rss < rss2) {
          x2 = x;
          rss2 = rss;
          zweiOk = true;
        }
      }
    }
  }

  const bool zweiGewaehlt =
      zweiOk && (!einsOk || Informationskriterium(rss2, n, 6) < Informationskriterium(rss1, n, 3));
  if (!einsOk && !zweiGewaehlt) {
    e.Grund = kThomeerKeineKonvergenz;
    return e;
  }
  e.Systeme = zweiGewaehlt ? Systeme<2>(x2) : Systeme<1>(x1);
  const double rss = zweiGewaehlt ? rss2 : rss1;

  double mittel = 0.0;
  for (const double s : p.s) mittel += s;
  mittel /= static_cast<double>(n);
  double streuung = 0.0;
  for (const double s : p.s) streuung += (s - mittel) * (s - mittel);
  e.RMS = std::sqrt(rss / static_cast<double>(n));
  e.R2 = streuung > 0.0 ? 1.0 - rss / streuung : (rss == 0.0 ? 1.0 : 0.0);
  return e;
}

std::vector<ThomeerErgebnis> ThomeerAnpassen(const std::vector<Messkurve>& kurven) {
  std::vector<ThomeerErgebnis> ergebnisse;
  ergebnisse.reserve(kurven.size());
  for (const auto& k : kurven) ergebnisse.push_back(ThomeerAnpassen(k));
  return ergebnisse;
}
