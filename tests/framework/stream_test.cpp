#include <gtest/gtest.h>

#include <string>

#include "errors.h"
#include "stream.h"
#include "stream_builder.h"

namespace {

// A root entry with one property holding `value` (type code and payload).
std::string OneValue(const std::string& value) {
  return StreamBuilder().Object("TForm", "F").Short("P").Raw(value).End().End().Bytes();
}

StreamValue ParseOneValue(const std::string& value) {
  const ComponentEntry root = ParseComponentStream(OneValue(value));
  EXPECT_EQ(root.properties.size(), 1u);
  return root.properties.at(0).value;
}

TEST(Stream, ReadsTheTree) {
  const std::string data = StreamBuilder()
                               .Object("TForm", "Main")
                               .Int("Left", 200)
                               .Set("BorderIcons", {"biSystemMenu", "biMinimize"})
                               .End()
                               .Object("TGroupBox", "gb")
                               .Int("Top", -5)
                               .End()
                               .Object("TEdit", "ed")
                               .Bool("ReadOnly", true)
                               .Ident("OnChange", "Changed")
                               .End()
                               .End()
                               .End()
                               .Object("TLabel", "lb")
                               .End()
                               .End()
                               .End()
                               .Bytes();
  const ComponentEntry root = ParseComponentStream(data);
  EXPECT_EQ(root.className, "TForm");
  EXPECT_EQ(root.name, "Main");
  ASSERT_EQ(root.properties.size(), 2u);
  EXPECT_EQ(root.properties[0].value.type, ValueType::Int16);
  EXPECT_EQ(root.properties[0].value.integer, 200);
  EXPECT_EQ(root.properties[1].value.elements, (std::vector<std::string>{"biSystemMenu", "biMinimize"}));
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].name, "gb");
  EXPECT_EQ(root.children[0].properties[0].value.integer, -5);
  ASSERT_EQ(root.children[0].children.size(), 1u);
  EXPECT_EQ(root.children[0].children[0].properties[1].value.text, "Changed");
  EXPECT_EQ(root.children[1].className, "TLabel");
}

TEST(Stream, RecognisesEveryTypeCode) {
  using std::string;
  const struct {
    string bytes;
    ValueType type;
  } cases[] = {
      {string("\x01\x02\x05\x09\x00", 5), ValueType::List},
      {string("\x02\xFF", 2), ValueType::Int8},
      {string("\x03\x00\x80", 3), ValueType::Int16},
      {string("\x04\x01\x00\x00\x80", 5), ValueType::Int32},
      {string("\x05") + string(10, '\x11'), ValueType::Extended},
      {string("\x06\x02hi"), ValueType::String},
      {string("\x07\x03" "abc"), ValueType::Ident},
      {string("\x08"), ValueType::False},
      {string("\x09"), ValueType::True},
      {string("\x0A\x03\x00\x00\x00xyz", 8), ValueType::Binary},
      {string("\x0B\x01" "a\x00", 4), ValueType::Set},
      {string("\x0C\x02\x00\x00\x00ok", 7), ValueType::LString},
      {string("\x0D"), ValueType::Nil},
      {string("\x0E\x02\x00\x01\x01P\x09\x00\x00", 9), ValueType::Collection},
      {string("\x0F\x00\x00\x80\x3F", 5), ValueType::Single},
      {string("\x10") + string(8, '\x01'), ValueType::Currency},
      {string("\x11") + string(8, '\x02'), ValueType::Date},
      {string("\x12\x01\x00\x00\x00\xA9\x03", 7), ValueType::WString},
      {string("\x13\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 9), ValueType::Int64},
      {string("\x14\x01\x00\x00\x00z", 6), ValueType::Utf8String},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseOneValue(c.bytes).type, c.type) << ValueTypeName(c.type);
  }
  EXPECT_EQ(ParseOneValue(string("\x03\x00\x80", 3)).integer, -32768);
  EXPECT_EQ(ParseOneValue(string("\x04\x01\x00\x00\x80", 5)).integer, -2147483647);
  EXPECT_EQ(ParseOneValue(string("\x13\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 9)).integer, -1);
  EXPECT_EQ(ParseOneValue(string("\x12\x01\x00\x00\x00\xA9\x03", 7)).wide, u"\u03A9");
}

TEST(Stream, RejectsMalformedInput) {
  using std::string;
  const struct {
    const char* what;
    string data;
  } cases[] = {
      {"empty", ""},
      {"wrong signature", "TPF1" + OneValue("\x08").substr(4)},
      {"unknown type code", OneValue("\x15")},
      {"LString length past the end", OneValue(string("\x0C\xFF\xFF\xFF\x7F", 5))},
      {"Binary length past the end", OneValue(string("\x0A\x10\x00\x00\x00", 5))},
      {"WString count past the end", OneValue(string("\x12\x00\x00\x00\x40", 5))},
      {"data after the root", OneValue("\x08") + "x"},
      {"empty class name", string("TPF0\x00\x01N\x00\x00", 9)},
      {"collection item without list marker", OneValue(string("\x0E\x02\x00\x08\x00", 5))},
      {"unknown filer flags", string("TPF0\xF8\x05TForm\x01" "F\x00\x00", 13)},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(ParseComponentStream(c.data), EReadError) << c.what;
  }
}

TEST(Stream, RejectsEveryTruncation) {
  const std::string data = StreamBuilder()
                               .Object("TForm", "Main")
                               .Int("Width", 680)
                               .Set("BorderIcons", {"biSystemMenu"})
                               .Bool("Scaled", true)
                               .End()
                               .Object("TEdit", "ed")
                               .Ident("OnChange", "Changed")
                               .End()
                               .End()
                               .End()
                               .Bytes();
  ASSERT_NO_THROW(ParseComponentStream(data));
  for (std::size_t n = 0; n < data.size(); ++n) {
    EXPECT_THROW(ParseComponentStream(data.substr(0, n)), EReadError) << "cut at " << n;
  }
}

// Well-formed streams with `levels` lists or entries nested, each one closed.
// The parser accepts 64 levels below the outermost one.
std::string NestedLists(int levels) { return OneValue(std::string(levels, '\x01') + std::string(levels, '\0')); }

std::string NestedEntries(int levels) {
  StreamBuilder b;
  for (int i = 0; i < levels; ++i) b.Object("TGroupBox", "g").End();
  for (int i = 0; i < levels; ++i) b.End();
  return b.Bytes();
}

TEST(Stream, LimitsNesting) {
  const struct {
    const char* what;
    std::string (*nested)(int levels);
  } cases[] = {{"lists", &NestedLists}, {"entries", &NestedEntries}};
  for (const auto& c : cases) {
    EXPECT_NO_THROW(ParseComponentStream(c.nested(65))) << c.what;
    try {
      ParseComponentStream(c.nested(66));
      ADD_FAILURE() << c.what << ": no exception";
    } catch (const EReadError& e) {
      EXPECT_NE(e.Message().find("nested too deeply"), std::string::npos) << c.what << ": " << e.Message();
    }
  }
}

TEST(Stream, ErrorNamesTheOffset) {
  try {
    ParseComponentStream(OneValue("\x15"));
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_NE(e.Message().find("offset 14"), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find("unknown value type 21"), std::string::npos) << e.Message();
  }
}

}  // namespace
