#include "LagerstaettenCli.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include <nlohmann/json.hpp>

#include "Befehlszeile.h"
#include "KadrelDoc.h"
#include "LagerstaettenTabellen.h"

namespace {

using Json = nlohmann::ordered_json;

struct Paaroption {
  const char* name;
  const char* form;
  int feld;  // first of the two fields it sets
  const char* hilfe;
};

constexpr Paaroption kPaare[] = {
    {"--labor", "SIGMA,THETA", 0, "Grenzflächenspannung (mN/m) und Randwinkel (Grad) im Labor\n(Vorgabe 480,140)"},
    {"--lagerstaette", "SIGMA,THETA", 2, "dasselbe in der Lagerstätte (Vorgabe 30,30)"},
    {"--dichten", "RHOW,RHOKW", 4, "Dichte von Wasser und Kohlenwasserstoff (g/cm³, Vorgabe 1.05,0.8)"},
};

// Two numbers with "." as decimal point, separated by one comma.
bool PaarLesen(const std::string& text, double& a, double& b) {
  const auto komma = text.find(',');
  if (komma == std::string::npos || text.find(',', komma + 1) != std::string::npos) return false;
  auto zahl = [](std::string_view s, double& w) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), w);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(w);
  };
  const std::string_view t(text);
  return zahl(t.substr(0, komma), a) && zahl(t.substr(komma + 1), b);
}

Json Zahl(double d) {
  if (!std::isfinite(d)) return nullptr;
  return d;
}

// A value the document holds as a float, in its shortest form.
Json FloatZahl(double d) {
  const float f = static_cast<float>(d);
  if (!std::isfinite(f)) return nullptr;
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, f);
  double w = 0.0;
  std::from_chars(puffer, r.ptr, w);
  return w;
}

Json Feld(const std::vector<double>& werte, Json (*wert)(double) = Zahl) {
  Json a = Json::array();
  for (const double w : werte) a.push_back(wert(w));
  return a;
}

Json Wahlweise(const std::optional<double>& w) { return w ? Zahl(*w) : Json(nullptr); }

// A number with "." as decimal point, nothing else around it.
bool ZahlLesen(std::string_view s, double& w) {
  const auto r = std::from_chars(s.data(), s.data() + s.size(), w);
  return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(w);
}

struct Modelloption {
  const char* wort;
  ShfModell modell;
};

constexpr Modelloption kModelle[] = {
    {"kadrel", ShfModell::Kadrel}, {"j", ShfModell::JFunktion}, {"thomeer", ShfModell::Thomeer}};

const char* Modellwort(ShfModell m) {
  for (const Modelloption& o : kModelle) {
    if (o.modell == m) return o.wort;
  }
  return "";
}

// The option that sets a field of the choice.
const char* WahlOption(lagerstaette::WahlFeld::Art art) {
  switch (art) {
    case lagerstaette::WahlFeld::Gesteinstyp:
      return "--shf-gesteinstyp";
    case lagerstaette::WahlFeld::HoeheMax:
      return "--hoehe-max";
    default:
      return "--shf-gestein";
  }
}

void Einzeilig(std::string& meldung) {
  for (char& c : meldung) {
    if (c == '\n') c = ' ';
  }
}

Json Geraden(const Ausgleichsgerade& g, bool angepasst) {
  return angepasst ? Json::array({Zahl(g.a), Zahl(g.b)}) : Json::array({nullptr, nullptr});
}

// The models' fit and quality: "SHF-Modelle".
Json ShfModelle(const Saettigungshoehenmodelle& m, const Modellguete& g) {
  const auto rms = [&](ShfModell modell) {
    const Guetemodell& gm = g.modelle[static_cast<std::size_t>(modell)];
    return m.Grund(modell).empty() && gm.Punkte > 0 ? Zahl(gm.RMS) : Json(nullptr);
  };
  const bool j = m.Grund(ShfModell::JFunktion).empty();
  const bool t = m.Grund(ShfModell::Thomeer).empty();
  Json modelle = Json::object();
  modelle["J"] = {{"c", j ? Zahl(m.j.c()) : Json(nullptr)},
                  {"d", j ? Zahl(m.j.d()) : Json(nullptr)},
                  {"Punkte", m.j.Punkte()},
                  {"R2", j ? Zahl(m.j.R2()) : Json(nullptr)},
                  {"RMS", rms(ShfModell::JFunktion)}};
  modelle["Thomeer"] = {{"Pd", Geraden(m.thomeer.LogPd(), t)},
                        {"G", Geraden(m.thomeer.G(), t)},
                        {"Sinf", Geraden(m.thomeer.Sinf(), t)},
                        {"Messungen", m.thomeer.Messungen()},
                        {"RMS", rms(ShfModell::Thomeer)}};
  modelle["Kadrel"] = {{"RMS", rms(ShfModell::Kadrel)}};
  return modelle;
}

}  // namespace

