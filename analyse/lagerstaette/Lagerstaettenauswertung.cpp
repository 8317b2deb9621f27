#include "Lagerstaettenauswertung.h"

#include "KadrelDoc.h"
#include "ThomeerAuswertung.h"

Lagerstaettenauswertung::Lagerstaettenauswertung(const CKadrelDoc& doc)
    : doc_(doc),
      eigene_(std::make_unique<Korrekturauswertung>(doc)),
      korrektur_(eigene_.get()),
      eigenerThomeer_(std::make_unique<ThomeerAuswertung>(*korrektur_)),
      thomeer_(eigenerThomeer_.get()) {}

Lagerstaettenauswertung::Lagerstaettenauswertung(const CKadrelDoc& doc, Korrekturauswertung& korrektur)
    : doc_(doc),
      korrektur_(&korrektur),
      eigenerThomeer_(std::make_unique<ThomeerAuswertung>(korrektur)),
      thomeer_(eigenerThomeer_.get()) {}

Lagerstaettenauswertung::Lagerstaettenauswertung(const CKadrelDoc& doc, Korrekturauswertung& korrektur,
                                                 ThomeerAuswertung& thomeer)
    : doc_(doc), korrektur_(&korrektur), thomeer_(&thomeer) {}

Lagerstaettenauswertung::~Lagerstaettenauswertung() = default;

void Lagerstaettenauswertung::SetBedingungen(const Lagerstaettenbedingungen& b) {
  if (b == bedingungen_) return;
  bedingungen_ = b;
  ModelleVerwerfen();
  bPoren_ = false;
  bPorenDiagramm_ = false;
}

SaettigungshoehenWahl Lagerstaettenauswertung::Wahl() {
  return wahl_ ? *wahl_ : lagerstaette::StandardWahl(doc_.Messkurven);
}

void Lagerstaettenauswertung::SetWahl(const std::optional<SaettigungshoehenWahl>& wahl) {
  if (wahl == wahl_) return;
  // Only the rock type changes the fits; the rest what is shown of them.
  const auto typ = [](const std::optional<SaettigungshoehenWahl>& w) {
    return w ? w->gesteinstyp : std::optional<int>();
  };
  if (typ(wahl) != typ(wahl_)) ModelleVerwerfen();
  wahl_ = wahl;
  bSaettigung_ = false;
}

void Lagerstaettenauswertung::ModelleVerwerfen() {
  bModelle_ = false;
  bGuete_ = false;
  bSaettigung_ = false;
}

void Lagerstaettenauswertung::Pruefen() {
  const int stand = korrektur_->Stand();
  if (stand != korrekturStand_) {
    korrekturStand_ = stand;
    ModelleVerwerfen();
    bPoren_ = false;
    bPorenDiagramm_ = false;
  }
  if (doc_.iLauf == iLauf_) return;
  iLauf_ = doc_.iLauf;
  ModelleVerwerfen();
  bPoren_ = false;
  bPorenDiagramm_ = false;
  // Another run may hold other curves: back to the last one.
  iKurve_ = -1;
}

const Saettigungshoehenmodelle& Lagerstaettenauswertung::Modelle() {
  Pruefen();
  if (!bModelle_) {
    const std::optional<int> typ = wahl_ ? wahl_->gesteinstyp : std::nullopt;
    modelle_ = Saettigungshoehenmodelle::Anpassen(doc_, korrektur_->Kurven().kurven, thomeer_->Ergebnisse(),
                                                  bedingungen_, typ);
    bModelle_ = true;
  }
  return modelle_;
}

const Modellguete& Lagerstaettenauswertung::Guete() {
  const Saettigungshoehenmodelle& m = Modelle();
  if (!bGuete_) {
    guete_ = lagerstaette::GueteBerechnen(m, korrektur_->Kurven().kurven);
    gueteListe_ = lagerstaette::ModellgueteListe(guete_);
    gueteDiagramm_ = lagerstaette::ModellgueteDiagramm(guete_);
    bGuete_ = true;
  }
  return guete_;
}

const Textliste& Lagerstaettenauswertung::GueteListe() {
  Guete();
  return gueteListe_;
}

const Datendiagramm& Lagerstaettenauswertung::GueteDiagramm() {
  Guete();
  return gueteDiagramm_;
}

const Saettigungshoehe& Lagerstaettenauswertung::SaettigungshoeheErgebnis() {
  const Saettigungshoehenmodelle& m = Modelle();
  if (!bSaettigung_) {
    saettigung_ = lagerstaette::SaettigungshoeheBerechnen(m, Wahl());
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
