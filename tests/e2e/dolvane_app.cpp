#include "dolvane_app.h"

#include <stdexcept>

#include "e2e_paths.h"

namespace e2e {

// clang-format off
const std::array<Component, 30> kComponents{{
    {"gbA",       1,  0,  Kind::Group, 8,   8,   664, 166, true},
    {"lblInfoA",  2,  1,  Kind::Label, 12,  4,   636, 84,  true},
    {"lblAR",     3,  1,  Kind::Label, 12,  104, 16,  15,  false},
    {"edtAR",     4,  1,  Kind::Edit,  36,  100, 80,  23,  true},
    {"lblAROhm",  5,  1,  Kind::Label, 120, 104, 12,  15,  false},
    {"lblAX",     6,  1,  Kind::Label, 170, 104, 16,  15,  false},
    {"edtAX",     7,  1,  Kind::Edit,  194, 100, 80,  23,  true},
    {"lblAXOhm",  8,  1,  Kind::Label, 278, 104, 12,  15,  false},
    {"lblAZ",     9,  1,  Kind::Label, 470, 104, 40,  15,  false},
    {"edtAZ",     10, 1,  Kind::Edit,  516, 100, 90,  23,  true},
    {"lblAZOhm",  11, 1,  Kind::Label, 610, 104, 12,  15,  false},
    {"gbB",       12, 0,  Kind::Group, 8,   182, 664, 200, true},
    {"lblInfoB",  13, 12, Kind::Label, 12,  4,   636, 84,  true},
    {"lblBAapen", 14, 12, Kind::Label, 12,  104, 110, 15,  false},
    {"lblBR1",    15, 12, Kind::Label, 130, 104, 20,  15,  false},
    {"edtBR1",    16, 12, Kind::Edit,  156, 100, 80,  23,  true},
    {"lblBR1Ohm", 17, 12, Kind::Label, 240, 104, 12,  15,  false},
    {"lblBX1",    18, 12, Kind::Label, 278, 104, 20,  15,  false},
    {"edtBX1",    19, 12, Kind::Edit,  304, 100, 80,  23,  true},
    {"lblBX1Ohm", 20, 12, Kind::Label, 388, 104, 12,  15,  false},
    {"lblBKort",  21, 12, Kind::Label, 12,  136, 110, 15,  false},
    {"lblBR2",    22, 12, Kind::Label, 130, 136, 20,  15,  false},
    {"edtBR2",    23, 12, Kind::Edit,  156, 132, 80,  23,  true},
    {"lblBR2Ohm", 24, 12, Kind::Label, 240, 136, 12,  15,  false},
    {"lblBX2",    25, 12, Kind::Label, 278, 136, 20,  15,  false},
    {"edtBX2",    26, 12, Kind::Edit,  304, 132, 80,  23,  true},
    {"lblBX2Ohm", 27, 12, Kind::Label, 388, 136, 12,  15,  false},
    {"lblBZ",     28, 12, Kind::Label, 470, 120, 40,  15,  false},
    {"edtBZ",     29, 12, Kind::Edit,  516, 116, 90,  23,  true},
    {"lblBZOhm",  30, 12, Kind::Label, 610, 120, 12,  15,  false},
}};
// clang-format on

const Component& ComponentNamed(std::string_view name) {
  for (const Component& c : kComponents)
    if (name == c.name) return c;
  throw std::invalid_argument("no component " + std::string(name));
}

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
  const Component& c = ComponentNamed(name);
  HWND parent = c.parentId ? GetDlgItem(window_, c.parentId) : window_;
  return parent ? GetDlgItem(parent, c.id) : nullptr;
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
