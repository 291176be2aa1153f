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

}  // namespace
