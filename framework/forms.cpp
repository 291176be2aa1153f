#include "forms.h"

#include "errors.h"
#include "reader.h"
#include "widgetset.h"

bool RequireDerivedFormResource = false;
TApplication* Application = nullptr;

// ---- TForm ------------------------------------------------------------------

TForm::TForm(TComponent* owner) : TWinControl(owner) {}

TForm::~TForm() {
  BeginDestruction();
  DestroyHandle();
}

const TPublishedTable& TForm::Published() const {
  static const TPublishedTable empty;
  return empty;
}

void TForm::Construct() {
  const std::string resourceName = UpperIdent(ClassName());
  std::optional<std::string> stream;
  if (WidgetSet() != nullptr) stream = WidgetSet()->FindFormResource(resourceName);
  if (stream) {
    ReadFormDescription(*this, *stream);
  } else if (RequireDerivedFormResource) {
    throw EResNotFound("Form resource " + std::string(ClassName()) +
                       " not found. For resourceless forms CreateNew constructor must be used."
                       " See the global variable RequireDerivedFormResource.");
  }
  DoCreate();
  if (Application != nullptr && Application->Scaled() && scaled_ && WidgetSet() != nullptr) {
    ScaleToPixelsPerInch(WidgetSet()->MonitorPixelsPerInch(*this));
  }
  // Sizes that follow text and font, now that texts and density are final.
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* c = dynamic_cast<TControl*>(Components(i))) c->AdjustSize();
  }
}

void TForm::DoCreate() {
  if (!onCreate_) return;
  try {
    onCreate_(this);
  } catch (const std::exception& e) {
    // The dialog offers to go on with the creation of the form.
    if (Application == nullptr) throw;
    Application->HandleException(e);
  }
}

void TForm::ScaleToPixelsPerInch(int dpi) {
  if (dpi <= 0 || dpi == pixelsPerInch_) return;
  const int from = pixelsPerInch_;
  pixelsPerInch_ = dpi;  // fonts are measured at the new density from here on
  ChangeScale(dpi, from);
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* c = dynamic_cast<TControl*>(Components(i))) c->AdjustSize();
  }
  UpdatePlatform();
}

void TForm::ChangeScale(int num, int den) {
  TWinControl::ChangeScale(num, den);
  clientWidth_ = ScalePixels(clientWidth_, num, den);
  clientHeight_ = ScalePixels(clientHeight_, num, den);
}

void TForm::Show() {
  if (Application != nullptr && Application->Scaled() && scaled_ && WidgetSet() != nullptr) {
    ScaleToPixelsPerInch(WidgetSet()->MonitorPixelsPerInch(*this));
  }
  HandleNeeded();
  WidgetSet()->ShowForm(*this);
}

void TForm::ControlCloseRequest() noexcept {
  if (Application != nullptr && Application->MainForm() == this) Application->Terminate();
}

void TForm::ReadProperty(const std::string& name, const StreamValue& value, const TMethodBinder& bind) {
  if (SameIdent(name, "ClientWidth")) {
    clientWidth_ = IntValue(name, value);
  } else if (SameIdent(name, "ClientHeight")) {
    clientHeight_ = IntValue(name, value);
  } else if (SameIdent(name, "Scaled")) {
    scaled_ = BoolValue(name, value);
  } else if (SameIdent(name, "OnCreate")) {
    onCreate_ = bind(IdentValue(name, value));
  } else if (SameIdent(name, "BorderStyle")) {
    borderStyle_ = EnumValue<TFormBorderStyle>(
        name, value,
        {{"bsNone", TFormBorderStyle::bsNone},         {"bsSingle", TFormBorderStyle::bsSingle},
         {"bsSizeable", TFormBorderStyle::bsSizeable}, {"bsDialog", TFormBorderStyle::bsDialog},
         {"bsToolWindow", TFormBorderStyle::bsToolWindow}, {"bsSizeToolWin", TFormBorderStyle::bsSizeToolWin}});
  } else if (SameIdent(name, "Position")) {
    position_ = EnumValue<TPosition>(
        name, value,
        {{"poDesigned", TPosition::poDesigned},           {"poDefault", TPosition::poDefault},
         {"poDefaultPosOnly", TPosition::poDefaultPosOnly}, {"poDefaultSizeOnly", TPosition::poDefaultSizeOnly},
         {"poScreenCenter", TPosition::poScreenCenter},   {"poDesktopCenter", TPosition::poDesktopCenter},
         {"poMainFormCenter", TPosition::poMainFormCenter}, {"poOwnerFormCenter", TPosition::poOwnerFormCenter},
         {"poWorkAreaCenter", TPosition::poWorkAreaCenter}});
  } else if (SameIdent(name, "BorderIcons")) {
    borderIcons_ = SetValue<TBorderIcons>(name, value, {{"biSystemMenu", biSystemMenu},
                                                        {"biMinimize", biMinimize},
                                                        {"biMaximize", biMaximize},
                                                        {"biHelp", biHelp}});
  } else {
    TWinControl::ReadProperty(name, value, bind);
  }
}

// ---- TApplication -----------------------------------------------------------

TApplication::TApplication(TWidgetSet* widgetSet) : TComponent(nullptr), widgetSet_(widgetSet) {}

TApplication::~TApplication() {
  BeginDestruction();
  // Forms go while the back end still exists.
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
}

void TApplication::SetTitle(const std::string& title) {
  if (title == title_) return;
  title_ = title;
  if (initialized_) widgetSet_->AppSetTitle(title_);
}

void TApplication::Initialize() {
  terminated_ = false;
  if (widgetSet_ == nullptr) {
    throw Exception("No window system back end: the program cannot show windows here");
  }
  widgetSet_->AppInit(title_);
  initialized_ = true;
}

void TApplication::Run() {
  if (mainForm_ != nullptr && showMainForm_) mainForm_->Show();
  if (widgetSet_ != nullptr) widgetSet_->RunLoop(*this);
}

void TApplication::Terminate() {
  terminated_ = true;
  if (widgetSet_ != nullptr) widgetSet_->WakeLoop();
}

void TApplication::HandleException(const std::exception& e) {
  if (widgetSet_ == nullptr) return;
  const TDialogResult result = widgetSet_->ShowErrorDialog(title_, ErrorDialogText(ExceptionMessage(e)));
  if (result == TDialogResult::Abort) widgetSet_->Halt(0);
}

// ---- Program ----------------------------------------------------------------

std::string ExceptionMessage(const std::exception& e) {
  if (const auto* own = dynamic_cast<const Exception*>(&e)) return own->Message();
  return e.what();
}

std::string ErrorDialogText(const std::string& message) {
  std::string first = message;
  if (!first.empty() && first.back() != '.') first += '.';
  return first + "\r\n\r\nPress OK to ignore and risk data corruption.\r\nPress Abort to kill the program.";
}

int ExecuteProgram(TWidgetSet* widgetSet, const std::function<void()>& program) {
  // The application object (and with it every form) goes before the back end,
  // also when the process is being ended from inside `program`.
  struct Session {
    explicit Session(TWidgetSet* ws) { Application = new TApplication(ws); }
    ~Session() {
      delete Application;
      Application = nullptr;
    }
  } session(widgetSet);
  try {
    program();
  } catch (const std::exception& e) {
    if (Application->Initialized()) Application->HandleException(e);
    return 217;
  }
  return 0;
}
