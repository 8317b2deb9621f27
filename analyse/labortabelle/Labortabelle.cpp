#include "Labortabelle.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>
#include <unordered_map>

#include "Kopfzusatz.h"
#include "TextFormat.h"
#include "TextScan.h"
#include "Zeilenleser.h"

namespace labor {

namespace {

// Exact by definition: 1 psi = 6894.75729 Pa.
constexpr double kBarJePsi = 0.0689475729;
// Separators in the order they win when more than one fits.
constexpr char kTrenner[] = {'\t', ';', ','};
// Rows looked at to tell the separator.
constexpr std::size_t kProbezeilen = kErsteZeilen;
// Characters of a cell a note shows.
constexpr std::size_t kAuszug = 40;
// The reader stops at the 100th value line of a block.
constexpr int kMaxPunkte = 99;

std::string_view Beschnitten(std::string_view s) {
  while (!s.empty() && text::IstLeer(s.front())) s.remove_prefix(1);
  while (!s.empty() && text::IstLeer(s.back())) s.remove_suffix(1);
  return s;
}

// Reads the rows of a table text at one separator, as RFC 4180 reads them:
// double quotes at the start of a cell enclose it, "" in it is a quote, and a
// line break inside the quotes belongs to the cell, so such a row spans lines.
// Blanks around an unquoted cell are dropped; what follows the closing quote
// up to the separator is dropped; blank lines between rows are skipped.
class Satzleser {
 public:
  Satzleser(std::string_view text, char trenner) : zeilen_(text), trenner_(trenner) {}

  // Continues at byte `pos`, the start of line `nummer`.
  void Setzen(std::size_t pos, int nummer) { zeilen_.Setzen(pos, nummer); }
  std::size_t Position() const { return zeilen_.Position(); }
  // The number of the line after the row read last.
  int NaechsteNummer() const { return zeilen_.Nummer() + 1; }

  // Reads the next row into `satz`, whose cells are reused; false at the end.
  // A quote left open up to the end of the file does not swallow the file:
  // its row is read as its first line alone, the open cell taking the rest
  // of that line, and marked `offen`.
  bool Naechster(Rohtabelle::Zeile& satz) {
    std::string_view zeile;
    do {
      if (!zeilen_.Naechste(zeile)) return false;
    } while (Beschnitten(zeile).empty());
    satz.nummer = zeilen_.Nummer();
    satz.offen = false;
    std::size_t n = 0;
    std::size_t i = 0;
    while (true) {
      const bool ueberzaehlig = n > kMaxSpalten;
      if (!ueberzaehlig && n == satz.zellen.size()) satz.zellen.emplace_back();
      std::string& zelle = ueberzaehlig ? ueberzaehlig_ : satz.zellen[n++];
      zelle.clear();
      while (i < zeile.size() && zeile[i] != trenner_ && (zeile[i] == ' ' || zeile[i] == '\t')) ++i;
      if (i < zeile.size() && zeile[i] == '"') {
        const Zeilenleser vorher = zeilen_;
        const std::string_view ersteZeile = zeile;
        const std::size_t anfang = ++i;
        if (!Angefuehrt(zeile, i, zelle)) {
          zeilen_ = vorher;
          zeile = ersteZeile;
          zelle.clear();
          for (i = anfang; i < zeile.size(); ++i) {
            zelle += zeile[i];
            if (zeile[i] == '"') ++i;  // "" in the rest of the line: a quote
          }
          satz.offen = true;
        }
        while (i < zeile.size() && zeile[i] != trenner_) ++i;
      } else {
        const std::size_t ende = std::min(zeile.find(trenner_, i), zeile.size());
        zelle.assign(Beschnitten(zeile.substr(i, ende - i)));
        i = ende;
      }
      if (ueberzaehlig && satz.zellen[kMaxSpalten].empty()) satz.zellen[kMaxSpalten].swap(ueberzaehlig_);
      if (i >= zeile.size()) break;
      ++i;  // the separator
    }
    satz.zellen.resize(n);
    return true;
  }