void LagerstaettenCli::Anmelden(Befehlszeile& b) {
  b.Aufruf(
      "\n[--saettigungshoehe] [--porenradien] [--modellguete]\n"
      "[--labor SIGMA,THETA] [--lagerstaette SIGMA,THETA] [--dichten RHOW,RHOKW]\n"
      "[--schliessdruck BAR]");
  b.Schalter("--saettigungshoehe", "statt der Tabelle die Sättigungshöhe ausgeben (Liste, Grafik, JSON,\naus.txt)",
             [this] { saettigungshoehe_ = true; });
  b.Schalter("--porenradien", "statt der Tabelle die Porenradien ausgeben (Liste, Grafik, JSON,\naus.txt)",
             [this] { porenradien_ = true; });
  b.Schalter("--modellguete",
             "statt der Tabelle die Modellgüte der Sättigungshöhenmodelle ausgeben\n(Liste, Grafik, JSON, aus.txt)",
             [this] { modellguete_ = true; });
  for (const Paaroption& p : kPaare) {
    const std::string meldung =
        std::string(p.name) + " erwartet " + p.form + " (zwei Zahlen mit \".\", getrennt durch \",\")";
    b.Wert(p.name, p.form, p.hilfe, meldung, [this, feld = p.feld, meldung](const std::string& w) {
      double w1 = 0.0;
      double w2 = 0.0;
      if (!PaarLesen(w, w1, w2)) return std::optional(meldung);
      lagerstaette::Wert(bedingungen_, feld) = w1;
      lagerstaette::Wert(bedingungen_, feld + 1) = w2;
      grundlage_->paare[static_cast<std::size_t>(feld / 2)] = std::pair(w1, w2);
      return std::optional<std::string>();
    });
  }
  const std::string schliessdruck = "--schliessdruck erwartet eine Zahl größer 0 (bar, mit \".\")";
  b.Wert("--schliessdruck", "BAR",
         "Schließdruck (bar) für alle Messungen ohne eigenen (SCHLIESSDRUCK: in\n"
         "der Kopfzeile): Thomeer, Porenradien und Petrophysik nehmen die\n"
         "korrigierten Kurven",
         schliessdruck, [this, schliessdruck](const std::string& w) {
           double wert = 0.0;
           const auto r = std::from_chars(w.data(), w.data() + w.size(), wert);
           // The curves hold their pressures as floats.
           if (w.empty() || r.ec != std::errc() || r.ptr != w.data() + w.size() || !(wert > 0.0) ||
               wert > std::numeric_limits<float>::max()) {
             return std::optional(schliessdruck);
           }
           grundlage_->schliessdruck = wert;
           return std::optional<std::string>();
         });

  b.Aufruf(
      "\n[--shf-modell kadrel|j|thomeer] [--shf-gestein K[,PHI]]... [--shf-gesteinstyp N]\n"
      "[--hoehe-max H]");
  const std::string modell = "--shf-modell erwartet kadrel, j oder thomeer";
  b.Wert("--shf-modell", "M",
         "Sättigungshöhenmodell: kadrel (Vorgabe), j (J-Funktion) oder thomeer;\n"
         "die Sättigungshöhe (Liste, Grafik, JSON, CSV) folgt ihm",
         modell, [this, modell](const std::string& w) {
           for (const Modelloption& o : kModelle) {
             if (w == o.wort) {
               grundlage_->modell = o.modell;
               return std::optional<std::string>();
             }
           }
           return std::optional(modell);
         });
  const std::string gestein =
      "--shf-gestein erwartet K oder K,PHI (Permeabilität in mD, Porosität als Anteil, Zahlen mit \".\")";
  b.Wert("--shf-gestein", "K[,PHI]",
         "ein Gestein der Sättigungshöhe: Permeabilität (mD) und Porosität (Anteil),\n"
         "mehrmals für mehrere; PHI nötig mit j und thomeer (Vorgabe: 0.01 bis\n"
         "100 mD mit dem Median der Porositäten)",
         gestein, [this, gestein](const std::string& w) {
           const std::string_view t(w);
           const std::size_t komma = t.find(',');
           Gestein g;
           if (!ZahlLesen(t.substr(0, komma), g.K)) return std::optional(gestein);
           if (komma != std::string_view::npos) {
             double phi = 0.0;
             if (!ZahlLesen(t.substr(komma + 1), phi)) return std::optional(gestein);
             g.Porositaet = phi;
           }
           grundlage_->gesteine.push_back(g);
           return std::optional<std::string>();
         });
  const std::string typ = "--shf-gesteinstyp erwartet eine ganze Zahl (DRT)";
  b.Wert("--shf-gesteinstyp", "N",
         "J-Funktion und Thomeer nur über die Messungen dieses Gesteinstyps (DRT)\n"
         "anpassen (Vorgabe: alle)",
         typ, [this, typ](const std::string& w) {
           int wert = 0;
           const auto r = std::from_chars(w.data(), w.data() + w.size(), wert);
           if (w.empty() || r.ec != std::errc() || r.ptr != w.data() + w.size()) return std::optional(typ);
           grundlage_->gesteinstyp = wert;
           return std::optional<std::string>();
         });
  const std::string hoehe = "--hoehe-max erwartet eine Zahl (m, mit \".\")";
  b.Wert("--hoehe-max", "H", "größte Höhe (m) der Sättigungshöhe, Tabelle und Grafik (Vorgabe 200)", hoehe,
         [this, hoehe](const std::string& w) {
           double wert = 0.0;
           if (!ZahlLesen(w, wert)) return std::optional(hoehe);
           grundlage_->hoeheMax = wert;
           return std::optional<std::string>();
         });
}

