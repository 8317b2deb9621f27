#include "LasLesen.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "Cp1252.h"
#include "LasZeilen.h"
#include "TextFormat.h"

namespace bohrung {

namespace {

// The porosity and permeability mnemonics preset, in this order.
constexpr const char* kPorositaetskuerzel[] = {"PHIT", "PHIE", "PHI", "POR", "PORO", "PHIT_D"};
constexpr const char* kPermeabilitaetskuerzel[] = {"PERM", "K", "KLOG"};

// A value of ~A quoted in a message is cut to this many characters.
constexpr std::size_t kZitatLaenge = 30;

inline bool Leer(char c) { return IstLeerzeichen(c); }

std::string_view Beschnitten(std::string_view s) {
  while (!s.empty() && Leer(s.front())) s.remove_prefix(1);
  while (!s.empty() && Leer(s.back())) s.remove_suffix(1);
  return s;
}

char Gross(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Compares ASCII letters without regard to case.
bool Gleich(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Gross(a[i]) != Gross(b[i])) return false;
  }
  return true;
}

bool Einer(std::string_view s, std::initializer_list<const char*> namen) {
  for (const char* n : namen) {
    if (Gleich(s, n)) return true;
  }
  return false;
}

// Bytes of the file as UTF-8 for a message: as they are when they are
// UTF-8, else as Windows-1252.
std::string Lesbar(std::string_view roh) { return text::IstUtf8(roh) ? std::string(roh) : text::Cp1252NachUtf8(roh); }

std::string Zitat(std::string_view roh) {
  std::string s = Lesbar(roh);
  if (text::Zeichenzahl(s) <= kZitatLaenge) return s;
  std::size_t zeichen = 0;
  std::size_t i = 0;
  for (; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && zeichen++ == kZitatLaenge) break;
  }
  return s.substr(0, i) + "\u2026";
}

// A line of ~V, ~W, ~C or ~P split at its delimiters: the first dot, the
// first blank after it and the last colon.
struct Feldzeile {
  std::string_view kuerzel;
  std::string_view einheit;
  std::string_view daten;
  std::string_view beschreibung;
};

bool Zerlegen(std::string_view z, Feldzeile& f) {
  const std::size_t punkt = z.find('.');
  if (punkt == std::string_view::npos) return false;
  f.kuerzel = Beschnitten(z.substr(0, punkt));
  std::size_t einheitEnde = punkt + 1;
  while (einheitEnde < z.size() && !Leer(z[einheitEnde])) ++einheitEnde;
  const std::size_t doppelpunkt = z.rfind(':');
  const bool mitDoppelpunkt = doppelpunkt != std::string_view::npos && doppelpunkt > punkt;
  // A unit never holds a colon: "DEPT.M: Tiefe" has the unit M.
  if (mitDoppelpunkt && doppelpunkt < einheitEnde) einheitEnde = doppelpunkt;
  f.einheit = z.substr(punkt + 1, einheitEnde - punkt - 1);
  if (mitDoppelpunkt) {
    f.daten = Beschnitten(z.substr(einheitEnde, doppelpunkt - einheitEnde));
    f.beschreibung = Beschnitten(z.substr(doppelpunkt + 1));
  } else {
    f.daten = Beschnitten(z.substr(einheitEnde));
    f.beschreibung = std::string_view();
  }
  return true;
}

std::optional<Tiefeneinheit> Einheit(std::string_view e) {
  if (Gleich(e, "M")) return Tiefeneinheit::Meter;
  if (Einer(e, {"F", "FT", "FEET"})) return Tiefeneinheit::Fuss;
  return std::nullopt;
}

std::optional<Porositaetseinheit> PorositaetsEinheit(std::string_view e) {
  if (Einer(e, {"", "V/V", "DEC", "FRAC", "FRACTION", "VOL/VOL", "M3/M3"})) return Porositaetseinheit::Anteil;
  if (Einer(e, {"%", "PU", "P.U.", "PERCENT"})) return Porositaetseinheit::Prozent;
  return std::nullopt;
}

