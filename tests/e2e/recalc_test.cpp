// Typing into the real input fields recomputes both results at once.
#include <gtest/gtest.h>

#include <vector>

#include "dolvane_app.h"
#include "screenshot.h"

namespace e2e {
namespace {

enum class Edit { Type, Replace, Backspace };

// One thing the user does, and what both result fields show afterwards.
struct Step {
  const char* field;
  Edit edit;
  const wchar_t* text;  // typed text; for Backspace the number of presses as digits
  const wchar_t* az;
  const wchar_t* bz;
};

struct Scenario {
  const char* name;
  std::vector<Step> steps;
};

void PrintTo(const Scenario& scenario, std::ostream* os) { *os << scenario.name; }

void Perform(const Dolvane& app, const Step& s) {
  switch (s.edit) {
    case Edit::Type: app.Type(s.field, s.text); break;
    case Edit::Replace: app.Replace(s.field, s.text); break;
    case Edit::Backspace: app.Backspace(s.field, std::stoi(s.text)); break;
  }
}

class Recalculation : public ::testing::TestWithParam<Scenario> {};

TEST_P(Recalculation, ResultsFollowEveryChange) {
  Dolvane app;
  int n = 0;
  for (const Step& s : GetParam().steps) {
    SCOPED_TRACE("step " + std::to_string(++n) + ": " + s.field + " <- \"" + Narrow(s.text) + "\"");
    ASSERT_NO_THROW(Perform(app, s));
    EXPECT_EQ(app.Text("edtAZ"), s.az);
    EXPECT_EQ(app.Text("edtBZ"), s.bz);
  }
}

const wchar_t* const kMinusFive = L"\x2212" L"5";  // U+2212 MINUS SIGN

INSTANTIATE_TEST_SUITE_P(
    Typing, Recalculation,
    ::testing::Values(
        Scenario{"MethodA",
                 {{"edtAR", Edit::Type, L"3", L"", L""},
                  {"edtAX", Edit::Type, L"4", L"5,0", L""},
                  {"edtAX", Edit::Backspace, L"1", L"", L""},
                  {"edtAX", Edit::Type, L"4", L"5,0", L""},
                  {"edtAR", Edit::Replace, L"4", L"5,7", L""},  // on the way to exchanging R and X
                  {"edtAX", Edit::Replace, L"3", L"5,0", L""}}},
        Scenario{"MethodB",
                 {{"edtBR1", Edit::Type, L"3", L"", L""},
                  {"edtBX1", Edit::Type, L"4", L"", L""},
                  {"edtBR2", Edit::Type, L"6", L"", L""},
                  {"edtBX2", Edit::Type, L"8", L"", L"7,1"},
                  {"edtBR2", Edit::Replace, L"0", L"", L"6,3"},
                  {"edtBX2", Edit::Replace, L"0", L"", L"0,0"},
                  {"edtBX1", Edit::Replace, L"", L"", L""},
                  {"edtBX1", Edit::Replace, L"x", L"", L""},
                  {"edtBR1", Edit::Replace, L"1", L"", L""},
                  {"edtBX1", Edit::Replace, L"0", L"", L"0,0"},
                  {"edtBR2", Edit::Replace, L"4", L"", L"2,0"}}},
        Scenario{"BothMethodsAtOnce",
                 {{"edtAR", Edit::Type, L"3", L"", L""},
                  {"edtAX", Edit::Type, L"4", L"5,0", L""},
                  {"edtBR1", Edit::Type, L"3", L"5,0", L""},
                  {"edtBX1", Edit::Type, L"4", L"5,0", L""},
                  {"edtBR2", Edit::Type, L"6", L"5,0", L""},
                  {"edtBX2", Edit::Type, L"8", L"5,0", L"7,1"},
                  {"edtAX", Edit::Backspace, L"1", L"", L"7,1"}}},
        Scenario{"SignsAndBlanks",
                 {{"edtAR", Edit::Type, kMinusFive, L"", L""},
                  {"edtAX", Edit::Type, L"12", L"13,0", L""},
                  {"edtAX", Edit::Replace, L" 0 ", L"5,0", L""},
                  {"edtAR", Edit::Replace, L"  12,5 ", L"12,5", L""},
                  {"edtAX", Edit::Replace, L"0.5e1", L"13,5", L""}}},
        Scenario{"OverflowLeavesNoTrace",
                 {{"edtAR", Edit::Type, L"1,5e308", L"", L""},
                  {"edtAX", Edit::Type, L"1,5e308", L"", L""},
                  {"edtAR", Edit::Replace, L"3", L"1,5E308", L""},  // X² is no overflow in extended precision
                  {"edtAX", Edit::Replace, L"4", L"5,0", L""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Results, TypingIntoAResultFieldChangesNothing) {
  Dolvane app;
  for (auto [field, text] : {std::pair{"edtAR", L"3"}, {"edtAX", L"4"}, {"edtBR1", L"3"}, {"edtBX1", L"4"},
                             {"edtBR2", L"6"}, {"edtBX2", L"8"}})
    app.Type(field, text);
  for (const char* name : {"edtAZ", "edtBZ"}) {
    HWND result = app.Control(name);
    SendMessageW(result, EM_SETSEL, 0, 0);
    PostChars(result, L"9\b\b\b");
    PostKey(result, VK_DELETE);
    // Posted messages are handled in order: once this selection shows, the
    // keys before it have been handled.
    PostMessageW(result, EM_SETSEL, 1, 2);
    ASSERT_TRUE(WaitUntil([&] { return SelectionOf(result) == std::pair<DWORD, DWORD>(1, 2); }, kActionTimeoutMs))
        << name;
  }
  EXPECT_EQ(app.Text("edtAZ"), L"5,0");
  EXPECT_EQ(app.Text("edtBZ"), L"7,1");
  EXPECT_EQ(app.Text("edtAR"), L"3");
  EXPECT_EQ(app.Text("edtBX2"), L"8");
}

TEST(Results, TheResultWhoseInputsDidNotChangeKeepsItsTextAndSelection) {
  Dolvane app;
  for (auto [field, text] : {std::pair{"edtBR1", L"3"}, {"edtBX1", L"4"}, {"edtBR2", L"6"}, {"edtBX2", L"8"}})
    app.Type(field, text);
  HWND bz = app.Control("edtBZ");
  ASSERT_EQ(app.Text("edtBZ"), L"7,1");
  SendMessageW(bz, EM_SETSEL, 1, 3);
  app.Type("edtAR", L"3");
  app.Type("edtAX", L"4");
  EXPECT_EQ(app.Text("edtAZ"), L"5,0");
  EXPECT_EQ(app.Text("edtBZ"), L"7,1");
  EXPECT_EQ(SelectionOf(bz), (std::pair<DWORD, DWORD>(1, 3)));

  // And the other way round: method A's result stays put while B changes.
  HWND az = app.Control("edtAZ");
  SendMessageW(az, EM_SETSEL, 0, 2);
  app.Backspace("edtBX2", 1);
  EXPECT_EQ(app.Text("edtBZ"), L"");
  EXPECT_EQ(SelectionOf(az), (std::pair<DWORD, DWORD>(0, 2)));
}

TEST(Results, PastingAHugeTextEmptiesTheResultWithoutHanging) {
  Dolvane app;
  app.Type("edtAX", L"4");
  const std::wstring huge(100000, L'3');
  HWND edit = app.Control("edtAR");
  // What a paste does inside the field: replace the selection with the text.
  DWORD_PTR ignored = 0;
  const ULONGLONG start = GetTickCount64();
  const bool answered = SendMessageTimeoutW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(huge.c_str()),
                                            SMTO_ABORTIFHUNG, 60000, &ignored) != 0;
  RecordProperty("paste_ms", static_cast<int>(GetTickCount64() - start));
  EXPECT_TRUE(answered) << "the paste took longer than a minute";
  const auto length = [&] {
    DWORD_PTR n = 0;
    SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kActionTimeoutMs, &n);
    return n;
  };
  // The field has no length limit: all of the text arrives.
  EXPECT_TRUE(WaitUntil([&] { return length() == huge.size(); }, 60000)) << "the field holds " << length();
  EXPECT_TRUE(Responds(app.Window(), 1000));
  EXPECT_EQ(app.Text("edtAZ"), L"");
  EXPECT_EQ(TextOf(edit), huge);

  app.Replace("edtAR", L"3");
  EXPECT_EQ(app.Text("edtAZ"), L"5,0");
}

TEST(Results, FilledInWindowScreenshot) {
  Dolvane app;
  for (auto [field, text] : {std::pair{"edtAR", L"3"}, {"edtAX", L"4"}, {"edtBR1", L"3"}, {"edtBX1", L"4"},
                             {"edtBR2", L"6"}, {"edtBX2", L"8"}})
    app.Type(field, text);
  ASSERT_EQ(app.Text("edtBZ"), L"7,1");
  SetForegroundWindow(app.Window());
  RedrawWindow(app.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ASSERT_TRUE(Responds(app.Window(), 5000));
  Sleep(300);
  EXPECT_TRUE(SaveWindowPng(app.Window(), ArtifactPath("filled-in-window.png")));
}

}  // namespace
}  // namespace e2e
