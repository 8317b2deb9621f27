#include "LasSchreiben.h"

#include <charconv>
#include <cmath>
#include <functional>

#include "LasZeilen.h"
#include "TextFormat.h"
#include "Textdatei.h"

namespace bohrung {

namespace {

// The output is handed on in pieces of about this size.
constexpr std::size_t kStueck = std::size_t{1} << 20;
// Width of an added value: right-aligned like the columns of most logs.
constexpr std::size_t kBreite = 10;
constexpr int kNachkommastellen = 4;

bool GleichOhneFall(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto gross = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (gross(a[i]) != gross(b[i])) return false;
  }
  return true;
}

std::string FreierName(const Kopf& kopf, const std::string& basis, const std::string& auchNicht = "") {
  for (int n = 1;; ++n) {
    const std::string name = n == 1 ? basis : text::Format("%s_%d", basis, n);
    bool frei = !GleichOhneFall(name, auchNicht);
    for (const Kurve& k : kopf.kurven) frei = frei && !GleichOhneFall(k.kuerzel, name);
    if (frei) return name;
  }
}

// LAS is ASCII: German letters written out, anything else as "?".
std::string Ascii(const std::string& utf8) {
  std::string aus;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c >= 32 && c < 127) {
      aus += static_cast<char>(c);
      continue;
    }
    if (c < 0x80) continue;
    const std::string_view rest = std::string_view(utf8).substr(i);
    static constexpr std::pair<const char*, const char*> kUmschrift[] = {
        {"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}, {"Ä", "Ae"}, {"Ö", "Oe"}, {"Ü", "Ue"}, {"ß", "ss"}};
    bool ersetzt = false;
    for (const auto& [zeichen, ersatz] : kUmschrift) {
      if (rest.substr(0, 2) == zeichen) {
        aus += ersatz;
        ++i;
        ersetzt = true;
        break;
      }
    }
    if (ersetzt) continue;
    aus += '?';
    // Skip the rest of the character.
    while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) ++i;
  }
  return aus;
}

// Appends a value right-aligned in the column width, or the NULL value.
void Wert(std::string& aus, double w, const std::string& null) {
  char puffer[400];
  std::string_view text = null;
  if (std::isfinite(w)) {
    const auto [ende, ec] =
        std::to_chars(puffer, puffer + sizeof puffer, w, std::chars_format::fixed, kNachkommastellen);
    if (ec == std::errc()) text = std::string_view(puffer, static_cast<std::size_t>(ende - puffer));
  }
  aus += ' ';
  if (text.size() < kBreite) aus.append(kBreite - text.size(), ' ');
  aus += text;
}

// Tells whether the ~A line names the columns: "~A  DEPT  PHIE  PERM".
bool NenntSpalten(std::string_view s, const std::vector<Kurve>& kurven) {
  std::size_t wort = 0;
  for (std::size_t i = 0; i < s.size();) {
    while (i < s.size() && IstLeerzeichen(s[i])) ++i;
    if (i == s.size()) break;
    const std::size_t anfang = i;
    while (i < s.size() && !IstLeerzeichen(s[i])) ++i;
    if (wort > 0 && (wort > kurven.size() || !GleichOhneFall(s.substr(anfang, i - anfang), kurven[wort - 1].kuerzel))) {
      return false;
    }
    ++wort;
  }
  return wort == kurven.size() + 1;
}

class Schreiber {
 public:
  Schreiber(const Bohrung& b, const Auswertung& a, const text::Schreibfunktion& schreiben)
      : b_(b), a_(a), schreiben_(schreiben), namen_(AusgabekurvenNamen(b.kopf)) {
    puffer_.reserve(kStueck + 4096);
  }

  bool Ausgeben(Zeilenquelle& quelle, std::string& fehler);

 private:
  bool Leeren() {
    const bool ok = puffer_.empty() || schreiben_(puffer_);
    puffer_.clear();
    return ok;
  }
  void Kurvenzeilen(std::string_view ende);

  const Bohrung& b_;
  const Auswertung& a_;
  const text::Schreibfunktion& schreiben_;
  Ausgabekurven namen_;
  std::string puffer_;
};