bool IstPermeabilitaetsEinheit(std::string_view e) { return Einer(e, {"", "MD"}); }

bool IstPermKuerzel(std::string_view k) { return k.size() > 5 && Gleich(k.substr(0, 5), "PERM_"); }

int Finden(const std::vector<Kurve>& kurven, std::string_view kuerzel) {
  for (std::size_t i = 1; i < kurven.size(); ++i) {
    if (Gleich(kurven[i].kuerzel, kuerzel)) return static_cast<int>(i);
  }
  return -1;
}

void Vorschlagen(Kopf& kopf) {
  kopf.vorschlagPorositaet = -1;
  for (const char* k : kPorositaetskuerzel) {
    if ((kopf.vorschlagPorositaet = Finden(kopf.kurven, k)) >= 0) break;
  }
  kopf.vorschlagPermeabilitaet = -1;
  for (const char* k : kPermeabilitaetskuerzel) {
    if ((kopf.vorschlagPermeabilitaet = Finden(kopf.kurven, k)) >= 0) return;
  }
  for (std::size_t i = 1; i < kopf.kurven.size(); ++i) {
    if (IstPermKuerzel(kopf.kurven[i].kuerzel)) {
      kopf.vorschlagPermeabilitaet = static_cast<int>(i);
      return;
    }
  }
}

// A refusal: the line (0 for none) and the reason.
struct Ablehnung {
  int zeile = 0;
  std::string grund;
};

// Reads the header and, with a choice of curves, the data of one log.
class Leser {
 public:
  Leser(Zeilenquelle& quelle, const Kurvenwahl* wahl) : quelle_(quelle), wahl_(wahl) {}

  bool Lesen(Bohrung& b, Ablehnung& a);

 private:
  bool Ablehnen(int zeile, std::string grund) {
    ablehnung_ = {zeile, std::move(grund)};
    return false;
  }
  bool Kopfzeile(const Laszeile& z, std::string_view inhalt, Kopf& kopf);
  bool KopfAbschliessen(Kopf& kopf);
  bool KurvenWaehlen(Bohrung& b);
  bool Datenzeile(const Laszeile& z, Bohrung& b);
  bool PorositaetseinheitPruefen(const Bohrung& b);

  Zeilenquelle& quelle_;
  const Kurvenwahl* wahl_;
  Ablehnung ablehnung_;

  char abschnitt_ = 0;  // the letter of the section, 0 before the first
  bool utf8Gueltig_ = true;
  bool hohesByte_ = false;
  std::optional<Tiefeneinheit> stepEinheit_;

  std::vector<std::string_view> werte_;
  double vorigeTiefe_ = 0.0;
  int vorigeZeile_ = 0;
  std::string vorigeText_;
  int richtung_ = 0;
  // Porosity values read (not NULL), and those above 1 with the first.
  std::size_t phiGelesen_ = 0;
  std::size_t phiUeberEins_ = 0;
  int phiUeberEinsZeile_ = 0;
  std::string phiUeberEinsText_;
};

