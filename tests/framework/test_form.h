// A small form class for framework tests, with its published table.
#pragma once

#include <string>
#include <vector>

#include "forms.h"

class TTestForm : public TForm {
 public:
  TGroupBox* gb = nullptr;
  TEdit* ed = nullptr;
  TLabel* lb = nullptr;

  void Created(TObject* sender);
  void Changed(TObject* sender);

  using TForm::TForm;
  static constexpr std::string_view StaticClassName() { return "TTestForm"; }
  std::string_view ClassName() const override { return StaticClassName(); }
  const TPublishedTable& Published() const override;

  std::vector<std::string> events;  // "Created", "Changed:<sender name>"
  std::function<void()> onCreated;  // extra work done inside Created
};

// Description of a TTestForm: gb (at 8,8 664x166) holding ed and lb.
std::string TestFormStream();