void Schreiber::Kurvenzeilen(std::string_view ende) {
  const std::string& einheit = b_.kopf.Tiefeneinheitstext();
  const std::string modell = a_.modell.empty() ? std::string() : " (" + Ascii(a_.modell) + ")";
  puffer_ += namen_.sw + ".V/V  : Wassersaettigung des Saettigungshoehenmodells" + modell;
  puffer_ += ende;
  puffer_ += namen_.hafwl + "." + einheit + "  : Hoehe ueber dem freien Wasserspiegel (FWL " +
             text::Format("%.10g", a_.fwl) + " " + einheit + ")";
  puffer_ += ende;
}

bool Schreiber::Ausgeben(Zeilenquelle& quelle, std::string& fehler) {
  const std::string veraendert =
      quelle.Name().empty()
          ? std::string("Die LAS-Daten sind nicht die, aus denen die Bohrung gelesen wurde; nichts wurde geschrieben.")
          : text::Format(
                "Die Datei %s hat sich geändert, seit die Bohrung aus ihr gelesen wurde; bitte die Bohrung "
                "neu laden.",
                quelle.Name());
  if (!quelle.Oeffnen(fehler)) return false;
  char abschnitt = 0;
  bool imA = false;
  std::size_t zeile = 0;
  std::string_view vorigesEnde = "\n";
  Laszeile z;
  fehler.clear();
  while (quelle.Naechste(z, fehler)) {
    char neu = 0;
    const Zeilenart art = Art(Inhalt(z), neu);
    if (!imA) {
      if (art == Zeilenart::Abschnitt) {
        // The added curves close ~C, behind everything it held.
        if (abschnitt == 'C') Kurvenzeilen(vorigesEnde);
        abschnitt = neu;
        imA = neu == 'A';
        puffer_ += z.inhalt;
        // A title row of the columns after ~A gets the two names too.
        if (imA && NenntSpalten(z.inhalt, b_.kopf.kurven)) puffer_ += "  " + namen_.sw + "  " + namen_.hafwl;
      } else {
        puffer_ += z.inhalt;
      }
    } else if (art == Zeilenart::Inhalt) {
      if (zeile >= b_.Zeilen() || zeile >= a_.sw.size()) {
        fehler = veraendert;
        return false;
      }
      puffer_ += z.inhalt;
      Wert(puffer_, a_.sw[zeile], b_.kopf.nullText);
      const double hoehe = a_.fwl - b_.tiefe[zeile];
      Wert(puffer_, hoehe, b_.kopf.nullText);
      ++zeile;
    } else {
      puffer_ += z.inhalt;
    }
    puffer_ += z.ende;
    if (!z.ende.empty()) vorigesEnde = z.ende;
    if (puffer_.size() >= kStueck && !Leeren()) return false;
  }
  if (!fehler.empty()) return false;
  if (zeile != b_.Zeilen() || quelle.Groesse() != b_.groesse || quelle.Summe() != b_.pruefsumme) {
    fehler = veraendert;
    return false;
  }
  return Leeren();
}

}  // namespace

Ausgabekurven AusgabekurvenNamen(const Kopf& kopf) {
  Ausgabekurven n;
  n.sw = FreierName(kopf, "SW");
  n.hafwl = FreierName(kopf, "HAFWL", n.sw);
  return n;
}

bool LasSchreiben(std::string_view eingabe, const Bohrung& b, const Auswertung& a, std::string& aus,
                  std::string& fehler) {
  std::string ergebnis;
  const text::Schreibfunktion anhaengen = [&ergebnis](std::string_view stueck) {
    ergebnis += stueck;
    return true;
  };
  Zeilenquelle quelle(eingabe, "");
  if (!Schreiber(b, a, anhaengen).Ausgeben(quelle, fehler)) return false;
  aus = std::move(ergebnis);
  return true;
}

bool LasSpeichern(const std::string& pfad, const Bohrung& b, const Auswertung& a, std::string& fehler) {
  if (b.pfad.empty()) {
    fehler = "Die Bohrung wurde nicht aus einer Datei gelesen.";
    return false;
  }
  return text::DateiSchreibenStueckweise(
      pfad,
      [&](const text::Schreibfunktion& schreiben, std::string& grund) {
        Zeilenquelle quelle{std::string(b.pfad)};
        return Schreiber(b, a, schreiben).Ausgeben(quelle, grund);
      },
      fehler);
}

}  // namespace bohrung
