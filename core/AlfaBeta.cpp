#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "FitStatistik.h"
#include "KadrelDoc.h"

FitStatistik* gFitStatistik = nullptr;

namespace {

// Start values, steps and limits of the fit. Three of them are the float
// values nearest their decimals, widened to double, as they always were.
constexpr double kStartBeta = static_cast<double>(0.0001f);
constexpr double kStartAlfa = 3.0;
constexpr double kAlfaGrenze = 1.0;
constexpr double kAlfaBoden = 1.01;
constexpr double kSchritt = static_cast<double>(0.01f);
constexpr double kToleranz = 1e-24;
constexpr int kInnereGrenze = 70;
constexpr int kAeussereGrenze = 70;
constexpr double kBetaBoden = static_cast<double>(0.001f);

// The points that take part in the fit (x > 0), in point order.
struct Fitpunkte {
  std::vector<double> x;
  std::vector<double> y;
  std::vector<double> lnx;

  void Fuellen(const float* X, const float* Y, int anzahl) {
    x.clear();
    y.clear();
    lnx.clear();
    for (int i = 0; i < anzahl; ++i) {
      if (X[i] > 0.0f) {
        x.push_back(X[i]);
        y.push_back(Y[i]);
        lnx.push_back(std::log(static_cast<double>(X[i])));
      }
    }
  }
};

// x^a for every fit point, computed once per distinct exponent: the
// iteration returns to the same exponents (every outer step restarts Alfa at
// 3.0, and the Beta derivatives and the error share the inner result).
class Potenzen {
 public:
  // With `protokoll`, the distinct exponents go to the fit statistics.
  void Neu(const Fitpunkte& p, bool protokoll = false) {
    punkte_ = &p;
    protokoll_ = protokoll && gFitStatistik != nullptr;
    speicher_.clear();
    eintraege_ = 0;
    if (plaetze_.empty()) plaetze_.resize(64);
    std::fill(plaetze_.begin(), plaetze_.end(), Platz{});
  }

  const double* Zu(double a) {
    std::uint64_t schluessel = 0;
    std::memcpy(&schluessel, &a, sizeof a);
    Platz& platz = Suchen(schluessel);
    if (!platz.belegt) {
      const std::size_t n = punkte_->x.size();
      if (protokoll_) gFitStatistik->exponenten.back().push_back(a);
      if (gFitStatistik) gFitStatistik->potenzAufrufe += n;
      platz = Platz{schluessel, speicher_.size(), true};
      speicher_.resize(speicher_.size() + n);
      double* ziel = speicher_.data() + platz.anfang;
      for (std::size_t i = 0; i < n; ++i) ziel[i] = std::pow(punkte_->x[i], a);
      const std::size_t anfang = platz.anfang;
      if (++eintraege_ * 2 > plaetze_.size()) Vergroessern();
      return speicher_.data() + anfang;
    }
    return speicher_.data() + platz.anfang;
  }

 private:
  // An open-addressing table from the exponent's bits to its powers: a fit
  // visits hundreds of exponents, and a node allocation for each would cost
  // a noticeable share of the powers themselves.
  struct Platz {
    std::uint64_t schluessel = 0;
    std::size_t anfang = 0;
    bool belegt = false;
  };

  Platz& Suchen(std::uint64_t schluessel) {
    const std::size_t maske = plaetze_.size() - 1;
    std::size_t i = (schluessel * 0x9E3779B97F4A7C15ULL) >> 40 & maske;
    while (plaetze_[i].belegt && plaetze_[i].schluessel != schluessel) i = (i + 1) & maske;
    return plaetze_[i];
  }

  void Vergroessern() {
    std::vector<Platz> alt(plaetze_.size() * 2);
    alt.swap(plaetze_);
    for (const Platz& p : alt) {
      if (p.belegt) Suchen(p.schluessel) = p;
    }
  }

  const Fitpunkte* punkte_ = nullptr;
  bool protokoll_ = false;
  std::vector<Platz> plaetze_;
  std::size_t eintraege_ = 0;
  std::vector<double> speicher_;
};

// S_a(a, b) = sum ln(x) x^a (x^a + b x - (1 + b) y)
double SummeAlfa(const Fitpunkte& p, const double* xa, double b) {
  double s = 0.0;
  for (std::size_t i = 0; i < p.x.size(); ++i) {
    s += p.lnx[i] * xa[i] * (xa[i] + b * p.x[i] - (1.0 + b) * p.y[i]);
  }
  return s;
}

// S_b(a, b) = sum (x - x^a) (x^a + b x - (1 + b) y)
double SummeBeta(const Fitpunkte& p, const double* xa, double b) {
  double s = 0.0;
  for (std::size_t i = 0; i < p.x.size(); ++i) {
    s += (p.x[i] - xa[i]) * (xa[i] + b * p.x[i] - (1.0 + b) * p.y[i]);
  }
  return s;
}

// The root-mean-square error over all points of the measurement.
double Fehler(const Fitpunkte& p, const double* xa, double b, int maxwerte) {
  double s = 0.0;
  for (std::size_t i = 0; i < p.x.size(); ++i) {
    const double d = (xa[i] + b * p.x[i]) / (1.0 + b) - p.y[i];
    s += d * d;
  }
  if (maxwerte == 0) return s;
  return std::sqrt(s / maxwerte);
}

thread_local Fitpunkte tPunkte;
thread_local Potenzen tPotenzen;

}  // namespace

