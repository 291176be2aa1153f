// mainunit: the program's one window, TMainForm, built from its stored form
// description (mainunit.form, compiled into the resource TMAINFORM).
#pragma once

#include "forms.h"

class TMainForm : public TForm {
 public:
  // Published fields: one per component of the description, in its order.
  TGroupBox* gbA = nullptr;
  TLabel* lblInfoA = nullptr;
  TLabel* lblAR = nullptr;
  TEdit* edtAR = nullptr;
  TLabel* lblAROhm = nullptr;
  TLabel* lblAX = nullptr;
  TEdit* edtAX = nullptr;
  TLabel* lblAXOhm = nullptr;
  TLabel* lblAZ = nullptr;
  TEdit* edtAZ = nullptr;
  TLabel* lblAZOhm = nullptr;
  TGroupBox* gbB = nullptr;
  TLabel* lblInfoB = nullptr;
  TLabel* lblBAapen = nullptr;
  TLabel* lblBR1 = nullptr;
  TEdit* edtBR1 = nullptr;
  TLabel* lblBR1Ohm = nullptr;
  TLabel* lblBX1 = nullptr;
  TEdit* edtBX1 = nullptr;
  TLabel* lblBX1Ohm = nullptr;
  TLabel* lblBKort = nullptr;
  TLabel* lblBR2 = nullptr;
  TEdit* edtBR2 = nullptr;
  TLabel* lblBR2Ohm = nullptr;
  TLabel* lblBX2 = nullptr;
  TEdit* edtBX2 = nullptr;
  TLabel* lblBX2Ohm = nullptr;
  TLabel* lblBZ = nullptr;
  TEdit* edtBZ = nullptr;
  TLabel* lblBZOhm = nullptr;

  // Published methods.
  // OnCreate: gives the window, the group boxes and the labels their texts.
  void FormCreate(TObject* Sender);
  // OnChange of the six input fields: recomputes both methods' results.
  void FeltEndret(TObject* Sender);

  using TForm::TForm;
  static constexpr std::string_view StaticClassName() { return "TMainForm"; }
  std::string_view ClassName() const override { return StaticClassName(); }
  const TPublishedTable& Published() const override;
};

// The main window, from the start of its construction to the end of the run.
extern TMainForm* MainForm;
