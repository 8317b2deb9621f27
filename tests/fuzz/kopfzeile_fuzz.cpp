// A header line's added words (POROSITAET:, SCHLIESSDRUCK:) with the words
// before them: arbitrary header lines through kopfzeile::Lesen, the data
// dialog's line check and the reader. The reader's permeability and label
// never depend on words added after a label; what the line check accepts
// as a header, Lesen reads without fault, with a porosity inside (0, 1), a
// closure pressure above 0 and a label before them; appending a valid
// porosity to an accepted header with a label and no added words keeps it
// accepted.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Dateneingabe.h"
#include "EingabeDaten.h"
#include "FakeFenster.h"
#include "FuzzPlattform.h"
#include "KadrelDoc.h"
#include "Kopfzusatz.h"

namespace {

// Words the second part of an input is built from, so that the fuzzer
// reaches the keywords and their values at once.
const char* const kWoerter[] = {
    "POROSITAET:",
    "SCHLIESSDRUCK:",
    "0.213",
    "21.3",
    "0",
    "1",
    "-0.1",
    "1e39",
    "nan",
    "0,2",
    "x",
    ".5",
    "1e-40",
    "0.35",
    "PERMEABILITAET:",
    "ENDE",
    "K17",
    "\t",
    "2e-1",
    "0.999999999",
};

struct Gelesen {
  bool kopf = false;  // the reader took the line as a header
  float perm = 0.0f;
  std::string kern;
};

// Reads a block with this header as the run does.
Gelesen Lesen(const std::string& kopfzeile) {
  FuzzPlattform plattform;
  CKadrelDoc doc(plattform);
  doc.OnNewDocument();
  doc.Eingabezeilen = {kopfzeile, "0.1 0", "1 0.5", "2 0.7", "ENDE"};
  doc.iMaxZeilen = static_cast<int>(doc.Eingabezeilen.size());
  doc.iStart = 0;
  doc.Perm = -1.0f;
  doc.Kern = "\x01";
  const int status = doc.MessungLesen();
  Gelesen g;
  g.kopf = status == 2 && !(doc.Perm == -1.0f && doc.Kern == "\x01");
  g.perm = doc.Perm;
  g.kern = doc.Kern;
  return g;
}

// The line check's verdict on a line in a list that holds lines (or none).
int Zeilentyp(const std::string& zeile, bool leer) {
  FuzzPlattform plattform;
  FakeFenster fenster;
  Dateneingabe dlg(plattform, fenster);
  EingabeDaten start;
  if (!leer) start.Eingabezeilen = {"PERMEABILITAET: 1 A", "0.1 0", "0.5 0.3", "ENDE"};
  dlg.SetDaten(start);
  dlg.OnInitDialog();
  dlg.iAnzahl = static_cast<int>(start.Eingabezeilen.size());
  float shg = 0.0f;
  const int typ = dlg.ZeilenTyp(0, zeile, shg);
  // Every refusal tells the user why.
  FUZZ_PRUEFEN(typ != Dateneingabe::kFehler || plattform.meldungen.size() == 1);
  FUZZ_PRUEFEN(typ == Dateneingabe::kFehler || plattform.meldungen.empty());
  return typ;
}

void ZusatzPruefen(const Kopfzusatz& z) {
  if (z.Porositaet) FUZZ_PRUEFEN(*z.Porositaet > 0.0f && *z.Porositaet < 1.0f);
  if (z.Schliessdruck) FUZZ_PRUEFEN(std::isfinite(*z.Schliessdruck) && *z.Schliessdruck > 0.0f);
  if (!z.Fehler.empty()) {
    FUZZ_PRUEFEN(z.Fehler == kPorositaetAnteil || z.Fehler == kSchliessdruckPositiv ||
                 z.Fehler == kKopfzusatzOhneKern || z.Fehler == kKopfzusatzDoppelt);
  }
}

}  // namespace

// Input: the header line's first part up to the first byte 0xFF (raw), then
// one byte per added word, picking from kWoerter (or a raw byte pair).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (laenge > 400) return 0;
  const std::string_view alles(reinterpret_cast<const char*>(daten), laenge);
  const std::size_t trenner = alles.find('\xFF');
  std::string basis(alles.substr(0, trenner));
  std::string zusatz;
  if (trenner != std::string_view::npos) {
    for (std::size_t i = trenner + 1; i < laenge; ++i) {
      const std::uint8_t b = daten[i];
      zusatz += ' ';
      if (b < 2 * std::size(kWoerter)) {
        zusatz += kWoerter[b % std::size(kWoerter)];
      } else {
        zusatz += static_cast<char>(b);
      }
    }
  }
  const std::string zeile = basis + zusatz;

  const Kopfzusatz z = kopfzeile::Lesen(zeile);
  ZusatzPruefen(z);
  ZusatzPruefen(kopfzeile::Lesen(basis));

  // What the line check accepts as a header, Lesen takes without fault, and
  // porosity or closure pressure stand after a real label.
  const Gelesen gelesen = Lesen(zeile);
  for (const bool leer : {false, true}) {
    if (Zeilentyp(zeile, leer) != Dateneingabe::kKopfzeile) continue;
    FUZZ_PRUEFEN(z.Fehler.empty());
    if (z.Porositaet || z.Schliessdruck) {
      FUZZ_PRUEFEN(gelesen.kopf && !gelesen.kern.empty() && !kopfzeile::IstZusatzwort(gelesen.kern));
    }
  }

  // Words added after a label never change the reader's permeability and label.
  const Gelesen ohne = Lesen(basis);
  if (ohne.kopf && !ohne.kern.empty()) {
    FUZZ_PRUEFEN(gelesen.kopf);
    FUZZ_PRUEFEN(gelesen.perm == ohne.perm || (std::isnan(gelesen.perm) && std::isnan(ohne.perm)));
    FUZZ_PRUEFEN(gelesen.kern == ohne.kern);
  }

  // A valid porosity after the label of an accepted header without added
  // words is accepted too, and read.
  const Kopfzusatz zb = kopfzeile::Lesen(basis);
  if (ohne.kopf && !ohne.kern.empty() && !kopfzeile::IstZusatzwort(ohne.kern) && zb.Fehler.empty() && !zb.Porositaet &&
      !zb.Schliessdruck && Zeilentyp(basis, false) == Dateneingabe::kKopfzeile) {
    const std::string mit = basis + " POROSITAET: 0.25";
    FUZZ_PRUEFEN(Zeilentyp(mit, false) == Dateneingabe::kKopfzeile);
    FUZZ_PRUEFEN(kopfzeile::Lesen(mit).Porositaet == 0.25f);
  }
  return 0;
}
