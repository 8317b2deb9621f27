#include "JsonAusgabe.h"

#include <charconv>
#include <cmath>

#include <nlohmann/json.hpp>

#include "KadrelDoc.h"
#include "Skalierung.h"

using Json = nlohmann::ordered_json;

Json FloatWert(float f) {
  if (!std::isfinite(f)) return nullptr;
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, f);
  double d = 0.0;
  std::from_chars(puffer, r.ptr, d);
  return d;
}

Json DoubleWert(double d) {
  if (!std::isfinite(d)) return nullptr;
  return d;
}

namespace {

template <std::size_t N>
Json FloatFeld(const float (&feld)[N]) {
  Json a = Json::array();
  for (const float f : feld) a.push_back(FloatWert(f));
  return a;
}

template <std::size_t M, std::size_t N>
Json FloatMatrix(const float (&feld)[M][N]) {
  Json a = Json::array();
  for (const auto& zeile : feld) a.push_back(FloatFeld(zeile));
  return a;
}

}  // namespace

std::string JsonAusgabe(const CKadrelDoc& doc, const std::vector<CliPlattform::Nachricht>& nachrichten,
                        const Json* zusatz) {
  Json j;
  Json meldungen = Json::array();
  for (const auto& n : nachrichten) meldungen.push_back({{"kind", n.art}, {"text", n.text}});
  j["messages"] = meldungen;
  j["Detailergebnisse"] = doc.Detailergebnisse;
  j["Parameterliste"] = doc.Parameterliste;
  j["Parameterfunktionen"] = doc.Parameterfunktionen;
  j["Info"] = doc.Info;
  j["Titel"] = doc.Titel;
  j["Untertitel"] = doc.Untertitel;
  j["XText"] = doc.XText;
  j["YText"] = doc.YText;
  j["Legende1"] = doc.Legende1;
  j["Legende2"] = doc.Legende2;
  j["Kern"] = doc.Kern;
  j["Alfa"] = DoubleWert(doc.Alfa);
  j["Beta"] = DoubleWert(doc.Beta);
  j["Error"] = DoubleWert(doc.Error);
  j["Perm"] = FloatWert(doc.Perm);
  j["PcSperrdruck"] = FloatWert(doc.PcSperrdruck);
  j["ShgMax"] = FloatWert(doc.ShgMax);
  j["Ymax"] = FloatWert(doc.Ymax);
  j["MaxPchg"] = FloatWert(doc.MaxPchg);
  j["Maxwerte"] = doc.Maxwerte;
  j["iMax2Werte"] = doc.iMax2Werte;
  j["kmax"] = doc.kmax;
  j["iKoeff"] = doc.iKoeff;
  j["iStart"] = doc.iStart;
  j["X"] = FloatFeld(doc.X);
  j["Y"] = FloatFeld(doc.Y);
  j["Y1"] = FloatFeld(doc.Y1);
  j["Shg"] = FloatFeld(doc.Shg);
  j["Pc"] = FloatFeld(doc.Pc);
  j["X2"] = FloatFeld(doc.X2);
  j["Y2"] = FloatFeld(doc.Y2);
  j["Y3"] = FloatFeld(doc.Y3);
  j["C"] = FloatFeld(doc.C);
  j["C_"] = FloatMatrix(doc.C_);
  j["XK"] = FloatMatrix(doc.XK);
  j["YK"] = FloatMatrix(doc.YK);
  const Skalierung s = BildschirmSkalierung(doc);
  j["Skalierung"] = {{"xmin", DoubleWert(s.xmin)},
                     {"xmax", DoubleWert(s.xmax)},
                     {"ymin", DoubleWert(s.ymin)},
                     {"ymax", DoubleWert(s.ymax)},
                     {"xstart", DoubleWert(s.xstart)},
                     {"ystart", DoubleWert(s.ystart)},
                     {"deltax", DoubleWert(s.deltax)},
                     {"deltay", DoubleWert(s.deltay)},
                     {"breite", s.breite},
                     {"hoehe", s.hoehe}};
  if (zusatz) {
    for (const auto& [schluessel, wert] : zusatz->items()) j[schluessel] = wert;
  }
  return j.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}
