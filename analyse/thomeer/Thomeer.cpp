#include "Thomeer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include <ceres/ceres.h>

namespace {

constexpr double kGMin = 0.01;
constexpr double kGMax = 20.0;
constexpr double kSinfMin = 1e-6;  // "above 0" as a bound the solver can hold
constexpr double kSinfMax = 1.5;
// Pd1 may lie this many decades below the first wetted point; lower would
// only be reached by curves no system describes.
constexpr double kDekadenUnten = 6.0;
// log10(Pd2 / Pd1) at least: keeps Pd2 above Pd1.
constexpr double kAbstandMin = 1e-4;
// Saturations are read to about this accuracy; residuals below it carry no
// information about a second system.
constexpr double kRauschen = 1e-3;
// A second system counts only when it is a system of its own: its entry at
// least one doubling step of the lab's pressures above the first one.
constexpr double kMinVerhaeltnisPd = 2.0;
// Starts of the two-system fit at most (a curve of the usual 15 or 16
// points has fewer places for the second entry).
constexpr std::size_t kZweiStarts = 16;
// Iterations of a start, and of the run to convergence.
constexpr int kVorlaufSchritte = 10;
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

// G of the linearised model ln(S / Sinf) = -G / log10(Pc / Pd), fitted
// through the origin over the points up to lgBis; `abzug` is
// the saturation of systems below, taken off first.
double GLinear(const Punkte& p, double lgPd, double sinf, double lgBis, const std::vector<double>& abzug) {
  double zaehler = 0.0;
  double nenner = 0.0;
  for (std::size_t i = 0; i < p.s.size(); ++i) {
    const double s = p.s[i] - (abzug.empty() ? 0.0 : abzug[i]);
    const double lp = p.lg[i] - lgPd;
    if (lp <= 0.0 || p.lg[i] > lgBis || !(s > 0.0) || s >= sinf) continue;
    // Weighted by s^2, as ln(s) scatters like 1/s: a trace of mercury at
    // the first point would otherwise set G alone.
    const double u = 1.0 / lp;
    const double w = s * s;
    zaehler -= w * u * std::log(s / sinf);
    nenner += w * u * u;
  }
  const double g = nenner > 0.0 ? zaehler / nenner : 0.1;
  return std::clamp(g, kGMin, kGMax);
}

// The points in ascending pressure, without those no system reaches.
struct Verlauf {
  std::vector<double> lg;
  std::vector<double> s;
};

Verlauf NachDruck(const Punkte& p) {
  std::vector<std::size_t> folge;
  for (std::size_t i = 0; i < p.s.size(); ++i) {
    if (std::isfinite(p.lg[i])) folge.push_back(i);
  }
  std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) { return p.lg[a] < p.lg[b]; });
  Verlauf v;
  for (const std::size_t i : folge) {
    v.lg.push_back(p.lg[i]);
    v.s.push_back(p.s[i]);
  }
  return v;
}

// Where a second system may begin: indices j of the points in pressure order
// such that it enters between points j-1 and j, at least one doubling above
// the first entry and with two points above it. When there are more places
// than starts: first the knees, where the rise of the saturation per decade
// grows again after falling; then the steepest rise when points were wetted
// before it (a trace ahead of the main system); then places spread over the
// rest.
std::vector<std::size_t> ZweitEinstiege(const Verlauf& v, double lgPd1) {
  const std::size_t m = v.s.size();
  std::vector<std::size_t> gueltig;
  std::vector<double> anstieg(m, 0.0);
  for (std::size_t j = 1; j < m; ++j) {
    const double dl = v.lg[j] - v.lg[j - 1];
    anstieg[j] = dl > 0.0 ? (v.s[j] - v.s[j - 1]) / dl : 0.0;
    if (j + 2 <= m && 0.5 * (v.lg[j - 1] + v.lg[j]) >= lgPd1 + std::log10(kMinVerhaeltnisPd)) gueltig.push_back(j);
  }
  std::vector<std::size_t> wahl;
  auto nehmen = [&](std::size_t j) {
    if (wahl.size() < kZweiStarts && std::find(wahl.begin(), wahl.end(), j) == wahl.end()) wahl.push_back(j);
  };
  for (const std::size_t j : gueltig) {
    if (j >= 3 && anstieg[j] > anstieg[j - 1] && anstieg[j - 1] <= anstieg[j - 2]) nehmen(j);
  }
  if (!gueltig.empty()) {
    const auto steilste = *std::max_element(gueltig.begin(), gueltig.end(),
                                            [&](std::size_t a, std::size_t b) { return anstieg[a] < anstieg[b]; });
    if (v.s[steilste - 1] > 0.0) nehmen(steilste);
  }
  const std::size_t rest = kZweiStarts - std::min(wahl.size(), kZweiStarts);
  for (std::size_t k = 0; k < rest && k < gueltig.size(); ++k) {
    nehmen(gueltig[rest == 1 ? 0 : k * (gueltig.size() - 1) / (rest - 1)]);
  }
  return wahl;
}

