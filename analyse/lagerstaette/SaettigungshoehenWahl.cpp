#include "SaettigungshoehenWahl.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <utility>

#include "Gesteinstyp.h"
#include "Lagerstaettenbedingungen.h"
#include "Saettigungshoehe.h"
#include "TextFormat.h"

namespace lagerstaette {

namespace {

constexpr const char* kModellnamen[3] = {"Kadrel", "J-Funktion", "Thomeer"};

constexpr std::string_view kSchluesselModell = "SHF-Modell";
constexpr std::string_view kSchluesselTyp = "SHF-Gesteinstyp-DRT";
constexpr std::string_view kSchluesselGestein = "SHF-Gestein-mD-Anteil";
constexpr std::string_view kSchluesselHoehe = "SHF-Hoehe-Max-m";
constexpr std::string_view kAlle = "alle";

constexpr const char* kBereichPermeabilitaet = "größer 0 bis 1000000 mD";
constexpr const char* kBereichPorositaet = "ein Anteil größer 0 und kleiner 1, z. B. 0.213 für 21,3 %";
constexpr const char* kBereichHoehe = "größer 0 bis 10000 m";

std::string BereichGesteinstyp() {
  return text::Format("alle oder eine ganze Zahl von %d bis %d", kGesteinstypMin, kGesteinstypMax);
}

std::string BereichGesteine() { return text::Format("1 bis %d Gesteine", static_cast<int>(kGesteineMax)); }

std::string FeldPermeabilitaet(int zeile) { return text::Format("Permeabilität (Gestein %d)", zeile + 1); }
std::string FeldPorositaet(int zeile) { return text::Format("Porosität (Gestein %d)", zeile + 1); }

std::string NichtErlaubt(const std::string& feld, const std::string& bereich) {
  return text::Format("Der Wert im Feld \"%s\" ist nicht erlaubt!\nErlaubt: %s.", feld, bereich);
}

std::string KeineZahl(const std::string& feld, const std::string& bereich) {
  return text::Format("Im Feld \"%s\" steht keine Zahl!\nErlaubt: %s.", feld, bereich);
}

// A porosity typed in percent lies between 1 and 100.
std::string BereichPorositaet(double phi) {
  std::string b = kBereichPorositaet;
  if (phi >= 1.0 && phi <= 100.0) b += " (in Prozent eingegeben?)";
  return b;
}

bool PermeabilitaetErlaubt(double k) { return k > 0.0 && k <= kPermeabilitaetMax; }
bool PorositaetErlaubt(double phi) { return phi > 0.0 && phi < 1.0; }
bool HoeheErlaubt(double h) { return h > 0.0 && h <= kHoeheMaxGrenze; }
bool TypErlaubt(int t) { return t >= kGesteinstypMin && t <= kGesteinstypMax; }

bool Pruefen(const SaettigungshoehenWahl& w, std::string& fehler, WahlFeld& feld) {
  if (w.gesteinstyp && !TypErlaubt(*w.gesteinstyp)) {
    feld = {WahlFeld::Gesteinstyp, -1};
    fehler = NichtErlaubt("Gesteinstyp", BereichGesteinstyp());
    return false;
  }
  if (w.gesteine.empty() || w.gesteine.size() > kGesteineMax) {
    feld = {WahlFeld::Gesteine, -1};
    fehler = text::Format("Die Tabelle der Gesteine hat %d Zeilen!\nErlaubt: %s.", static_cast<int>(w.gesteine.size()),
                          BereichGesteine());
    return false;
  }
  for (std::size_t i = 0; i < w.gesteine.size(); ++i) {
    const int z = static_cast<int>(i);
    const Gestein& g = w.gesteine[i];
    if (!PermeabilitaetErlaubt(g.K)) {
      feld = {WahlFeld::Permeabilitaet, z};
      fehler = NichtErlaubt(FeldPermeabilitaet(z), kBereichPermeabilitaet);
      return false;
    }
    if (g.Porositaet && !PorositaetErlaubt(*g.Porositaet)) {
      feld = {WahlFeld::Porositaet, z};
      fehler = NichtErlaubt(FeldPorositaet(z), BereichPorositaet(*g.Porositaet));
      return false;
    }
    if (!g.Porositaet && w.modell == ShfModell::JFunktion) {
      feld = {WahlFeld::Porositaet, z};
      fehler = text::Format("Im Feld \"%s\" fehlt die Porosität!\nDas Modell J-Funktion braucht sie: %s.",
                            FeldPorositaet(z), kBereichPorositaet);
      return false;
    }
  }
  if (!HoeheErlaubt(w.hoeheMax)) {
    feld = {WahlFeld::HoeheMax, -1};
    fehler = NichtErlaubt("Größte Höhe", kBereichHoehe);
    return false;
  }
  return true;
}

// The shortest text that reads back to the same double.
std::string Kurztext(double w) {
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, w);
  return std::string(puffer, r.ptr);
}

// A number as the study block stores it: exactly the text of Kurztext.
bool StrengLesen(std::string_view text, double& wert) {
  if (text.empty() || text.front() == '+') return false;
  double w = 0.0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), w);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(w)) return false;
  wert = w;
  return true;
}

