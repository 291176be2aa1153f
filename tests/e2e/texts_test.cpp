// The texts that the window shows when it first appears, read back from the
// real controls (UTF-16) and compared with the program's UTF-8 texts.
#include <gtest/gtest.h>

#include "dolvane_app.h"

namespace e2e {
namespace {

struct ShownText {
  const char* name;  // component, or "" for the window's title bar
  const char* utf8;
};

constexpr char kInfoA[] =
    "Kabelen er åpen i enden. En åpen kabel veksler mellom kapasitiv og induktiv reaktans. Finn først "
    "kvartbølge-resonansfrekvensen; der har impedansen et lokalt minimum som ikke er Z₀. Mål så R og X ved "
    "halvparten av den frekvensen, ikke ved selve resonansen. Da er kabelen 1/8 bølgelengde lang, impedansen er "
    "nesten rent reaktiv, og |Z| er svært nær Z₀.\r\nZ₀ ≈ √(R² + X²)";
constexpr char kInfoB[] =
    "Mål samme kabel ved samme frekvens, først åpen og så kortsluttet i enden. Virker ved enhver frekvens: "
    "Zåpen · Zkort = Z₀² er en eksakt identitet, fordi coth(γL) · tanh(γL) = 1. Siden |A · B| = |A| · |B| holder "
    "det å regne med absoluttverdier.\r\n|Z₀| = √(|Zåpen| · |Zkort|)";

constexpr ShownText kTexts[] = {
    {"", kTitle},
    {"gbA", "Metode A – kvartbølgeresonans"},
    {"lblInfoA", kInfoA},
    {"lblAR", "R"},
    {"lblAROhm", "Ω"},
    {"lblAX", "X"},
    {"lblAXOhm", "Ω"},
    {"lblAZ", "Z₀ ≈"},
    {"lblAZOhm", "Ω"},
    {"gbB", "Metode B – åpen og kortsluttet ende"},
    {"lblInfoB", kInfoB},
    {"lblBAapen", "Åpen kabel"},
    {"lblBR1", "R₁"},
    {"lblBR1Ohm", "Ω"},
    {"lblBX1", "X₁"},
    {"lblBX1Ohm", "Ω"},
    {"lblBKort", "Kortsluttet kabel"},
    {"lblBR2", "R₂"},
    {"lblBR2Ohm", "Ω"},
    {"lblBX2", "X₂"},
    {"lblBX2Ohm", "Ω"},
    {"lblBZ", "|Z₀| ="},
    {"lblBZOhm", "Ω"},
};

TEST(Texts, WindowGroupsAndLabelsShowTheirTextsAndEveryFieldIsEmpty) {
  Dolvane app;
  // The texts' sizes in UTF-16 units pin down the characters beyond ASCII.
  EXPECT_EQ(Widen(kInfoA).size(), 367u);
  EXPECT_EQ(Widen(kInfoB).size(), 271u);
  EXPECT_EQ(Widen("Ω"), std::wstring(1, L'\x03A9'));

  for (const ShownText& t : kTexts) {
    SCOPED_TRACE(*t.name ? t.name : "title bar");
    const std::wstring shown = *t.name ? app.Text(t.name) : TextOf(app.Window()).value_or(L"<no answer>");
    EXPECT_EQ(shown, Widen(t.utf8)) << Narrow(shown);
  }
  for (const Component& c : kComponents) {
    if (ClassName(c.role) != "TEdit") continue;
    SCOPED_TRACE(c.name);
    EXPECT_EQ(app.Text(c.name), L"");
  }
}

}  // namespace
}  // namespace e2e
