// The Dolvane program under test: its window layout as built, and a running
// copy of it with its main window and controls at hand.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "expected/main_window.h"
#include "harness.h"

namespace e2e {

using expected::Component;
using expected::kComponents;
using expected::kTitle;
using expected::Role;

const Component& ComponentNamed(std::string_view name);

// The programs and files of this build tree, as Wine paths.
std::wstring ProgramPath();
std::wstring ProgramWithoutFormPath();
std::wstring ArtifactPath(std::string_view fileName);
std::string ManifestFile();  // Unix path of the manifest source
std::string IconFile();      // Unix path of the generated icon

// A running Dolvane whose main window has appeared; closed (or ended) when the
// object goes.
class Dolvane {
 public:
  explicit Dolvane(int showCommand = -1, const std::wstring& exe = ProgramPath());
  ~Dolvane();

  HWND Window() const { return window_; }
  const Process& Proc() const { return *process_; }
  // The control of the named component (nullptr when missing); the form's
  // name gives the main window.
  HWND Control(std::string_view name) const;
  // The text of the named control; "<no answer>" when it does not answer.
  std::wstring Text(std::string_view name) const;

  // The named control, which must exist.
  HWND Edit(std::string_view field) const;

  // The helpers below throw std::runtime_error when the field does not show
  // the expected text in time.
  // Types into an input field as a user would after clicking behind its text,
  // and waits until the field shows what was typed.
  void Type(std::string_view field, std::wstring_view chars) const;
  // Selects all of the field's text and types the replacement over it.
  void Replace(std::string_view field, std::wstring_view chars) const;
  // Deletes the last count characters with Backspace.
  void Backspace(std::string_view field, int count) const;

  // Asks the window to close (WM_CLOSE) and returns the exit code, or -1 when
  // the process does not end in time.
  long Close();

 private:
  void WaitForText(HWND edit, const std::wstring& expected) const;

  std::unique_ptr<Process> process_;
  HWND window_ = nullptr;
};

// True for the top-level window that the program shows as its main window.
bool IsMainWindow(HWND hwnd);

}  // namespace e2e
