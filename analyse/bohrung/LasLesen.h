#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Blockspalte.h"

// Reads well logs in the Log ASCII Standard 2.0 (LAS) of the Canadian Well
// Logging Society: the header sections ~V, ~W, ~C, ~P, ~O (and others,
// passed over) and the data section ~A, one line per depth.
//
// Only the depth, the porosity and the permeability are kept, as numbers,
// row by row; the header is kept as far as it describes the log. Every
// other value of ~A is checked to be a number and then forgotten, so that a
// log of a million rows takes a few dozen bytes per row. The writer
// (LasSchreiben.h) reads the file again for the rest.
namespace bohrung {

enum class Tiefeneinheit { Meter, Fuss };
enum class Porositaetseinheit { Anteil, Prozent };

// Metres per depth unit: 1 or 0.3048.
double Meter(Tiefeneinheit e);

// One line of ~C: MNEM.UNIT DATA : DESCRIPTION, as UTF-8 text.
struct Kurve {
  std::string kuerzel;       // the mnemonic
  std::string einheit;       // the unit, as written (may be empty)
  std::string daten;         // e.g. an API code
  std::string beschreibung;  // after the last colon
  int zeile = 0;             // line of the file, from 1
};

// The header of a log: what the lines before ~A say.
struct Kopf {
  std::string version;               // VERS of ~V as written ("2.0")
  std::string bohrung;               // WELL of ~W
  double nullwert = -999.25;         // NULL of ~W
  std::string nullText = "-999.25";  // the same as written, for the output
  std::optional<double> strt, stop;  // STRT and STOP of ~W, in the depth unit
  std::optional<double> step;        // STEP of ~W, in its own unit
  double stepMeter = 0.0;            // |STEP| in metres; 0 when missing or 0
  std::vector<Kurve> kurven;         // ~C in order; the first is the depth
  Tiefeneinheit tiefeneinheit = Tiefeneinheit::Meter;
  int zeileC = 0;     // the line ~C begins at
  int zeileA = 0;     // the line ~A begins at
  bool utf8 = false;  // the header read as UTF-8 (else Windows-1252)
  // The curves preset for porosity and permeability (indices into
  // `kurven`), -1 where no mnemonic fits.
  int vorschlagPorositaet = -1;
  int vorschlagPermeabilitaet = -1;

  // The depth unit as the index curve writes it ("M", "FT").
  const std::string& Tiefeneinheitstext() const;
};

// The curves chosen by mnemonic (case does not matter); empty: the preset.
struct Kurvenwahl {
  std::string porositaet;
  std::string permeabilitaet;
};

// Reads "PHI,PERM" as the command line gives it (either may be left empty
// for the preset: "PHI," or ",PERM"); false with the reason.
bool KurvenwahlLesen(std::string_view text, Kurvenwahl& wahl, std::string& fehler);

// Why a row gives no water saturation.
enum class Grund : std::uint8_t {
  Keiner,                      // it gives one
  TiefeNull,                   // the depth is the NULL value
  PorositaetNull,              // the porosity is the NULL value
  PermeabilitaetNull,          // the permeability is the NULL value
  PorositaetAusserhalb,        // the porosity (after its unit) is not inside (0, 1)
  PermeabilitaetNichtPositiv,  // the permeability (after its unit) is not above 0
  PermeabilitaetUnendlich,     // KLOG so large that 10^KLOG mD is no number
  ModellOhneWert,              // the model cannot evaluate this rock and height
  ModellAusserhalb             // the model gave a saturation outside 0 … 1
};

// The reason as the list and the dialog write it.
std::string Grundtext(Grund g);

// A log as read: its header, the curves chosen, and per data row of ~A the
// depth (in the depth unit, NaN where NULL), the porosity as a fraction and
// the permeability in mD (NaN where NULL), its line and why it gives no Sw.
struct Bohrung {
  Kopf kopf;
  std::string pfad;  // the file read; empty when read from memory
  int porositaet = -1;
  int permeabilitaet = -1;
  Porositaetseinheit porositaetseinheit = Porositaetseinheit::Anteil;
  bool permeabilitaetLog = false;  // KLOG: log10 of mD

  Blockspalte<double> tiefe;
  Blockspalte<double> phi;
  Blockspalte<double> k;
  Blockspalte<std::uint32_t> zeile;
  Blockspalte<Grund> grund;

  // The file's size and checksum when it was read, so that the writer can
  // tell whether it is still the same.
  std::uintmax_t groesse = 0;
  std::uint64_t pruefsumme = 0;

  std::size_t Zeilen() const { return tiefe.size(); }
  const Kurve& Porositaetskurve() const { return kopf.kurven[static_cast<std::size_t>(porositaet)]; }
  const Kurve& Permeabilitaetskurve() const { return kopf.kurven[static_cast<std::size_t>(permeabilitaet)]; }
};

// Reads only the header (up to the line ~A), for a dialog that shows the
// curves before the user chooses. Refuses what no choice can mend: WRAP.
// YES, LAS 3.0, no ~A, a depth unit that is neither metres nor feet, no
// curves. False with the message ("Zeile N: …").
bool KopfLesen(std::string_view bytes, Kopf& kopf, std::string& fehler);
bool KopfLesenDatei(const std::string& pfad, Kopf& kopf, std::string& fehler);

// Reads the whole log with the curves chosen; false with the message
// ("Zeile N: …"), and `bohrung` stays as it was. From a file, the message
// begins with the file's name, and a file above 256 MB is refused before
// it is read.
bool LasLesen(std::string_view bytes, const Kurvenwahl& wahl, Bohrung& bohrung, std::string& fehler);
bool LasLesenDatei(const std::string& pfad, const Kurvenwahl& wahl, Bohrung& bohrung, std::string& fehler);

// A value of ~A as LAS writes it: optional sign, digits with "." as decimal
// point, optional exponent; read into a double whatever the locale. A
// magnitude too small for a double reads as 0; false for anything else
// (also inf, nan, hexadecimal and numbers beyond the double range).
bool LasZahl(std::string_view text, double& wert);

}  // namespace bohrung