bool GanzzahlLesen(std::string_view text, int& wert) {
  std::size_t a = 0;
  std::size_t e = text.size();
  while (a < e && (text[a] == ' ' || text[a] == '\t')) ++a;
  while (e > a && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  if (a < e && text[a] == '+') ++a;
  if (a == e || text[a] == '+') return false;
  int w = 0;
  const auto r = std::from_chars(text.data() + a, text.data() + e, w);
  if (r.ec != std::errc() || r.ptr != text.data() + e) return false;
  wert = w;
  return true;
}

bool Leer(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The key of a study line, or empty when the line has no "=".
std::string_view Schluessel(std::string_view zeile) {
  const std::size_t gleich = zeile.find('=');
  return gleich == std::string_view::npos ? std::string_view() : zeile.substr(0, gleich);
}

bool EigenerSchluessel(std::string_view s) {
  return s == kSchluesselModell || s == kSchluesselTyp || s == kSchluesselGestein || s == kSchluesselHoehe;
}

}  // namespace

const char* Modellname(ShfModell m) { return kModellnamen[static_cast<int>(m)]; }

std::optional<double> MedianPorositaet(const std::vector<Messkurve>& kurven) {
  std::vector<double> werte;
  for (const Messkurve& k : kurven) {
    if (!k.Zusatz.Porositaet || !PorositaetErlaubt(*k.Zusatz.Porositaet)) continue;
    // The float as it was read (0.23883, not 0.2388300001621246), so that
    // the dialog and the study show the measured number.
    char puffer[32];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer, *k.Zusatz.Porositaet);
    double phi = 0.0;
    std::from_chars(puffer, r.ptr, phi);
    werte.push_back(phi);
  }
  if (werte.empty()) return std::nullopt;
  std::sort(werte.begin(), werte.end());
  const std::size_t n = werte.size();
  return n % 2 == 1 ? werte[n / 2] : 0.5 * (werte[n / 2 - 1] + werte[n / 2]);
}

SaettigungshoehenWahl StandardWahl(const std::vector<Messkurve>& kurven) {
  SaettigungshoehenWahl w;
  const std::optional<double> phi = MedianPorositaet(kurven);
  for (int j = 0; j < 5; ++j) w.gesteine.push_back({std::pow(10.0, j - 2), phi});
  w.hoeheMax = kStandardHoeheMax;
  return w;
}

bool IstStandard(const SaettigungshoehenWahl& w) {
  if (w.modell != ShfModell::Kadrel || w.gesteinstyp || w.hoeheMax != kStandardHoeheMax || w.gesteine.size() != 5) {
    return false;
  }
  for (int j = 0; j < 5; ++j) {
    if (w.gesteine[j].K != std::pow(10.0, j - 2)) return false;
  }
  return true;
}