bool Leser::Kopfzeile(const Laszeile& z, std::string_view inhalt, Kopf& kopf) {
  Feldzeile f;
  switch (abschnitt_) {
    case 'V':
      if (!Zerlegen(inhalt, f)) return true;
      if (Gleich(f.kuerzel, "VERS")) {
        kopf.version = std::string(f.daten);
        double v = 0.0;
        if (!LasZahl(f.daten, v) || v < 1.0 || v >= 3.0) {
          return Ablehnen(z.nummer, text::Format("LAS %s wird nicht gelesen, nur LAS 2.0 (und 1.2).", Zitat(f.daten)));
        }
      } else if (Gleich(f.kuerzel, "WRAP") && Gleich(f.daten, "YES")) {
        return Ablehnen(z.nummer,
                        "WRAP. YES (eine Tiefe auf mehreren Zeilen) wird nicht gelesen, nur WRAP. NO (eine Zeile je "
                        "Tiefe).");
      }
      return true;
    case 'W': {
      if (!Zerlegen(inhalt, f)) return true;
      double v = 0.0;
      if (Gleich(f.kuerzel, "NULL")) {
        if (!LasZahl(f.daten, v))
          return Ablehnen(z.nummer, text::Format("Der NULL-Wert „%s“ ist keine Zahl.", Zitat(f.daten)));
        kopf.nullwert = v;
        kopf.nullText = std::string(f.daten);
      } else if (Gleich(f.kuerzel, "STRT")) {
        if (LasZahl(f.daten, v)) kopf.strt = v;
      } else if (Gleich(f.kuerzel, "STOP")) {
        if (LasZahl(f.daten, v)) kopf.stop = v;
      } else if (Gleich(f.kuerzel, "STEP")) {
        if (LasZahl(f.daten, v)) {
          kopf.step = v;
          stepEinheit_ = Einheit(f.einheit);
        }
      } else if (Gleich(f.kuerzel, "WELL")) {
        // LAS 1.2 writes the name after the colon.
        kopf.bohrung = std::string(f.daten.empty() ? f.beschreibung : f.daten);
      }
      return true;
    }
    case 'C': {
      if (!Zerlegen(inhalt, f) || f.kuerzel.empty() || f.kuerzel.find_first_of(" \t:") != std::string_view::npos) {
        return Ablehnen(z.nummer, text::Format("Die Kurvenzeile „%s“ hat nicht die Form MNEM.EINHEIT DATEN : "
                                               "BESCHREIBUNG.",
                                               Zitat(Beschnitten(inhalt))));
      }
      kopf.kurven.push_back({std::string(f.kuerzel), std::string(f.einheit), std::string(f.daten),
                             std::string(f.beschreibung), z.nummer});
      return true;
    }
    default:
      // ~P, ~O and sections of others' own: passed over (the writer copies them).
      return true;
  }
}

bool Leser::KopfAbschliessen(Kopf& kopf) {
  if (kopf.kurven.empty()) return Ablehnen(kopf.zeileA, "Vor ~A steht kein Abschnitt ~C mit Kurven.");
  // As the text import decides: UTF-8 when the header is well-formed UTF-8
  // with a byte above 127, else Windows-1252. The data are plain numbers.
  kopf.utf8 = hohesByte_ && utf8Gueltig_;
  if (!kopf.utf8) {
    auto wandeln = [](std::string& s) { s = text::Cp1252NachUtf8(s); };
    wandeln(kopf.version);
    wandeln(kopf.bohrung);
    wandeln(kopf.nullText);
    for (Kurve& k : kopf.kurven) {
      wandeln(k.kuerzel);
      wandeln(k.einheit);
      wandeln(k.daten);
      wandeln(k.beschreibung);
    }
  }
  const Kurve& tiefe = kopf.kurven.front();
  const std::optional<Tiefeneinheit> e = Einheit(tiefe.einheit);
  if (!e) {
    return Ablehnen(tiefe.zeile, text::Format("Die Tiefenkurve %s hat die Einheit „%s“; gelesen werden M (Meter) "
                                              "und F, FT, FEET (Fuß).",
                                              tiefe.kuerzel, tiefe.einheit));
  }
  kopf.tiefeneinheit = *e;
  if (kopf.step && *kopf.step != 0.0 && std::isfinite(*kopf.step)) {
    kopf.stepMeter = std::fabs(*kopf.step) * Meter(stepEinheit_.value_or(*e));
  }
  Vorschlagen(kopf);
  return true;
}

