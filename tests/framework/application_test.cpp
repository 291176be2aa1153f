#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "errors.h"
#include "fake_widgetset.h"
#include "test_form.h"

namespace {

TTestForm* g_form = nullptr;

// Runs `program` as a main program on the fake back end, with the test form's
// description available, and returns the exit code.
int RunWith(FakeWidgetSet& ws, const std::function<void()>& program) {
  ws.resources["TTESTFORM"] = TestFormStream();
  g_form = nullptr;
  return ExecuteProgram(&ws, program);
}

void StandardStart() {
  Application->SetTitle("Dolvane");
  Application->SetScaled(true);
  Application->Initialize();
  Application->CreateForm(g_form);
}

TEST(ErrorDialog, TextAddsAFullStopAndTheTwoChoices) {
  const std::string tail = "\r\n\r\nPress OK to ignore and risk data corruption.\r\nPress Abort to kill the program.";
  const struct {
    std::string message;
    std::string first;
  } cases[] = {
      {"Boom", "Boom."},
      {"Done.", "Done."},
      {"", ""},
      {"Ends with a blank ", "Ends with a blank ."},
      {"Two dots..", "Two dots.."},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorDialogText(c.message), c.first + tail) << c.message;
}

TEST(Program, NormalRunEndsWithZero) {
  FakeWidgetSet ws;
  TForm* seenMain = nullptr;
  std::vector<std::string> seenEvents;
  ws.user = [&](TApplication& app) {
    seenMain = app.MainForm();
    seenEvents = g_form->events;
  };
  EXPECT_EQ(RunWith(ws, [] { StandardStart(); Application->Run(); }), 0);
  EXPECT_TRUE(ws.appInitialized);
  EXPECT_EQ(ws.appTitle, "Dolvane");
  EXPECT_EQ(seenMain, g_form);
  EXPECT_EQ(seenEvents, std::vector<std::string>{"Created"});  // OnCreate ran once, and nothing else
  ASSERT_EQ(ws.shownForms.size(), 1u);
  EXPECT_TRUE(ws.dialogs.empty());
  EXPECT_EQ(Application, nullptr);  // taken down again
}

TEST(Program, TheFirstFormCreatedStaysTheMainForm) {
  FakeWidgetSet ws;
  TTestForm* second = nullptr;
  EXPECT_EQ(RunWith(ws, [&] {
              StandardStart();
              Application->CreateForm(second);
              EXPECT_EQ(Application->MainForm(), g_form);
            }),
            0);
}

TEST(Program, TitleSetAfterInitializeReachesTheBackEnd) {
  FakeWidgetSet ws;
  EXPECT_EQ(RunWith(ws, [] { StandardStart(); Application->SetTitle("Retitled"); }), 0);
  EXPECT_EQ(ws.appTitle, "Retitled");
}

TEST(Program, NoBackEndFailsWithExceptionAndNoDialog) {
  bool reached = false;
  const int code = ExecuteProgram(nullptr, [&] {
    Application->Initialize();
    reached = true;
  });
  EXPECT_EQ(code, 217);
  EXPECT_FALSE(reached);
  try {
    TApplication app(nullptr);
    app.Initialize();
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(typeid(e), typeid(Exception));  // the base class itself
  }
}

TEST(Program, MissingDescriptionShowsTheDialogThen217) {
  FakeWidgetSet ws;
  RequireDerivedFormResource = true;
  const int code = ExecuteProgram(&ws, [] {
    Application->SetTitle("Dolvane");
    Application->Initialize();
    Application->CreateForm(g_form);
  });
  RequireDerivedFormResource = false;
  EXPECT_EQ(code, 217);
  EXPECT_EQ(g_form, nullptr);
  ASSERT_EQ(ws.dialogs.size(), 1u);
  EXPECT_EQ(ws.dialogs[0].title, "Dolvane");
  EXPECT_EQ(ws.dialogs[0].text, ErrorDialogText("Form resource TTestForm not found. For resourceless forms CreateNew "
                                                "constructor must be used. See the global variable "
                                                "RequireDerivedFormResource."));
}

TEST(Program, AbortEndsAtOnceWithZero) {
  FakeWidgetSet ws;
  ws.dialogAnswer = TDialogResult::Abort;
  try {
    RunWith(ws, [] {
      Application->Initialize();
      throw EInvalidOperation("stop");
    });
    FAIL() << "did not halt";
  } catch (const FakeWidgetSet::Halted& h) {
    EXPECT_EQ(h.exitCode, 0);
  }
  EXPECT_EQ(Application, nullptr);
}

TEST(Program, ExceptionInOnCreateIsShownAndCreationGoesOn) {
  FakeWidgetSet ws;
  ws.monitorDpi = 144;
  EXPECT_EQ(RunWith(ws, [] {
              Application->SetTitle("T");
              Application->SetScaled(true);
              Application->Initialize();
              auto* form = new TTestForm(Application);
              form->onCreated = [] { throw std::runtime_error("bad start"); };
              form->Construct();
              // What comes after OnCreate still happens: the form is scaled to the monitor.
              EXPECT_EQ(form->ClientWidth(), 1020);
            }),
            0);
  ASSERT_EQ(ws.dialogs.size(), 1u);
  EXPECT_EQ(ws.dialogs[0].title, "T");
  EXPECT_EQ(ws.dialogs[0].text.substr(0, 10), "bad start.");
}

TEST(Program, ExceptionInAChangeHandlerIsShownAndTheLoopGoesOn) {
  FakeWidgetSet ws;
  std::vector<std::string> seen;
  ws.user = [&](TApplication&) {
    g_form->ed->SetOnChange([](TObject*) { throw EInvalidOperation("handler failed"); });
    UserTypes(*g_form->ed, "1");
    seen.push_back(g_form->ed->Text());
  };
  EXPECT_EQ(RunWith(ws, [] { StandardStart(); Application->Run(); }), 0);
  EXPECT_EQ(seen, std::vector<std::string>{"1"});
  ASSERT_EQ(ws.dialogs.size(), 1u);
  EXPECT_EQ(ws.dialogs[0].text, ErrorDialogText("handler failed"));
}

TEST(Program, ClosingTheMainFormTerminates) {
  FakeWidgetSet ws;
  bool terminated = false;
  ws.user = [&](TApplication& app) {
    app.MainForm()->ControlCloseRequest();
    terminated = app.Terminated();
  };
  EXPECT_EQ(RunWith(ws, [] { StandardStart(); Application->Run(); }), 0);
  EXPECT_TRUE(terminated);
}

}  // namespace
