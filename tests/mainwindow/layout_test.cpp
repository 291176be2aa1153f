#include <gtest/gtest.h>

#include <string>

#include "main_form.h"
#include "stream.h"

namespace {

// The component table of the window: creation order, class, parent, bounds
// at 96 pixels per inch, tab order (-1: none) and the other stored properties.
struct Row {
  const char* name;
  const char* cls;
  const char* parent;
  int left, top, width, height, tabOrder;
  std::vector<std::string> others;  // "Name=value" in stored order
};

const std::vector<std::string> kInfo = {"AutoSize=False", "WordWrap=True"};
const std::vector<std::string> kInput = {"OnChange=FeltEndret"};
const std::vector<std::string> kResult = {"Alignment=taRightJustify", "Font.Style=[fsBold]", "ParentFont=False",
                                          "ReadOnly=True", "TabStop=False"};

const Row kTable[] = {
    {"gbA", "TGroupBox", "MainForm", 8, 8, 664, 166, 0, {}},
    {"lblInfoA", "TLabel", "gbA", 12, 4, 636, 84, -1, kInfo},
    {"lblAR", "TLabel", "gbA", 12, 104, 16, 15, -1, {}},
    {"edtAR", "TEdit", "gbA", 36, 100, 80, 23, 0, kInput},
    {"lblAROhm", "TLabel", "gbA", 120, 104, 12, 15, -1, {}},
    {"lblAX", "TLabel", "gbA", 170, 104, 16, 15, -1, {}},
    {"edtAX", "TEdit", "gbA", 194, 100, 80, 23, 1, kInput},
    {"lblAXOhm", "TLabel", "gbA", 278, 104, 12, 15, -1, {}},
    {"lblAZ", "TLabel", "gbA", 470, 104, 40, 15, -1, {}},
    {"edtAZ", "TEdit", "gbA", 516, 100, 90, 23, 2, kResult},
    {"lblAZOhm", "TLabel", "gbA", 610, 104, 12, 15, -1, {}},
    {"gbB", "TGroupBox", "MainForm", 8, 182, 664, 200, 1, {}},
    {"lblInfoB", "TLabel", "gbB", 12, 4, 636, 84, -1, kInfo},
    {"lblBAapen", "TLabel", "gbB", 12, 104, 110, 15, -1, {}},
    {"lblBR1", "TLabel", "gbB", 130, 104, 20, 15, -1, {}},
    {"edtBR1", "TEdit", "gbB", 156, 100, 80, 23, 0, kInput},
    {"lblBR1Ohm", "TLabel", "gbB", 240, 104, 12, 15, -1, {}},
    {"lblBX1", "TLabel", "gbB", 278, 104, 20, 15, -1, {}},
    {"edtBX1", "TEdit", "gbB", 304, 100, 80, 23, 1, kInput},
    {"lblBX1Ohm", "TLabel", "gbB", 388, 104, 12, 15, -1, {}},
    {"lblBKort", "TLabel", "gbB", 12, 136, 110, 15, -1, {}},
    {"lblBR2", "TLabel", "gbB", 130, 136, 20, 15, -1, {}},
    {"edtBR2", "TEdit", "gbB", 156, 132, 80, 23, 2, kInput},
    {"lblBR2Ohm", "TLabel", "gbB", 240, 136, 12, 15, -1, {}},
    {"lblBX2", "TLabel", "gbB", 278, 136, 20, 15, -1, {}},
    {"edtBX2", "TEdit", "gbB", 304, 132, 80, 23, 3, kInput},
    {"lblBX2Ohm", "TLabel", "gbB", 388, 136, 12, 15, -1, {}},
    {"lblBZ", "TLabel", "gbB", 470, 120, 40, 15, -1, {}},
    {"edtBZ", "TEdit", "gbB", 516, 116, 90, 23, 4, kResult},
    {"lblBZOhm", "TLabel", "gbB", 610, 120, 12, 15, -1, {}},
};

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
  ASSERT_EQ(flat.size(), std::size(kTable));
  for (std::size_t i = 0; i < flat.size(); ++i) {
    const Row& row = kTable[i];
    const ComponentEntry& e = *flat[i].first;
    EXPECT_EQ(e.flags, 0) << row.name;
    EXPECT_EQ(e.name, row.name);
    EXPECT_EQ(e.className, row.cls) << row.name;
    EXPECT_EQ(flat[i].second, row.parent) << row.name;
    std::vector<std::string> expected = {"Left=" + std::to_string(row.left), "Height=" + std::to_string(row.height),
                                         "Top=" + std::to_string(row.top), "Width=" + std::to_string(row.width)};
    expected.insert(expected.end(), row.others.begin(), row.others.end());
    if (row.tabOrder >= 0) expected.push_back("TabOrder=" + std::to_string(row.tabOrder));
    EXPECT_EQ(Props(e), expected) << row.name;
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
                EXPECT_EQ(c->Name(), kTable[i].name);
                EXPECT_EQ(c->ClassName(), kTable[i].cls);
                EXPECT_EQ(c->Parent()->Name(), kTable[i].parent);
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
                const Row& row = kTable[i];
                EXPECT_EQ(c->Left(), row.left * 3 / 2) << row.name;
                EXPECT_EQ(c->Top(), row.top * 3 / 2) << row.name;
                const bool measured = std::string(row.cls) == "TLabel" && row.others.empty();
                if (!measured) {
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
