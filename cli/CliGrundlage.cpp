#include "CliGrundlage.h"

#include "KadrelDoc.h"

void CliGrundlage::Beginnen(const CKadrelDoc& doc) {
  if (korrektur_) return;
  // A study whose conditions cannot be used gives way to the defaults, as
  // in the desktop program.
  bedingungen_ = lagerstaette::StudieLesen(doc.Studie).value_or(Studienbedingungen{});
  for (std::size_t i = 0; i < paare.size(); ++i) {
    if (!paare[i]) continue;
    lagerstaette::Wert(bedingungen_.bedingungen, static_cast<int>(2 * i)) = paare[i]->first;
    lagerstaette::Wert(bedingungen_.bedingungen, static_cast<int>(2 * i + 1)) = paare[i]->second;
  }
  if (schliessdruck) bedingungen_.schliessdruck = schliessdruck;
  korrektur_.emplace(doc);
  korrektur_->SetSchliessdruck(bedingungen_.schliessdruck);
  thomeer_.emplace(*korrektur_);
}