// The sums for one exponent, with the powers computed for this call alone.
template <typename Summe>
double FuerEinenExponenten(const float* X, const float* Y, int maxwerte, double a, Summe summe) {
  Fitpunkte p;
  p.Fuellen(X, Y, maxwerte);
  Potenzen pot;
  pot.Neu(p);
  return summe(p, pot.Zu(a));
}

double CKadrelDoc::AlfaAbleitung(double a, double b) {
  return FuerEinenExponenten(X, Y, Maxwerte, a,
                             [b](const Fitpunkte& p, const double* xa) { return SummeAlfa(p, xa, b); });
}

double CKadrelDoc::BetaAbleitung(double a, double b) {
  return FuerEinenExponenten(X, Y, Maxwerte, a,
                             [b](const Fitpunkte& p, const double* xa) { return SummeBeta(p, xa, b); });
}

double CKadrelDoc::Fehlerberechnung(double a, double b) {
  const int n = Maxwerte;
  return FuerEinenExponenten(X, Y, n, a, [b, n](const Fitpunkte& p, const double* xa) { return Fehler(p, xa, b, n); });
}

void CKadrelDoc::AlfaBeta() {
  Fitpunkte& p = tPunkte;
  p.Fuellen(X, Y, Maxwerte);
  if (gFitStatistik) {
    gFitStatistik->punkte.push_back(p.x);
    gFitStatistik->exponenten.emplace_back();
  }
  Potenzen& pot = tPotenzen;
  pot.Neu(p, true);

  double deltbeta = 0.0;
  Beta = kStartBeta;
  int ib = 0;
  while (ib < kAeussereGrenze) {
    Alfa = kStartAlfa;
    int ia = 0;
    while (ia < kInnereGrenze) {
      if (Alfa <= kAlfaGrenze) Alfa = kAlfaBoden;
      const double f0 = SummeAlfa(p, pot.Zu(Alfa), Beta);
      const double f1 = SummeAlfa(p, pot.Zu(Alfa + kSchritt), Beta);
      double deltaalfa = 0.0;
      if (f0 - f1 != 0.0) {
        deltaalfa = f0 * kSchritt / (f0 - f1);
      } else {
        ia = kInnereGrenze;
      }
      if (deltaalfa * deltaalfa < kToleranz * Alfa) ia = kInnereGrenze;
      ++ia;
      Alfa = Alfa + deltaalfa;
    }
    const double* xa = pot.Zu(Alfa);
    const double g0 = SummeBeta(p, xa, Beta);
    const double g1 = SummeBeta(p, xa, Beta + kSchritt);
    if (g0 - g1 != 0.0) {
      deltbeta = g0 * kSchritt / (g0 - g1);
    } else {
      deltbeta = 0.0;
      ib = kAeussereGrenze;
    }
    if (deltbeta * deltbeta < kToleranz * Beta) ib = kAeussereGrenze;
    Error = Fehler(p, xa, Beta, Maxwerte);
    ++ib;
    Beta = Beta + deltbeta;
  }
  if (deltbeta + Beta <= 0.0) Beta = kBetaBoden;
}

void CKadrelDoc::AlfaPotenzen(double* aus) {
  // Right after the fit, its table already holds x^Alfa for every fit point;
  // a point whose x differs from the table's is computed afresh.
  const double* xa = tPunkte.x.empty() ? nullptr : tPotenzen.Zu(Alfa);
  std::size_t j = 0;
  for (int i = 0; i < Maxwerte; ++i) {
    if (!(X[i] > 0.0f)) continue;
    const double x = X[i];
    if (xa != nullptr && j < tPunkte.x.size() && tPunkte.x[j] == x) {
      aus[i] = xa[j];
    } else {
      if (gFitStatistik) ++gFitStatistik->potenzAufrufe;
      aus[i] = std::pow(x, Alfa);
    }
    ++j;
  }
}
