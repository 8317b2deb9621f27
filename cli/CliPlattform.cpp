#include "CliPlattform.h"

void CliPlattform::Meldung(const std::string& text) {
  nachrichten_.push_back({"ok", text});
  if (ausgeben_) fehler_ << text << "\n" << std::flush;
}

bool CliPlattform::Frage(const std::string& text) {
  nachrichten_.push_back({"yesno", text});
  if (ausgeben_) fehler_ << text << (antwortJa_ ? " [Ja]" : " [Nein]") << "\n" << std::flush;
  return antwortJa_;
}

bool CliPlattform::DatenDialog(EingabeDaten& daten) {
  daten = std::move(dialogDaten_);
  dialogDaten_ = EingabeDaten{};
  return true;
}
