#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected/main_window.h"
#include "main_form.h"
#include "stream.h"

namespace {

using expected::Component;
using expected::kComponents;
using expected::Role;

// The properties that the form stores for a component, as "Name=value" in
// stored order: bounds first, tab order last.
std::vector<std::string> StoredProperties(const Component& c) {
  std::vector<std::string> out = {"Left=" + std::to_string(c.left), "Height=" + std::to_string(c.height),
                                  "Top=" + std::to_string(c.top), "Width=" + std::to_string(c.width)};
  switch (c.role) {
    case Role::Explanation: out.insert(out.end(), {"AutoSize=False", "WordWrap=True"}); break;
    case Role::Input: out.push_back("OnChange=FeltEndret"); break;
    case Role::Result:
      out.insert(out.end(), {"Alignment=taRightJustify", "Font.Style=[fsBold]", "ParentFont=False", "ReadOnly=True",
                             "TabStop=False"});
      break;
    case Role::Group:
    case Role::Label: break;
  }
  if (c.tabOrder >= 0) out.push_back("TabOrder=" + std::to_string(c.tabOrder));
  return out;
}

std::string Show(const StreamValue& v) {
  switch (v.type) {
    case ValueType::Int8: case ValueType::Int16: return std::to_string(v.integer);
    case ValueType::True: return "True";
    case ValueType::False: return "False";
    case ValueType::Ident: return v.text;
    case ValueType::Set: {
      std::string s = "[";
      for (std::size_t i = 0; i < v.elements.size(); ++i) s += (i ? ", " : "") + v.elements[i];
      return s + "]";
    }
    default: return "<" + std::string(ValueTypeName(v.type)) + ">";
  }
}

std::vector<std::string> Props(const ComponentEntry& e) {
  std::vector<std::string> out;
  for (const StreamProperty& p : e.properties) out.push_back(p.name + "=" + Show(p.value));
  return out;
}

TEST(StoredForm, RootHoldsTheWindowPropertiesInOrder) {
  const ComponentEntry root = ParseComponentStream(kMainFormStream);
  EXPECT_EQ(root.flags, 0);
  EXPECT_EQ(root.className, "TMainForm");
  EXPECT_EQ(root.name, "MainForm");
  EXPECT_EQ(Props(root), (std::vector<std::string>{"Left=200", "Height=400", "Top=100", "Width=680",
                                                    "BorderIcons=[biSystemMenu, biMinimize]", "BorderStyle=bsSingle",
                                                    "ClientHeight=400", "ClientWidth=680", "OnCreate=FormCreate",
                                                    "Position=poScreenCenter"}));
}

TEST(StoredForm, EveryComponentAsTheTableHasIt) {
  const ComponentEntry root = ParseComponentStream(kMainFormStream);
  std::vector<std::pair<const ComponentEntry*, std::string>> flat;  // entry, parent name
  for (const ComponentEntry& box : root.children) {
    flat.emplace_back(&box, root.name);
    for (const ComponentEntry& c : box.children) {
      flat.emplace_back(&c, box.name);
      EXPECT_TRUE(c.children.empty()) << c.name;
    }
  }
  ASSERT_EQ(flat.size(), std::size(kComponents));
  for (std::size_t i = 0; i < flat.size(); ++i) {
    const Component& row = kComponents[i];
    const ComponentEntry& e = *flat[i].first;
    EXPECT_EQ(e.flags, 0) << row.name;
    EXPECT_EQ(e.name, row.name);
    EXPECT_EQ(e.className, ClassName(row.role)) << row.name;
    EXPECT_EQ(flat[i].second, row.parent) << row.name;
    EXPECT_EQ(Props(e), StoredProperties(row)) << row.name;
    // Smallest integer types: everything here fits Int8 or Int16.
    for (const StreamProperty& p : e.properties) {
      if (p.value.IsInteger()) {
        EXPECT_EQ(p.value.type, p.value.integer >= -128 && p.value.integer <= 127 ? ValueType::Int8 : ValueType::Int16)
            << row.name << "." << p.name;
      }
    }
  }
}

TEST(MainWindow, LoadsIntoThePublishedFields) {
  FakeWidgetSet ws;
  ASSERT_EQ(RunMainWindow(ws, [](TMainForm& f) {
              ASSERT_EQ(f.ComponentCount(), 30);
              for (int i = 0; i < 30; ++i) {
                const auto* c = dynamic_cast<TControl*>(f.Components(i));
                ASSERT_NE(c, nullptr);
                EXPECT_EQ(c->Name(), kComponents[i].name);
                EXPECT_EQ(c->ClassName(), ClassName(kComponents[i].role));
                EXPECT_EQ(c->Parent()->Name(), kComponents[i].parent);
              }
              // A few fields by name, and the class defaults that the table leaves out.
              EXPECT_EQ(f.edtBZ, f.Components(28));
              EXPECT_EQ(f.lblBZOhm, f.Components(29));
              EXPECT_TRUE(f.edtAZ->ReadOnly());
              EXPECT_FALSE(f.edtAZ->TabStop());
              EXPECT_EQ(f.edtAZ->Alignment(), TAlignment::taRightJustify);
              EXPECT_EQ(f.edtAZ->EffectiveFontStyle(), fsBold);
              EXPECT_EQ(f.edtAR->EffectiveFontStyle(), 0);
              EXPECT_FALSE(f.edtAR->ReadOnly());
              EXPECT_TRUE(f.edtAR->TabStop());
              EXPECT_EQ(f.edtAR->Alignment(), TAlignment::taLeftJustify);
              EXPECT_EQ(f.edtAR->MaxLength(), 0);
              EXPECT_FALSE(f.edtAZ->OnChange());
              EXPECT_FALSE(f.edtBZ->OnChange());
              EXPECT_EQ(f.BorderStyle(), TFormBorderStyle::bsSingle);
              EXPECT_EQ(f.BorderIcons(), biSystemMenu | biMinimize);
              EXPECT_EQ(f.Position(), TPosition::poScreenCenter);
              EXPECT_TRUE(f.Scaled());
              EXPECT_EQ(f.ClientWidth(), 680);
              EXPECT_EQ(f.ClientHeight(), 400);
              for (TEdit* e : {f.edtAR, f.edtAX, f.edtAZ, f.edtBR1, f.edtBX1, f.edtBR2, f.edtBX2, f.edtBZ}) {
                EXPECT_EQ(e->Text(), "") << e->Name();
                EXPECT_EQ(e->Height(), 23) << e->Name();
              }
            }),
            0);
}

TEST(MainWindow, ScalesTo144PixelsPerInch) {
  FakeWidgetSet ws;
  ws.monitorDpi = 144;
  ASSERT_EQ(RunMainWindow(ws, [](TMainForm& f) {
              EXPECT_EQ(f.ClientWidth(), 1020);
              EXPECT_EQ(f.ClientHeight(), 600);
              for (int i = 0; i < 30; ++i) {
                const auto* c = dynamic_cast<TControl*>(f.Components(i));
                const Component& row = kComponents[i];
                EXPECT_EQ(c->Left(), row.left * 3 / 2) << row.name;
                EXPECT_EQ(c->Top(), row.top * 3 / 2) << row.name;
                if (!SizedByText(row.role)) {
                  EXPECT_EQ(c->Width(), row.width * 3 / 2) << row.name;
                }
              }
              EXPECT_EQ(f.gbA->Height(), 249);
              EXPECT_EQ(f.gbB->Height(), 300);
              EXPECT_EQ(f.lblInfoA->Height(), 126);
              EXPECT_EQ(f.edtAR->Height(), 35);
              EXPECT_EQ(f.lblAR->Height(), 23);  // the font's height at 144 (15 at 96)
            }),
            0);
}

}  // namespace
