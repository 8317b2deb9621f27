#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Zeichenflaeche.h"

// A drawing surface that draws nothing but keeps every call with the pen and
// font selected at that moment, so that tests can check what lands where.
// Texts are measured as a fixed-pitch face whose characters are half as wide
// as the cell is high.
class Aufzeichnungsflaeche : public Zeichenflaeche {
 public:
  enum class Art { Ursprung, Rechteck, Text, Linie, Polylinie };

  struct Eintrag {
    Art art = Art::Linie;
    // Ursprung and Text: one point; Linie and Rechteck: two (for the
    // rectangle left/top and right/bottom); Polylinie: all its points.
    std::vector<Punkt> punkte;
    std::string text;
    Stift stift;
    Schrift schrift;
  };

  void FensterUrsprung(int x, int y) override;
  void StiftWaehlen(const Stift& stift) override;
  void SchriftWaehlen(const Schrift& schrift) override;
  void TextZentriertOben(int x, int y, std::string_view text) override;
  Groesse TextAusdehnung(std::string_view text) override;
  void Linie(int x1, int y1, int x2, int y2) override;
  void Polylinie(const Punkt* punkte, int anzahl) override;
  void Rechteck(int links, int oben, int rechts, int unten) override;

  // The recorded calls of one kind, in order.
  std::vector<Eintrag> Alle(Art art) const;
  // The first text call with exactly this text, or null.
  const Eintrag* Text(std::string_view text) const;
  // The number of text calls with exactly this text.
  int TextAnzahl(std::string_view text) const;

  std::vector<Eintrag> eintraege;

 private:
  Stift stift_;
  Schrift schrift_;
};
