#include "Labortabelle.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

#include "DateiImport.h"
#include "TextFormat.h"
#include "TextScan.h"

namespace labor {

namespace {

// Exact by definition: 1 psi = 6894.75729 Pa.
constexpr double kBarJePsi = 0.0689475729;
// Separators in the order they win when more than one fits.
constexpr char kTrenner[] = {'\t', ';', ','};
// Lines looked at to tell the separator.
constexpr std::size_t kProbezeilen = 50;
// The reader stops at the 100th value line of a block.
constexpr int kMaxPunkte = 99;

std::string_view Beschnitten(std::string_view s) {
  while (!s.empty() && text::IstLeer(s.front())) s.remove_prefix(1);
  while (!s.empty() && text::IstLeer(s.back())) s.remove_suffix(1);
  return s;
}

// Splits one line at `trenner`; double quotes enclose a cell, "" in it is a quote.
std::vector<std::string> Zellen(std::string_view zeile, char trenner) {
  std::vector<std::string> zellen;
  std::size_t i = 0;
  while (true) {
    std::string zelle;
    while (i < zeile.size() && zeile[i] != trenner && (zeile[i] == ' ' || zeile[i] == '\t')) ++i;
    if (i < zeile.size() && zeile[i] == '"') {
      ++i;
      while (i < zeile.size()) {
        if (zeile[i] == '"') {
          if (i + 1 < zeile.size() && zeile[i + 1] == '"') {
            zelle += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        zelle += zeile[i++];
      }
      while (i < zeile.size() && zeile[i] != trenner) ++i;
    } else {
      const std::size_t ende = std::min(zeile.find(trenner, i), zeile.size());
      zelle = std::string(Beschnitten(zeile.substr(i, ende - i)));
      i = ende;
    }
    zellen.push_back(std::move(zelle));
    if (i >= zeile.size()) break;
    ++i;  // the separator
  }
  return zellen;
}

std::size_t Zaehlen(std::string_view zeile, char zeichen) {
  std::size_t n = 0;
  bool inAnfuehrung = false;
  for (const char c : zeile) {
    if (c == '"') inAnfuehrung = !inAnfuehrung;
    if (c == zeichen && !inAnfuehrung) ++n;
  }
  return n;
}

// The first separator that the header holds and at least half the sampled
// data lines hold as often.
char TrennerErkennen(const std::vector<std::string_view>& zeilen) {
  const std::size_t n = std::min(zeilen.size(), kProbezeilen);
  for (const char t : kTrenner) {
    const std::size_t imKopf = Zaehlen(zeilen[0], t);
    if (imKopf == 0) continue;
    std::size_t gleich = 0;
    for (std::size_t i = 1; i < n; ++i) gleich += Zaehlen(zeilen[i], t) == imKopf ? 1 : 0;
    if (n == 1 || 2 * gleich >= n - 1) return t;
  }
  return 0;
}

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

// Whether a cell reads as a number with this decimal mark.
int Zahlform(std::string_view zelle, char dezimal) {
  float w = 0.0f;
  return ZahlAusZelle(zelle, dezimal, w) ? 1 : 0;
}

char DezimalErkennen(const std::vector<Rohtabelle::Zeile>& zeilen, char trenner) {
  if (trenner == ',') return '.';
  std::size_t komma = 0;
  std::size_t punkt = 0;
  for (std::size_t i = 0; i < std::min(zeilen.size(), kProbezeilen); ++i) {
    for (const auto& z : zeilen[i].zellen) {
      const bool mitKomma = z.find(',') != std::string::npos;
      const bool mitPunkt = z.find('.') != std::string::npos;
      if (mitKomma && !mitPunkt) komma += static_cast<std::size_t>(Zahlform(z, ','));
      if (mitPunkt && !mitKomma) punkt += static_cast<std::size_t>(Zahlform(z, '.'));
    }
  }
  return komma > punkt ? ',' : '.';
}

// Lower case, umlauts spelt out, the unit part and punctuation removed.
std::string NameNormieren(std::string_view name) {
  std::string aus;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c == 0xC3 && i + 1 < name.size()) {
      const unsigned char d = static_cast<unsigned char>(name[i + 1]);
      const char* ersatz = nullptr;
      if (d == 0xA4 || d == 0x84) ersatz = "ae";
      if (d == 0xB6 || d == 0x96) ersatz = "oe";
      if (d == 0xBC || d == 0x9C) ersatz = "ue";
      if (d == 0x9F) ersatz = "ss";
      if (ersatz) {
        aus += ersatz;
        ++i;
        continue;
      }
    }
    if (c == '(' || c == '[') break;
    if (c >= 'A' && c <= 'Z') {
      aus += static_cast<char>(c - 'A' + 'a');
    } else if (c == '_' || c == '-' || c == '.' || c == '/' || text::IstLeer(static_cast<char>(c))) {
      if (!aus.empty() && aus.back() != ' ') aus += ' ';
    } else {
      aus += static_cast<char>(c);
    }
  }
  while (!aus.empty() && aus.back() == ' ') aus.pop_back();
  return aus;
}

// The unit of a column name: what stands in brackets, else a known last word.
std::string EinheitAusName(std::string_view name) {
  const std::size_t auf = name.find_first_of("([");
  if (auf != std::string_view::npos) {
    const std::size_t zu = name.find_first_of(")]", auf);
    return NameNormieren(name.substr(auf + 1, zu == std::string_view::npos ? std::string_view::npos : zu - auf - 1))
        .append(name.substr(auf + 1).find('%') != std::string_view::npos ? "%" : "");
  }
  const std::string n = NameNormieren(name);
  const std::size_t blank = n.rfind(' ');
  if (blank == std::string::npos) return "";
  const std::string letztes = n.substr(blank + 1);
  for (const char* e : {"psi", "psia", "bar", "kpa", "mpa", "%", "prozent", "percent", "md"}) {
    if (letztes == e) return letztes;
  }
  return "";
}

std::string OhneEinheitwort(const std::string& n) {
  const std::size_t blank = n.rfind(' ');
  if (blank == std::string::npos) return n;
  const std::string letztes = n.substr(blank + 1);
  for (const char* e : {"psi", "psia", "bar", "kpa", "mpa", "%", "prozent", "percent", "md"}) {
    if (letztes == e) return n.substr(0, blank);
  }
  return n;
}

const std::vector<std::vector<std::string>>& Rollennamen() {
  static const std::vector<std::vector<std::string>> namen = {
      {"kern", "kernbezeichnung", "core", "core id", "probe", "probenbezeichnung", "probenname", "sample", "sample id",
       "sample name", "sampleid", "label", "bezeichnung", "name", "id"},
      {"permeabilitaet", "permeability", "perm", "k", "kair", "k air", "air permeability", "gas permeability",
       "luftpermeabilitaet"},
      {"pc", "druck", "pressure", "kapillardruck", "capillary pressure", "injection pressure", "pc hg", "hg pressure",
       "p"},
      {"shg", "s hg", "saettigung", "hg saettigung", "saturation", "hg saturation", "bvocc", "sat"},
  };
  return namen;
}

bool PasstZuRolle(const std::string& name, int rolle) {
  const std::string n = NameNormieren(name);
  const std::string kurz = OhneEinheitwort(n);
  const auto& liste = Rollennamen()[static_cast<std::size_t>(rolle)];
  return std::find(liste.begin(), liste.end(), n) != liste.end() ||
         std::find(liste.begin(), liste.end(), kurz) != liste.end();
}

std::string Kopfname(const Rohtabelle& t, int spalte) {
  return spalte >= 0 && static_cast<std::size_t>(spalte) < t.kopf.size() &&
                 !t.kopf[static_cast<std::size_t>(spalte)].empty()
             ? t.kopf[static_cast<std::size_t>(spalte)]
             : text::Format("%d. Spalte", spalte + 1);
}

bool DruckeinheitLesen(const std::string& e, Druckeinheit& d) {
  if (e == "psi" || e == "psia") {
    d = Druckeinheit::Psi;
  } else if (e == "bar" || e == "bara") {
    d = Druckeinheit::Bar;
  } else if (e == "kpa") {
    d = Druckeinheit::KPa;
  } else if (e == "mpa") {
    d = Druckeinheit::MPa;
  } else {
    return false;
  }
  return true;
}

bool SaettigungseinheitLesen(const std::string& e, Saettigungseinheit& s) {
  if (e == "%" || e == "% pv" || e == "pv%" || e == "prozent" || e == "percent" || e == "pct" ||
      e.find('%') != std::string::npos) {
    s = Saettigungseinheit::Prozent;
  } else if (e == "frac" || e == "fraction" || e == "anteil" || e == "v v" || e == "" || e == "1") {
    s = Saettigungseinheit::Anteil;
  } else {
    return false;
  }
  return true;
}

double InBar(double p, Druckeinheit e) {
  switch (e) {
    case Druckeinheit::Psi:
      return p * kBarJePsi;
    case Druckeinheit::KPa:
      return p / 100.0;
    case Druckeinheit::MPa:
      return p * 10.0;
    case Druckeinheit::Bar:
      break;
  }
  return p;
}

// The reader takes the label as one word.
std::string KernAlsWort(std::string_view kern) {
  std::string w;
  for (const char c : kern) w += text::IstLeer(c) ? '_' : c;
  return w;
}

struct Punkt {
  int zeile;
  float p;  // bar
  float s;  // fraction
};

struct Probe {
  std::string kern;
  int ersteZeile = 0;
  int zeilen = 0;  // rows that belong to it
  float perm = 0.0f;
  bool mitPerm = false;
  std::vector<Punkt> punkte;
  std::vector<Problem> probleme;
};

}  // namespace

bool ZahlAusZelle(std::string_view zelle, char dezimal, float& wert, double* genau) {
  zelle = Beschnitten(zelle);
  if (zelle.empty()) return false;
  const char fremd = dezimal == ',' ? '.' : ',';
  if (zelle.find(fremd) != std::string_view::npos) return false;
  std::string s(zelle);
  if (dezimal == ',') std::replace(s.begin(), s.end(), ',', '.');
  if (!IstZiffer(s.back()) && s.back() != '.') return false;
  std::size_t pos = 0;
  float w = 0.0f;
  if (!text::ZahlLesen(s, pos, w) || pos != s.size()) return false;
  wert = w;
  // The text may hold more digits than a float: a unit conversion starts from them.
  if (genau && std::from_chars(s.data() + (s.front() == '+' ? 1 : 0), s.data() + s.size(), *genau).ec != std::errc()) {
    *genau = w;
  }
  return true;
}

bool BegrenztLesen(std::istream& ein, std::uintmax_t grenze, std::string& bytes, bool& zuGross) {
  zuGross = false;
  bytes.clear();
  char puffer[65536];
  while (ein) {
    ein.read(puffer, sizeof puffer);
    const auto n = static_cast<std::size_t>(ein.gcount());
    if (bytes.size() + n > grenze) {
      zuGross = true;
      bytes.clear();
      return false;
    }
    bytes.append(puffer, n);
  }
  return !ein.bad();
}

bool DateiLesen(const std::string& pfad, std::string& bytes, std::string& fehler) {
  const std::string zuGrossText = text::Format("Die Datei %s ist größer als %d MB und wird nicht eingelesen.", pfad,
                                               static_cast<int>(kMaxBytes / (1024 * 1024)));
  std::error_code ec;
  const auto status = std::filesystem::status(pfad, ec);
  if (!ec && std::filesystem::is_directory(status)) {
    fehler = text::Format("Die Datei %s kann nicht geöffnet werden: %s", pfad,
                          std::make_error_code(std::errc::is_a_directory).message());
    return false;
  }
  // A regular file is measured before a byte is read.
  if (!ec && std::filesystem::is_regular_file(status)) {
    const auto groesse = std::filesystem::file_size(pfad, ec);
    if (!ec && groesse > kMaxBytes) {
      fehler = zuGrossText;
      return false;
    }
  }
  std::ifstream ein(pfad, std::ios::binary);
  if (!ein) {
    fehler = text::Format("Die Datei %s kann nicht geöffnet werden: %s", pfad,
                          std::make_error_code(std::errc::no_such_file_or_directory).message());
    if (std::filesystem::exists(pfad, ec)) {
      fehler = text::Format("Die Datei %s kann nicht geöffnet werden: %s", pfad,
                            std::make_error_code(std::errc::permission_denied).message());
    }
    return false;
  }
  bool zuGross = false;
  if (!BegrenztLesen(ein, kMaxBytes, bytes, zuGross)) {
    fehler = zuGross ? zuGrossText : text::Format("Die Datei %s kann nicht gelesen werden.", pfad);
    return false;
  }
  return true;
}

bool TabelleZerlegen(std::string_view bytes, char trenner, char dezimal, Rohtabelle& tabelle, std::string& fehler) {
  tabelle = Rohtabelle{};
  const Textliste text = TextdateiZerlegen(bytes);
  std::vector<std::string_view> zeilen;
  std::vector<int> nummern;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (Beschnitten(text[i]).empty()) continue;
    zeilen.push_back(text[i]);
    nummern.push_back(static_cast<int>(i + 1));
  }
  if (zeilen.empty()) {
    fehler = "Die Tabelle ist leer.";
    return false;
  }
  if (trenner == 0) trenner = TrennerErkennen(zeilen);
  if (trenner == 0) {
    fehler = "Die Tabelle hat nur eine Spalte: kein Trennzeichen (Komma, Semikolon, Tabulator) erkannt.";
    return false;
  }
  tabelle.trenner = trenner;
  tabelle.kopfZeile = nummern[0];
  tabelle.kopf = Zellen(zeilen[0], trenner);
  for (std::size_t i = 1; i < zeilen.size(); ++i) tabelle.zeilen.push_back({nummern[i], Zellen(zeilen[i], trenner)});
  tabelle.dezimal = dezimal != 0 ? dezimal : DezimalErkennen(tabelle.zeilen, trenner);

