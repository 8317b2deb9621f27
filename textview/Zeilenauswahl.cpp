#include "Zeilenauswahl.h"

#include <algorithm>

void Zeilenauswahl::Setzen(int zeile) {
  if (zeile < 0) {
    Aufheben();
    return;
  }
  anker_ = zeile;
  ende_ = zeile;
}

void Zeilenauswahl::Erweitern(int zeile) {
  if (zeile < 0) return;
  if (anker_ < 0) anker_ = zeile;
  ende_ = zeile;
}

void Zeilenauswahl::Alle(int zeilen) {
  if (zeilen <= 0) {
    Aufheben();
    return;
  }
  anker_ = 0;
  ende_ = zeilen - 1;
}

void Zeilenauswahl::Aufheben() {
  anker_ = -1;
  ende_ = -1;
}

int Zeilenauswahl::Von() const { return std::min(anker_, ende_); }

int Zeilenauswahl::Bis() const { return std::max(anker_, ende_); }

bool Zeilenauswahl::Enthaelt(int zeile) const { return !Leer() && zeile >= Von() && zeile <= Bis(); }

std::string KopierText(const Textliste& liste, const Zeilenauswahl& auswahl) {
  const std::size_t n = liste.size();
  std::size_t von = 0;
  std::size_t bis = n;  // one past the last line
  if (!auswahl.Leer()) {
    von = std::min(static_cast<std::size_t>(auswahl.Von()), n);
    bis = std::min(static_cast<std::size_t>(auswahl.Bis()) + 1, n);
  }
  std::string text;
  for (std::size_t i = von; i < bis; ++i) {
    text += liste[i];
    text += '\n';
  }
  return text;
}

std::uint64_t Listenkennung(const Textliste& liste) {
  // FNV-1a over the lines, each closed by a byte no UTF-8 text holds.
  std::uint64_t h = 14695981039346656037ULL;
  const auto mischen = [&h](unsigned char c) {
    h ^= c;
    h *= 1099511628211ULL;
  };
  for (const std::string& zeile : liste) {
    for (const char c : zeile) mischen(static_cast<unsigned char>(c));
    mischen(0xFF);
  }
  return h ^ liste.size();
}
