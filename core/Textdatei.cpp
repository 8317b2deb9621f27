#include "Textdatei.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "Cp1252.h"
#include "TextFormat.h"

namespace text {

Textliste ZeilenAusBytes(std::string_view bytes) {
  Textliste zeilen;
  std::size_t anfang = 0;
  while (anfang < bytes.size()) {
    std::size_t ende = bytes.find('\n', anfang);
    const bool letzte = ende == std::string_view::npos;
    if (letzte) ende = bytes.size();
    std::size_t inhalt = ende;
    if (inhalt > anfang && bytes[inhalt - 1] == '\r') --inhalt;
    zeilen.push_back(Cp1252NachUtf8(bytes.substr(anfang, inhalt - anfang)));
    anfang = letzte ? bytes.size() : ende + 1;
  }
  return zeilen;
}

bool DateiLesen(const std::string& pfad, std::string& bytes, std::string& fehler) {
  std::ifstream ein(pfad, std::ios::binary);
  if (!ein) {
    fehler = Format("Die Datei %s kann nicht geöffnet werden: %s", pfad, std::strerror(errno));
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
  if (ein.bad()) {
    fehler = Format("Die Datei %s kann nicht gelesen werden.", pfad);
    return false;
  }
  return true;
}

bool DateiSchreiben(const std::string& pfad, std::string_view bytes, std::string& fehler) {
  const std::string temp = pfad + ".tmp~";
  {
    std::ofstream aus(temp, std::ios::binary | std::ios::trunc);
    if (!aus) {
      fehler = Format("Die Datei %s kann nicht angelegt werden: %s", temp, std::strerror(errno));
      return false;
    }
    aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    aus.flush();
    if (!aus) {
      fehler = Format("Die Datei %s kann nicht geschrieben werden: %s", temp, std::strerror(errno));
      aus.close();
      std::error_code ec;
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, pfad, ec);
  if (ec) {
    fehler = Format("Die Datei %s kann nicht geschrieben werden: %s", pfad, ec.message());
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace text
