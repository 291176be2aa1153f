// Forms and the application object.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

#include "controls.h"
#include "published.h"

class TWidgetSet;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : std::uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = std::uint8_t;
enum class TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
  poMainFormCenter, poOwnerFormCenter, poWorkAreaCenter
};

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  static constexpr std::string_view StaticClassName() { return "TForm"; }
  std::string_view ClassName() const override { return StaticClassName(); }

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientWidth(int v) { clientWidth_ = v; }
  void SetClientHeight(int v) { clientHeight_ = v; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  TBorderIcons BorderIcons() const { return borderIcons_; }
  TPosition Position() const { return position_; }
  bool Scaled() const { return scaled_; }
  // Density the stored layout currently stands at.
  int PixelsPerInch() const { return pixelsPerInch_; }
  const TNotifyEvent& OnCreate() const { return onCreate_; }

  // Published fields and methods of the form class; TForm itself has none.
  virtual const TPublishedTable& Published() const;

  // Reads the stored description of the class (when there is one), runs
  // OnCreate and scales to the monitor's density. Called once, by CreateForm.
  void Construct();
  // Scales the whole form from its current density to `dpi` (ignored if not above 0).
  void ScaleToPixelsPerInch(int dpi);
  // Shows the form, rescaled first if its monitor's density has changed.
  void Show();
  // Entry for the back end: the user asks to close the form.
  void ControlCloseRequest() noexcept;

  void ReadProperty(const std::string& name, const StreamValue& value, const TMethodBinder& bind) override;
  void ChangeScale(int num, int den) override;

 private:
  void DoCreate();
  int clientWidth_ = 0, clientHeight_ = 0;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = TPosition::poDesigned;
  bool scaled_ = true;
  int pixelsPerInch_ = 96;
  TNotifyEvent onCreate_;
};

// When true, creating a form whose class has no stored description fails with EResNotFound.
extern bool RequireDerivedFormResource;

class TApplication : public TComponent {
 public:
  // The back end may be null: then Initialize fails.
  explicit TApplication(TWidgetSet* widgetSet);
  ~TApplication() override;
  static constexpr std::string_view StaticClassName() { return "TApplication"; }
  std::string_view ClassName() const override { return StaticClassName(); }

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  bool Scaled() const { return scaled_; }
  void SetScaled(bool v) { scaled_ = v; }
  bool ShowMainForm() const { return showMainForm_; }
  bool Terminated() const { return terminated_; }
  bool Initialized() const { return initialized_; }
  TForm* MainForm() const { return mainForm_; }
  TWidgetSet* WidgetSet() const { return widgetSet_; }

  // Prepares the back end; throws Exception when there is none.
  void Initialize();
  // Creates a form of class F owned by the application. `ref` points to the
  // form while it is constructed and is empty again if construction fails.
  template <class F>
  void CreateForm(F*& ref) {
    F* form = new F(this);
    ref = form;
    try {
      form->Construct();
      form->HandleNeeded();  // the platform window, not yet visible
    } catch (...) {
      ref = nullptr;
      delete form;
      throw;
    }
    if (mainForm_ == nullptr) mainForm_ = form;  // the first form created
  }
  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Ends the message loop after the current pass.
  void Terminate();

  // Shows the exception in the error dialog; after Abort the process ends with exit code 0.
  void HandleException(const std::exception& e);

 private:
  TWidgetSet* widgetSet_;
  std::string title_;
  bool scaled_ = false;
  bool showMainForm_ = true;
  bool terminated_ = false;
  bool initialized_ = false;
  TForm* mainForm_ = nullptr;
};

// The one application object; exists while ExecuteProgram runs.
extern TApplication* Application;

// Text of the error dialog for an exception message.
std::string ErrorDialogText(const std::string& message);

// The message of an exception as the error dialog shows it.
std::string ExceptionMessage(const std::exception& e);

// Runs a main program inside the framework: creates the application object
// around the back end, runs `program`, and takes the framework down again.
// Returns the exit code: 0 after a normal run, 217 when an exception escaped
// `program` (shown in the error dialog first if the application was initialised).
int ExecuteProgram(TWidgetSet* widgetSet, const std::function<void()>& program);
