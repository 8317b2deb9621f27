#include "TextFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace text {
namespace {

struct Angabe {
  bool links = false;
  bool plus = false;
  bool blank = false;
  bool null = false;
  bool alternativ = false;
  int breite = 0;
  int genauigkeit = -1;
  char art = 0;
};

// Widens a two-digit exponent ("e-05") to three digits ("e-005").
void ExponentVerbreitern(std::string& s) {
  const auto e = s.find_first_of("eE");
  if (e == std::string::npos || e + 1 >= s.size()) return;
  std::size_t ziffern = e + 1;
  if (s[ziffern] == '+' || s[ziffern] == '-') {
    ++ziffern;
  } else {
    s.insert(ziffern, 1, '+');
    ++ziffern;
  }
  const std::size_t anzahl = s.size() - ziffern;
  if (anzahl < 3) s.insert(ziffern, 3 - anzahl, '0');
}

// Removes trailing zeros of the fraction (and a bare point), as %g does.
void NullenKuerzen(std::string& s) {
  const auto punkt = s.find('.');
  if (punkt == std::string::npos) return;
  auto ende = s.find_first_of("eE", punkt);
  if (ende == std::string::npos) ende = s.size();
  auto letzte = ende;
  while (letzte > punkt + 1 && s[letzte - 1] == '0') --letzte;
  if (letzte == punkt + 1) --letzte;
  s.erase(letzte, ende - letzte);
}

std::string ZahlText(double wert, const Angabe& a) {
  const bool negativ = std::signbit(wert);
  const double betrag = std::fabs(wert);
  std::string ziffern;
  if (std::isnan(wert) || std::isinf(wert)) {
    ziffern = std::isnan(wert) ? "nan" : "inf";
    if (a.art == 'E' || a.art == 'G' || a.art == 'F') {
      for (auto& c : ziffern) c = static_cast<char>(c - 'a' + 'A');
    }
  } else {
    const int p = a.genauigkeit < 0 ? 6 : a.genauigkeit;
    // Room for 309 integer digits, point, every requested digit and exponent,
    // whatever the precision.
    const auto schreiben = [betrag](std::chars_format art, int genauigkeit) {
      std::string puffer(static_cast<std::size_t>(genauigkeit) + 330, '\0');
      const auto r = std::to_chars(puffer.data(), puffer.data() + puffer.size(), betrag, art, genauigkeit);
      puffer.resize(static_cast<std::size_t>(r.ptr - puffer.data()));
      return puffer;
    };
    switch (a.art) {
      case 'f':
      case 'F':
        ziffern = schreiben(std::chars_format::fixed, p);
        break;
      case 'e':
      case 'E':
        ziffern = schreiben(std::chars_format::scientific, p);
        break;
      default: {
        // %g: precision 0 counts as 1; the style follows the exponent of the
        // value rounded to that many digits.
        const int g = p == 0 ? 1 : p;
        const std::string probe = schreiben(std::chars_format::scientific, g - 1);
        const int exponent = std::atoi(probe.c_str() + probe.find('e') + 1);
        if (exponent < -4 || exponent >= g) {
          ziffern = probe;
        } else {
          ziffern = schreiben(std::chars_format::fixed, g - 1 - exponent);
        }
        break;
      }
    }
    const bool allgemein = a.art == 'g' || a.art == 'G';
    if (allgemein && !a.alternativ) NullenKuerzen(ziffern);
    if (a.alternativ && ziffern.find('.') == std::string::npos) {
      const auto e = ziffern.find('e');
      ziffern.insert(e == std::string::npos ? ziffern.size() : e, 1, '.');
    }
    ExponentVerbreitern(ziffern);
    if (a.art == 'E' || a.art == 'G') {
      for (auto& c : ziffern)
        if (c == 'e') c = 'E';
    }
  }
  std::string vorzeichen;
  if (negativ) {
    vorzeichen = "-";
  } else if (a.plus) {
    vorzeichen = "+";
  } else if (a.blank) {
    vorzeichen = " ";
  }
  const std::size_t laenge = vorzeichen.size() + ziffern.size();
  const std::size_t breite = static_cast<std::size_t>(a.breite);
  if (laenge >= breite) return vorzeichen + ziffern;
  const std::size_t fehlt = breite - laenge;
  if (a.links) return vorzeichen + ziffern + std::string(fehlt, ' ');
  if (a.null && std::isfinite(wert)) return vorzeichen + std::string(fehlt, '0') + ziffern;
  return std::string(fehlt, ' ') + vorzeichen + ziffern;
}

std::string GanzText(long long wert, const Angabe& a) {
  const bool negativ = wert < 0;
  const unsigned long long betrag =
      negativ ? 0ULL - static_cast<unsigned long long>(wert) : static_cast<unsigned long long>(wert);
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, betrag);
  std::string ziffern(puffer, r.ptr);
  if (a.genauigkeit >= 0 && ziffern.size() < static_cast<std::size_t>(a.genauigkeit)) {
    ziffern.insert(0, static_cast<std::size_t>(a.genauigkeit) - ziffern.size(), '0');
  }
  if (a.genauigkeit == 0 && betrag == 0) ziffern.clear();
  std::string vorzeichen = negativ ? "-" : (a.plus ? "+" : (a.blank ? " " : ""));
  const std::size_t laenge = vorzeichen.size() + ziffern.size();
  const std::size_t breite = static_cast<std::size_t>(a.breite);
  if (laenge >= breite) return vorzeichen + ziffern;
  const std::size_t fehlt = breite - laenge;
  if (a.links) return vorzeichen + ziffern + std::string(fehlt, ' ');
  if (a.null && a.genauigkeit < 0) return vorzeichen + std::string(fehlt, '0') + ziffern;
  return std::string(fehlt, ' ') + vorzeichen + ziffern;
}

