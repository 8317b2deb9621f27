#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace text {

// One argument of Format: a number or a text, taken by value.
class FormatArg {
 public:
  enum class Art { Ganzzahl, Gleitkomma, Text };

  FormatArg(int v) : art_(Art::Ganzzahl), ganz_(v) {}
  FormatArg(long v) : art_(Art::Ganzzahl), ganz_(v) {}
  FormatArg(long long v) : art_(Art::Ganzzahl), ganz_(v) {}
  FormatArg(unsigned v) : art_(Art::Ganzzahl), ganz_(v) {}
  FormatArg(unsigned long v) : art_(Art::Ganzzahl), ganz_(static_cast<long long>(v)) {}
  // Floats are widened to double, as a C variadic call would.
  FormatArg(float v) : art_(Art::Gleitkomma), gleit_(v) {}
  FormatArg(double v) : art_(Art::Gleitkomma), gleit_(v) {}
  FormatArg(const char* v) : art_(Art::Text), text_(v ? v : "") {}
  FormatArg(const std::string& v) : art_(Art::Text), text_(v) {}
  FormatArg(std::string_view v) : art_(Art::Text), text_(v) {}

  Art art() const { return art_; }
  long long ganz() const { return ganz_; }
  double gleit() const { return gleit_; }
  std::string_view text() const { return text_; }

 private:
  Art art_;
  long long ganz_ = 0;
  double gleit_ = 0.0;
  std::string_view text_;
};

// Formats like the C library's printf in the C locale, whatever the process
// locale is, except that exponents carry a sign and at least three digits
// ("1.5e-005"), as the stored reports always had. Supports the conversions
// d i u f F e E g G s c % with flags "-+ 0#", width and precision.
std::string FormatListe(std::string_view format, const std::vector<FormatArg>& args);

template <typename... Args>
std::string Format(std::string_view format, const Args&... args) {
  return FormatListe(format, std::vector<FormatArg>{FormatArg(args)...});
}

}  // namespace text
