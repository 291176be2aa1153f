// The main window as it is meant to be: its components with their places and
// keyboard order, and the texts that it shows. Written out by hand, apart from
// the form description and the window's code, so that a slip in either shows;
// both the unit tests and the end-to-end tests compare the program with it,
// and the start-up benchmark's raw equivalent builds the same window from it.
#pragma once

#include <cstddef>
#include <string_view>

namespace expected {

// What a component is for; that fixes its class and the properties that the
// form stores for it besides bounds and tab order.
enum class Role {
  Group,        // TGroupBox
  Explanation,  // TLabel with a fixed, word-wrapped box
  Label,        // TLabel that takes the size of its text
  Input,        // TEdit that the user types into
  Result,       // TEdit that shows a result: read-only, bold, right-aligned, no tab stop
};

constexpr std::string_view ClassName(Role role) {
  switch (role) {
    case Role::Group: return "TGroupBox";
    case Role::Explanation:
    case Role::Label: return "TLabel";
    case Role::Input:
    case Role::Result: return "TEdit";
  }
  return "";
}

// The stored width and height of such a label are starting values only.
constexpr bool SizedByText(Role role) { return role == Role::Label; }

inline constexpr char kFormName[] = "MainForm";

// One component, in creation order. Bounds are in the parent's client area
// at 96 pixels per inch; tab order -1: none stored.
struct Component {
  const char* name;
  Role role;
  const char* parent;
  int left, top, width, height;
  int tabOrder;
};

// clang-format off
inline constexpr Component kComponents[] = {
    {"gbA",       Role::Group,       kFormName, 8,   8,   664, 166, 0},
    {"lblInfoA",  Role::Explanation, "gbA",     12,  4,   636, 84,  -1},
    {"lblAR",     Role::Label,       "gbA",     12,  104, 16,  15,  -1},
    {"edtAR",     Role::Input,       "gbA",     36,  100, 80,  23,  0},
    {"lblAROhm",  Role::Label,       "gbA",     120, 104, 12,  15,  -1},
    {"lblAX",     Role::Label,       "gbA",     170, 104, 16,  15,  -1},
    {"edtAX",     Role::Input,       "gbA",     194, 100, 80,  23,  1},
    {"lblAXOhm",  Role::Label,       "gbA",     278, 104, 12,  15,  -1},
    {"lblAZ",     Role::Label,       "gbA",     470, 104, 40,  15,  -1},
    {"edtAZ",     Role::Result,      "gbA",     516, 100, 90,  23,  2},
    {"lblAZOhm",  Role::Label,       "gbA",     610, 104, 12,  15,  -1},
    {"gbB",       Role::Group,       kFormName, 8,   182, 664, 200, 1},
    {"lblInfoB",  Role::Explanation, "gbB",     12,  4,   636, 84,  -1},
    {"lblBAapen", Role::Label,       "gbB",     12,  104, 110, 15,  -1},
    {"lblBR1",    Role::Label,       "gbB",     130, 104, 20,  15,  -1},
    {"edtBR1",    Role::Input,       "gbB",     156, 100, 80,  23,  0},
    {"lblBR1Ohm", Role::Label,       "gbB",     240, 104, 12,  15,  -1},
    {"lblBX1",    Role::Label,       "gbB",     278, 104, 20,  15,  -1},
    {"edtBX1",    Role::Input,       "gbB",     304, 100, 80,  23,  1},
    {"lblBX1Ohm", Role::Label,       "gbB",     388, 104, 12,  15,  -1},
    {"lblBKort",  Role::Label,       "gbB",     12,  136, 110, 15,  -1},
    {"lblBR2",    Role::Label,       "gbB",     130, 136, 20,  15,  -1},
    {"edtBR2",    Role::Input,       "gbB",     156, 132, 80,  23,  2},
    {"lblBR2Ohm", Role::Label,       "gbB",     240, 136, 12,  15,  -1},
    {"lblBX2",    Role::Label,       "gbB",     278, 136, 20,  15,  -1},
    {"edtBX2",    Role::Input,       "gbB",     304, 132, 80,  23,  3},
    {"lblBX2Ohm", Role::Label,       "gbB",     388, 136, 12,  15,  -1},
    {"lblBZ",     Role::Label,       "gbB",     470, 120, 40,  15,  -1},
    {"edtBZ",     Role::Result,      "gbB",     516, 116, 90,  23,  4},
    {"lblBZOhm",  Role::Label,       "gbB",     610, 120, 12,  15,  -1},
};
// clang-format on

// The texts as the user reads them, typed with the characters themselves.
inline constexpr char kTitle[] = "Dolvane for koaksialkabel 0.1.1";
inline constexpr char kExplanationA[] =
    "Kabelen er åpen i enden. En åpen kabel veksler mellom kapasitiv og induktiv reaktans. Finn først "
    "kvartbølge-resonansfrekvensen; der har impedansen et lokalt minimum som ikke er Z₀. Mål så R og X ved "
    "halvparten av den frekvensen, ikke ved selve resonansen. Da er kabelen 1/8 bølgelengde lang, impedansen er "
    "nesten rent reaktiv, og |Z| er svært nær Z₀.\r\nZ₀ ≈ √(R² + X²)";
inline constexpr char kExplanationB[] =
    "Mål samme kabel ved samme frekvens, først åpen og så kortsluttet i enden. Virker ved enhver frekvens: "
    "Zåpen · Zkort = Z₀² er en eksakt identitet, fordi coth(γL) · tanh(γL) = 1. Siden |A · B| = |A| · |B| "
    "holder det å regne med absoluttverdier.\r\n|Z₀| = √(|Zåpen| · |Zkort|)";
inline constexpr char kOhm[] = "Ω";

// Guards on the texts above, against an editor that recodes or normalises
// this file: their sizes in bytes and in characters (all in the Basic
// Multilingual Plane, so also their length in UTF-16), and the unit sign as
// U+03A9, not the ohm sign U+2126.
constexpr std::size_t CodePoints(std::string_view utf8) {
  std::size_t n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}
static_assert(sizeof kExplanationA - 1 == 388 && CodePoints(kExplanationA) == 367);
static_assert(sizeof kExplanationB - 1 == 292 && CodePoints(kExplanationB) == 271);
static_assert(std::string_view(kOhm) == "\xCE\xA9");

// A text that the window shows; the form's own is its title.
struct Text {
  const char* component;
  const char* utf8;
};

inline constexpr Text kTexts[] = {
    {kFormName, kTitle},
    {"gbA", "Metode A – kvartbølgeresonans"},
    {"lblInfoA", kExplanationA},
    {"lblAR", "R"},
    {"lblAROhm", kOhm},
    {"lblAX", "X"},
    {"lblAXOhm", kOhm},
    {"lblAZ", "Z₀ ≈"},
    {"lblAZOhm", kOhm},
    {"gbB", "Metode B – åpen og kortsluttet ende"},
    {"lblInfoB", kExplanationB},
    {"lblBAapen", "Åpen kabel"},
    {"lblBR1", "R₁"},
    {"lblBR1Ohm", kOhm},
    {"lblBX1", "X₁"},
    {"lblBX1Ohm", kOhm},
    {"lblBKort", "Kortsluttet kabel"},
    {"lblBR2", "R₂"},
    {"lblBR2Ohm", kOhm},
    {"lblBX2", "X₂"},
    {"lblBX2Ohm", kOhm},
    {"lblBZ", "|Z₀| ="},
    {"lblBZOhm", kOhm},
};

}  // namespace expected
