#include "Befehlszeile.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <utility>

#include <CLI/CLI.hpp>

namespace {

// CLI11 reads "--name=wert" as the option with its value. Such an argument
// reaches CLI11 as a stand-in that it takes for an unknown option, and comes
// back as written wherever it lands: as a value, an unknown option, an
// input. Arguments that begin like a stand-in are replaced as well, so none
// is mistaken for one.
constexpr std::string_view kVertreter = "--\x01kadrel-";
// What CLI11 hands an option whose value was left out; never a stand-in.
const std::string kOhneWert(kVertreter);

// A bad value: ends the reading at once, in the order of the arguments.
struct Abbruch {
  std::string meldung;
};

constexpr std::size_t kHilfespalte = 23;

}  // namespace

struct Befehlszeile::Daten {
  CLI::App app{"", "kadrel-cli"};
  std::vector<std::string> argumente;
  struct Eintrag {
    std::string name;
    std::string form;
    std::string hilfe;
    std::string fehlt;
  };
  std::vector<Eintrag> eintraege;
  std::vector<std::string> aufruf;
  std::vector<std::string> formen;
  std::string eingabe;

  Daten() {
    app.set_help_flag();
    app.allow_extras();
    app.validate_positionals();
  }

  // The argument as it was written, for a stand-in.
  std::string Zurueck(const std::string& s) const {
    if (!s.starts_with(kVertreter) || s.size() == kVertreter.size()) return s;
    std::size_t i = 0;
    const char* ende = s.data() + s.size();
    const auto r = std::from_chars(s.data() + kVertreter.size(), ende, i);
    return r.ec == std::errc() && r.ptr == ende && i < argumente.size() ? argumente[i] : s;
  }

  void Eintragen(const std::string& name, const std::string& form, const std::string& hilfe, std::string fehlt) {
    eintraege.push_back({name, form, hilfe, std::move(fehlt)});
  }
};

Befehlszeile::Befehlszeile() : d_(std::make_unique<Daten>()) {}
Befehlszeile::~Befehlszeile() = default;

void Befehlszeile::Schalter(const std::string& name, const std::string& hilfe, std::function<void()> setzen) {
  d_->app.add_flag_callback(name, std::move(setzen))->trigger_on_parse();
  d_->Eintragen(name, "", hilfe, "");
}

void Befehlszeile::Wert(const std::string& name, const std::string& form, const std::string& hilfe,
                        const std::string& fehlt, Leser lesen) {
  Daten& d = *d_;
  d.app
      .add_option(name,
                  [&d, lesen = std::move(lesen)](const CLI::results_t& werte) {
                    if (auto f = lesen(d.Zurueck(werte.front()))) throw Abbruch{std::move(*f)};
                    return true;
                  })
      ->expected(1)
      ->trigger_on_parse();
  d.Eintragen(name, form, hilfe, fehlt);
}

void Befehlszeile::WahlweiseWert(const std::string& name, const std::string& form, const std::string& hilfe,
                                 WahlweiseLeser lesen) {
  Daten& d = *d_;
  d.app
      .add_option(name,
                  [&d, lesen = std::move(lesen)](const CLI::results_t& werte) {
                    std::optional<std::string> wert;
                    if (werte.front() != kOhneWert) wert = d.Zurueck(werte.front());
                    if (auto f = lesen(wert)) throw Abbruch{std::move(*f)};
                    return true;
                  })
      ->expected(0, 1)
      ->default_str(kOhneWert)
      ->trigger_on_parse();
  d.Eintragen(name, form, hilfe, "");
}

void Befehlszeile::Eingabe(const std::string& form, std::function<void(const std::string&)> setzen) {
  Daten& d = *d_;
  d.app
      .add_option(form,
                  [&d, setzen = std::move(setzen)](const CLI::results_t& werte) {
                    setzen(d.Zurueck(werte.front()));
                    return true;
                  })
      ->expected(1)
      // Anything else that starts with "-" is an unknown option.
      ->check([](const std::string& a) { return a.size() > 1 && a[0] == '-' ? std::string("Option") : std::string(); });
  d.eingabe = form;
}

void Befehlszeile::Aufruf(const std::string& teil) { d_->aufruf.push_back(teil); }

void Befehlszeile::Aufrufform(const std::string& form) { d_->formen.push_back(form); }

std::optional<std::string> Befehlszeile::Lesen(const std::vector<std::string>& argumente) {
  Daten& d = *d_;
  d.argumente = argumente;
  // CLI11 takes the arguments from the back.
  std::vector<std::string> rueckwaerts;
  for (std::size_t i = argumente.size(); i-- > 0;) {
    const std::string& a = argumente[i];
    const bool vertreten = (a.starts_with("--") && a.find('=') != std::string::npos) || a.starts_with(kVertreter);
    rueckwaerts.push_back(vertreten ? std::string(kVertreter) + std::to_string(i) : a);
  }
  std::optional<std::string> fehler;
  try {
    d.app.parse(rueckwaerts);
  } catch (const Abbruch& a) {
    fehler = a.meldung;
  } catch (const CLI::ArgumentMismatch& e) {
    // A value is whatever follows its option: only the last argument can
    // miss its value.
    const auto it = std::find_if(d.eintraege.begin(), d.eintraege.end(),
                                 [&](const Daten::Eintrag& e) { return e.name == argumente.back(); });
    fehler = it != d.eintraege.end() && !it->fehlt.empty() ? it->fehlt : std::string(e.what());
  } catch (const CLI::ParseError& e) {
    fehler = e.what();
  }
  // Unknown options and surplus inputs were set aside on the way; the first
  // of them stands before any fault that stopped the reading.
  const std::vector<std::string> rest = d.app.remaining();
  if (!rest.empty()) {
    const std::string a = d.Zurueck(rest.front());
    return (a.size() > 1 && a[0] == '-' ? "Unbekannte Option: " : "Mehr als eine Eingabedatei: ") + a;
  }
  return fehler;
}

namespace {

// Puts `einzug` after every line break.
std::string Einruecken(const std::string& text, const std::string& einzug) {
  std::string aus;
  for (const char c : text) {
    aus += c;
    if (c == '\n') aus += einzug;
  }
  return aus;
}

std::string Zeilen(const std::string& anfang, const std::vector<std::string>& teile) {
  std::string zeile;
  for (const std::string& t : teile) {
    if (!zeile.empty() && !t.starts_with('\n')) zeile += ' ';
    zeile += t;
  }
  return anfang + Einruecken(zeile, std::string(anfang.size(), ' ')) + "\n";
}

}  // namespace

std::string Befehlszeile::Aufrufzeilen() const {
  std::vector<std::string> teile = d_->aufruf;
  if (!d_->eingabe.empty()) teile.push_back("[" + d_->eingabe + "]");
  std::string text = Zeilen("Aufruf: kadrel-cli ", teile);
  for (const std::string& form : d_->formen) text += Zeilen("       kadrel-cli ", {form});
  return text;
}

std::string Befehlszeile::Optionshilfe() const {
  std::string text;
  for (const Daten::Eintrag& e : d_->eintraege) {
    std::string kopf = "  " + e.name + (e.form.empty() ? "" : " " + e.form);
    kopf += kopf.size() < kHilfespalte ? std::string(kHilfespalte - kopf.size(), ' ') : "  ";
    text += kopf + Einruecken(e.hilfe, std::string(kHilfespalte, ' ')) + "\n";
  }
  return text;
}