std::vector<double> Tabellenhoehen(double hoeheMax) {
  std::vector<double> h;
  for (const double t : kTabellenhoehe) {
    if (t <= hoeheMax) h.push_back(t);
  }
  if (h.empty() || h.back() != hoeheMax) h.push_back(hoeheMax);
  return h;
}

bool Pruefen(const SaettigungshoehenWahl& w, std::string& fehler, WahlFeld* feld) {
  WahlFeld f;
  const bool gut = Pruefen(w, fehler, f);
  if (!gut && feld) *feld = f;
  return gut;
}

std::vector<int> VorhandeneGesteinstypen(const std::vector<Messkurve>& kurven) {
  std::vector<int> typen;
  for (const Messkurve& k : kurven) {
    if (!k.Zusatz.Porositaet || !Typisierbar(k.Perm, *k.Zusatz.Porositaet)) continue;
    const int typ = Gesteinstyp(k.Perm, *k.Zusatz.Porositaet);
    if (TypErlaubt(typ)) typen.push_back(typ);
  }
  std::sort(typen.begin(), typen.end());
  typen.erase(std::unique(typen.begin(), typen.end()), typen.end());
  return typen;
}

bool TexteLesen(const SaettigungshoehenTexte& t, SaettigungshoehenWahl& w, std::string& fehler, WahlFeld* feld) {
  SaettigungshoehenWahl neu;
  neu.modell = t.modell;
  WahlFeld f;
  const auto abbrechen = [&](const std::string& text) {
    fehler = text;
    if (feld) *feld = f;
    return false;
  };
  if (!Leer(t.gesteinstyp) && t.gesteinstyp != kAlle) {
    int typ = 0;
    f = {WahlFeld::Gesteinstyp, -1};
    if (!GanzzahlLesen(t.gesteinstyp, typ)) {
      return abbrechen(
          text::Format("Im Feld \"Gesteinstyp\" steht keine ganze Zahl!\nErlaubt: %s.", BereichGesteinstyp()));
    }
    neu.gesteinstyp = typ;
  }
  for (std::size_t i = 0; i < t.gesteine.size(); ++i) {
    const int z = static_cast<int>(i);
    Gestein g;
    f = {WahlFeld::Permeabilitaet, z};
    if (!ZahlLesen(t.gesteine[i].first, g.K))
      return abbrechen(KeineZahl(FeldPermeabilitaet(z), kBereichPermeabilitaet));
    if (!Leer(t.gesteine[i].second)) {
      double phi = 0.0;
      f = {WahlFeld::Porositaet, z};
      if (!ZahlLesen(t.gesteine[i].second, phi)) return abbrechen(KeineZahl(FeldPorositaet(z), kBereichPorositaet));
      g.Porositaet = phi;
    }
    neu.gesteine.push_back(g);
  }
  f = {WahlFeld::HoeheMax, -1};
  if (!ZahlLesen(t.hoeheMax, neu.hoeheMax)) return abbrechen(KeineZahl("Größte Höhe", kBereichHoehe));
  if (!Pruefen(neu, fehler, f)) return abbrechen(fehler);
  w = neu;
  return true;
}

SaettigungshoehenTexte Texte(const SaettigungshoehenWahl& w) {
  SaettigungshoehenTexte t;
  t.modell = w.modell;
  t.gesteinstyp = w.gesteinstyp ? std::to_string(*w.gesteinstyp) : std::string(kAlle);
  for (const Gestein& g : w.gesteine) {
    t.gesteine.emplace_back(Kurztext(g.K), g.Porositaet ? Kurztext(*g.Porositaet) : std::string());
  }
  t.hoeheMax = Kurztext(w.hoeheMax);
  return t;
}

void StudieEntfernen(Textliste& studie) {
  std::erase_if(studie, [](const std::string& z) { return EigenerSchluessel(Schluessel(z)); });
}

bool StudieEnthaelt(const Textliste& studie) {
  return std::any_of(studie.begin(), studie.end(),
                     [](const std::string& z) { return EigenerSchluessel(Schluessel(z)); });
}

