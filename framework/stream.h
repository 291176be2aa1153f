// The binary component stream ("TPF0"): parsed into a tree of entries whose
// values keep their stored type, before anything is created from it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Type codes of tagged values.
enum class ValueType : std::uint8_t {
  Null = 0, List, Int8, Int16, Int32, Extended, String, Ident, False, True, Binary, Set,
  LString, Nil, Collection, Single, Currency, Date, WString, Int64, Utf8String,
};

// Name of a type code as it appears in error messages ("Int8", "Ident").
std::string_view ValueTypeName(ValueType type);

struct StreamValue {
  ValueType type = ValueType::Null;
  std::int64_t integer = 0;             // Int8/16/32/64 (and Currency/Date raw bits)
  std::string text;                     // String, Ident, LString, Utf8String, Binary, raw float bytes
  std::u16string wide;                  // WString
  std::vector<std::string> elements;    // Set
  std::vector<StreamValue> items;       // List, Collection (each item a List of properties)

  bool IsInteger() const;
  bool IsBoolean() const { return type == ValueType::False || type == ValueType::True; }
};

struct StreamProperty {
  std::string name;  // may be dotted: "Font.Style"
  StreamValue value;
};

struct ComponentEntry {
  std::uint8_t flags = 0;  // filer flags: 1 inherited, 2 child position, 4 inline
  std::int64_t position = 0;
  std::string className;
  std::string name;
  std::vector<StreamProperty> properties;
  std::vector<ComponentEntry> children;
};

// Parses a whole stream: signature, one root entry, nothing after it.
// Throws EReadError naming the offset on any malformed or truncated input.
ComponentEntry ParseComponentStream(std::string_view data);
