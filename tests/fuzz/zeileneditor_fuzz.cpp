// The line editor's commit sequence against a mirror of the list: any
// sequence of double-clicks, mode radios, typing and commits changes the
// list only as the question the user answered Yes says, and the working
// lines, the list box and the mirror always agree.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Dateneingabe.h"
#include "EingabeDaten.h"
#include "FakeFenster.h"
#include "FuzzPlattform.h"

namespace {

const char* const kGeaendert = "Soll diese Zeile geändert werden?\n";
const char* const kAngehaengt = "Soll diese Zeile angehängt werden?\n";
const char* const kEingefuegt = "Soll die Folgezeile vor der markarkierten eingefügt werden?\n";
const char* const kGeloescht = "Soll diese Zeile wirklich gelöscht werden?\n";

const char* const kTexte[] = {"PERMEABILITAET: 12.5 K1",
                              "PERMEABILITAET: 0 K",
                              "PERMEABILITAET: 1e39 B",
                              "ENDE",
                              "ende",
                              "0.1 0",
                              "0.2 0",
                              "0.5 0.3",
                              "2 0.6",
                              "4 0.7",
                              "1 1.5",
                              "-1 0.2",
                              "nan 0.5",
                              "1e39 0.6",
                              "1 1e-400",
                              "",
                              "Info 12 x",
                              "0.3 0.35 Rest"};

bool Beginnt(const std::string& s, const char* anfang, std::string& rest) {
  const std::string a(anfang);
  if (s.rfind(a, 0) != 0) return false;
  rest = s.substr(a.size());
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  FuzzPlattform plattform;
  FakeFenster fenster;
  Dateneingabe dlg(plattform, fenster);
  EingabeDaten start;
  start.Eingabezeilen = {"PERMEABILITAET: 1 A", "0.1 0", "0.5 0.3", "2 0.6", "ENDE"};
  dlg.SetDaten(start);
  dlg.OnInitDialog();
  std::vector<std::string> spiegel = start.Eingabezeilen;

  std::size_t i = 0;
  auto naechstes = [&]() -> std::uint8_t { return i < laenge ? daten[i++] : 0; };
  while (i < laenge) {
    const std::uint8_t op = naechstes();
    switch (op % 8) {
      case 0: {  // double-click on a line, or on no line
        const int n = static_cast<int>(spiegel.size()) + 1;
        fenster.auswahl = static_cast<int>(naechstes() % n) - (n > 1 ? 0 : 1);
        if (fenster.auswahl >= static_cast<int>(spiegel.size())) fenster.auswahl = -1;
        dlg.OnDblclkListe();
        break;
      }
      case 1:
        fenster.felder.Option = Dateneingabe::kAendern;
        dlg.OnZeileAendern();
        break;
      case 2:
        fenster.felder.Option = Dateneingabe::kAnhaengen;
        dlg.OnZeileAnhaengen();
        break;
      case 3:
        fenster.felder.Option = Dateneingabe::kEinfuegen;
        dlg.OnZeileEinfuegen();
        break;
      case 4:
        fenster.felder.Option = Dateneingabe::kLoeschen;
        dlg.OnZeileLoeschen();
        break;
      case 5:
        fenster.felder.Zeile = kTexte[naechstes() % (sizeof kTexte / sizeof kTexte[0])];
        break;
      case 6: {  // raw typing
        const std::size_t n = naechstes() % 24;
        std::string text;
        for (std::size_t k = 0; k < n && i < laenge; ++k) text += static_cast<char>(naechstes());
        fenster.felder.Zeile = text;
        break;
      }
      default: {  // leave the edit, answering the question from the input
        const int zeile = dlg.iZeile;
        const bool ja = (op & 0x80) != 0;
        plattform.antworten = {ja};
        const std::size_t fragenVorher = plattform.fragen.size();
        dlg.OnKillfocusZeile();
        FUZZ_PRUEFEN(plattform.fragen.size() <= fragenVorher + 1);
        if (plattform.fragen.size() == fragenVorher + 1 && ja) {
          const std::string& frage = plattform.fragen.back();
          std::string rest;
          const auto index = static_cast<std::size_t>(zeile);
          if (Beginnt(frage, kGeaendert, rest)) {
            FUZZ_PRUEFEN(zeile >= 0 && index < spiegel.size());
            spiegel[index] = rest;
          } else if (Beginnt(frage, kAngehaengt, rest)) {
            spiegel.push_back(rest);
          } else if (Beginnt(frage, kEingefuegt, rest)) {
            FUZZ_PRUEFEN(zeile >= 0 && index <= spiegel.size());
            spiegel.insert(spiegel.begin() + zeile, rest);
          } else if (Beginnt(frage, kGeloescht, rest)) {
            FUZZ_PRUEFEN(zeile >= 0 && index < spiegel.size() && spiegel[index] == rest);
            spiegel.erase(spiegel.begin() + zeile);
          } else {
            FUZZ_PRUEFEN(false);
          }
        }
        break;
      }
    }
    FUZZ_PRUEFEN(dlg.Liste == spiegel);
    FUZZ_PRUEFEN(fenster.liste == spiegel);
    FUZZ_PRUEFEN(dlg.Eingabezeilen == spiegel);
  }
  return 0;
}
