#include "Aufzeichnungsflaeche.h"

#include <utility>

namespace {

// Counts the characters of a UTF-8 text (continuation bytes do not count).
int Zeichenzahl(std::string_view text) {
  int n = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  }
  return n;
}

}  // namespace

void Aufzeichnungsflaeche::FensterUrsprung(int x, int y) {
  eintraege.push_back({Art::Ursprung, {{x, y}}, {}, stift_, schrift_});
}

void Aufzeichnungsflaeche::StiftWaehlen(const Stift& stift) { stift_ = stift; }

void Aufzeichnungsflaeche::SchriftWaehlen(const Schrift& schrift) { schrift_ = schrift; }

void Aufzeichnungsflaeche::TextZentriertOben(int x, int y, std::string_view text) {
  eintraege.push_back({Art::Text, {{x, y}}, std::string(text), stift_, schrift_});
}

Groesse Aufzeichnungsflaeche::TextAusdehnung(std::string_view text) {
  return {Zeichenzahl(text) * schrift_.hoehe / 2, schrift_.hoehe};
}

void Aufzeichnungsflaeche::Linie(int x1, int y1, int x2, int y2) {
  eintraege.push_back({Art::Linie, {{x1, y1}, {x2, y2}}, {}, stift_, schrift_});
}

void Aufzeichnungsflaeche::Polylinie(const Punkt* punkte, int anzahl) {
  Eintrag e{Art::Polylinie, {}, {}, stift_, schrift_};
  if (anzahl > 0) e.punkte.assign(punkte, punkte + anzahl);
  eintraege.push_back(std::move(e));
}

void Aufzeichnungsflaeche::Rechteck(int links, int oben, int rechts, int unten) {
  eintraege.push_back({Art::Rechteck, {{links, oben}, {rechts, unten}}, {}, stift_, schrift_});
}

std::vector<Aufzeichnungsflaeche::Eintrag> Aufzeichnungsflaeche::Alle(Art art) const {
  std::vector<Eintrag> auswahl;
  for (const auto& e : eintraege) {
    if (e.art == art) auswahl.push_back(e);
  }
  return auswahl;
}

const Aufzeichnungsflaeche::Eintrag* Aufzeichnungsflaeche::Text(std::string_view text) const {
  for (const auto& e : eintraege) {
    if (e.art == Art::Text && e.text == text) return &e;
  }
  return nullptr;
}

int Aufzeichnungsflaeche::TextAnzahl(std::string_view text) const {
  int n = 0;
  for (const auto& e : eintraege) {
    if (e.art == Art::Text && e.text == text) ++n;
  }
  return n;
}