// One system from the linearised form ln(s) = ln(Sinf) - G / log10(Pc / Pd)
// over the points von .. bis-1 (in pressure order) less `abzug`, for the Pd
// of a grid from lgPdVon up to (not including) lgPdBis that leaves the least
// squared error of the saturations; weighted by s^2, as ln(s) scatters like
// 1/s.
struct Geradenfit {
  double lgPd = 0.0;
  double g = 0.1;
  double sinf = 1e-3;
};

Geradenfit LinearesSystem(const Verlauf& v, const std::vector<double>& abzug, std::size_t von, std::size_t bis,
                          double lgPdVon, double lgPdBis) {
  constexpr int kGitter = 8;
  Geradenfit bester{lgPdVon, 0.1, 1e-3};
  double besterFehler = std::numeric_limits<double>::infinity();
  for (int k = 0; k < kGitter; ++k) {
    const double lgPd = lgPdVon + (lgPdBis - lgPdVon) * k / kGitter;
    double sw = 0.0, su = 0.0, sy = 0.0, suu = 0.0, suy = 0.0;
    for (std::size_t i = von; i < bis; ++i) {
      const double s = v.s[i] - abzug[i];
      const double lp = v.lg[i] - lgPd;
      if (lp <= 0.0 || !(s > 0.0)) continue;
      const double w = s * s;
      const double u = 1.0 / lp;
      const double y = std::log(s);
      sw += w;
      su += w * u;
      sy += w * y;
      suu += w * u * u;
      suy += w * u * y;
    }
    const double nenner = sw * suu - su * su;
    if (!(sw > 0.0) || !(std::fabs(nenner) > 1e-300)) continue;
    const double g = std::clamp(-(sw * suy - su * sy) / nenner, kGMin, kGMax);
    const double sinf = std::clamp(std::exp((sy + g * su) / sw), 1e-3, kSinfMax);
    double fehler = 0.0;
    for (std::size_t i = von; i < bis; ++i) {
      const double r = v.s[i] - abzug[i] - Term(v.lg[i] - lgPd, g, sinf);
      fehler += r * r;
    }
    if (fehler < besterFehler) {
      besterFehler = fehler;
      bester = {lgPd, g, sinf};
    }
  }
  return bester;
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
  double sMax = 0.0;
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
      sMax = std::max(sMax, s);
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
  const double sperr = kurve.PcSperrdruck;
  const double lgPd0 = sperr > 0.0 && sperr < pcErst ? std::log10(sperr) : lgErst - std::log10(2.0);
  const double s0 = std::min(sMax, kSinfMax);
  const std::vector<double> keinAbzug;

  std::array<double, 6> x1{};
  double rss1 = 0.0;
  Anpassung<1> eins(p, lgErst, lgMax);
  const bool einsOk = eins.Loesen({lgPd0, GLinear(p, lgPd0, s0, lgMax, keinAbzug), s0}, kSchritte, true, x1, rss1);

  // Two systems need as many wetted points as parameters, and a one-system
  // fit within the reading accuracy leaves them nothing to explain.
  std::array<double, 6> x2{};
  double rss2 = std::numeric_limits<double>::infinity();
  bool zweiOk = false;
  const bool zweiMoeglich = Informationskriterium(0.0, n, 6) < Informationskriterium(rss1, n, 3) || !einsOk;
  if (benetzt >= 6 && zweiMoeglich) {
    // Each start lets the second system begin between two measured points:
    // the first system from the linearised form over the points below, the
    // second from what the first leaves of the points above. The starts get
    // a short run each; the best is then run to convergence.
    Anpassung<2> zwei(p, lgErst, lgMax);
    std::array<double, 6> besterStart{};
    double besteRss = std::numeric_limits<double>::infinity();
    const Verlauf v = NachDruck(p);
    const std::vector<double> ohne(v.s.size(), 0.0);
    for (const std::size_t j : ZweitEinstiege(v, lgPd0)) {
      const Geradenfit a = LinearesSystem(v, ohne, 0, j, lgPd0, lgErst);
      std::vector<double> rest(v.s.size(), 0.0);
      for (std::size_t i = 0; i < v.s.size(); ++i) rest[i] = Term(v.lg[i] - a.lgPd, a.g, a.sinf);
      const Geradenfit b = LinearesSystem(v, rest, j, v.s.size(), v.lg[j - 1], v.lg[j]);
      const double lgPd1 = a.lgPd, g1 = a.g, s1 = a.sinf, lgPd2 = b.lgPd, g2 = b.g, s2 = b.sinf;
      std::array<double, 6> x{};
      double rss = 0.0;
      zwei.Loesen({lgPd1, g1, s1, lgPd2 - lgPd1, g2, s2}, kVorlaufSchritte, false, x, rss);
      if (std::isfinite(rss) && rss < besteRss && Getrennt(Systeme<2>(x), pcMax)) {
        besterStart = x;
        besteRss = rss;
      }
    }
    if (std::isfinite(besteRss)) {
      zweiOk = zwei.Loesen(besterStart, kSchritte, true, x2, rss2) && Getrennt(Systeme<2>(x2), pcMax);
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
