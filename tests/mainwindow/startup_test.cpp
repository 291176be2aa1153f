#include <gtest/gtest.h>

#include "main_form.h"
#include "startup.h"

namespace {

TEST(Startup, RunsTheStepsAndEndsWithZero) {
  FakeWidgetSet ws;
  EXPECT_EQ(RunMainWindow(ws, [](TMainForm& f) {
              EXPECT_EQ(Application->MainForm(), &f);
              f.ControlCloseRequest();
            }),
            0);
  EXPECT_EQ(ws.appTitle, "Dolvane");
  EXPECT_EQ(ws.shownForms.size(), 1u);
  EXPECT_EQ(ws.handlesCreated, 31);  // the window and its thirty components
  EXPECT_TRUE(ws.dialogs.empty());
}

TEST(Startup, WithoutBackEndEndsWith217AndNoWindow) {
  EXPECT_EQ(RunDolvane(nullptr), 217);
}

TEST(Startup, WithoutFormDescriptionShowsTheErrorThen217) {
  FakeWidgetSet ws;  // no TMAINFORM
  EXPECT_EQ(RunDolvane(&ws), 217);
  EXPECT_EQ(MainForm, nullptr);
  EXPECT_TRUE(ws.shownForms.empty());
  ASSERT_EQ(ws.dialogs.size(), 1u);
  EXPECT_EQ(ws.dialogs[0].title, "Dolvane");
  EXPECT_EQ(ws.dialogs[0].text,
            "Form resource TMainForm not found. For resourceless forms CreateNew constructor must be used. See the "
            "global variable RequireDerivedFormResource.\r\n\r\nPress OK to ignore and risk data corruption.\r\n"
            "Press Abort to kill the program.");
}

TEST(Startup, AbortEndsWithZero) {
  FakeWidgetSet ws;
  ws.dialogAnswer = TDialogResult::Abort;
  try {
    RunDolvane(&ws);
    FAIL() << "did not halt";
  } catch (const FakeWidgetSet::Halted& h) {
    EXPECT_EQ(h.exitCode, 0);
  }
}

TEST(Startup, BrokenFormDescriptionIsAnErrorNotACrash) {
  const std::string good(kMainFormStream);
  for (std::size_t n = 0; n < good.size(); n += 7) {
    FakeWidgetSet ws;
    ws.resources["TMAINFORM"] = good.substr(0, n);
    EXPECT_EQ(RunDolvane(&ws), 217) << "cut at " << n;
    ASSERT_EQ(ws.dialogs.size(), 1u);
    EXPECT_EQ(ws.dialogs[0].text.rfind("Invalid", 0), 0u) << ws.dialogs[0].text;
  }
}

}  // namespace
