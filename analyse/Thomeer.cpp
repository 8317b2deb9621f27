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
// A second system counts only when it is a system of its own: entries at
// least one doubling step of the lab's pressures apart, and each system
// holding a share of the total saturation.
constexpr double kMinVerhaeltnisPd = 2.0;
constexpr double kMinAnteil = 0.05;
// Starts of the two-system fit, spread over the measured pressures.
constexpr std::size_t kZweiStarts = 4;
// Iterations of a start, and of the run to convergence.
constexpr int kVorlaufSchritte = 25;
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
    const double u = 1.0 / lp;
    zaehler -= u * std::log(s / sinf);
    nenner += u * u;
  }
  const double g = nenner > 0.0 ? zaehler / nenner : 0.1;
  return std::clamp(g, kGMin, kGMax);
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
  const double summe = s[0].Sinf + s[1].Sinf;
  return s[1].Pd >= kMinVerhaeltnisPd * s[0].Pd && s[1].Pd < pcMax && s[0].Sinf >= kMinAnteil * summe &&
         s[1].Sinf >= kMinAnteil * summe;
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

  // Two systems need more points than parameters, and a one-system fit
  // within the reading accuracy leaves them nothing to explain.
  std::array<double, 6> x2{};
  double rss2 = std::numeric_limits<double>::infinity();
  bool zweiOk = false;
  const bool zweiMoeglich = Informationskriterium(0.0, n, 6) < Informationskriterium(rss1, n, 3) || !einsOk;
  if (benetzt > 6 && zweiMoeglich) {
    // Each start puts the second entry at one of the measured pressures, the
    // first system holding the saturation reached there. The starts get a
    // short run each; the best is then run to convergence.
    const double lgPd1 = einsOk ? x1[0] : lgPd0;
    std::vector<double> kandidaten;
    for (std::size_t i = 0; i < n; ++i) {
      if (p.lg[i] >= lgPd1 + std::log10(kMinVerhaeltnisPd) && p.lg[i] <= lgMax - std::log10(2.0) && p.s[i] > 0.0) {
        kandidaten.push_back(p.lg[i]);
      }
    }
    std::sort(kandidaten.begin(), kandidaten.end());
    kandidaten.erase(std::unique(kandidaten.begin(), kandidaten.end()), kandidaten.end());
    Anpassung<2> zwei(p, lgErst, lgMax);
    const std::size_t starts = std::min(kandidaten.size(), kZweiStarts);
    std::array<double, 6> besterStart{};
    double besteRss = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < starts; ++k) {
      const std::size_t idx = starts == 1 ? 0 : k * (kandidaten.size() - 1) / (starts - 1);
      const double lgPd2 = kandidaten[idx];
      double s1 = 0.0;
      for (std::size_t i = 0; i < n; ++i) {
        if (p.lg[i] <= lgPd2) s1 = std::max(s1, p.s[i]);
      }
      s1 = std::clamp(s1, kMinAnteil * s0, kSinfMax);
      const double s2 = std::clamp(sMax - s1, kMinAnteil * s0, kSinfMax);
      const double g1 = GLinear(p, lgPd1, s1 * 1.05, lgPd2, keinAbzug);
      std::vector<double> abzug(n, 0.0);
      for (std::size_t i = 0; i < n; ++i) abzug[i] = Term(p.lg[i] - lgPd1, g1, s1 * 1.05);
      const double lgStart2 = lgPd2 - 0.5 * std::log10(2.0);
      const double g2 = GLinear(p, lgStart2, s2, lgMax, abzug);
      std::array<double, 6> x{};
      double rss = 0.0;
      zwei.Loesen({lgPd1, g1, s1, lgStart2 - lgPd1, g2, s2}, kVorlaufSchritte, false, x, rss);
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
