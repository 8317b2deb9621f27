#pragma once

#include <initializer_list>

#include <gtest/gtest.h>

#include "Aufzeichnungsflaeche.h"
#include "Zeichenmittel.h"

// The pens and fonts every chart is drawn with, written out again here so
// that a changed constant in the drawing code shows as a failing test.
namespace zeichnung {

inline const Stift kA{Linienart::Durchgezogen, 4, {0, 0, 0}};    // frame, ticks
inline const Stift kB{Linienart::Durchgezogen, 3, {255, 0, 0}};  // computed curve
inline const Stift kC{Linienart::Gestrichelt, 3, {0, 0, 255}};   // star symbols
inline const Stift kD{Linienart::Gepunktet, 1, {0, 0, 0}};       // grid
inline const Schrift kF1{70, 600};
inline const Schrift kF2{55, 700};
inline const Schrift kF3{45, 700};
inline const Schrift kF4{35, 700};

struct GesetzterText {
  const char* text;
  Punkt ort;
  Schrift schrift;
};

// Every chart starts at the page's origin and has its frame of 1300 × 750;
// each text stands at its place in its font.
inline void RahmenUndTexte(const Aufzeichnungsflaeche& flaeche, std::initializer_list<GesetzterText> texte) {
  ASSERT_FALSE(flaeche.eintraege.empty());
  EXPECT_EQ(flaeche.eintraege[0].art, Aufzeichnungsflaeche::Art::Ursprung);
  EXPECT_EQ(flaeche.eintraege[0].punkte[0], (Punkt{-400, 300}));
  const auto rahmen = flaeche.Alle(Aufzeichnungsflaeche::Art::Rechteck);
  ASSERT_EQ(rahmen.size(), 1u);
  EXPECT_EQ(rahmen[0].punkte, (std::vector<Punkt>{{0, 0}, {1300, -750}}));
  EXPECT_EQ(rahmen[0].stift, kA);
  for (const auto& t : texte) {
    const Aufzeichnungsflaeche::Eintrag* e = flaeche.Text(t.text);
    ASSERT_NE(e, nullptr) << t.text;
    EXPECT_EQ(e->punkte[0], t.ort) << t.text;
    EXPECT_EQ(e->schrift, t.schrift) << t.text;
  }
}

}  // namespace zeichnung
