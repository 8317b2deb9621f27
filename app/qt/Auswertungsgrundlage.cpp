#include "Auswertungsgrundlage.h"

#include <string>

#include <QObject>
#include <QString>

#include "CMainFrame.h"
#include "LagerstaettenAnsicht.h"
#include "SaettigungshoehenAnsicht.h"

namespace {

// Keeps the shared analyses as a child of the frame, found by its name.
class Grundlagenhalter : public QObject {
 public:
  Grundlagenhalter(QObject* eltern, std::shared_ptr<Auswertungsgrundlage> g)
      : QObject(eltern), grundlage(std::move(g)) {
    setObjectName(QStringLiteral("Auswertungsgrundlage"));
  }
  std::shared_ptr<Auswertungsgrundlage> grundlage;
};

}  // namespace

Auswertungsgrundlage::Auswertungsgrundlage(CKadrelDoc& doc)
    : doc_(doc),
      vorgabe_(StudienvorgabeLaden()),
      vorgabeWahl_(SaettigungshoehenwahlLaden()),
      korrektur_(doc),
      thomeer_(korrektur_),
      lagerstaette_(doc, korrektur_, thomeer_) {}

void Auswertungsgrundlage::Abgleichen() {
  if (abgeglichen_ && doc_.Studie == studie_) return;
  abgeglichen_ = true;
  studie_ = doc_.Studie;
  gueltig_ = lagerstaette::StudieLesen(studie_).value_or(vorgabe_);
  korrektur_.SetSchliessdruck(gueltig_.schliessdruck);
  lagerstaette_.SetBedingungen(gueltig_.bedingungen);
  // A choice in the study that cannot be used gives way to the user's, as
  // the conditions do.
  wahl_ = vorgabeWahl_;
  if (lagerstaette::StudieEnthaelt(studie_)) {
    SaettigungshoehenWahl w = lagerstaette::StandardWahl(doc_.Messkurven);
    std::string fehler;
    if (lagerstaette::StudieLesen(studie_, w, fehler)) wahl_ = w;
  }
  lagerstaette_.SetWahl(wahl_);
}

const Studienbedingungen& Auswertungsgrundlage::Bedingungen() {
  Abgleichen();
  return gueltig_;
}

bool Auswertungsgrundlage::Aendern(const Studienbedingungen& neu) {
  Abgleichen();
  if (neu == gueltig_) return false;
  vorgabe_ = neu;
  StudienvorgabeSpeichern(neu);
  lagerstaette::StudieSchreiben(doc_.Studie, neu);
  doc_.SetModifiedFlag();
  Abgleichen();
  return true;
}

const std::optional<SaettigungshoehenWahl>& Auswertungsgrundlage::Wahl() {
  Abgleichen();
  return wahl_;
}

bool Auswertungsgrundlage::WahlAendern(const SaettigungshoehenWahl& neu) {
  Abgleichen();
  if (neu == lagerstaette_.Wahl()) return false;
  vorgabeWahl_ = neu;
  SaettigungshoehenwahlSpeichern(neu);
  lagerstaette::StudieSchreiben(neu, doc_.Studie);
  doc_.SetModifiedFlag();
  Abgleichen();
  return true;
}

Korrekturauswertung& Auswertungsgrundlage::Korrektur() {
  Abgleichen();
  return korrektur_;
}

ThomeerAuswertung& Auswertungsgrundlage::Thomeer() {
  Abgleichen();
  return thomeer_;
}

Lagerstaettenauswertung& Auswertungsgrundlage::Lagerstaette() {
  Abgleichen();
  return lagerstaette_;
}

std::shared_ptr<Auswertungsgrundlage> AuswertungsgrundlageVon(CMainFrame& frame) {
  auto* halter = frame.findChild<Grundlagenhalter*>(QStringLiteral("Auswertungsgrundlage"), Qt::FindDirectChildrenOnly);
  if (!halter) halter = new Grundlagenhalter(&frame, std::make_shared<Auswertungsgrundlage>(frame.GetDocument()));
  return halter->grundlage;
}
