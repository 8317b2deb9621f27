#include "ThomeerAuswertung.h"

#include "ThomeerBericht.h"

ThomeerAuswertung::ThomeerAuswertung(const CKadrelDoc& doc)
    : eigene_(std::make_unique<Korrekturauswertung>(doc)), korrektur_(eigene_.get()) {}

void ThomeerAuswertung::Aktualisieren() {
  const KorrigierteKurven& k = korrektur_->Kurven();
  const int stand = korrektur_->Stand();
  if (stand_ == stand) return;
  stand_ = stand;
  ergebnisse_ = ThomeerAnpassen(k.kurven);
  ++anpassungen_;
  // The marks count the points of the curve that was fitted: the corrected one.
  hinweise_ = ThomeerHinweise(k.kurven, ergebnisse_);
  liste_ = ThomeerListe(ergebnisse_, hinweise_, korrektur::Hinweis(k));
  gewaehlt_ = -1;
  diagrammVon_ = -2;
}

const std::vector<ThomeerErgebnis>& ThomeerAuswertung::Ergebnisse() {
  Aktualisieren();
  return ergebnisse_;
}

const KorrigierteKurven& ThomeerAuswertung::Kurven() {
  Aktualisieren();
  return korrektur_->Kurven();
}

const std::vector<std::string>& ThomeerAuswertung::Hinweise() {
  Aktualisieren();
  return hinweise_;
}

const Textliste& ThomeerAuswertung::Liste() {
  Aktualisieren();
  return liste_;
}

bool ThomeerAuswertung::ZeileWaehlen(int zeile) {
  Aktualisieren();
  const int k = zeile - kThomeerKopfzeilen;
  if (k < 0 || k >= static_cast<int>(ergebnisse_.size())) return false;
  gewaehlt_ = k;
  return true;
}

bool ThomeerAuswertung::KernWaehlen(const std::string& kern) {
  Aktualisieren();
  for (std::size_t k = 0; k < ergebnisse_.size(); ++k) {
    if (ergebnisse_[k].Kern == kern) {
      gewaehlt_ = static_cast<int>(k);
      return true;
    }
  }
  return false;
}

int ThomeerAuswertung::Gewaehlt() {
  Aktualisieren();
  if (gewaehlt_ >= 0) return gewaehlt_;
  for (int k = static_cast<int>(ergebnisse_.size()) - 1; k >= 0; --k) {
    if (ergebnisse_[k].Angepasst()) return k;
  }
  return static_cast<int>(ergebnisse_.size()) - 1;
}

const Datendiagramm& ThomeerAuswertung::Diagramm() {
  const int k = Gewaehlt();
  if (k != diagrammVon_) {
    diagrammVon_ = k;
    const KorrigierteKurven& kurven = korrektur_->Kurven();
    diagramm_ =
        k < 0 ? ThomeerDiagrammOhneMessung() : ThomeerDiagramm(kurven.kurven[k], ergebnisse_[k], &kurven.korrektur[k]);
  }
  return diagramm_;
}
