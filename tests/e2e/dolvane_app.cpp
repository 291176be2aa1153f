#include "dolvane_app.h"

#include <stdexcept>

#include "e2e_paths.h"

namespace e2e {

const Component& ComponentNamed(std::string_view name) {
  for (const Component& c : kComponents)
    if (name == c.name) return c;
  throw std::invalid_argument("no component " + std::string(name));
}

namespace {
// The control id (GetDlgCtrlID) of a component: its place in creation order,
// counted from 1.
int ControlId(const Component& c) { return static_cast<int>(&c - kComponents) + 1; }
}  // namespace

std::wstring ProgramPath() { return DosPath(paths::kProgram); }
std::wstring ProgramWithoutFormPath() { return DosPath(paths::kProgramNoForm); }
std::wstring ArtifactPath(std::string_view fileName) {
  CreateDirectoryW(DosPath(paths::kArtifacts).c_str(), nullptr);
  return DosPath(std::string(paths::kArtifacts) + "/" + std::string(fileName));
}
std::string ManifestFile() { return paths::kManifest; }
std::string IconFile() { return paths::kIcon; }

bool IsMainWindow(HWND hwnd) {
  const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  return (style & WS_CAPTION) == WS_CAPTION && ClassOf(hwnd) != L"#32770";
}

Dolvane::Dolvane(int showCommand, const std::wstring& exe)
    : process_(std::make_unique<Process>(exe, showCommand)) {
  window_ = process_->WaitForWindow(IsMainWindow);
  if (!window_) throw std::runtime_error("the main window did not appear");
  // Let start-up finish before anything is typed.
  WaitForInputIdle(process_->Handle(), kActionTimeoutMs);
}

Dolvane::~Dolvane() {
  if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
  process_->WaitForExit();
}

HWND Dolvane::Edit(std::string_view field) const {
  HWND edit = Control(field);
  if (!edit) throw std::runtime_error("no field " + std::string(field));
  return edit;
}

HWND Dolvane::Control(std::string_view name) const {
  if (name == expected::kFormName) return window_;
  const Component& c = ComponentNamed(name);
  HWND parent = Control(c.parent);
  return parent ? GetDlgItem(parent, ControlId(c)) : nullptr;
}

std::wstring Dolvane::Text(std::string_view name) const {
  HWND hwnd = Control(name);
  if (!hwnd) return L"<missing>";
  return TextOf(hwnd).value_or(L"<no answer>");
}

void Dolvane::WaitForText(HWND edit, const std::wstring& expected) const {
  // Generous: replacing a huge text takes Wine's edit control many seconds
  // under emulation.
  if (!WaitUntil([&] { return TextOf(edit) == expected; }, 3 * kActionTimeoutMs))
    throw std::runtime_error("the field shows \"" + Narrow(TextOf(edit).value_or(L"?")) + "\", not \"" +
                             Narrow(expected) + "\"");
}

void Dolvane::Type(std::string_view field, std::wstring_view chars) const {
  HWND edit = Edit(field);
  const std::wstring before = TextOf(edit).value_or(L"");
  SendMessageW(edit, EM_SETSEL, before.size(), before.size());
  PostChars(edit, chars);
  WaitForText(edit, before + std::wstring(chars));
}

void Dolvane::Replace(std::string_view field, std::wstring_view chars) const {
  HWND edit = Edit(field);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  PostChars(edit, chars.empty() ? std::wstring_view(L"\b") : chars);
  WaitForText(edit, std::wstring(chars));
}

void Dolvane::Backspace(std::string_view field, int count) const {
  HWND edit = Edit(field);
  const std::wstring before = TextOf(edit).value_or(L"");
  if (static_cast<std::size_t>(count) > before.size()) throw std::invalid_argument("nothing to delete");
  SendMessageW(edit, EM_SETSEL, before.size(), before.size());
  PostChars(edit, std::wstring(static_cast<std::size_t>(count), L'\b'));
  WaitForText(edit, before.substr(0, before.size() - static_cast<std::size_t>(count)));
}

long Dolvane::Close() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  window_ = nullptr;
  const auto code = process_->WaitForExit();
  return code ? static_cast<long>(*code) : -1;
}

}  // namespace e2e