std::string TextFeld(std::string_view wert, const Angabe& a) {
  if (a.genauigkeit >= 0 && wert.size() > static_cast<std::size_t>(a.genauigkeit)) {
    wert = wert.substr(0, static_cast<std::size_t>(a.genauigkeit));
  }
  std::string s(wert);
  const std::size_t breite = static_cast<std::size_t>(a.breite);
  if (s.size() >= breite) return s;
  if (a.links) return s + std::string(breite - s.size(), ' ');
  return std::string(breite - s.size(), ' ') + s;
}

}  // namespace

std::string FormatListe(std::string_view format, const std::vector<FormatArg>& args) {
  std::string aus;
  aus.reserve(format.size() + 16 * args.size());
  std::size_t naechstes = 0;
  std::size_t i = 0;
  while (i < format.size()) {
    const char c = format[i++];
    if (c != '%') {
      aus += c;
      continue;
    }
    if (i < format.size() && format[i] == '%') {
      aus += '%';
      ++i;
      continue;
    }
    Angabe a;
    for (; i < format.size(); ++i) {
      const char f = format[i];
      if (f == '-')
        a.links = true;
      else if (f == '+')
        a.plus = true;
      else if (f == ' ')
        a.blank = true;
      else if (f == '0')
        a.null = true;
      else if (f == '#')
        a.alternativ = true;
      else
        break;
    }
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
      a.breite = a.breite * 10 + (format[i++] - '0');
    }
    if (i < format.size() && format[i] == '.') {
      ++i;
      a.genauigkeit = 0;
      while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
        a.genauigkeit = a.genauigkeit * 10 + (format[i++] - '0');
      }
    }
    while (i < format.size() && (format[i] == 'l' || format[i] == 'h')) ++i;
    if (i >= format.size()) break;
    a.art = format[i++];
    if (naechstes >= args.size()) continue;  // a missing argument prints nothing
    const FormatArg& arg = args[naechstes++];
    switch (a.art) {
      case 'd':
      case 'i':
      case 'u':
        aus += GanzText(arg.art() == FormatArg::Art::Gleitkomma ? static_cast<long long>(arg.gleit()) : arg.ganz(), a);
        break;
      case 'f':
      case 'F':
      case 'e':
      case 'E':
      case 'g':
      case 'G':
        aus += ZahlText(arg.art() == FormatArg::Art::Ganzzahl ? static_cast<double>(arg.ganz()) : arg.gleit(), a);
        break;
      case 'c':
        aus += TextFeld(std::string(1, static_cast<char>(arg.ganz())), a);
        break;
      case 's':
      default:
        aus += TextFeld(arg.art() == FormatArg::Art::Text ? arg.text() : std::string_view{}, a);
        break;
    }
  }
  return aus;
}

}  // namespace text
