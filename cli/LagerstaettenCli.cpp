#include "LagerstaettenCli.h"

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

}  // namespace

void LagerstaettenCli::Anmelden(Befehlszeile& b) {
  b.Aufruf(
      "\n[--saettigungshoehe] [--porenradien]\n"
      "[--labor SIGMA,THETA] [--lagerstaette SIGMA,THETA] [--dichten RHOW,RHOKW]\n"
      "[--schliessdruck BAR]");
  b.Schalter("--saettigungshoehe", "statt der Tabelle die Sättigungshöhe ausgeben (Liste, Grafik, JSON,\naus.txt)",
             [this] { saettigungshoehe_ = true; });
  b.Schalter("--porenradien", "statt der Tabelle die Porenradien ausgeben (Liste, Grafik, JSON,\naus.txt)",
             [this] { porenradien_ = true; });
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
}

std::optional<std::string> LagerstaettenCli::Werte() const {
  std::string meldung;
  if (lagerstaette::Pruefen(bedingungen_, meldung)) return std::nullopt;
  const int feld = lagerstaette::UngueltigesFeld(bedingungen_);
  for (char& c : meldung) {
    if (c == '\n') c = ' ';
  }
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
  };
}

std::optional<std::string> LagerstaettenCli::Beginnen(const CKadrelDoc& doc) {
  grundlage_->Beginnen(doc);
  auswertung_.emplace(doc, grundlage_->Korrektur(), grundlage_->Thomeer());
  auswertung_->SetBedingungen(grundlage_->Bedingungen().bedingungen);
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
    j["Saettigungshoehe"] = {{"F", Zahl(s.F)},   {"Dichtedifferenz", Zahl(s.Dichtedifferenz)},
                             {"Kurven", kurven}, {"Hoehen", Feld(s.Hoehen)},
                             {"Sw", sw},         {"Eintrittshoehe", eintritt}};
  }
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
