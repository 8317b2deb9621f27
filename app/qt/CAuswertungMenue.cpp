#include "CAuswertungMenue.h"

#include "CKadrelView.h"
#include "Mnemoniken.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <utility>

CAuswertungMenue::CAuswertungMenue(QMenuBar* leiste, QAction* vor, CKadrelView* text,
                                   std::function<void()> aktualisieren, QObject* eltern)
    : QObject(eltern),
      leiste_(leiste),
      vor_(vor),
      text_(text),
      aktualisieren_(std::move(aktualisieren)),
      menue_(new QMenu(QStringLiteral("A&uswertung"), leiste)),
      trenner_(menue_->addSeparator()),
      gruppe_(new QActionGroup(this)) {
  trenner_->setVisible(false);
  gruppe_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  connect(gruppe_, &QActionGroup::triggered, this, [this] { Umgeschaltet(); });
  connect(text_, &CKadrelView::ZeileDoppelgeklickt, this, &CAuswertungMenue::Doppelklick);
}

void CAuswertungMenue::Einfuegen() {
  trenner_->setVisible(befehle_ && !ansichten_.empty());
  if (eingefuegt_) return;
  leiste_->insertMenu(vor_, menue_);
  eingefuegt_ = true;
}

QAction* CAuswertungMenue::BefehlHinzufuegen(const QString& text) {
  auto* aktion = new QAction(text, menue_);
  menue_->insertAction(trenner_, aktion);
  MnemonikErgaenzen(menue_, aktion);
  befehle_ = true;
  Einfuegen();
  return aktion;
}

QAction* CAuswertungMenue::AnsichtHinzufuegen(const QString& text, Auswertungsansicht ansicht) {
  auto* aktion = new QAction(text, menue_);
  aktion->setCheckable(true);
  gruppe_->addAction(aktion);
  menue_->addAction(aktion);
  MnemonikErgaenzen(menue_, aktion);
  ansichten_.push_back({aktion, std::move(ansicht)});
  Einfuegen();
  return aktion;
}

const Auswertungsansicht* CAuswertungMenue::Aktiv() const {
  for (const Eintrag& e : ansichten_) {
    if (e.aktion->isChecked()) return &e.ansicht;
  }
  return nullptr;
}

std::function<const Datendiagramm*()> CAuswertungMenue::Datenquelle() const {
  return [this]() -> const Datendiagramm* {
    const Auswertungsansicht* a = Aktiv();
    return a && a->diagramm ? a->diagramm() : nullptr;
  };
}

void CAuswertungMenue::Umgeschaltet() {
  const Auswertungsansicht* a = Aktiv();
  // An analysis without a list of its own leaves the options' list shown.
  text_->SetListenquelle(a ? a->liste : std::function<const Textliste*()>());
  AnsichtenAktualisieren();
}

void CAuswertungMenue::AnsichtenAktualisieren() {
  if (aktualisieren_) aktualisieren_();
}

void CAuswertungMenue::Doppelklick(int index) {
  const Auswertungsansicht* a = Aktiv();
  if (!a || !a->doppelklick) return;
  a->doppelklick(index);
  AnsichtenAktualisieren();
}
