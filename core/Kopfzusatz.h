#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The words a header line may carry after the core label:
//   PERMEABILITAET: 125.3 K17 POROSITAET: 0.213 SCHLIESSDRUCK: 0.35
// in any order. The measurement reader ignores text after the label, so such
// lines evaluate exactly as without them; the analyses that need porosity or
// a closure pressure read them from here.
struct Kopfzusatz {
  std::optional<float> Porositaet;     // fraction, inside (0, 1)
  std::optional<float> Schliessdruck;  // closure pressure, bar, above 0
  // Why a word after the label could not be taken (the first such reason);
  // empty when every added word was taken. A value not taken stays empty.
  std::string Fehler;
};

inline constexpr const char* kPorositaetWort = "POROSITAET:";
inline constexpr const char* kSchliessdruckWort = "SCHLIESSDRUCK:";

// The line check's texts.
inline constexpr const char* kPorositaetAnteil =
    "Die Porosität ist als Anteil zwischen 0 und 1 anzugeben (z. B. POROSITAET: 0.213 für 21,3 %).";
inline constexpr const char* kSchliessdruckPositiv = "Der Schließdruck ist in bar als Zahl größer 0 anzugeben.";
inline constexpr const char* kKopfzusatzOhneKern =
    "Vor POROSITAET: und SCHLIESSDRUCK: muss die Kernbezeichnung stehen:\n"
    "PERMEABILITAET: Zahl Kernbezeichnung POROSITAET: Anteil";
inline constexpr const char* kKopfzusatzDoppelt =
    "POROSITAET: und SCHLIESSDRUCK: dürfen je nur einmal in der Kopfzeile stehen.";

namespace kopfzeile {

// True when `wort` is one of the added keywords.
bool IstZusatzwort(std::string_view wort);

// The words of a header line as the reader splits it ("%s %f %s"): keyword,
// permeability, label, then the rest. The label may follow the number
// without a blank ("12K"); a number the reader cannot take stands as a word.
std::vector<std::string_view> Kopfwoerter(std::string_view zeile);

// Reads the added words of a header line (the whole line, keyword and
// permeability included). Words after the label that are no keyword are
// ignored, as the reader ignores them. A keyword in the place of the label
// (the header has no label) is a fault, since the reader takes it as the
// label.
Kopfzusatz Lesen(std::string_view zeile);

}  // namespace kopfzeile
