#include <gtest/gtest.h>

#include <string>

#include "main_form.h"

namespace {

// The texts as a user reads them, typed here with the characters themselves.
const std::string kInfoA =
    "Kabelen er åpen i enden. En åpen kabel veksler mellom kapasitiv og induktiv reaktans. Finn først "
    "kvartbølge-resonansfrekvensen; der har impedansen et lokalt minimum som ikke er Z₀. Mål så R og X ved "
    "halvparten av den frekvensen, ikke ved selve resonansen. Da er kabelen 1/8 bølgelengde lang, impedansen er "
    "nesten rent reaktiv, og |Z| er svært nær Z₀.\r\nZ₀ ≈ √(R² + X²)";
const std::string kInfoB =
    "Mål samme kabel ved samme frekvens, først åpen og så kortsluttet i enden. Virker ved enhver frekvens: "
    "Zåpen · Zkort = Z₀² er en eksakt identitet, fordi coth(γL) · tanh(γL) = 1. Siden |A · B| = |A| · |B| "
    "holder det å regne med absoluttverdier.\r\n|Z₀| = √(|Zåpen| · |Zkort|)";

// Number of code points in valid UTF-8.
std::size_t CodePoints(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

TEST(WindowTexts, FormCreateSetsAll23Texts) {
  FakeWidgetSet ws;
  ASSERT_EQ(RunMainWindow(ws, [](TMainForm& f) {
              const std::pair<const TControl*, std::string> expected[] = {
                  {&f, "Dolvane for koaksialkabel 0.1.1"},
                  {f.gbA, "Metode A – kvartbølgeresonans"},
                  {f.lblInfoA, kInfoA},
                  {f.lblAR, "R"},
                  {f.lblAROhm, "Ω"},
                  {f.lblAX, "X"},
                  {f.lblAXOhm, "Ω"},
                  {f.lblAZ, "Z₀ ≈"},
                  {f.lblAZOhm, "Ω"},
                  {f.gbB, "Metode B – åpen og kortsluttet ende"},
                  {f.lblInfoB, kInfoB},
                  {f.lblBAapen, "Åpen kabel"},
                  {f.lblBR1, "R₁"},
                  {f.lblBR1Ohm, "Ω"},
                  {f.lblBX1, "X₁"},
                  {f.lblBX1Ohm, "Ω"},
                  {f.lblBKort, "Kortsluttet kabel"},
                  {f.lblBR2, "R₂"},
                  {f.lblBR2Ohm, "Ω"},
                  {f.lblBX2, "X₂"},
                  {f.lblBX2Ohm, "Ω"},
                  {f.lblBZ, "|Z₀| ="},
                  {f.lblBZOhm, "Ω"},
              };
              for (const auto& [control, text] : expected) EXPECT_EQ(control->Caption(), text) << control->Name();
              // Every label has its text; no edit field has one.
              int labels = 0;
              for (int i = 0; i < f.ComponentCount(); ++i) {
                if (auto* label = dynamic_cast<TLabel*>(f.Components(i))) {
                  ++labels;
                  EXPECT_FALSE(label->Caption().empty()) << label->Name();
                }
                if (auto* edit = dynamic_cast<TEdit*>(f.Components(i))) {
                  EXPECT_EQ(edit->Text(), "") << edit->Name();
                }
              }
              EXPECT_EQ(labels, 20);
            }),
            0);
}

TEST(WindowTexts, ExplanationsHaveTheirExactSize) {
  EXPECT_EQ(kInfoA.size(), 388u);
  EXPECT_EQ(CodePoints(kInfoA), 367u);
  EXPECT_EQ(kInfoB.size(), 292u);
  EXPECT_EQ(CodePoints(kInfoB), 271u);
}

TEST(WindowTexts, SpecialCharactersAreTheIntendedCodePoints) {
  FakeWidgetSet ws;
  ASSERT_EQ(RunMainWindow(ws, [](TMainForm& f) {
              EXPECT_EQ(f.lblAROhm->Caption(), "\xCE\xA9");  // U+03A9, not the ohm sign U+2126
              EXPECT_EQ(f.gbA->Caption().find("\xE2\x84\xA6"), std::string::npos);
              EXPECT_NE(f.gbA->Caption().find(" \xE2\x80\x93 "), std::string::npos);  // en dash between blanks
              EXPECT_NE(f.gbB->Caption().find(" \xE2\x80\x93 "), std::string::npos);
              EXPECT_EQ(f.lblAZ->Caption(), "Z\xE2\x82\x80 \xE2\x89\x88");
              EXPECT_EQ(f.lblBR2->Caption(), "R\xE2\x82\x82");
              for (const TLabel* info : {f.lblInfoA, f.lblInfoB}) {
                const std::string& t = info->Caption();
                const auto crlf = t.find("\r\n");
                ASSERT_NE(crlf, std::string::npos);
                EXPECT_EQ(t.find('\r', crlf + 1), std::string::npos) << "one line break only";
                EXPECT_EQ(t.find('\n', crlf + 2), std::string::npos);
                EXPECT_NE(t.front(), ' ');
                EXPECT_NE(t.back(), ' ');
              }
            }),
            0);
}

}  // namespace