std::optional<std::string> LagerstaettenCli::WahlWerte() const {
  const CliGrundlage& g = *grundlage_;
  if (!g.WahlOptionen()) return std::nullopt;
  const ShfModell modell = g.modell.value_or(ShfModell::Kadrel);
  for (std::size_t i = 0; i < g.gesteine.size(); ++i) {
    if (modell == ShfModell::Kadrel || g.gesteine[i].Porositaet) continue;
    std::string meldung = "--shf-gestein: Mit --shf-modell ";
    meldung += Modellwort(modell);
    meldung += " braucht jedes Gestein die Porosität: K,PHI (Gestein ";
    meldung += std::to_string(i + 1);
    meldung += "; PHI als Anteil größer 0 und kleiner 1).";
    return meldung;
  }
  // The values as such; the default rocks come with the document and are
  // checked then.
  SaettigungshoehenWahl w;
  w.gesteine = g.gesteine.empty() ? std::vector<Gestein>{{1.0, std::nullopt}} : g.gesteine;
  w.gesteinstyp = g.gesteinstyp;
  w.hoeheMax = g.hoeheMax.value_or(lagerstaette::kStandardHoeheMax);
  std::string meldung;
  lagerstaette::WahlFeld feld;
  if (lagerstaette::Pruefen(w, meldung, &feld)) return std::nullopt;
  Einzeilig(meldung);
  return std::string(WahlOption(feld.art)) + ": " + meldung;
}

std::optional<std::string> LagerstaettenCli::Werte() const {
  std::string meldung;
  if (lagerstaette::Pruefen(bedingungen_, meldung)) return WahlWerte();
  const int feld = lagerstaette::UngueltigesFeld(bedingungen_);
  Einzeilig(meldung);
  return std::string(kPaare[feld / 2].name) + ": " + meldung;
}

std::vector<CliListe> LagerstaettenCli::Listen() {
  return {
      {"--saettigungshoehe", saettigungshoehe_, kSaettigungshoeheAusgegeben,
       [this]() -> const Textliste& { return auswertung_->SaettigungshoeheListe(); },
       [this]() -> const Datendiagramm& { return auswertung_->SaettigungshoeheDiagramm(); }},
      {"--porenradien", porenradien_, kPorenradienAusgegeben,
       [this]() -> const Textliste& { return auswertung_->PorenradienListe(); },
       [this]() -> const Datendiagramm& { return auswertung_->PorenradienDiagramm(); }},
      {"--modellguete", modellguete_, kModellgueteAusgegeben,
       [this]() -> const Textliste& { return auswertung_->GueteListe(); },
       [this]() -> const Datendiagramm& { return auswertung_->GueteDiagramm(); }},
  };
}

