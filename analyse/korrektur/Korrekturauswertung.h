#pragma once

#include <optional>

#include "Schliessdruckkorrektur.h"

class CKadrelDoc;

// The corrected curves of a document's last run, computed on first request
// and kept while the run and the closure pressure for all stand. The
// analyses that share one see the same curves; each tells by Stand() when
// its results are out of date.
class Korrekturauswertung {
 public:
  explicit Korrekturauswertung(const CKadrelDoc& doc) : doc_(doc) {}

  // The closure pressure for measurements without one of their own (bar); none by default.
  void SetSchliessdruck(const std::optional<double>& fuerAlle);
  const std::optional<double>& Schliessdruck() const { return fuerAlle_; }

  const KorrigierteKurven& Kurven();
  // Counts the computations of the curves: it changes whenever the curves may
  // have changed (after a run, or a change of the closure pressure).
  int Stand();

 private:
  const CKadrelDoc& doc_;
  std::optional<double> fuerAlle_;
  int lauf_ = -1;
  bool gueltig_ = false;
  int stand_ = 0;
  KorrigierteKurven kurven_;
};
