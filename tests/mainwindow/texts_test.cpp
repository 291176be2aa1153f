#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "expected/main_window.h"
#include "main_form.h"

namespace {

TEST(WindowTexts, FormCreateSetsAll23Texts) {
  FakeWidgetSet ws;
  ASSERT_EQ(RunMainWindow(ws, [](TMainForm& f) {
              for (const auto& [name, text] : expected::kTexts) {
                const TComponent* c = name == std::string_view(expected::kFormName) ? &f : f.FindComponent(name);
                const auto* control = dynamic_cast<const TControl*>(c);
                ASSERT_NE(control, nullptr) << name;
                EXPECT_EQ(control->Caption(), text) << name;
              }
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
