#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "LasLesen.h"
#include "Textliste.h"

// The well of a study as the document keeps it in its study block
// (core/Archiv.h), one line "Schlüssel=Wert" each:
//   Bohrung-Datei=/daten/bohrung-7.las  the log's file, as chosen
//   Bohrung-FWL=2140 M                  the FWL with the log's depth unit
//                                       as the index curve writes it
//   Bohrung-Kurven=PHIT,PERM            the porosity and permeability curves
// The FWL's number is the shortest text that reads back to the same double,
// "." as decimal separator whatever the locale.
namespace bohrung {

inline constexpr const char* kStudieDatei = "Bohrung-Datei";
inline constexpr const char* kStudieFwl = "Bohrung-FWL";
inline constexpr const char* kStudieKurven = "Bohrung-Kurven";

struct Bohrungsstudie {
  std::string datei;
  double fwl = 0.0;        // in the depth unit below
  std::string fwlEinheit;  // "M", "FT", … as the log writes it
  std::string porositaet;  // mnemonics of the chosen curves
  std::string permeabilitaet;

  bool operator==(const Bohrungsstudie&) const = default;
};

// Replaces the lines of these keys in `studie`, keeping every other line.
void StudieSchreiben(const Bohrungsstudie& s, Textliste& studie);
void StudieEntfernen(Textliste& studie);
bool StudieEnthaelt(const Textliste& studie);
// Reads the three keys; false with a message naming the line when one is
// missing, stands twice or cannot be read, and `s` unchanged.
bool StudieLesen(const Textliste& studie, Bohrungsstudie& s, std::string& fehler);

// The curves of the study as the reader takes them.
Kurvenwahl Wahl(const Bohrungsstudie& s);

// Whether the unit the FWL was given in is the log's depth unit (M, or one
// of F, FT, FEET for both; case does not matter).
bool GleicheTiefeneinheit(std::string_view fwlEinheit, const Kopf& kopf);

// The FWL field of the dialog: a number with "." or "," as decimal
// separator, blanks around it allowed, whatever the locale; false with the
// message naming the field and `fwl` unchanged when it is none or not finite.
bool FwlLesen(std::string_view text, const Kopf& kopf, double& fwl, std::string& fehler);
// The field's name with the unit: "FWL (M)".
std::string FwlFeld(const Kopf& kopf);
// The shortest text that reads back to the same double.
std::string Zahltext(double w);

}  // namespace bohrung
