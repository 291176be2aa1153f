#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "errors.h"
#include "form_compiler.h"
#include "scratch_dir.h"
#include "stream.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The bytes of one property value as compiled from `value`.
std::string CompiledValue(const std::string& value) {
  const std::string stream = formc::CompileForm("object F: TForm\n  P = " + value + "\nend\n");
  const std::string head = std::string("TPF0\x05TForm\x01" "F\x01P", 14);
  EXPECT_EQ(stream.substr(0, head.size()), head);
  EXPECT_EQ(stream.substr(stream.size() - 2), std::string("\0\0", 2));
  return stream.substr(head.size(), stream.size() - head.size() - 2);
}

TEST(Formc, ValuesTakeTheSmallestFittingType) {
  using std::string;
  const struct {
    string text;
    string bytes;
  } cases[] = {
      {"0", string("\x02\x00", 2)},
      {"127", "\x02\x7F"},
      {"-128", "\x02\x80"},
      {"128", string("\x03\x80\x00", 3)},
      {"-129", "\x03\x7F\xFF"},
      {"680", "\x03\xA8\x02"},
      {"32768", string("\x04\x00\x80\x00\x00", 5)},
      {"-2147483648", string("\x04\x00\x00\x00\x80", 5)},
      {"2147483648", string("\x13\x00\x00\x00\x80\x00\x00\x00\x00", 9)},
      {"True", "\x09"},
      {"False", "\x08"},
      {"bsSingle", "\x07\x08" "bsSingle"},
      {"true", "\x07\x04true"},  // only the exact spellings are booleans
      {"[]", string("\x0B\x00", 2)},
      {"[biSystemMenu, biMinimize]", string("\x0B\x0C" "biSystemMenu\x0A" "biMinimize\x00", 26)},
      {"[ fsBold ]", string("\x0B\x06" "fsBold\x00", 9)},
      {"'it''s'", "\x06\x04it's"},
      {"''", string("\x06\x00", 2)},
      {"'" + string(255, 'a') + "'", "\x06\xFF" + string(255, 'a')},
      {"'" + string(256, 'a') + "'", string("\x0C\x00\x01\x00\x00", 5) + string(256, 'a')},
  };
  for (const auto& c : cases) EXPECT_EQ(CompiledValue(c.text), c.bytes) << c.text;
}

TEST(Formc, CompilesNestedObjectsAndDottedNames) {
  const std::string stream = formc::CompileForm(
      "object MainForm: TMainForm\n"
      "  Left = 200\n"
      "  object gbA: TGroupBox\n"
      "    object edtAZ: TEdit\n"
      "      Font.Style = [fsBold]\n"
      "    end\n"
      "  end\n"
      "  object gbB: TGroupBox\n"
      "  end\n"
      "end\n");
  const ComponentEntry root = ParseComponentStream(stream);
  EXPECT_EQ(root.className, "TMainForm");
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].children.at(0).name, "edtAZ");
  EXPECT_EQ(root.children[0].children.at(0).properties.at(0).name, "Font.Style");
  EXPECT_EQ(root.children[1].name, "gbB");
  EXPECT_TRUE(root.children[1].properties.empty());
}

TEST(Formc, ReportsSyntaxErrorsWithTheirLine) {
  const struct {
    const char* what;
    std::string source;
    const char* message;
  } cases[] = {
      {"empty", "", "line 1: the form text holds no object"},
      {"no colon", "object F TForm\nend\n", "line 1: expected ':'"},
      {"no end", "object F: TForm\n  Left = 1\n", "line 3: object F has no 'end'"},
      {"no value", "object F: TForm\n  Left =\nend\n", "line 2: expected a value"},
      {"no equals", "object F: TForm\n  Left 1\nend\n", "line 2: expected '='"},
      {"two values", "object F: TForm\n  Left = 1 2\nend\n", "line 2: unexpected '2'"},
      {"property after children", "object F: TForm\n  object A: TEdit\n  end\n  Left = 1\nend\n",
       "line 4: property Left after the child objects of F"},
      {"two roots", "object F: TForm\nend\nobject G: TForm\nend\n", "line 3: text after the end of the root object"},
      {"unterminated string", "object F: TForm\n  Hint = 'abc\nend\n", "line 2: unterminated string"},
      {"integer too large", "object F: TForm\n  Left = 99999999999999999999\nend\n", "line 2: integer out of range"},
      {"bad set", "object F: TForm\n  S = [a b]\nend\n", "line 2: expected ','"},
      {"long name", "object " + std::string(256, 'n') + ": TForm\nend\n", "line 1: a component name longer than 255"},
      {"not an object", "thing F: TForm\nend\n", "line 1: expected 'object'"},
  };
  for (const auto& c : cases) {
    try {
      formc::CompileForm(c.source);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const formc::SyntaxError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << c.what << ": " << e.what();
    }
  }
}

// The tool on a small nested form, against the stream laid out by hand.
TEST(Formc, ToolWritesTheStreamOfANestedForm) {
  const ScratchDir dir;
  const std::string source = dir / "nested.form", out = dir / "nested.tpf0";
  std::ofstream(source) << "object MainForm: TMainForm\n"
                           "  Left = 200\n"
                           "  object gbA: TGroupBox\n"
                           "    object edtAZ: TEdit\n"
                           "      ReadOnly = True\n"
                           "    end\n"
                           "  end\n"
                           "end\n";
  ASSERT_EQ(std::system((std::string(FORMC_EXE) + " " + source + " " + out).c_str()), 0);
  using namespace std::string_literals;
  const std::string expected =
      "TPF0"
      "\x09" "TMainForm" "\x08" "MainForm"
      "\x04" "Left" "\x03\xC8\x00"  // Int16 200
      "\x00"                        // end of MainForm's properties
      "\x09" "TGroupBox" "\x03" "gbA"
      "\x00"                        // gbA has no properties
      "\x05" "TEdit" "\x05" "edtAZ"
      "\x08" "ReadOnly" "\x09"      // True
      "\x00"                        // end of edtAZ's properties
      "\x00"                        // edtAZ has no children
      "\x00"                        // end of gbA's children
      "\x00"s;                      // end of MainForm's children
  EXPECT_EQ(ReadFile(out), expected);
}

TEST(Formc, ToolFailsCleanlyOnBadInput) {
  const ScratchDir dir;
  const std::string bad = dir / "bad.form", out = dir / "out.tpf0", err = dir / "err.txt";
  std::ofstream(bad) << "object F: TForm\n  Left = \nend\n";
  EXPECT_NE(std::system((std::string(FORMC_EXE) + " " + bad + " " + out + " 2>" + err).c_str()), 0);
  EXPECT_FALSE(std::ifstream(out).good());
  EXPECT_EQ(ReadFile(err), bad + ":2: expected a value\n");

  const std::string good = dir / "good.form";
  std::ofstream(good) << "object F: TForm\nend\n";
  EXPECT_EQ(std::system((std::string(FORMC_EXE) + " " + good + " " + out).c_str()), 0);
  EXPECT_EQ(ReadFile(out), std::string("TPF0\x05TForm\x01" "F\x00\x00", 14));
}

}  // namespace