void StudieSchreiben(const SaettigungshoehenWahl& w, Textliste& studie) {
  StudieEntfernen(studie);
  studie.push_back(std::string(kSchluesselModell) + "=" + Modellname(w.modell));
  studie.push_back(std::string(kSchluesselTyp) + "=" +
                   (w.gesteinstyp ? std::to_string(*w.gesteinstyp) : std::string(kAlle)));
  for (const Gestein& g : w.gesteine) {
    std::string zeile = std::string(kSchluesselGestein) + "=" + Kurztext(g.K);
    if (g.Porositaet) {
      zeile += ',';
      zeile += Kurztext(*g.Porositaet);
    }
    studie.push_back(std::move(zeile));
  }
  studie.push_back(std::string(kSchluesselHoehe) + "=" + Kurztext(w.hoeheMax));
}

bool StudieLesen(const Textliste& studie, SaettigungshoehenWahl& w, std::string& fehler) {
  SaettigungshoehenWahl neu = w;
  bool modell = false;
  bool typ = false;
  bool hoehe = false;
  bool gesteine = false;
  const auto ungueltig = [&](const std::string& zeile, const std::string& grund) {
    fehler = text::Format("Die Einstellung \"%s\" der Studie ist ungültig!\n%s", zeile, grund);
    return false;
  };
  // True when the key was read before.
  const auto zweimal = [](bool& gelesen) { return std::exchange(gelesen, true); };
  for (const std::string& zeile : studie) {
    const std::string_view s = Schluessel(zeile);
    if (!EigenerSchluessel(s)) continue;
    const std::string_view wert = std::string_view(zeile).substr(s.size() + 1);
    if (s == kSchluesselModell) {
      if (zweimal(modell)) return ungueltig(zeile, "Der Schlüssel steht zweimal.");
      const auto* name = std::find(std::begin(kModellnamen), std::end(kModellnamen), wert);
      if (name == std::end(kModellnamen)) return ungueltig(zeile, "Erlaubt: Kadrel, J-Funktion oder Thomeer.");
      neu.modell = static_cast<ShfModell>(name - std::begin(kModellnamen));
    } else if (s == kSchluesselTyp) {
      if (zweimal(typ)) return ungueltig(zeile, "Der Schlüssel steht zweimal.");
      int t = 0;
      if (wert == kAlle) {
        neu.gesteinstyp.reset();
      } else if (GanzzahlLesen(wert, t) && std::to_string(t) == wert) {
        neu.gesteinstyp = t;
      } else {
        return ungueltig(zeile, "Erlaubt: " + BereichGesteinstyp() + ".");
      }
    } else if (s == kSchluesselGestein) {
      if (!gesteine) neu.gesteine.clear();
      gesteine = true;
      const std::size_t komma = wert.find(',');
      Gestein g;
      if (!StrengLesen(wert.substr(0, komma), g.K)) {
        return ungueltig(zeile,
                         "Erwartet: die Permeabilität in mD, dann wahlweise ein Komma und die Porosität als Anteil.");
      }
      if (komma != std::string_view::npos) {
        double phi = 0.0;
        if (!StrengLesen(wert.substr(komma + 1), phi)) {
          return ungueltig(zeile,
                           "Erwartet: die Permeabilität in mD, dann wahlweise ein Komma und die Porosität als Anteil.");
        }
        g.Porositaet = phi;
      }
      if (neu.gesteine.size() == kGesteineMax) return ungueltig(zeile, "Erlaubt: " + BereichGesteine() + ".");
      neu.gesteine.push_back(g);
    } else {
      if (zweimal(hoehe)) return ungueltig(zeile, "Der Schlüssel steht zweimal.");
      if (!StrengLesen(wert, neu.hoeheMax)) return ungueltig(zeile, std::string("Erlaubt: ") + kBereichHoehe + ".");
    }
  }
  std::string grund;
  if (!Pruefen(neu, grund)) {
    fehler = "Die Wahl des Sättigungshöhenmodells in der Studie ist ungültig!\n" + grund;
    return false;
  }
  w = neu;
  return true;
}

}  // namespace lagerstaette
