// Builds binary component streams byte by byte for tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class StreamBuilder {
 public:
  StreamBuilder() : out_("TPF0") {}

  StreamBuilder& Byte(std::uint8_t b) {
    out_ += static_cast<char>(b);
    return *this;
  }
  StreamBuilder& Short(std::string_view s) {
    Byte(static_cast<std::uint8_t>(s.size()));
    out_ += s;
    return *this;
  }
  StreamBuilder& Raw(std::string_view s) {
    out_ += s;
    return *this;
  }
  // Class and name of an entry.
  StreamBuilder& Object(std::string_view cls, std::string_view name) { return Short(cls).Short(name); }
  StreamBuilder& Int(std::string_view prop, int v) {
    Short(prop);
    if (v >= -128 && v <= 127) return Byte(2).Byte(static_cast<std::uint8_t>(v));
    return Byte(3).Byte(static_cast<std::uint8_t>(v & 0xFF)).Byte(static_cast<std::uint8_t>((v >> 8) & 0xFF));
  }
  StreamBuilder& Ident(std::string_view prop, std::string_view ident) { return Short(prop).Byte(7).Short(ident); }
  StreamBuilder& Bool(std::string_view prop, bool v) { return Short(prop).Byte(v ? 9 : 8); }
  StreamBuilder& Set(std::string_view prop, std::initializer_list<std::string_view> elements) {
    Short(prop).Byte(11);
    for (std::string_view e : elements) Short(e);
    return Byte(0);
  }
  // Ends a property list or a child list.
  StreamBuilder& End() { return Byte(0); }

  const std::string& Bytes() const { return out_; }

 private:
  std::string out_;
};