 private:
  // Reads a quoted cell from after its opening quote up to and past the
  // closing one, on following lines if need be; false at the end of the text.
  bool Angefuehrt(std::string_view& zeile, std::size_t& i, std::string& zelle) {
    while (true) {
      const std::size_t q = zeile.find('"', i);
      if (q == std::string_view::npos) {
        zelle.append(zeile.substr(i));
        if (!zeilen_.Naechste(zeile)) return false;
        zelle += '\n';
        i = 0;
        continue;
      }
      zelle.append(zeile.substr(i, q - i));
      if (q + 1 < zeile.size() && zeile[q + 1] == '"') {
        zelle += '"';
        i = q + 2;
        continue;
      }
      i = q + 1;
      return true;
    }
  }

  Zeilenleser zeilen_;
  char trenner_;
  std::string ueberzaehlig_;  // a cell beyond kMaxSpalten + 1
};

// The first separator that splits the header into more than one cell and at
// least half the sampled rows into as many.
char TrennerErkennen(std::string_view text) {
  Rohtabelle::Zeile kopf;
  Rohtabelle::Zeile satz;
  for (const char t : kTrenner) {
    Satzleser leser(text, t);
    if (!leser.Naechster(kopf) || kopf.zellen.size() < 2) continue;
    std::size_t n = 1;
    std::size_t gleich = 0;
    for (; n < kProbezeilen && leser.Naechster(satz); ++n) gleich += satz.zellen.size() == kopf.zellen.size() ? 1 : 0;
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

const char* Trennername(char t) { return t == ';' ? "Semikolon" : t == '\t' ? "Tabulator" : "Komma"; }
const char* Dezimalname(char d) { return d == ',' ? "Komma" : "Punkt"; }

// The decimal mark the first rows show, and why.
char DezimalErkennen(const std::vector<Rohtabelle::Zeile>& zeilen, char trenner, std::string& grund) {
  if (trenner == ',') {
    grund = "erkannt: Punkt, da Komma die Spalten trennt";
    return '.';
  }
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
  // At most kProbezeilen rows of kMaxSpalten + 1 cells.
  const auto anzahl = [](std::size_t n) { return static_cast<int>(n); };
  if (komma == 0 && punkt == 0) {
    grund = "Vorgabe: Punkt (keine Zahl mit Dezimalzeichen)";
    return '.';
  }
  const char d = komma > punkt ? ',' : '.';
  const char anders = d == ',' ? '.' : ',';
  grund = text::Format("erkannt: %s (%d Zahlen mit %s, %d mit %s)", Dezimalname(d), anzahl(d == ',' ? komma : punkt),
                       Dezimalname(d), anzahl(d == ',' ? punkt : komma), Dezimalname(anders));
  return d;
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

// Porosity: one of these as a whole word of the name before its unit.
bool PasstZuPorositaet(const std::string& name) {
  std::string n = NameNormieren(name);
  std::replace(n.begin(), n.end(), '%', ' ');
  std::size_t anfang = 0;
  while (anfang < n.size()) {
    std::size_t ende = n.find(' ', anfang);
    if (ende == std::string::npos) ende = n.size();
    const std::string_view wort = std::string_view(n).substr(anfang, ende - anfang);
    // φ, Φ and the symbol ϕ in UTF-8.
    for (const char* p :
         {"porosity", "porositaet", "porositat", "phi", "por", "poro", "\xCF\x86", "\xCE\xA6", "\xCF\x95"}) {
      if (wort == p) return true;
    }
    anfang = ende + 1;
  }
  return false;
}

bool PasstZuRolle(const std::string& name, int rolle) {
  if (rolle == kPorositaet) return PasstZuPorositaet(name);
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

// The unit a porosity column's name gives: "%" anywhere in it is percent,
// "v/v" a fraction, else what its brackets or last word say ("(frac)",
// "(p.u.)"). Unset when the name gives none; false for one it does not know.
bool PorositaetseinheitAusName(std::string_view name, std::optional<Porositaetseinheit>& e) {
  e.reset();
  std::string klein(name);
  for (char& c : klein) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  if (klein.find('%') != std::string::npos) {
    e = Porositaetseinheit::Prozent;
    return true;
  }
  if (klein.find("v/v") != std::string::npos) {
    e = Porositaetseinheit::Anteil;
    return true;
  }
  std::string einheit = EinheitAusName(name);
  if (einheit.empty()) {
    const std::string n = NameNormieren(name);
    const std::size_t blank = n.rfind(' ');
    if (blank != std::string::npos) einheit = n.substr(blank + 1);
    if (einheit != "frac" && einheit != "fraction" && einheit != "anteil" && einheit != "prozent" &&
        einheit != "percent") {
      return true;
    }
  }
  if (einheit == "pu" || einheit == "p u") {
    e = Porositaetseinheit::Prozent;
    return true;
  }
  if (einheit == "dec" || einheit == "decimal") {
    e = Porositaetseinheit::Anteil;
    return true;
  }
  if (einheit.empty()) return true;
  Saettigungseinheit s;
  if (!SaettigungseinheitLesen(einheit, s)) return false;
  e = s == Saettigungseinheit::Prozent ? Porositaetseinheit::Prozent : Porositaetseinheit::Anteil;
  return true;
}

// A float in the shortest text that reads back as the same float.
std::string KurzText(float w) {
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, w);
  return std::string(puffer, r.ptr);
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

// A cell or label as a note shows it: at most kAuszug characters, then "…",
// and a line break from a quoted cell as "↵".
std::string Auszug(std::string_view s) {
  std::string aus;
  std::size_t zeichen = 0;
  for (const char c : s) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && ++zeichen > kAuszug) {
      aus += "…";
      break;
    }
    if (c == '\n') {
      aus += "↵";
    } else {
      aus += c;
    }
  }
  return aus;
}

struct Punkt {
  int zeile;
  float p;  // bar
  float s;  // fraction
};

// Why a row or point was not taken: one note per sample and cause.
enum Ursache {
  kPermKeineZahl,
  kPermNichtPositiv,
  kPermAbweichend,
  kDruckNegativ,
  kDruckZuGross,
  kSaettigungAusserhalb,
  kSaettigungFaellt,
  kZuVielePunkte,
  kPorositaetKeineZahl,
  kPorositaetAusserhalb,
  kPorositaetAbweichend,
  // A missing or non-numeric pressure or saturation: one cause for each way
  // the two cells can be faulty, so the note's words hold for every row.
  kWertFehlt,
};

// The rows of a sample that one cause left out: the first one's words, how
// many there are and the last one.
struct Haeufung {
  int ursache = 0;
  int erste = 0;
  int letzte = 0;
  int anzahl = 0;
  std::string text;

  Problem AlsProblem() const {
    return {erste, anzahl == 1 ? text : text::Format("%s (%d Zeilen, bis Zeile %d)", text, anzahl, letzte)};
  }
};

// Counts a row under its cause; `text` words the first one.
template <typename Text>
void Notieren(std::vector<Haeufung>& liste, int ursache, int zeile, Text text) {
  for (Haeufung& h : liste) {
    if (h.ursache == ursache) {
      h.letzte = zeile;
      ++h.anzahl;
      return;
    }
  }
  liste.push_back({ursache, zeile, zeile, 1, text()});
}

// One sample: a run of rows with one label.
struct Probe {
  std::string roh;   // the label as the table writes it
  std::string kern;  // as one word, and set apart from the labels before it
  int ersteZeile = 0;
  int zeilen = 0;  // rows that belong to it
  float perm = 0.0f;
  bool mitPerm = false;
  bool mitPunkt = false;
  float ersteSaettigung = 0.0f;
  float porositaet = 0.0f;  // fraction, of its first row with one
  bool mitPorositaet = false;
  bool porositaetVerworfen = false;      // its rows disagree, or one is faulty
  std::vector<Punkt> werte;              // the value lines, with a zero point added before the first
  std::vector<Problem> kennung;          // notes on the label
  std::vector<Haeufung> zeilenProbleme;  // rows that gave no point
  std::vector<Haeufung> punktProbleme;   // points that gave no value line
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
  auto text = std::make_shared<const std::string>(TextAusBytes(bytes));
  {
    Zeilenleser zeilen(*text);
    std::string_view zeile;
    bool leer = true;
    while (leer && zeilen.Naechste(zeile)) leer = Beschnitten(zeile).empty();
    if (leer) {
      fehler = "Die Tabelle ist leer.";
      return false;
    }
  }
  const char erkannt = TrennerErkennen(*text);
  if (trenner == 0) trenner = erkannt;
  if (trenner == 0) {
    fehler = "Die Tabelle hat nur eine Spalte: kein Trennzeichen (Komma, Semikolon, Tabulator) erkannt.";
    return false;
  }
  tabelle.trenner = trenner;
  tabelle.trennerHerkunft = erkannt == 0         ? std::string("gewählt; kein Trennzeichen erkannt")
                            : erkannt == trenner ? text::Format("erkannt: %s", Trennername(erkannt))
                                                 : text::Format("gewählt; erkannt: %s", Trennername(erkannt));
  Satzleser leser(*text, trenner);
  Rohtabelle::Zeile satz;
  leser.Naechster(satz);
  tabelle.kopfZeile = satz.nummer;
  if (satz.zellen.size() > kMaxSpalten) {
    fehler = text::Format("Die Tabelle hat mehr als %d Spalten.", static_cast<int>(kMaxSpalten));
    return false;
  }
  tabelle.kopf = std::move(satz.zellen);
  tabelle.rumpf = leser.Position();
  tabelle.rumpfZeile = leser.NaechsteNummer();
  satz = Rohtabelle::Zeile{};
  while (tabelle.ersteZeilen.size() < kErsteZeilen && leser.Naechster(satz)) tabelle.ersteZeilen.push_back(satz);
  std::string grund;
  const char dezimalErkannt = DezimalErkennen(tabelle.ersteZeilen, trenner, grund);
  tabelle.dezimal = dezimal != 0 ? dezimal : dezimalErkannt;
  tabelle.dezimalHerkunft = tabelle.dezimal == dezimalErkannt ? grund : "gewählt; " + grund;

  const auto mitZahl = [&tabelle](const Rohtabelle::Zeile& z) {
    return std::any_of(z.zellen.begin(), z.zellen.end(),
                       [&tabelle](const std::string& zelle) { return Zahlform(zelle, tabelle.dezimal) == 1; });
  };
  bool zahlen = std::any_of(tabelle.ersteZeilen.begin(), tabelle.ersteZeilen.end(), mitZahl);
  while (!zahlen && leser.Naechster(satz)) zahlen = mitZahl(satz);
  if (!zahlen) {
    fehler = "Die Tabelle enthält keine Spalte mit Zahlen.";
    return false;
  }
  tabelle.text = std::move(text);
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
  static const char* const namen[kRollen] = {"Kern", "Permeabilität", "Druck", "Sättigung", "Porosität"};
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

std::string Einheitname(Porositaetseinheit e) { return e == Porositaetseinheit::Prozent ? "Prozent" : "Anteil"; }

namespace {

// Turns the rows, one after the other, into samples and each finished
// sample into its value lines and notes, so that only the sample at hand is
// held. A sample is a run of rows with one label; a label that comes again
// after another sample, or that the blank-to-"_" rewrite makes equal to an
// earlier one, starts a sample of its own under a label with "#2", "#3" …
class Auswertung {
 public:
  Auswertung(const Rohtabelle& t, const Vorgaben& v, Ergebnis& e)
      : t_(t), v_(v), e_(e), name_(v.standardKern.empty() ? "PROBE" : v.standardKern) {}

  void Zeile(const Rohtabelle::Zeile& zeile) {
    if (zeile.offen) {
      Melden({zeile.nummer, "Anführungszeichen bis zum Ende der Datei nicht geschlossen: Zeile nicht gelesen"});
      return;
    }
    const auto zelle = [&zeile](int s) -> std::string_view {
      return s >= 0 && static_cast<std::size_t>(s) < zeile.zellen.size()
                 ? Beschnitten(zeile.zellen[static_cast<std::size_t>(s)])
                 : std::string_view();
    };
    if (std::all_of(zeile.zellen.begin(), zeile.zellen.end(), [](const std::string& z) { return z.empty(); })) return;
    // A row without a label continues the sample above it, as exports often name it only once.
    if (Spalte(kKern) >= 0 && !zelle(Spalte(kKern)).empty()) name_.assign(zelle(Spalte(kKern)));
    if (!aktiv_ || name_ != probe_.roh) {
      if (aktiv_) Abschliessen();
      Beginnen(zeile.nummer);
    }
    Probe& probe = probe_;
    const int nr = zeile.nummer;
    ++probe.zeilen;

    float perm = 0.0f;
    const std::string_view permZelle = zelle(Spalte(kPerm));
    if (ZahlAusZelle(permZelle, t_.dezimal, perm)) {
      if (!(perm > 0.0f)) {
        Notieren(probe.zeilenProbleme, kPermNichtPositiv, nr,
                 [&] { return text::Format("Permeabilität %g ist nicht größer 0", perm); });
      } else if (!probe.mitPerm) {
        probe.perm = perm;
        probe.mitPerm = true;
      } else if (perm != probe.perm) {
        Notieren(probe.zeilenProbleme, kPermAbweichend, nr, [&] {
          return text::Format("Permeabilität %g weicht von %g der Probe %s ab; %g gilt", perm, probe.perm,
                              Auszug(probe.kern), probe.perm);
        });
      }
    } else if (!permZelle.empty()) {
      Notieren(probe.zeilenProbleme, kPermKeineZahl, nr,
               [&] { return text::Format("Permeabilität „%s“ ist keine Zahl", Auszug(permZelle)); });
    }

    if (Spalte(kPorositaet) >= 0) PorositaetLesen(probe, nr, zelle(Spalte(kPorositaet)));

    float p = 0.0f;
    float s = 0.0f;
    double pGenau = 0.0;
    double sGenau = 0.0;
    const std::string_view pZelle = zelle(Spalte(kDruck));
    const std::string_view sZelle = zelle(Spalte(kSaettigung));
    const bool mitP = ZahlAusZelle(pZelle, t_.dezimal, p, &pGenau);
    const bool mitS = ZahlAusZelle(sZelle, t_.dezimal, s, &sGenau);
    if (!mitP || !mitS) {
      const auto art = [](bool mit, std::string_view z) { return mit ? 0 : z.empty() ? 1 : 2; };
      Notieren(probe.zeilenProbleme, kWertFehlt + 3 * art(mitP, pZelle) + art(mitS, sZelle), nr, [&] {
        const auto grund = [](std::string_view z, const char* was) {
          return z.empty() ? text::Format("%s fehlt", was) : text::Format("%s „%s“ ist keine Zahl", was, Auszug(z));
        };
        std::string text = !mitP ? grund(pZelle, "Druck") : grund(sZelle, "Sättigung");
        if (!mitP && !mitS) {
          text += ", ";
          text += grund(sZelle, "Sättigung");
        }
        return text;
      });
      return;
    }
    // In bar and as a fraction the value is read as the text import reads
    // it; a conversion starts from all the digits of the cell.
    const double barGenau = e_.druck == Druckeinheit::Bar ? p : InBar(pGenau, e_.druck);
    const bool zuGross = !(std::fabs(barGenau) <= std::numeric_limits<float>::max());
    const float bar = zuGross ? 0.0f : static_cast<float>(barGenau);
    const float anteil = e_.saettigung == Saettigungseinheit::Prozent ? static_cast<float>(sGenau / 100.0) : s;
    if (zuGross ? barGenau < 0.0 : bar < 0.0f) {
      Notieren(probe.zeilenProbleme, kDruckNegativ, nr, [&] { return text::Format("Druck %g ist kleiner 0", p); });
      return;
    }
    if (zuGross) {
      Notieren(probe.zeilenProbleme, kDruckZuGross, nr,
               [&] { return text::Format("Druck %g %s ist in bar zu groß", p, Einheitname(e_.druck)); });
      return;
    }
    if (!(anteil >= 0.0f && anteil <= 1.0f)) {
      Notieren(probe.zeilenProbleme, kSaettigungAusserhalb, nr,
               [&] { return text::Format("Sättigung %g liegt nicht zwischen 0 und 1", anteil); });
      return;
    }
    PunktAufnehmen(nr, bar, anteil);
  }

  // Finishes the last sample and closes the list of notes.
  void Ende() {
    if (aktiv_) Abschliessen();
    std::stable_sort(e_.probleme.begin(), e_.probleme.end(),
                     [](const Problem& a, const Problem& b) { return a.zeile < b.zeile; });
    if (weitere_ > 0) {
      e_.probleme.push_back({ersteWeitere_, text::Format("und %d weitere Hinweise ab dieser Zeile", weitere_)});
    }
  }

 private:
  int Spalte(int rolle) const { return e_.spalten[static_cast<std::size_t>(rolle)]; }

  void Beginnen(int zeile) {
    probe_ = Probe{};
    aktiv_ = true;
    Probe& probe = probe_;
    probe.roh = name_;
    probe.ersteZeile = zeile;
    probe.kern = KernAlsWort(name_);
    if (probe.kern != name_) {
      probe.kennung.push_back(
          {zeile, text::Format("Kern „%s“ heißt „%s“: die Kennung ist ein Wort", Auszug(name_), Auszug(probe.kern))});
    }
    // The header's keywords after the label cannot be a label themselves.
    if (kopfzeile::IstZusatzwort(probe.kern)) {
      probe.kennung.push_back({zeile, text::Format("Kern „%s“ heißt „%s_“: %s steht in der Kopfzeile nach dem Kern",
                                                   probe.kern, probe.kern, probe.kern)});
      probe.kern += "_";
    }
    const auto [it, neu] = vergeben_.try_emplace(probe.kern, Vergeben{zeile});
    if (neu) return;
    // Another sample holds the label: this one gets the next free "#n".
    Vergeben& frueher = it->second;
    std::string anders;
    do {
      anders = probe.kern + "#" + std::to_string(frueher.naechste++);
    } while (!vergeben_.try_emplace(anders, Vergeben{zeile}).second);
    probe.kennung.push_back(
        {zeile, text::Format("Probe %s stand schon ab Zeile %d; diese Zeilen bleiben getrennt als Probe %s",
                             Auszug(probe.kern), frueher.zeile, Auszug(anders))});
    probe.kern = std::move(anders);
  }

  // The porosity of a row: every row of a sample that gives one must give
  // the same fraction inside (0, 1), else the sample keeps none.
  void PorositaetLesen(Probe& probe, int nr, std::string_view zelle) {
    float phi = 0.0f;
    double genau = 0.0;
    if (!ZahlAusZelle(zelle, t_.dezimal, phi, &genau)) {
      if (zelle.empty()) return;
      probe.porositaetVerworfen = true;
      Notieren(probe.zeilenProbleme, kPorositaetKeineZahl, nr, [&] {
        return text::Format("Porosität „%s“ ist keine Zahl; die Probe bleibt ohne Porosität", Auszug(zelle));
      });
      return;
    }
    const bool prozent = e_.porositaet == Porositaetseinheit::Prozent;
    const float anteil = prozent ? static_cast<float>(genau / 100.0) : phi;
    if (!(anteil > 0.0f && anteil < 1.0f)) {
      probe.porositaetVerworfen = true;
      Notieren(probe.zeilenProbleme, kPorositaetAusserhalb, nr, [&] {
        return text::Format("Porosität %g liegt nicht zwischen 0 und 1%s; die Probe bleibt ohne Porosität", anteil,
                            !prozent && anteil > 1.0f && anteil < 100.0f ? " (in Prozent angegeben?)" : "");
      });
    } else if (!probe.mitPorositaet) {
      probe.porositaet = anteil;
      probe.mitPorositaet = true;
    } else if (anteil != probe.porositaet) {
      probe.porositaetVerworfen = true;
      Notieren(probe.zeilenProbleme, kPorositaetAbweichend, nr, [&] {
        return text::Format("Porosität %g weicht von %g der Probe %s ab; die Probe bleibt ohne Porosität", anteil,
                            probe.porositaet, Auszug(probe.kern));
      });
    }
  }

  void PunktAufnehmen(int zeile, float p, float s) {
    Probe& probe = probe_;
    if (!probe.mitPunkt) {
      probe.mitPunkt = true;
      probe.ersteSaettigung = s;
    }
    // Used only when the zero point is to be added.
    if (probe.werte.empty() && s != 0.0f) probe.werte.push_back({zeile, p, 0.0f});
    if (!probe.werte.empty() && s < probe.werte.back().s) {
      const Punkt vorher = probe.werte.back();
      Notieren(probe.punktProbleme, kSaettigungFaellt, zeile,
               [&] { return text::Format("Sättigung %g fällt unter %g der Zeile %d", s, vorher.s, vorher.zeile); });
    } else if (static_cast<int>(probe.werte.size()) >= kMaxPunkte) {
      Notieren(probe.punktProbleme, kZuVielePunkte, zeile,
               [&] { return text::Format("mehr als %d Messpunkte der Probe %s", kMaxPunkte, Auszug(probe.kern)); });
    } else {
      probe.werte.push_back({zeile, p, s});
    }
  }

  void Abschliessen() {
    Probe& probe = probe_;
    aktiv_ = false;
    std::vector<Problem> pr = std::move(probe.kennung);
    for (const Haeufung& h : probe.zeilenProbleme) pr.push_back(h.AlsProblem());
    const auto auslassen = [&](const std::string& grund) {
      pr.push_back({probe.ersteZeile,
                    text::Format("Probe %s ausgelassen (%d Zeilen): %s", Auszug(probe.kern), probe.zeilen, grund)});
    };
    bool genommen = false;
    if (!probe.mitPerm) {
      auslassen("keine Permeabilität größer 0");
    } else if (probe.mitPunkt && probe.ersteSaettigung != 0.0f && !v_.nullpunktEinfuegen) {
      auslassen(text::Format("die 1. Sättigung ist %g, nicht 0 (Nullpunkt einfügen?)", probe.ersteSaettigung));
    } else {
      for (const Haeufung& h : probe.punktProbleme) pr.push_back(h.AlsProblem());
      if (probe.werte.size() < 3) {
        auslassen(text::Format("nur %d Messpunkte, mindestens 3 nötig", static_cast<int>(probe.werte.size())));
      } else {
        genommen = true;
      }
    }
    std::stable_sort(pr.begin(), pr.end(), [](const Problem& a, const Problem& b) { return a.zeile < b.zeile; });
    for (const Problem& p : pr) Melden(p);
    if (!genommen) return;

    std::optional<float> porositaet;
    if (probe.mitPorositaet && !probe.porositaetVerworfen) porositaet = probe.porositaet;
    std::string kopf = text::Format("PERMEABILITAET: %g %s", probe.perm, probe.kern);
    // Written so that it reads back as the same float.
    if (porositaet) kopf += std::string(" ") + kPorositaetWort + " " + KurzText(*porositaet);
    e_.zeilen.push_back(std::move(kopf));
    for (const Punkt& punkt : probe.werte) e_.zeilen.push_back(text::Format("%9.4f  %15.5f ", punkt.p, punkt.s));
    e_.zeilen.push_back("ENDE");
    e_.messungen.push_back(
        {probe.kern, probe.perm, static_cast<int>(probe.werte.size()), probe.ersteZeile, std::move(pr), porositaet});
  }

  void Melden(const Problem& p) {
    if (e_.probleme.size() < kMaxProbleme) {
      e_.probleme.push_back(p);
    } else {
      ersteWeitere_ = weitere_ == 0 ? p.zeile : std::min(ersteWeitere_, p.zeile);
      ++weitere_;
    }
  }

  // A label given to a sample: the sample's first line, and the next "#n"
  // to try for a sample that comes with the same label.
  struct Vergeben {
    int zeile = 0;
    int naechste = 2;
  };

  const Rohtabelle& t_;
  const Vorgaben& v_;
  Ergebnis& e_;
  std::string name_;  // the label of the current row
  Probe probe_;
  bool aktiv_ = false;
  std::unordered_map<std::string, Vergeben> vergeben_;
  long long weitere_ = 0;  // notes beyond kMaxProbleme
  int ersteWeitere_ = 0;
};

}  // namespace

bool TabelleAuswerten(const Rohtabelle& t, const Vorgaben& v, Ergebnis& e, std::string& fehler) {
  e = Ergebnis{};
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

  // Units: given, else from the column names, else bar and fraction (mD only).
  const std::string permEinheit = EinheitAusName(t.kopf[static_cast<std::size_t>(spalte(kPerm))]);
  if (!permEinheit.empty() && permEinheit != "md" && permEinheit != "millidarcy") {
    fehler = text::Format("Die Permeabilität der Spalte „%s“ ist nicht in mD angegeben.", Kopfname(t, spalte(kPerm)));
    return false;
  }
  // Why a unit is used: chosen (and what the name says if it differs), the
  // column's name, or the default.
  const auto herkunft = [&t](const std::string& einheit, int spalte, bool gewaehlt,
                             const std::optional<std::string>& ausName) {
    const std::string name = Auszug(t.kopf[static_cast<std::size_t>(spalte)]);
    if (gewaehlt) {
      return ausName && *ausName != einheit
                 ? text::Format("%s (gewählt; der Spaltenname „%s“ nennt %s)", einheit, name, *ausName)
                 : text::Format("%s (gewählt)", einheit);
    }
    return ausName ? text::Format("%s (aus dem Spaltennamen „%s“)", einheit, name) : einheit + " (Vorgabe)";
  };
  {
    const std::string einheit = EinheitAusName(t.kopf[static_cast<std::size_t>(spalte(kDruck))]);
    Druckeinheit ausName = Druckeinheit::Bar;
    const bool bekannt = DruckeinheitLesen(einheit, ausName);
    if (v.druck) {
      e.druck = *v.druck;
    } else if (!einheit.empty() && !bekannt) {
      fehler = text::Format("Die Einheit der Spalte „%s“ ist unbekannt; bitte die Druckeinheit wählen.",
                            Kopfname(t, spalte(kDruck)));
      return false;
    } else {
      e.druck = ausName;
    }
    e.druckHerkunft = herkunft(Einheitname(e.druck), spalte(kDruck), v.druck.has_value(),
                               bekannt ? std::optional(Einheitname(ausName)) : std::nullopt);
  }
  {
    const std::string einheit = EinheitAusName(t.kopf[static_cast<std::size_t>(spalte(kSaettigung))]);
    Saettigungseinheit ausName = Saettigungseinheit::Anteil;
    const bool bekannt = SaettigungseinheitLesen(einheit, ausName);
    if (v.saettigung) {
      e.saettigung = *v.saettigung;
    } else if (!bekannt) {
      fehler = text::Format("Die Einheit der Spalte „%s“ ist unbekannt; bitte die Sättigungseinheit wählen.",
                            Kopfname(t, spalte(kSaettigung)));
      return false;
    } else {
      e.saettigung = ausName;
    }
    e.saettigungHerkunft = herkunft(Einheitname(e.saettigung), spalte(kSaettigung), v.saettigung.has_value(),
                                    bekannt && !einheit.empty() ? std::optional(Einheitname(ausName)) : std::nullopt);
  }
  if (spalte(kPorositaet) >= 0) {
    std::optional<Porositaetseinheit> ausName;
    const bool bekannt = PorositaetseinheitAusName(t.kopf[static_cast<std::size_t>(spalte(kPorositaet))], ausName);
    if (v.porositaet) {
      e.porositaet = *v.porositaet;
    } else if (!bekannt) {
      fehler = text::Format("Die Einheit der Spalte „%s“ ist unbekannt; bitte die Porositätseinheit wählen.",
                            Kopfname(t, spalte(kPorositaet)));
      return false;
    } else {
      e.porositaet = ausName.value_or(Porositaetseinheit::Anteil);
    }
    e.porositaetHerkunft = herkunft(Einheitname(e.porositaet), spalte(kPorositaet), v.porositaet.has_value(),
                                    ausName ? std::optional(Einheitname(*ausName)) : std::nullopt);
  }

  Auswertung auswertung(t, v, e);
  if (t.text) {
    Satzleser leser(*t.text, t.trenner);
    leser.Setzen(t.rumpf, t.rumpfZeile);
    Rohtabelle::Zeile zeile;
    while (leser.Naechster(zeile)) auswertung.Zeile(zeile);
  }
  auswertung.Ende();

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
