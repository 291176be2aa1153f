#include <gtest/gtest.h>

#include "utf.h"

namespace {

struct RoundTrip {
  const char* what;
  std::u16string units;
  std::string bytes;
};

TEST(Utf, ConvertsBothWaysWithoutLoss) {
  const RoundTrip cases[] = {
      {"empty", u"", ""},
      {"ascii", u"3,5e2", "3,5e2"},
      {"two-byte", u"\u00E5\u00D8", "\xC3\xA5\xC3\x98"},
      {"three-byte", u"\u03A9\u2080\u2013", "\xCE\xA9\xE2\x82\x80\xE2\x80\x93"},
      {"surrogate pair", u"\U0001F600", "\xF0\x9F\x98\x80"},
      // Last and first code point of each encoded length.
      {"U+007F U+0080", u"\x7F\x80", "\x7F\xC2\x80"},
      {"U+07FF U+0800", u"\x7FF\x800", "\xDF\xBF\xE0\xA0\x80"},
      {"U+FFFF U+10000", u"\xFFFF\U00010000", "\xEF\xBF\xBF\xF0\x90\x80\x80"},
      {"U+10FFFF", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
      {"control bytes", u"\r\n\t", "\r\n\t"},
      {"NUL inside", std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
      // Unpaired surrogates keep their own three-byte form.
      {"lone high", u"1\xD800" "2", "1\xED\xA0\x80" "2"},
      {"lone low", u"\xDC00", "\xED\xB0\x80"},
      {"reversed pair", u"\xDC00\xD800", "\xED\xB0\x80\xED\xA0\x80"},
  };
  for (const RoundTrip& c : cases) {
    EXPECT_EQ(utf::ToUtf8(c.units), c.bytes) << c.what;
    EXPECT_EQ(utf::ToUtf16(c.bytes), c.units) << c.what;
  }
}

TEST(Utf, ReplacesEachMaximalInvalidSequence) {
  const struct {
    std::string bytes;
    std::u16string units;
  } cases[] = {
      {"\x80", u"\uFFFD"},
      {"a\xFF" "b", u"a\uFFFD" "b"},
      {"\xC0\x80", u"\uFFFD\uFFFD"},             // overlong NUL
      {"\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},   // overlong three-byte
      {"\xE0\x9F\xBF", u"\uFFFD\uFFFD\uFFFD"},   // overlong U+07FF, just below E0 A0
      {"\xE2\x82", u"\uFFFD"},                   // truncated at the end
      {"\xE2\x82" "A", u"\uFFFD" "A"},           // truncated before ASCII
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xF5", u"\uFFFD"},
  };
  for (const auto& c : cases) EXPECT_EQ(utf::ToUtf16(c.bytes), c.units);
}

}  // namespace