std::optional<std::string> LagerstaettenCli::Beginnen(const CKadrelDoc& doc) {
  grundlage_->Beginnen(doc);
  if (!grundlage_->WahlFehler().empty()) return grundlage_->WahlFehler();
  auswertung_ = &grundlage_->Lagerstaette();
  return std::nullopt;
}

void LagerstaettenCli::CsvTabellen(std::vector<csv::Tabelle>& tabellen) {
  for (csv::Tabelle& t : LagerstaettenTabellen(*auswertung_)) tabellen.push_back(std::move(t));
}

void LagerstaettenCli::JsonErgaenzen(nlohmann::ordered_json& j) {
  Lagerstaettenauswertung& a = *auswertung_;
  const KorrigierteKurven& korrigiert = grundlage_->Korrektur().Kurven();
  if (korrigiert.Korrigiert()) {
    Json kurven = Json::array();
    for (std::size_t i = 0; i < korrigiert.kurven.size(); ++i) {
      const Kurvenkorrektur& k = korrigiert.korrektur[i];
      if (!k.korrigiert) continue;
      kurven.push_back({{"Kern", korrigiert.kurven[i].Kern},
                        {"Schliessdruck", FloatZahl(k.Schliessdruck)},
                        {"Herkunft", k.ausKopfzeile ? "Kopfzeile" : "alle"},
                        {"Abzug", Zahl(k.Abzug)},
                        {"Weggelassen", k.Weggelassen}});
    }
    j["Schliessdruckkorrektur"] = kurven;
  }
  if (saettigungshoehe_) {
    const Saettigungshoehe& s = a.SaettigungshoeheErgebnis();
    Json kurven = Json::array();
    Json sw = Json::array();
    Json eintritt = Json::array();
    for (const auto& k : s.kurven) {
      kurven.push_back({{"K", Zahl(k.K)}, {"Sw", Feld(k.Sw, FloatZahl)}, {"Hoehe", Feld(k.Hoehe)}});
      sw.push_back(Feld(k.SwTabelle));
      eintritt.push_back(Zahl(k.Eintrittshoehe));
    }
    if (s.standard) {
      j["Saettigungshoehe"] = {{"F", Zahl(s.F)},   {"Dichtedifferenz", Zahl(s.Dichtedifferenz)},
                               {"Kurven", kurven}, {"Hoehen", Feld(s.Hoehen)},
                               {"Sw", sw},         {"Eintrittshoehe", eintritt}};
    } else {
      // Per chosen rock, in the choice's order: null where the model
      // cannot evaluate it.
      Json gesteine = Json::array();
      sw = Json::array();
      eintritt = Json::array();
      for (std::size_t i = 0; i < s.wahl.gesteine.size(); ++i) {
        const Gestein& g = s.wahl.gesteine[i];
        gesteine.push_back({{"Perm", Zahl(g.K)}, {"Porositaet", Wahlweise(g.Porositaet)}});
        const auto k = std::find_if(s.kurven.begin(), s.kurven.end(),
                                    [i](const Saettigungshoehenkurve& k) { return k.iSchar == static_cast<int>(i); });
        if (k == s.kurven.end()) {
          sw.push_back(Json(std::vector<std::nullptr_t>(s.Hoehen.size(), nullptr)));
          eintritt.push_back(nullptr);
        } else {
          sw.push_back(Feld(k->SwTabelle));
          eintritt.push_back(Zahl(k->Eintrittshoehe));
        }
      }
      j["Saettigungshoehe"] = {{"F", Zahl(s.F)},
                               {"Dichtedifferenz", Zahl(s.Dichtedifferenz)},
                               {"Modell", lagerstaette::Modellname(s.wahl.modell)},
                               {"Gesteine", gesteine},
                               {"Kurven", kurven},
                               {"Hoehen", Feld(s.Hoehen)},
                               {"Sw", sw},
                               {"Eintrittshoehe", eintritt}};
    }
  }
  if ((saettigungshoehe_ || modellguete_) && ModelleAusgeben(a)) j["SHF-Modelle"] = ShfModelle(a.Modelle(), a.Guete());
  if (porenradien_) {
    Json kurven = Json::array();
    for (const auto& k : a.PorenradienErgebnis().kurven) {
      kurven.push_back({{"Kern", k.Kern},
                        {"Perm", FloatZahl(k.Perm)},
                        {"r", Feld(k.r)},
                        {"r35", Wahlweise(k.r35)},
                        {"r50", Wahlweise(k.r50)}});
    }
    j["Porenradien"] = kurven;
  }
}
