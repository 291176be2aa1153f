// libFuzzer target: arbitrary bytes, split at '|' into up to four texts,
// through both method operations. Any exception, sanitizer report or broken
// invariant ends the run.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calcunit.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t CountDigits(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && IsDigit(text[n])) ++n;
  return n;
}

// Fixed form "0,0" .. "99999999999999999,9": no leading zero, one decimal.
bool IsFixedForm(std::string_view text) {
  const std::size_t integer = CountDigits(text);
  if (integer == 0 || integer > 17 || (integer > 1 && text[0] == '0')) return false;
  return text.size() - integer == 2 && text[integer] == ',' && IsDigit(text[integer + 1]);
}

// Exponent form "1E17", "2,5E20": up to 15 significant digits, no trailing
// zero after the comma, an exponent from 17 to 308 without leading zeros.
bool IsExponentForm(std::string_view text) {
  if (text.empty() || text[0] < '1' || text[0] > '9') return false;
  std::size_t i = 1;
  if (i < text.size() && text[i] == ',') {
    const std::size_t decimals = CountDigits(text.substr(i + 1));
    if (decimals == 0 || decimals > 14 || text[i + decimals] == '0') return false;
    i += 1 + decimals;
  }
  if (i >= text.size() || text[i] != 'E') return false;
  const std::string_view exponent = text.substr(i + 1);
  if (exponent.empty() || CountDigits(exponent) != exponent.size() || exponent[0] == '0') {
    return false;
  }
  const int value = std::stoi(std::string(exponent));
  return value >= 17 && value <= 308;
}

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

void RequireResultText(const std::string& text) {
  Require(text.empty() || IsFixedForm(text) || IsExponentForm(text));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  calcunit::InitFloatingPoint();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::array<std::string_view, 4> texts{};
  for (std::size_t i = 0; i < texts.size() && !input.empty(); ++i) {
    const std::size_t bar = i + 1 < texts.size() ? input.find('|') : std::string_view::npos;
    texts[i] = input.substr(0, bar);
    input.remove_prefix(bar == std::string_view::npos ? input.size() : bar + 1);
  }

  for (std::string_view text : texts) {
    double value = 1.0;
    if (calcunit::TryParseOhms(text, value)) {
      Require(value - value == 0.0);  // finite
    } else {
      Require(value == 0.0 && !std::signbit(value));
    }
  }

  const std::string a = calcunit::QuarterWaveText(texts[0], texts[1]);
  const std::string b = calcunit::OpenShortText(texts[0], texts[1], texts[2], texts[3]);
  RequireResultText(a);
  RequireResultText(b);

  // |Z| ignores the order of R and X, method B the order of its two
  // measurements, and two equal measurements give method A's result.
  Require(calcunit::QuarterWaveText(texts[1], texts[0]) == a);
  Require(calcunit::OpenShortText(texts[2], texts[3], texts[0], texts[1]) == b);
  Require(calcunit::OpenShortText(texts[0], texts[1], texts[0], texts[1]) == a);
  return 0;
}
