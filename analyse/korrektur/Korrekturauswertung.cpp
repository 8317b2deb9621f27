#include "Korrekturauswertung.h"

#include "KadrelDoc.h"

void Korrekturauswertung::SetSchliessdruck(const std::optional<double>& fuerAlle) {
  if (fuerAlle == fuerAlle_) return;
  fuerAlle_ = fuerAlle;
  gueltig_ = false;
}

const KorrigierteKurven& Korrekturauswertung::Kurven() {
  if (!gueltig_ || lauf_ != doc_.iLauf) {
    kurven_ = korrektur::Korrigieren(doc_.Messkurven, fuerAlle_);
    lauf_ = doc_.iLauf;
    gueltig_ = true;
    ++stand_;
  }
  return kurven_;
}

int Korrekturauswertung::Stand() {
  Kurven();
  return stand_;
}
