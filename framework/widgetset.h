// The one interface between the portable framework core and a platform back
// end (the "widget set"). The Win32 back end implements it for the program;
// tests plug in a fake.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class TApplication;
class TControl;
class TForm;

struct TSize {
  int cx = 0;
  int cy = 0;
};

enum class TDialogResult { Ok, Abort };

class TWidgetSet {
 public:
  virtual ~TWidgetSet() = default;

  // Prepares the platform: common controls, the application's own hidden
  // window with the given title and the program icon.
  virtual void AppInit(const std::string& title) = 0;
  // Retitles the application's own window (only after AppInit).
  virtual void AppSetTitle(const std::string& title) = 0;
  // The stored form description of that (upper-case) name, or nothing.
  virtual std::optional<std::string> FindFormResource(std::string_view name) = 0;
  // Pixel density of the monitor that holds (or will hold) the form; 0 if unknown.
  virtual int MonitorPixelsPerInch(const TForm& form) = 0;

  // Creates the platform control; its parent's handle already exists.
  virtual void CreateHandle(TControl& control) = 0;
  // Destroys the platform control (children first are handled by the caller).
  virtual void DestroyHandle(TControl& control) = 0;
  // Shows control.Text(), which has just changed; raises no change notification.
  virtual void SetText(TControl& control) = 0;
  // Moves and sizes the platform control to the control's bounds.
  virtual void SetBounds(TControl& control) = 0;
  // Gives the platform control the font for its style at its form's density.
  virtual void SetFont(TControl& control) = 0;
  // Size of the control's text in its font, at its form's density.
  virtual TSize MeasureText(const TControl& control) = 0;
  // Height a single-line edit field needs for its font, at its form's density.
  virtual int EditHeight(const TControl& control) = 0;

  // Shows the form for the first time in the start-up window state, centred as its Position asks.
  virtual void ShowForm(TForm& form) = 0;
  // Runs the message loop until app.Terminated().
  virtual void RunLoop(TApplication& app) = 0;
  // Wakes the message loop so that it sees the terminated flag.
  virtual void WakeLoop() = 0;

  // Modal error dialog with OK (default, also Escape) and Abort.
  virtual TDialogResult ShowErrorDialog(const std::string& title, const std::string& text) = 0;
  // Ends the process at once with the exit code.
  [[noreturn]] virtual void Halt(int exitCode) = 0;
};
