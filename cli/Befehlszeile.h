#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The command line of kadrel-cli, read with CLI11. Each part of the program
// registers its options here, each with its help text and a function that
// takes its value, and its piece of the usage line. Reading reports the
// first fault in the order of the arguments, in the program's words: a bad
// value in the option's own message, "Unbekannte Option: …",
// "Mehr als eine Eingabedatei: …". A value is the next argument whatever it
// looks like; "--name=wert" is an unknown option, as it has always been.
class Befehlszeile {
 public:
  // Takes one value of an option; returns the message when it is bad.
  using Leser = std::function<std::optional<std::string>(const std::string& wert)>;
  // Takes the value of an option whose value may be left out (nothing then).
  using WahlweiseLeser = std::function<std::optional<std::string>(const std::optional<std::string>& wert)>;

  Befehlszeile();
  ~Befehlszeile();
  Befehlszeile(const Befehlszeile&) = delete;
  Befehlszeile& operator=(const Befehlszeile&) = delete;

  // An option without a value ("--json").
  void Schalter(const std::string& name, const std::string& hilfe, std::function<void()> setzen);
  // An option with one value; `form` names it in the help ("DATEI"), `fehlt`
  // is the message when the command line ends after the option. Each time
  // the option is given `lesen` takes its value: keeping the last one or
  // collecting them all is the reader's choice.
  void Wert(const std::string& name, const std::string& form, const std::string& hilfe, const std::string& fehlt,
            Leser lesen);
  // An option whose value may be left out: it takes the next argument unless
  // that is an option, so a file name right after it is its value.
  void WahlweiseWert(const std::string& name, const std::string& form, const std::string& hilfe, WahlweiseLeser lesen);
  // The one argument that is not an option; `form` closes the usage line.
  void Eingabe(const std::string& form, std::function<void(const std::string&)> setzen);

  // Adds a piece to the usage line; a piece that starts with "\n" begins a
  // new line, as may a "\n" inside it.
  void Aufruf(const std::string& teil);
  // Adds another form of the call after the usage line ("--version").
  void Aufrufform(const std::string& form);

  // Reads the arguments (without the program's name); returns the first
  // fault, or nothing. Once per object.
  std::optional<std::string> Lesen(const std::vector<std::string>& argumente);

  // "Aufruf: kadrel-cli …" with the pieces in their order and the input,
  // then the other forms; every line ends with "\n".
  std::string Aufrufzeilen() const;
  // The options in their order: name and form, then the help, in a column.
  std::string Optionshilfe() const;

 private:
  struct Daten;
  std::unique_ptr<Daten> d_;
};