bool Leser::KurvenWaehlen(Bohrung& b) {
  const Kopf& kopf = b.kopf;
  auto waehlen = [&](const std::string& gewaehlt, int vorschlag, const char* was, const char* groesse,
                     const char* liste, int& index) {
    if (gewaehlt.empty()) {
      if (vorschlag < 0) {
        return Ablehnen(kopf.zeileC,
                        text::Format("Im Abschnitt ~C steht keine %skurve (%s); bitte eine wählen.", was, liste));
      }
      index = vorschlag;
      return true;
    }
    if (!kopf.kurven.empty() && Gleich(kopf.kurven.front().kuerzel, gewaehlt)) {
      return Ablehnen(kopf.kurven.front().zeile,
                      text::Format("Die Tiefenkurve %s kann nicht die %s sein.", kopf.kurven.front().kuerzel, groesse));
    }
    index = Finden(kopf.kurven, gewaehlt);
    if (index < 0) {
      return Ablehnen(kopf.zeileC, text::Format("Die %skurve „%s“ steht nicht im Abschnitt ~C.", was, gewaehlt));
    }
    return true;
  };
  if (!waehlen(wahl_->porositaet, kopf.vorschlagPorositaet, "Porositäts", "Porosität",
               "PHIT, PHIE, PHI, POR, PORO oder PHIT_D", b.porositaet) ||
      !waehlen(wahl_->permeabilitaet, kopf.vorschlagPermeabilitaet, "Permeabilitäts", "Permeabilität",
               "PERM, K, KLOG oder PERM_…", b.permeabilitaet)) {
    return false;
  }
  const Kurve& phi = b.Porositaetskurve();
  const Kurve& k = b.Permeabilitaetskurve();
  if (b.porositaet == b.permeabilitaet) {
    return Ablehnen(phi.zeile,
                    text::Format("Porosität und Permeabilität können nicht dieselbe Kurve %s sein.", phi.kuerzel));
  }
  const std::optional<Porositaetseinheit> pe = PorositaetsEinheit(phi.einheit);
  if (!pe) {
    return Ablehnen(phi.zeile, text::Format("Die Porositätskurve %s hat die Einheit „%s“; gelesen werden V/V, DEC, "
                                            "FRAC oder keine Einheit (Anteil) und %%, PU (Prozent).",
                                            phi.kuerzel, phi.einheit));
  }
  b.porositaetseinheit = *pe;
  b.permeabilitaetLog = Gleich(k.kuerzel, "KLOG");
  if (!b.permeabilitaetLog && !IstPermeabilitaetsEinheit(k.einheit)) {
    return Ablehnen(k.zeile, text::Format("Die Permeabilitätskurve %s hat die Einheit „%s“; gelesen wird MD (mD) "
                                          "oder keine Einheit, bei KLOG log10 von mD.",
                                          k.kuerzel, k.einheit));
  }
  return true;
}

