#include <gtest/gtest.h>

#include <optional>

#include "fake_widgetset.h"
#include "test_form.h"

namespace {

// A test form built on the fake back end inside a running framework session,
// scaled as the program asks for unless `scaled` is empty, which keeps the
// application's default. The run must end normally: a failed start-up would
// skip the body's checks.
template <class Body>
void WithForm(FakeWidgetSet& ws, Body body, std::optional<bool> scaled = true) {
  ws.resources["TTESTFORM"] = TestFormStream();
  TTestForm* form = nullptr;
  const int code = ExecuteProgram(&ws, [&] {
    if (scaled) Application->SetScaled(*scaled);
    Application->Initialize();
    Application->CreateForm(form);
    body(*form);
  });
  ASSERT_EQ(code, 0);
}

TEST(Text, EqualWriteDoesNothingAtAll) {
  FakeWidgetSet ws;
  WithForm(ws, [&](TTestForm& f) {
    f.events.clear();
    f.ed->SetText("");
    EXPECT_EQ(ws.textWrites[f.ed], 0);
    f.ed->SetText("5,0");
    f.ed->SetText("5,0");
    EXPECT_EQ(ws.textWrites[f.ed], 1);
    EXPECT_EQ(f.events, std::vector<std::string>{"Changed:ed"});
    f.lb->SetCaption("x");
    f.lb->SetCaption("x");
    EXPECT_EQ(ws.textWrites[f.lb], 1);
    EXPECT_EQ(f.ed->Text(), "5,0");
  });
}

TEST(Text, UserChangesRaiseOnChangeEachTime) {
  FakeWidgetSet ws;
  WithForm(ws, [&](TTestForm& f) {
    f.events.clear();
    for (const char* text : {"3", "34", "3", "", ""}) UserTypes(*f.ed, text);
    EXPECT_EQ(f.events.size(), 5u);  // even a change that ends at an equal text
    EXPECT_EQ(f.ed->Text(), "");
    EXPECT_EQ(ws.textWrites[f.ed], 0);  // the platform already shows the user's text
  });
}

TEST(Text, NoOnChangeWhileLoadingOrDestroying) {
  FakeWidgetSet ws;
  ws.onDestroyHandle = [](TControl& c) {
    // A platform that reports a last change while it takes a field down.
    if (auto* edit = dynamic_cast<TEdit*>(&c)) UserTypes(*edit, "gone");
  };
  std::vector<std::string> changes;
  WithForm(ws, [&](TTestForm& f) {
    f.ed->SetOnChange([&](TObject*) { changes.push_back(f.ed->Text()); });
    f.ed->SetLoading(true);
    f.ed->SetText("during load");
    UserTypes(*f.ed, "typed during load");
    f.ed->SetLoading(false);
    EXPECT_TRUE(changes.empty());
    UserTypes(*f.ed, "after");
    EXPECT_EQ(changes, std::vector<std::string>{"after"});
  });
  EXPECT_EQ(ws.handlesCreated, 4);
  EXPECT_EQ(changes, std::vector<std::string>{"after"});  // nothing while the form was freed
}

TEST(Scaling, StoredLayoutFollowsTheMonitorDensity) {
  FakeWidgetSet ws;
  ws.monitorDpi = 144;
  WithForm(ws, [&](TTestForm& f) {
    EXPECT_EQ(f.PixelsPerInch(), 144);
    EXPECT_EQ(f.ClientWidth(), 1020);
    EXPECT_EQ(f.ClientHeight(), 600);
    EXPECT_EQ(f.gb->Left(), 12);
    EXPECT_EQ(f.gb->Top(), 12);
    EXPECT_EQ(f.gb->Width(), 996);
    EXPECT_EQ(f.gb->Height(), 249);
    EXPECT_EQ(f.ed->Left(), 54);
    EXPECT_EQ(f.ed->Top(), 150);
    EXPECT_EQ(f.ed->Width(), 120);
    EXPECT_EQ(f.lb->Width(), 954);  // fixed-size label: scaled, not measured
    EXPECT_EQ(f.lb->Height(), 126);
  });
}

TEST(Scaling, EditHeightFollowsTheFontButNeverShrinks) {
  const struct {
    int dpi;
    int textHeight96;
    int height;
  } cases[] = {
      {96, 15, 23},   // design height
      {96, 13, 23},   // small font: still the design height
      {96, 21, 27},   // large font: taller
      {144, 15, 35},  // 23 * 1.5 rounds half away from zero
      {144, 21, 41},
  };
  for (const auto& c : cases) {
    FakeWidgetSet ws;
    ws.monitorDpi = c.dpi;
    ws.textHeight96 = c.textHeight96;
    WithForm(ws, [&](TTestForm& f) { EXPECT_EQ(f.ed->Height(), c.height) << c.dpi << " " << c.textHeight96; });
  }
}

TEST(Scaling, RescalesWhenShownOnAnotherDensity) {
  FakeWidgetSet ws;
  ws.dpiAfterHandle = 192;
  WithForm(ws, [&](TTestForm& f) {
    EXPECT_EQ(f.ClientWidth(), 680);
    f.Show();
    EXPECT_EQ(f.PixelsPerInch(), 192);
    EXPECT_EQ(f.ClientWidth(), 1360);
    EXPECT_EQ(f.gb->Top(), 16);
  });
}

// An application scales no form until it is told to.
TEST(Scaling, OffWhenTheApplicationDoesNotScale) {
  FakeWidgetSet ws;
  ws.monitorDpi = 144;
  WithForm(
      ws,
      [](TTestForm& f) {
        EXPECT_EQ(f.ClientWidth(), 680);
        EXPECT_EQ(f.PixelsPerInch(), 96);
      },
      /*scaled=*/std::nullopt);  // left at the application's default
}

TEST(Scaling, PixelArithmeticRoundsHalvesAwayFromZero) {
  const struct {
    int value, num, den, expected;
  } cases[] = {
      {8, 144, 96, 12}, {23, 144, 96, 35}, {-23, 144, 96, -35}, {15, 120, 96, 19}, {1, 1, 2, 1},
      {-1, 1, 2, -1},   {5, 96, 144, 3},   {680, 96, 96, 680},  {7, 3, 0, 7},
  };
  for (const auto& c : cases) EXPECT_EQ(ScalePixels(c.value, c.num, c.den), c.expected) << c.value;
}

TEST(Labels, AutoSizeToTheirText) {
  FakeWidgetSet ws;
  WithForm(ws, [&](TTestForm& f) {
    auto* label = new TLabel(&f);
    label->SetParent(f.gb);
    label->SetBounds(12, 104, 16, 15);
    label->SetCaption("Kortsluttet kabel");
    EXPECT_EQ(label->Width(), 7 * 17);
    EXPECT_EQ(label->Height(), 15);
    EXPECT_EQ(label->Left(), 12);
  });
}

}  // namespace
