#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_form.h"

namespace {

// One user step: a field (by name) and the text it holds afterwards, then the
// results expected in both result fields.
struct Step {
  const char* field;
  const char* text;
  const char* az;
  const char* bz;
};

TEdit* Field(TMainForm& f, const std::string& name) { return dynamic_cast<TEdit*>(f.FindComponent(name)); }

void Play(const std::vector<Step>& steps) {
  FakeWidgetSet ws;
  ASSERT_EQ(RunMainWindow(ws, [&](TMainForm& f) {
              for (const Step& s : steps) {
                UserTypes(*Field(f, s.field), s.text);
                EXPECT_EQ(f.edtAZ->Text(), s.az) << s.field << " := " << s.text;
                EXPECT_EQ(f.edtBZ->Text(), s.bz) << s.field << " := " << s.text;
              }
            }),
            0);
  EXPECT_TRUE(ws.dialogs.empty()) << ws.dialogs.front().text;
}

TEST(FeltEndret, MethodA) {
  Play({
      {"edtAR", "3", "", ""},
      {"edtAX", "4", "5,0", ""},
      {"edtAX", "", "", ""},      // deleting the 4
      {"edtAX", "4", "5,0", ""},  // typing it back
      {"edtAR", "4", "5,7", ""},
      {"edtAX", "3", "5,0", ""},  // R and X exchanged
      {"edtAR", "x", "", ""},
  });
}

TEST(FeltEndret, MethodBPairsEachRWithItsOwnX) {
  Play({
      {"edtBR1", "3", "", ""},
      {"edtBX1", "4", "", ""},
      {"edtBR2", "6", "", ""},
      {"edtBX2", "8", "", "7,1"},  // not 7,7
      {"edtBR2", "0", "", "6,3"},  // magnitudes 5 and 8
      {"edtBX2", "0", "", "0,0"},
      {"edtBR1", "1", "", "0,0"},
      {"edtBX1", "0", "", "0,0"},
      {"edtBR2", "4", "", "2,0"},
  });
}

TEST(FeltEndret, AnyEmptyOrBadMethodBFieldEmptiesItsResult) {
  for (const char* field : {"edtBR1", "edtBX1", "edtBR2", "edtBX2"}) {
    for (const char* bad : {"", "abc"}) {
      Play({
          {"edtBR1", "3", "", ""},
          {"edtBX1", "4", "", ""},
          {"edtBR2", "6", "", ""},
          {"edtBX2", "8", "", "7,1"},
          {field, bad, "", ""},
      });
    }
  }
}

TEST(FeltEndret, UnchangedResultIsNotRewritten) {
  FakeWidgetSet ws;
  ASSERT_EQ(RunMainWindow(ws, [&](TMainForm& f) {
              UserTypes(*f.edtAR, "3");
              UserTypes(*f.edtAX, "4");
              EXPECT_EQ(ws.textWrites[f.edtAZ], 1);
              EXPECT_EQ(ws.textWrites[f.edtBZ], 0);  // stays empty: never written
              UserTypes(*f.edtBR1, "1");               // method B changes, A is recomputed
              UserTypes(*f.edtAR, "03");               // still the number 3
              EXPECT_EQ(ws.textWrites[f.edtAZ], 1);
              EXPECT_EQ(f.edtAZ->Text(), "5,0");
              for (TEdit* input : {f.edtAR, f.edtAX, f.edtBR1, f.edtBX1, f.edtBR2, f.edtBX2}) {
                EXPECT_EQ(ws.textWrites[input], 0) << input->Name();  // only the user writes inputs
              }
            }),
            0);
}

TEST(FeltEndret, HandsLongAndOddTextsOverAsBytes) {
  Play({
      {"edtAR", "  3  ", "", ""},
      {"edtAX", "4", "5,0", ""},
      {"edtAR", std::string(100000, '9').c_str(), "", ""},
      {"edtAR", "3\xED\xA0\x80", "", ""},  // an unpaired surrogate from the field
      {"edtAR", "3", "5,0", ""},
  });
}

}  // namespace
