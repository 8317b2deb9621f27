#include "Lagerstaettenauswertung.h"

#include "KadrelDoc.h"

Lagerstaettenauswertung::Lagerstaettenauswertung(const CKadrelDoc& doc)
    : doc_(doc), eigene_(std::make_unique<Korrekturauswertung>(doc)), korrektur_(eigene_.get()) {}

Lagerstaettenauswertung::Lagerstaettenauswertung(const CKadrelDoc& doc, Korrekturauswertung& korrektur)
    : doc_(doc), korrektur_(&korrektur) {}

void Lagerstaettenauswertung::SetBedingungen(const Lagerstaettenbedingungen& b) {
  if (b == bedingungen_) return;
  bedingungen_ = b;
  bSaettigung_ = false;
  bPoren_ = false;
  bPorenDiagramm_ = false;
}

void Lagerstaettenauswertung::Pruefen() {
  const int stand = korrektur_->Stand();
  if (stand != korrekturStand_) {
    korrekturStand_ = stand;
    bPoren_ = false;
    bPorenDiagramm_ = false;
  }
  if (doc_.iLauf == iLauf_) return;
  iLauf_ = doc_.iLauf;
  bSaettigung_ = false;
  bPoren_ = false;
  bPorenDiagramm_ = false;
  // Another run may hold other curves: back to the last one.
  iKurve_ = -1;
}

const Saettigungshoehe& Lagerstaettenauswertung::SaettigungshoeheErgebnis() {
  Pruefen();
  if (!bSaettigung_) {
    saettigung_ = lagerstaette::SaettigungshoeheBerechnen(doc_, bedingungen_);
    saettigungListe_ = lagerstaette::SaettigungshoeheListe(saettigung_);
    saettigungDiagramm_ = lagerstaette::SaettigungshoeheDiagramm(saettigung_);
    bSaettigung_ = true;
  }
  return saettigung_;
}

const Textliste& Lagerstaettenauswertung::SaettigungshoeheListe() {
  SaettigungshoeheErgebnis();
  return saettigungListe_;
}

const Datendiagramm& Lagerstaettenauswertung::SaettigungshoeheDiagramm() {
  SaettigungshoeheErgebnis();
  return saettigungDiagramm_;
}

const Porenradien& Lagerstaettenauswertung::PorenradienErgebnis() {
  Pruefen();
  if (!bPoren_) {
    poren_ = lagerstaette::PorenradienBerechnen(korrektur_->Kurven(), bedingungen_);
    porenListe_ = lagerstaette::PorenradienListe(poren_);
    bPoren_ = true;
    bPorenDiagramm_ = false;
  }
  return poren_;
}

const Textliste& Lagerstaettenauswertung::PorenradienListe() {
  PorenradienErgebnis();
  return porenListe_;
}

int Lagerstaettenauswertung::GewaehlteKurve() {
  const int n = static_cast<int>(PorenradienErgebnis().kurven.size());
  if (iKurve_ >= 0 && iKurve_ < n) return iKurve_;
  return n - 1;
}

const Datendiagramm& Lagerstaettenauswertung::PorenradienDiagramm() {
  const int kurve = GewaehlteKurve();
  if (!bPorenDiagramm_) {
    porenDiagramm_ = lagerstaette::PorenradienDiagramm(poren_, kurve);
    bPorenDiagramm_ = true;
  }
  return porenDiagramm_;
}

void Lagerstaettenauswertung::PorenradienZeileGewaehlt(int zeile) {
  const Porenradien& p = PorenradienErgebnis();
  if (zeile < 0 || zeile >= static_cast<int>(p.zeileKurve.size())) return;
  const int kurve = p.zeileKurve[zeile];
  if (kurve < 0 || kurve == iKurve_) return;
  iKurve_ = kurve;
  bPorenDiagramm_ = false;
}
