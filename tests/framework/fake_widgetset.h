// A back end without a window system: records what the core asks of it, so
// tests can count text writes, read dialogs and play the user.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms.h"
#include "widgetset.h"

class FakeWidgetSet : public TWidgetSet {
 public:
  // Thrown by Halt in place of ending the process.
  struct Halted {
    int exitCode;
  };
  struct Dialog {
    std::string title;
    std::string text;
  };

  // Form descriptions by resource name.
  std::map<std::string, std::string, std::less<>> resources;
  // Density that MonitorPixelsPerInch reports (before and after the handle exists).
  int monitorDpi = 96;
  int dpiAfterHandle = 0;  // when not 0, reported once the form has a handle
  // Text height at 96 pixels per inch; edit fields need it plus 6.
  int textHeight96 = 15;
  // Answer to every error dialog.
  TDialogResult dialogAnswer = TDialogResult::Ok;
  // Runs inside RunLoop: the user's actions. The loop ends when it returns.
  std::function<void(TApplication&)> user;

  bool appInitialized = false;
  std::string appTitle;  // the application window's: given by AppInit, changed by AppSetTitle
  std::vector<Dialog> dialogs;
  std::map<const TControl*, int> textWrites;  // SetText calls per control
  std::vector<const TForm*> shownForms;
  int handlesCreated = 0;

  void AppInit(const std::string& title) override;
  void AppSetTitle(const std::string& title) override { appTitle = title; }
  std::optional<std::string> FindFormResource(std::string_view name) override;
  int MonitorPixelsPerInch(const TForm& form) override;
  void CreateHandle(TControl& control) override;
  void DestroyHandle(TControl& control) override;
  void SetText(TControl& control) override { ++textWrites[&control]; }
  void SetBounds(TControl&) override {}
  void SetFont(TControl&) override {}
  TSize MeasureText(const TControl& control) override;
  int EditHeight(const TControl& control) override;
  void ShowForm(TForm& form) override { shownForms.push_back(&form); }
  void RunLoop(TApplication& app) override;
  void WakeLoop() override {}
  TDialogResult ShowErrorDialog(const std::string& title, const std::string& text) override;
  [[noreturn]] void Halt(int exitCode) override { throw Halted{exitCode}; }

  // Hook run when a platform control is destroyed (a platform may notify then).
  std::function<void(TControl&)> onDestroyHandle;

 private:
  std::vector<int> handles_;
};

// The user's edit of a field: the platform reports the field's new text.
void UserTypes(TEdit& edit, const std::string& text);
