// The texts that the window shows when it first appears, read back from the
// real controls (UTF-16) and compared with the expected texts (UTF-8).
#include <gtest/gtest.h>

#include "dolvane_app.h"

namespace e2e {
namespace {

TEST(Texts, WindowGroupsAndLabelsShowTheirTextsAndEveryFieldIsEmpty) {
  Dolvane app;
  for (const auto& [name, text] : expected::kTexts) {
    SCOPED_TRACE(name);
    const std::wstring shown = app.Text(name);
    EXPECT_EQ(shown, Widen(text)) << Narrow(shown);
  }
  for (const Component& c : kComponents) {
    if (ClassName(c.role) != "TEdit") continue;
    SCOPED_TRACE(c.name);
    EXPECT_EQ(app.Text(c.name), L"");
  }
}

}  // namespace
}  // namespace e2e
