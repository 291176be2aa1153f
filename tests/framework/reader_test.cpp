#include <gtest/gtest.h>

#include <memory>

#include "errors.h"
#include "reader.h"
#include "stream_builder.h"
#include "test_form.h"

namespace {

std::unique_ptr<TTestForm> Read(const std::string& stream) {
  auto form = std::make_unique<TTestForm>(nullptr);
  ReadFormDescription(*form, stream);
  return form;
}

TEST(Reader, BuildsTheTreeAndBindsByName) {
  const auto form = Read(TestFormStream());
  EXPECT_EQ(form->Name(), "TestForm");
  EXPECT_EQ(form->ClientWidth(), 680);
  ASSERT_NE(form->gb, nullptr);
  ASSERT_NE(form->ed, nullptr);
  ASSERT_NE(form->lb, nullptr);
  // Owned by the form in stored order, placed in their parents.
  ASSERT_EQ(form->ComponentCount(), 3);
  EXPECT_EQ(form->Components(0), form->gb);
  EXPECT_EQ(form->Components(1), form->ed);
  EXPECT_EQ(form->Components(2), form->lb);
  EXPECT_EQ(form->gb->Parent(), form.get());
  EXPECT_EQ(form->ed->Parent(), form->gb);
  EXPECT_EQ(form->gb->ControlCount(), 2);
  EXPECT_EQ(form->ed->Left(), 36);
  EXPECT_EQ(form->lb->Width(), 636);
  EXPECT_FALSE(form->lb->AutoSize());
  EXPECT_TRUE(form->lb->WordWrap());
  EXPECT_FALSE(form->ed->Loading());

  // The stored handler names call the published methods.
  ASSERT_TRUE(form->OnCreate());
  form->OnCreate()(form.get());
  form->ed->SetText("1");
  EXPECT_EQ(form->events, (std::vector<std::string>{"Created", "Changed:ed"}));
}

TEST(Reader, NamesAreCaseInsensitive) {
  const std::string stream = StreamBuilder()
                                 .Object("TTESTFORM", "f")
                                 .Ident("oncreate", "CREATED")
                                 .End()
                                 .Object("tedit", "ED")
                                 .Int("left", 3)
                                 .End()
                                 .End()
                                 .End()
                                 .Bytes();
  const auto form = Read(stream);
  ASSERT_NE(form->ed, nullptr);
  EXPECT_EQ(form->ed->Left(), 3);
  EXPECT_TRUE(form->OnCreate());
}

// A stream whose form holds one child entry built by `child`.
template <class F>
std::string WithChild(F child) {
  StreamBuilder b;
  b.Object("TTestForm", "f").End();
  child(b);
  b.End();
  return b.Bytes();
}

TEST(Reader, RejectsMismatchesWithClearMessages) {
  const struct {
    const char* what;
    std::string stream;
    const char* message;
  } cases[] = {
      {"root class", StreamBuilder().Object("TOtherForm", "f").End().End().Bytes(), "for class TOtherForm, not TTestForm"},
      {"unknown class", WithChild([](StreamBuilder& b) { b.Object("TButton", "ed").End().End(); }),
       "Class TButton not found"},
      {"missing field", WithChild([](StreamBuilder& b) { b.Object("TEdit", "other").End().End(); }),
       "Field other not found in class TTestForm"},
      {"wrong class", WithChild([](StreamBuilder& b) { b.Object("TLabel", "ed").End().End(); }),
       "Field ed of class TTestForm is of class TEdit, not TLabel"},
      {"unknown method", WithChild([](StreamBuilder& b) { b.Object("TEdit", "ed").Ident("OnChange", "Gone").End().End(); }),
       "Method Gone not found in class TTestForm"},
      {"unknown property", WithChild([](StreamBuilder& b) { b.Object("TEdit", "ed").Int("Colour", 1).End().End(); }),
       "Unknown property Colour of class TEdit"},
      {"label property on an edit", WithChild([](StreamBuilder& b) { b.Object("TEdit", "ed").Bool("WordWrap", true).End().End(); }),
       "Unknown property WordWrap of class TEdit"},
      {"text is never stored", WithChild([](StreamBuilder& b) { b.Object("TEdit", "ed").Short("Text").Byte(6).Short("x").End().End(); }),
       "Unknown property Text of class TEdit"},
      {"integer for a boolean", WithChild([](StreamBuilder& b) { b.Object("TEdit", "ed").Int("ReadOnly", 1).End().End(); }),
       "TEdit.ReadOnly: expected True or False, got Int8"},
      {"ident for an integer", WithChild([](StreamBuilder& b) { b.Object("TEdit", "ed").Ident("Left", "x").End().End(); }),
       "TEdit.Left: expected an integer, got Ident"},
      {"set for an event", WithChild([](StreamBuilder& b) { b.Object("TEdit", "ed").Set("OnChange", {"Changed"}).End().End(); }),
       "TEdit.OnChange: expected an identifier, got Set"},
      {"unknown enumeration value", WithChild([](StreamBuilder& b) { b.Object("TEdit", "ed").Ident("Alignment", "taTop").End().End(); }),
       "TEdit.Alignment: taTop"},
      {"unknown set element", WithChild([](StreamBuilder& b) { b.Object("TEdit", "ed").Set("Font.Style", {"fsHuge"}).End().End(); }),
       "TEdit.Font.Style: fsHuge"},
      {"Int32 out of int range", WithChild([](StreamBuilder& b) {
         b.Object("TEdit", "ed").Short("Left").Raw(std::string("\x13\x00\x00\x00\x00\x01\x00\x00\x00", 9)).End().End();
       }),
       "TEdit.Left: expected an integer in range"},
      {"duplicate name", WithChild([](StreamBuilder& b) { b.Object("TEdit", "ed").End().End().Object("TEdit", "ED").End().End(); }),
       "Duplicate component name ED"},
      {"control inside a label", WithChild([](StreamBuilder& b) { b.Object("TLabel", "lb").End().Object("TEdit", "ed").End().End().End(); }),
       "lb cannot hold the control ed"},
      {"inherited entry", WithChild([](StreamBuilder& b) { b.Byte(0xF1).Object("TEdit", "ed").End().End(); }),
       "inherited or inline"},
      {"inline entry", WithChild([](StreamBuilder& b) { b.Byte(0xF4).Object("TEdit", "ed").End().End(); }),
       "inherited or inline"},
  };
  for (const auto& c : cases) {
    auto form = std::make_unique<TTestForm>(nullptr);
    try {
      ReadFormDescription(*form, c.stream);
      ADD_FAILURE() << c.what << ": no exception";
    } catch (const EFilerError& e) {
      EXPECT_NE(e.Message().find(c.message), std::string::npos) << c.what << ": " << e.Message();
    }
  }
}

TEST(Reader, OwnFontStyleEndsTheUseOfTheParentFont) {
  // A bold group box holding the edit field, which stores no ParentFont.
  const auto stream = [](auto editProperties) {
    return WithChild([&](StreamBuilder& b) {
      b.Object("TGroupBox", "gb").Set("Font.Style", {"fsBold"}).End().Object("TEdit", "ed");
      editProperties(b);
      b.End().End().End();
    });
  };
  const struct {
    const char* what;
    std::string stream;
    bool parentFont;
    TFontStyles style;
  } cases[] = {
      {"no style", stream([](StreamBuilder&) {}), true, fsBold},
      {"own style", stream([](StreamBuilder& b) { b.Set("Font.Style", {"fsItalic"}); }), false, fsItalic},
      {"own empty style", stream([](StreamBuilder& b) { b.Set("Font.Style", {}); }), false, 0},
  };
  for (const auto& c : cases) {
    const auto form = Read(c.stream);
    ASSERT_NE(form->ed, nullptr) << c.what;
    EXPECT_EQ(form->ed->ParentFont(), c.parentFont) << c.what;
    EXPECT_EQ(form->ed->EffectiveFontStyle(), c.style) << c.what;
  }
}

TEST(Reader, UnknownClassIsEClassNotFound) {
  auto form = std::make_unique<TTestForm>(nullptr);
  EXPECT_THROW(ReadFormDescription(*form, WithChild([](StreamBuilder& b) { b.Object("TMemo", "ed").End().End(); })),
               EClassNotFound);
}

TEST(Reader, EveryTruncationOfARealDescriptionFails) {
  const std::string stream = TestFormStream();
  for (std::size_t n = 0; n < stream.size(); ++n) {
    auto form = std::make_unique<TTestForm>(nullptr);
    EXPECT_THROW(ReadFormDescription(*form, stream.substr(0, n)), EReadError) << "cut at " << n;
  }
}

}  // namespace