bool Leser::Datenzeile(const Laszeile& z, Bohrung& b) {
  const std::size_t n = b.kopf.kurven.size();
  werte_.clear();
  const std::string_view s = z.inhalt;
  for (std::size_t i = 0; i < s.size();) {
    while (i < s.size() && Leer(s[i])) ++i;
    if (i == s.size()) break;
    const std::size_t anfang = i;
    while (i < s.size() && !Leer(s[i])) ++i;
    werte_.push_back(s.substr(anfang, i - anfang));
  }
  if (werte_.size() != n) {
    return Ablehnen(z.nummer, text::Format("Die Datenzeile hat %d Werte, der Abschnitt ~C nennt %d Kurven.",
                                           static_cast<long long>(werte_.size()), static_cast<long long>(n)));
  }
  const std::size_t ip = static_cast<std::size_t>(b.porositaet);
  const std::size_t ik = static_cast<std::size_t>(b.permeabilitaet);
  double tiefe = 0.0;
  double phiRoh = 0.0;
  double kRoh = 0.0;
  for (std::size_t j = 0; j < n; ++j) {
    double v = 0.0;
    if (!LasZahl(werte_[j], v)) {
      return Ablehnen(z.nummer, text::Format("Der Wert „%s“ der Kurve %s ist keine Zahl.", Zitat(werte_[j]),
                                             b.kopf.kurven[j].kuerzel));
    }
    if (j == 0) tiefe = v;
    if (j == ip) phiRoh = v;
    if (j == ik) kRoh = v;
  }

  const double null = b.kopf.nullwert;
  Grund grund = Grund::Keiner;
  if (tiefe == null) {
    grund = Grund::TiefeNull;
    tiefe = std::nan("");
  } else {
    if (vorigeZeile_ > 0) {
      const double d = tiefe - vorigeTiefe_;
      const int r = d > 0 ? 1 : (d < 0 ? -1 : 0);
      if (r == 0 || (richtung_ != 0 && r != richtung_)) {
        return Ablehnen(z.nummer, text::Format("Die Tiefe %s folgt auf %s der Zeile %d; die Tiefen müssen "
                                               "durchgehend steigen oder durchgehend fallen.",
                                               std::string(werte_[0]), vorigeText_, vorigeZeile_));
      }
      richtung_ = r;
    }
    vorigeTiefe_ = tiefe;
    vorigeZeile_ = z.nummer;
    vorigeText_.assign(werte_[0]);
  }

  double phi = std::nan("");
  if (phiRoh == null) {
    if (grund == Grund::Keiner) grund = Grund::PorositaetNull;
  } else {
    phi = b.porositaetseinheit == Porositaetseinheit::Prozent ? phiRoh / 100.0 : phiRoh;
    ++phiGelesen_;
    if (phiRoh > 1.0 && phiUeberEins_++ == 0) {
      phiUeberEinsZeile_ = z.nummer;
      phiUeberEinsText_.assign(werte_[ip]);
    }
  }
  double k = std::nan("");
  if (kRoh == null) {
    if (grund == Grund::Keiner) grund = Grund::PermeabilitaetNull;
  } else {
    k = b.permeabilitaetLog ? std::pow(10.0, kRoh) : kRoh;
  }
  if (grund == Grund::Keiner) {
    if (!(phi > 0.0 && phi < 1.0)) {
      grund = Grund::PorositaetAusserhalb;
    } else if (!std::isfinite(k)) {
      grund = Grund::PermeabilitaetUnendlich;
    } else if (!(k > 0.0)) {
      grund = Grund::PermeabilitaetNichtPositiv;
    }
  }
  b.tiefe.push_back(tiefe);
  b.phi.push_back(phi);
  b.k.push_back(k);
  b.zeile.push_back(static_cast<std::uint32_t>(z.nummer));
  b.grund.push_back(grund);
  return true;
}

bool Leser::PorositaetseinheitPruefen(const Bohrung& b) {
  // A fraction never exceeds 1: mostly values above 1 are percent.
  if (b.porositaetseinheit != Porositaetseinheit::Anteil || 2 * phiUeberEins_ <= phiGelesen_) return true;
  const Kurve& phi = b.Porositaetskurve();
  return Ablehnen(phi.zeile, text::Format("Die Porositätskurve %s hat die Einheit „%s“ (Anteil), doch die meisten "
                                          "ihrer Werte liegen über 1 (%s in Zeile %d): sie sind wohl Prozent. Bitte "
                                          "die Einheit der Kurve prüfen (%% oder PU für Prozent).",
                                          phi.kuerzel, phi.einheit, phiUeberEinsText_, phiUeberEinsZeile_));
}