  bool zahlen = false;
  for (const auto& z : tabelle.zeilen) {
    for (const auto& zelle : z.zellen) zahlen = zahlen || Zahlform(zelle, tabelle.dezimal) == 1;
    if (zahlen) break;
  }
  if (!zahlen) {
    fehler = "Die Tabelle enthält keine Spalte mit Zahlen.";
    return false;
  }
  return true;
}

std::array<int, kRollen> SpaltenVorschlagen(const std::vector<std::string>& kopf,
                                            const std::array<int, kRollen>& fest) {
  std::array<int, kRollen> spalten = fest;
  for (int rolle = 0; rolle < kRollen; ++rolle) {
    if (spalten[static_cast<std::size_t>(rolle)] != -1) continue;
    for (std::size_t j = 0; j < kopf.size(); ++j) {
      const int spalte = static_cast<int>(j);
      if (std::find(spalten.begin(), spalten.end(), spalte) != spalten.end()) continue;
      if (PasstZuRolle(kopf[j], rolle)) {
        spalten[static_cast<std::size_t>(rolle)] = spalte;
        break;
      }
    }
  }
  return spalten;
}

int SpalteFinden(const Rohtabelle& tabelle, std::string_view name) {
  name = Beschnitten(name);
  if (name.empty()) return -1;
  if (std::all_of(name.begin(), name.end(), IstZiffer) && name.size() < 6) {
    int nummer = 0;
    for (const char c : name) nummer = nummer * 10 + (c - '0');
    return nummer >= 1 && static_cast<std::size_t>(nummer) <= tabelle.kopf.size() ? nummer - 1 : -1;
  }
  auto klein = [](std::string_view s) {
    std::string k(s);
    for (char& c : k) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return k;
  };
  for (std::size_t j = 0; j < tabelle.kopf.size(); ++j) {
    if (klein(Beschnitten(tabelle.kopf[j])) == klein(name)) return static_cast<int>(j);
  }
  return -1;
}

