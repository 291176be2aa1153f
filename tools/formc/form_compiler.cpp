#include "form_compiler.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace formc {
namespace {

// Type codes of the stream's tagged values that the text form can produce.
enum : std::uint8_t {
  kInt8 = 2, kInt16 = 3, kInt32 = 4, kString = 6, kIdent = 7, kFalse = 8, kTrue = 9, kSet = 11, kLString = 12,
  kInt64 = 19,
};

class Compiler {
 public:
  explicit Compiler(std::string_view text) : text_(text) {}

  std::string Run() {
    out_ = "TPF0";
    SkipBlank();
    if (AtEnd()) Fail("the form text holds no object");
    Object();
    SkipBlank();
    if (!AtEnd()) Fail("text after the end of the root object");
    return out_;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw SyntaxError("line " + std::to_string(line_) + ": " + what);
  }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  // Skips spaces, tabs and line ends, counting lines.
  void SkipBlank() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r' || Peek() == '\n')) {
      if (Peek() == '\n') ++line_;
      ++pos_;
    }
  }

  // Skips spaces and tabs only: a value must stand on its property's line.
  void SkipSpaces() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t')) ++pos_;
  }

  void ExpectLineEnd() {
    SkipSpaces();
    if (AtEnd() || Peek() == '\n' || Peek() == '\r') return;
    Fail(std::string("unexpected '") + Peek() + "' at the end of a line");
  }

  static bool IdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
  static bool IdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

  std::string Identifier(const char* what, bool dotted = false) {
    SkipSpaces();
    if (!IdentStart(Peek())) Fail(std::string("expected ") + what);
    const std::size_t start = pos_;
    while (!AtEnd() && (IdentChar(Peek()) || (dotted && Peek() == '.' && pos_ + 1 < text_.size() &&
                                               IdentStart(text_[pos_ + 1])))) {
      ++pos_;
    }
    return std::string(text_.substr(start, pos_ - start));
  }

  void Expect(char c) {
    SkipSpaces();
    if (Peek() != c) Fail(std::string("expected '") + c + "'");
    ++pos_;
  }

  void ShortString(const std::string& s, const char* what) {
    if (s.size() > 255) Fail(std::string(what) + " longer than 255 bytes");
    out_ += static_cast<char>(s.size());
    out_ += s;
  }

  void Integer32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_ += static_cast<char>((v >> (8 * i)) & 0xFF);
  }

  // object Name: Class, its properties, its children, end.
  void Object() {
    if (Identifier("'object'") != "object") Fail("expected 'object'");
    const std::string name = Identifier("a component name");
    Expect(':');
    const std::string cls = Identifier("a class name");
    ExpectLineEnd();
    ShortString(cls, "a class name");
    ShortString(name, "a component name");
    bool children = false;
    for (;;) {
      SkipBlank();
      if (AtEnd()) Fail("object " + name + " has no 'end'");
      const std::size_t at = pos_;
      const std::string word = Identifier("a property, 'object' or 'end'", true);
      if (word == "end") {
        ExpectLineEnd();
        break;
      }
      if (word == "object") {
        pos_ = at;
        if (!children) out_ += '\0';  // end of the property list
        children = true;
        Object();
        continue;
      }
      if (children) Fail("property " + word + " after the child objects of " + name);
      ShortString(word, "a property name");
      Expect('=');
      Value();
      ExpectLineEnd();
    }
    if (!children) out_ += '\0';  // end of the property list
    out_ += '\0';                 // end of the children
  }

  void Value() {
    SkipSpaces();
    const char c = Peek();
    if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return IntegerValue();
    if (c == '[') return SetValue();
    if (c == '\'') return StringValue();
    if (IdentStart(c)) {
      const std::string ident = Identifier("a value");
      if (ident == "True" || ident == "False") {
        out_ += static_cast<char>(ident == "True" ? kTrue : kFalse);
      } else {
        out_ += static_cast<char>(kIdent);
        ShortString(ident, "an identifier");
      }
      return;
    }
    Fail("expected a value");
  }

  void IntegerValue() {
    bool negative = false;
    if (Peek() == '-') negative = true, ++pos_;
    if (!std::isdigit(static_cast<unsigned char>(Peek()))) Fail("expected digits");
    std::uint64_t magnitude = 0;
    while (std::isdigit(static_cast<unsigned char>(Peek()))) {
      const unsigned digit = static_cast<unsigned>(Peek() - '0');
      if (magnitude > (std::uint64_t{1} << 63) / 10) Fail("integer out of range");
      magnitude = magnitude * 10 + digit;
      ++pos_;
    }
    if (magnitude > (std::uint64_t{1} << 63) - (negative ? 0 : 1)) Fail("integer out of range");
    const std::int64_t v = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    // The smallest type that holds the value.
    if (v >= -128 && v <= 127) {
      out_ += static_cast<char>(kInt8);
      out_ += static_cast<char>(static_cast<std::uint8_t>(v));
    } else if (v >= -32768 && v <= 32767) {
      out_ += static_cast<char>(kInt16);
      out_ += static_cast<char>(v & 0xFF);
      out_ += static_cast<char>((v >> 8) & 0xFF);
    } else if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max()) {
      out_ += static_cast<char>(kInt32);
      Integer32(static_cast<std::uint32_t>(v));
    } else {
      out_ += static_cast<char>(kInt64);
      Integer32(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v) & 0xFFFFFFFF));
      Integer32(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v) >> 32));
    }
  }

  void SetValue() {
    ++pos_;  // '['
    out_ += static_cast<char>(kSet);
    SkipSpaces();
    if (Peek() == ']') {
      ++pos_;
      out_ += '\0';
      return;
    }
    for (;;) {
      ShortString(Identifier("a set element"), "a set element");
      SkipSpaces();
      if (Peek() == ']') break;
      Expect(',');
    }
    ++pos_;
    out_ += '\0';
  }

  void StringValue() {
    std::string s;
    for (;;) {
      ++pos_;  // opening quote (or the second quote of a pair)
      for (;;) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r') Fail("unterminated string");
        if (Peek() == '\'') break;
        s += Peek();
        ++pos_;
      }
      ++pos_;  // closing quote
      if (Peek() != '\'') break;
      s += '\'';
    }
    if (s.size() <= 255) {
      out_ += static_cast<char>(kString);
      ShortString(s, "a string");
    } else {
      out_ += static_cast<char>(kLString);
      Integer32(static_cast<std::uint32_t>(s.size()));
      out_ += s;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  std::string out_;
};

}  // namespace

std::string CompileForm(std::string_view source) { return Compiler(source).Run(); }

}  // namespace formc