bool Leser::Lesen(Bohrung& b, Ablehnung& a) {
  std::string fehler;
  if (!quelle_.Oeffnen(fehler)) {
    a = {0, fehler};
    return false;
  }
  Kopf& kopf = b.kopf;
  bool imA = false;
  int letzte = 0;
  Laszeile z;
  while (quelle_.Naechste(z, fehler)) {
    letzte = z.nummer;
    const std::string_view inhalt = Inhalt(z);
    char abschnitt = 0;
    const Zeilenart art = Art(inhalt, abschnitt);
    if (!imA) {
      for (const char c : inhalt) {
        if (static_cast<unsigned char>(c) > 127) {
          hohesByte_ = true;
          break;
        }
      }
      if (hohesByte_ && utf8Gueltig_ && !text::IstUtf8(inhalt)) utf8Gueltig_ = false;
      if (art == Zeilenart::Leer || art == Zeilenart::Kommentar) continue;
      if (art == Zeilenart::Abschnitt) {
        abschnitt_ = abschnitt;
        if (abschnitt_ == 'C') {
          if (kopf.zeileC != 0) {
            a = {z.nummer, text::Format("Der Abschnitt ~C steht zum zweiten Mal in der Datei (zuerst in Zeile %d).",
                                        kopf.zeileC)};
            return false;
          }
          kopf.zeileC = z.nummer;
        }
        if (abschnitt_ == 'A') {
          kopf.zeileA = z.nummer;
          imA = true;
          if (!KopfAbschliessen(kopf)) break;
          if (wahl_ == nullptr) {
            a = {};
            return true;
          }
          if (!KurvenWaehlen(b)) break;
        }
        continue;
      }
      if (!Kopfzeile(z, inhalt, kopf)) break;
      continue;
    }
    if (art == Zeilenart::Leer || art == Zeilenart::Kommentar) continue;
    if (art == Zeilenart::Abschnitt) {
      ablehnung_ = {z.nummer, text::Format("Nach dem Abschnitt ~A (Zeile %d) beginnt ein weiterer Abschnitt; in "
                                           "LAS 2.0 stehen die Daten am Ende der Datei.",
                                           kopf.zeileA)};
      break;
    }
    if (!Datenzeile(z, b)) break;
  }
  if (!ablehnung_.grund.empty()) {
    a = ablehnung_;
    return false;
  }
  if (!fehler.empty()) {
    a = {0, fehler};
    return false;
  }
  if (!imA) {
    a = letzte == 0 ? Ablehnung{0, "Die Datei ist leer; ihr fehlt der Abschnitt ~A mit den Daten."}
                    : Ablehnung{letzte, "Die Datei endet ohne Abschnitt ~A mit den Daten."};
    return false;
  }
  if (b.Zeilen() == 0) {
    a = {kopf.zeileA, "Der Abschnitt ~A enthält keine Datenzeile."};
    return false;
  }
  if (!PorositaetseinheitPruefen(b)) {
    a = ablehnung_;
    return false;
  }
  b.groesse = quelle_.Groesse();
  b.pruefsumme = quelle_.Summe();
  return true;
}

std::string Meldung(const Ablehnung& a, const std::string& pfad) {
  if (a.zeile <= 0) return a.grund;
  if (pfad.empty()) return text::Format("Zeile %d: %s", a.zeile, a.grund);
  return text::Format("%s, Zeile %d: %s", pfad, a.zeile, a.grund);
}

bool KopfAus(Zeilenquelle& quelle, const std::string& pfad, Kopf& kopf, std::string& fehler) {
  Bohrung b;
  Ablehnung a;
  if (!Leser(quelle, nullptr).Lesen(b, a)) {
    fehler = Meldung(a, pfad);
    return false;
  }
  kopf = std::move(b.kopf);
  return true;
}

bool LogAus(Zeilenquelle& quelle, const std::string& pfad, const Kurvenwahl& wahl, Bohrung& bohrung,
            std::string& fehler) {
  Bohrung b;
  Ablehnung a;
  if (!Leser(quelle, &wahl).Lesen(b, a)) {
    fehler = Meldung(a, pfad);
    return false;
  }
  b.pfad = pfad;
  bohrung = std::move(b);
  return true;
}

}  // namespace

double Meter(Tiefeneinheit e) { return e == Tiefeneinheit::Fuss ? 0.3048 : 1.0; }

const std::string& Kopf::Tiefeneinheitstext() const {
  static const std::string kMeter = "M";
  return kurven.empty() ? kMeter : kurven.front().einheit;
}

bool KurvenwahlLesen(std::string_view text, Kurvenwahl& wahl, std::string& fehler) {
  const std::size_t komma = text.find(',');
  if (komma == std::string_view::npos || text.find(',', komma + 1) != std::string_view::npos) {
    fehler = text::Format("„%s“ nennt nicht zwei Kurven: POROSITÄT,PERMEABILITÄT (etwa PHIE,PERM).", std::string(text));
    return false;
  }
  const std::string_view phi = Beschnitten(text.substr(0, komma));
  const std::string_view k = Beschnitten(text.substr(komma + 1));
  wahl = {std::string(phi), std::string(k)};
  return true;
}