std::string Rollenname(int rolle) {
  static const char* const namen[kRollen] = {"Kern", "Permeabilität", "Druck", "Sättigung"};
  return rolle >= 0 && rolle < kRollen ? namen[rolle] : "";
}

std::string Einheitname(Druckeinheit e) {
  switch (e) {
    case Druckeinheit::Psi:
      return "psi";
    case Druckeinheit::KPa:
      return "kPa";
    case Druckeinheit::MPa:
      return "MPa";
    case Druckeinheit::Bar:
      break;
  }
  return "bar";
}

std::string Einheitname(Saettigungseinheit e) { return e == Saettigungseinheit::Prozent ? "Prozent" : "Anteil"; }

bool TabelleAuswerten(const Rohtabelle& t, const Vorgaben& v, Ergebnis& e, std::string& fehler) {
  e = Ergebnis{};
  e.tabelle = t;
  const int spaltenzahl = static_cast<int>(t.kopf.size());
  for (int rolle = 0; rolle < kRollen; ++rolle) {
    const int s = v.spalten[static_cast<std::size_t>(rolle)];
    if (s >= spaltenzahl) {
      fehler = text::Format("Die Tabelle hat keine %d. Spalte.", s + 1);
      return false;
    }
    for (int andere = 0; andere < rolle; ++andere) {
      if (s >= 0 && v.spalten[static_cast<std::size_t>(andere)] == s) {
        fehler = text::Format("Die Spalte „%s“ ist zweimal zugeordnet (%s und %s).", Kopfname(t, s), Rollenname(andere),
                              Rollenname(rolle));
        return false;
      }
    }
  }
  e.spalten = SpaltenVorschlagen(t.kopf, v.spalten);
  for (int& s : e.spalten) s = std::max(s, -1);
  for (const int rolle : {kPerm, kDruck, kSaettigung}) {
    if (e.spalten[static_cast<std::size_t>(rolle)] < 0) {
      fehler = text::Format("Keine Spalte für „%s“ zugeordnet.", Rollenname(rolle));
      return false;
    }
  }
  const auto spalte = [&e](int rolle) { return e.spalten[static_cast<std::size_t>(rolle)]; };

  // Units: given, else from the column names, else bar and fraction.
  const std::string permEinheit = EinheitAusName(t.kopf[static_cast<std::size_t>(spalte(kPerm))]);
  if (!permEinheit.empty() && permEinheit != "md" && permEinheit != "millidarcy") {
    fehler = text::Format("Die Permeabilität der Spalte „%s“ ist nicht in mD angegeben.", Kopfname(t, spalte(kPerm)));
    return false;
  }
  if (v.druck) {
    e.druck = *v.druck;
  } else {
    const std::string einheit = EinheitAusName(t.kopf[static_cast<std::size_t>(spalte(kDruck))]);
    if (!einheit.empty() && !DruckeinheitLesen(einheit, e.druck)) {
      fehler = text::Format("Die Einheit der Spalte „%s“ ist unbekannt; bitte die Druckeinheit wählen.",
                            Kopfname(t, spalte(kDruck)));
      return false;
    }
  }
  if (v.saettigung) {
    e.saettigung = *v.saettigung;
  } else {
    const std::string einheit = EinheitAusName(t.kopf[static_cast<std::size_t>(spalte(kSaettigung))]);
    if (!SaettigungseinheitLesen(einheit, e.saettigung)) {
      fehler = text::Format("Die Einheit der Spalte „%s“ ist unbekannt; bitte die Sättigungseinheit wählen.",
                            Kopfname(t, spalte(kSaettigung)));
      return false;
    }
  }

  // Rows to samples, in the order the samples first appear. A row without a
  // label continues the sample above it, as exports often name it only once.
  std::vector<Probe> proben;
  std::map<std::string, std::size_t> index;
  std::string name = v.standardKern.empty() ? "PROBE" : v.standardKern;
  for (const auto& zeile : t.zeilen) {
    const auto zelle = [&zeile](int s) -> std::string_view {
      return s >= 0 && static_cast<std::size_t>(s) < zeile.zellen.size()
                 ? std::string_view(zeile.zellen[static_cast<std::size_t>(s)])
                 : std::string_view();
    };
    if (std::all_of(zeile.zellen.begin(), zeile.zellen.end(), [](const std::string& z) { return z.empty(); })) continue;
    if (spalte(kKern) >= 0 && !Beschnitten(zelle(spalte(kKern))).empty()) {
      name = std::string(Beschnitten(zelle(spalte(kKern))));
    }
    const std::string kern = KernAlsWort(name);
    auto [it, neu] = index.emplace(kern, proben.size());
    if (neu) {
      proben.emplace_back();
      proben.back().kern = kern;
      proben.back().ersteZeile = zeile.nummer;
      if (kern != name) {
        proben.back().probleme.push_back(
            {zeile.nummer, text::Format("Kern „%s“ heißt „%s“: die Kennung ist ein Wort", name, kern)});
      }
    }
    Probe& probe = proben[it->second];
    ++probe.zeilen;

    float perm = 0.0f;
    const std::string_view permZelle = zelle(spalte(kPerm));
    if (ZahlAusZelle(permZelle, t.dezimal, perm)) {
      if (!(perm > 0.0f)) {
        probe.probleme.push_back({zeile.nummer, text::Format("Permeabilität %g ist nicht größer 0", perm)});
      } else if (!probe.mitPerm) {
        probe.perm = perm;
        probe.mitPerm = true;
      } else if (perm != probe.perm) {
        probe.probleme.push_back({zeile.nummer, text::Format("Permeabilität %g weicht von %g der Probe %s ab; %g gilt",
                                                             perm, probe.perm, probe.kern, probe.perm)});
      }
    } else if (!Beschnitten(permZelle).empty()) {
      probe.probleme.push_back(
          {zeile.nummer, text::Format("Permeabilität „%s“ ist keine Zahl", std::string(Beschnitten(permZelle)))});
    }

    float p = 0.0f;
    float s = 0.0f;
    double pGenau = 0.0;
    double sGenau = 0.0;
    const std::string_view pZelle = Beschnitten(zelle(spalte(kDruck)));
    const std::string_view sZelle = Beschnitten(zelle(spalte(kSaettigung)));
    const bool mitP = ZahlAusZelle(pZelle, t.dezimal, p, &pGenau);
    const bool mitS = ZahlAusZelle(sZelle, t.dezimal, s, &sGenau);
    if (!mitP || !mitS) {
      const auto grund = [](std::string_view z, const char* was) {
        return z.empty() ? text::Format("%s fehlt", was) : text::Format("%s „%s“ ist keine Zahl", was, std::string(z));
      };
      std::string text = !mitP ? grund(pZelle, "Druck") : grund(sZelle, "Sättigung");
      if (!mitP && !mitS) text += ", " + grund(sZelle, "Sättigung");
      probe.probleme.push_back({zeile.nummer, text});
      continue;
    }
    // In bar and as a fraction the value is read as the text import reads it.
    const float bar = e.druck == Druckeinheit::Bar ? p : static_cast<float>(InBar(pGenau, e.druck));
    const float anteil = e.saettigung == Saettigungseinheit::Prozent ? static_cast<float>(sGenau / 100.0) : s;
    if (bar < 0.0f) {
      probe.probleme.push_back({zeile.nummer, text::Format("Druck %g ist kleiner 0", p)});
      continue;
    }
    if (anteil < 0.0f || anteil > 1.0f) {
      probe.probleme.push_back({zeile.nummer, text::Format("Sättigung %g liegt nicht zwischen 0 und 1", anteil)});
      continue;
    }
    probe.punkte.push_back({zeile.nummer, bar, anteil});
  }

  for (Probe& probe : proben) {
    std::vector<Problem>& pr = probe.probleme;
    const auto auslassen = [&](const std::string& grund) {
      pr.push_back(
          {probe.ersteZeile, text::Format("Probe %s ausgelassen (%d Zeilen): %s", probe.kern, probe.zeilen, grund)});
    };
    std::vector<Punkt> werte;
    if (!probe.mitPerm) {
      auslassen("keine Permeabilität größer 0");
    } else if (!probe.punkte.empty() && probe.punkte.front().s != 0.0f && !v.nullpunktEinfuegen) {
      auslassen(text::Format("die 1. Sättigung ist %g, nicht 0 (Nullpunkt einfügen?)", probe.punkte.front().s));
    } else {
      for (const Punkt& punkt : probe.punkte) {
        if (werte.empty() && punkt.s != 0.0f) werte.push_back({punkt.zeile, punkt.p, 0.0f});
        if (!werte.empty() && punkt.s < werte.back().s) {
          pr.push_back({punkt.zeile, text::Format("Sättigung %g fällt unter %g der Zeile %d", punkt.s, werte.back().s,
                                                  werte.back().zeile)});
          continue;
        }
        if (static_cast<int>(werte.size()) >= kMaxPunkte) {
          pr.push_back({punkt.zeile, text::Format("mehr als %d Messpunkte der Probe %s", kMaxPunkte, probe.kern)});
          continue;
        }
        werte.push_back(punkt);
      }
      if (werte.size() < 3) {
        auslassen(text::Format("nur %d Messpunkte, mindestens 3 nötig", static_cast<int>(werte.size())));
        werte.clear();
      }
    }
    std::stable_sort(pr.begin(), pr.end(), [](const Problem& a, const Problem& b) { return a.zeile < b.zeile; });
    e.probleme.insert(e.probleme.end(), pr.begin(), pr.end());
    if (werte.empty()) continue;

    e.zeilen.push_back(text::Format("PERMEABILITAET: %g %s", probe.perm, probe.kern));
    for (const Punkt& punkt : werte) e.zeilen.push_back(text::Format("%9.4f  %15.5f ", punkt.p, punkt.s));
    e.zeilen.push_back("ENDE");
    e.messungen.push_back({probe.kern, probe.perm, static_cast<int>(werte.size()), probe.ersteZeile, std::move(pr)});
  }
  std::stable_sort(e.probleme.begin(), e.probleme.end(),
                   [](const Problem& a, const Problem& b) { return a.zeile < b.zeile; });

  if (e.zeilen.empty()) {
    fehler = "Die Tabelle ergibt keine vollständige Messung.";
    return false;
  }
  return true;
}

bool Importieren(std::string_view bytes, const Vorgaben& v, Ergebnis& e, std::string& fehler) {
  Rohtabelle t;
  if (!TabelleZerlegen(bytes, v.trenner, v.dezimal, t, fehler)) {
    e = Ergebnis{};
    return false;
  }
  return TabelleAuswerten(t, v, e, fehler);
}

}  // namespace labor
