#include "LagerstaettenCli.h"

#include <charconv>
#include <cmath>

#include <nlohmann/json.hpp>

#include "Lagerstaettenauswertung.h"

namespace {

using Json = nlohmann::ordered_json;

struct Paaroption {
  const char* name;
  const char* form;
  int feld;  // first of the two fields it sets
};

constexpr Paaroption kPaare[] = {
    {"--labor", "SIGMA,THETA", 0},
    {"--lagerstaette", "SIGMA,THETA", 2},
    {"--dichten", "RHOW,RHOKW", 4},
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

bool LagerstaettenOptionLesen(const std::vector<std::string>& arg, std::size_t& i, LagerstaettenOptionen& o,
                              std::optional<std::string>& fehler) {
  const std::string& a = arg[i];
  if (a == "--saettigungshoehe") {
    o.saettigungshoehe = true;
    return true;
  }
  if (a == "--porenradien") {
    o.porenradien = true;
    return true;
  }
  for (const Paaroption& p : kPaare) {
    if (a != p.name) continue;
    double w1 = 0.0;
    double w2 = 0.0;
    if (i + 1 >= arg.size() || !PaarLesen(arg[i + 1], w1, w2)) {
      fehler = std::string(p.name) + " erwartet " + p.form + " (zwei Zahlen mit \".\", getrennt durch \",\")";
    } else {
      lagerstaette::Wert(o.bedingungen, p.feld) = w1;
      lagerstaette::Wert(o.bedingungen, p.feld + 1) = w2;
    }
    if (i + 1 < arg.size()) ++i;
    return true;
  }
  return false;
}

std::optional<std::string> LagerstaettenOptionenPruefen(const LagerstaettenOptionen& o) {
  std::string meldung;
  if (lagerstaette::Pruefen(o.bedingungen, meldung)) return std::nullopt;
  const int feld = lagerstaette::UngueltigesFeld(o.bedingungen);
  for (char& c : meldung) {
    if (c == '\n') c = ' ';
  }
  return std::string(kPaare[feld / 2].name) + ": " + meldung;
}

void LagerstaettenJson(Json& j, const LagerstaettenOptionen& o, Lagerstaettenauswertung& a) {
  if (o.saettigungshoehe) {
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
  if (o.porenradien) {
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