std::string Grundtext(Grund g) {
  switch (g) {
    case Grund::Keiner:
      return "";
    case Grund::TiefeNull:
      return "Tiefe ist NULL";
    case Grund::PorositaetNull:
      return "Porosität ist NULL";
    case Grund::PermeabilitaetNull:
      return "Permeabilität ist NULL";
    case Grund::PorositaetAusserhalb:
      return "Porosität nicht zwischen 0 und 1";
    case Grund::PermeabilitaetNichtPositiv:
      return "Permeabilität nicht größer 0";
    case Grund::PermeabilitaetUnendlich:
      return "Permeabilität zu groß (10^KLOG)";
    case Grund::ModellOhneWert:
      return "Modell ohne Wert für dieses Gestein";
    case Grund::ModellAusserhalb:
      return "Modell-Sw nicht zwischen 0 und 1";
  }
  return "";
}

bool LasZahl(std::string_view text, double& wert) {
  bool negativ = false;
  std::string_view s = text;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negativ = s.front() == '-';
    s.remove_prefix(1);
  }
  // Digits or a point first: no second sign, no inf or nan.
  if (s.empty() || !((s.front() >= '0' && s.front() <= '9') || s.front() == '.')) return false;
  double v = 0.0;
  const char* ende = s.data() + s.size();
  const auto [ptr, ec] = std::from_chars(s.data(), ende, v, std::chars_format::general);
  if (ptr != ende) return false;
  if (ec == std::errc::result_out_of_range) {
    // Beyond the double range either way: too small reads as 0, too large
    // is no value. The decimal exponent of the first digit that is not 0
    // tells which.
    long long exponent = 0;
    const std::size_t e = s.find_first_of("eE");
    const std::string_view mantisse = s.substr(0, e);
    if (e != std::string_view::npos) {
      std::string_view ex = s.substr(e + 1);
      bool minus = false;
      if (!ex.empty() && (ex.front() == '+' || ex.front() == '-')) {
        minus = ex.front() == '-';
        ex.remove_prefix(1);
      }
      for (const char c : ex) exponent = std::min<long long>(exponent * 10 + (c - '0'), 1000000000LL);
      if (minus) exponent = -exponent;
    }
    const std::size_t punkt = std::min(mantisse.find('.'), mantisse.size());
    const std::size_t erste = mantisse.find_first_of("123456789");
    if (erste == std::string_view::npos) return false;
    const long long stelle =
        erste < punkt ? static_cast<long long>(punkt - erste) - 1 : -static_cast<long long>(erste - punkt);
    if (stelle + exponent >= 0) return false;
    wert = negativ ? -0.0 : 0.0;
    return true;
  }
  if (ec != std::errc()) return false;
  wert = negativ ? -v : v;
  return true;
}

bool KopfLesen(std::string_view bytes, Kopf& kopf, std::string& fehler) {
  Zeilenquelle q(bytes, "");
  return KopfAus(q, "", kopf, fehler);
}

bool KopfLesenDatei(const std::string& pfad, Kopf& kopf, std::string& fehler) {
  Zeilenquelle q{std::string(pfad)};
  return KopfAus(q, pfad, kopf, fehler);
}

bool LasLesen(std::string_view bytes, const Kurvenwahl& wahl, Bohrung& bohrung, std::string& fehler) {
  Zeilenquelle q(bytes, "");
  return LogAus(q, "", wahl, bohrung, fehler);
}

bool LasLesenDatei(const std::string& pfad, const Kurvenwahl& wahl, Bohrung& bohrung, std::string& fehler) {
  Zeilenquelle q{std::string(pfad)};
  return LogAus(q, pfad, wahl, bohrung, fehler);
}

}  // namespace bohrung
