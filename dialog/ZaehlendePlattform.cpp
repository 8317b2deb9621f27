#include "ZaehlendePlattform.h"

void ZaehlendePlattform::Meldung(const std::string& text) {
  ++boxen_;
  ziel_.Meldung(text);
}

bool ZaehlendePlattform::Frage(const std::string& text) {
  ++boxen_;
  return ziel_.Frage(text);
}

void ZaehlendePlattform::WarteCursor(bool an) { ziel_.WarteCursor(an); }

void ZaehlendePlattform::AnsichtenAktualisieren() { ziel_.AnsichtenAktualisieren(); }

bool ZaehlendePlattform::DatenDialog(EingabeDaten& daten) { return ziel_.DatenDialog(daten); }
