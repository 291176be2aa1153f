// Starting and ending the program: show state, closing, the error dialog when
// the form description is missing, and the resources carried by the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "dolvane_app.h"

namespace e2e {
namespace {

TEST(Startup, StartedMinimisedOpensMinimised) {
  Dolvane app(SW_SHOWMINNOACTIVE);
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(app.Window()) != 0; }, kActionTimeoutMs));
  EXPECT_EQ(app.Close(), 0);
}

struct CloseWay {
  const char* name;
  UINT message;
  WPARAM wParam;
};

void PrintTo(const CloseWay& way, std::ostream* os) { *os << way.name; }

class Closing : public ::testing::TestWithParam<CloseWay> {};

TEST_P(Closing, EndsTheProgramWithExitCodeZero) {
  Dolvane app;
  const HWND window = app.Window();
  PostMessageW(window, GetParam().message, GetParam().wParam, 0);
  const auto code = app.Proc().WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the program is still running";
  EXPECT_EQ(*code, 0u);
}

INSTANTIATE_TEST_SUITE_P(Ways, Closing,
                         ::testing::Values(CloseWay{"CloseMessage", WM_CLOSE, 0},
                                           CloseWay{"SystemMenuClose", WM_SYSCOMMAND, SC_CLOSE}),
                         [](const auto& info) { return std::string(info.param.name); });

// The error dialog of a program whose window has no form description.
HWND ErrorDialogOf(const Process& process) {
  return process.WaitForWindow(
      [](HWND hwnd) { return ClassOf(hwnd) == L"#32770" && TextOf(hwnd) == std::wstring(L"Dolvane"); });
}

// The longest static text in the dialog: its message.
std::wstring MessageOf(HWND dialog) {
  std::wstring message;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) != L"Static") continue;
    const std::wstring text = TextOf(child).value_or(L"");
    if (text.size() > message.size()) message = text;
  }
  return message;
}

struct DialogAnswer {
  const char* name;
  int button;
  DWORD exitCode;
};

void PrintTo(const DialogAnswer& answer, std::ostream* os) { *os << answer.name; }

class MissingForm : public ::testing::TestWithParam<DialogAnswer> {};

TEST_P(MissingForm, ShowsTheErrorDialogAndEndsWithItsExitCode) {
  Process process(ProgramWithoutFormPath());
  const HWND dialog = ErrorDialogOf(process);
  ASSERT_NE(dialog, nullptr) << "no error dialog";
  EXPECT_EQ(process.WaitForWindow(IsMainWindow, 0), nullptr) << "a main window is shown besides the dialog";

  EXPECT_EQ(MessageOf(dialog),
            L"Form resource TMainForm not found. For resourceless forms CreateNew constructor must be used. "
            L"See the global variable RequireDerivedFormResource.\r\n\r\n"
            L"Press OK to ignore and risk data corruption.\r\n"
            L"Press Abort to kill the program.");
  const HWND ok = GetDlgItem(dialog, IDOK), abort = GetDlgItem(dialog, IDABORT);
  ASSERT_NE(ok, nullptr);
  ASSERT_NE(abort, nullptr);
  EXPECT_EQ(TextOf(ok), std::wstring(L"OK"));
  EXPECT_EQ(TextOf(abort), std::wstring(L"Abort"));

  const HWND button = GetParam().button == IDOK ? ok : abort;
  PostMessageW(button, BM_CLICK, 0, 0);
  const auto code = process.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the program is still running";
  EXPECT_EQ(*code, GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(Answers, MissingForm,
                         ::testing::Values(DialogAnswer{"Ok", IDOK, 217},
                                           DialogAnswer{"Abort", IDABORT, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<std::uint8_t> ReadFile(const std::string& unixPath) {
  std::ifstream in(std::filesystem::path(DosPath(unixPath)), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A resource of the module as bytes; empty when it is missing.
std::vector<std::uint8_t> ResourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name) {
  HRSRC found = FindResourceW(module, name, type);
  if (!found) return {};
  const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
  return {data, data + SizeofResource(module, found)};
}

// A resource type or name as text: "#24" for a number, the string otherwise.
std::wstring IdText(LPCWSTR id) {
  return IS_INTRESOURCE(id) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(id)) : id;
}

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
  reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(IdText(name));
  return TRUE;
}

std::vector<std::wstring> ResourceNames(HMODULE module, LPCWSTR type) {
  std::vector<std::wstring> names;
  EnumResourceNamesW(module, type, CountName, reinterpret_cast<LONG_PTR>(&names));
  return names;
}

// Every resource of a module, as "type/name", with the languages it is stored in.
using LanguagesByResource = std::map<std::wstring, std::vector<WORD>>;

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR param) {
  (*reinterpret_cast<LanguagesByResource*>(param))[IdText(type) + L"/" + IdText(name)].push_back(language);
  return TRUE;
}

BOOL CALLBACK AddLanguagesOfName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) {
  return EnumResourceLanguagesW(module, type, name, AddLanguage, param);
}

BOOL CALLBACK AddLanguagesOfType(HMODULE module, LPWSTR type, LONG_PTR param) {
  return EnumResourceNamesW(module, type, AddLanguagesOfName, param);
}

LanguagesByResource ResourceLanguages(HMODULE module) {
  LanguagesByResource languages;
  EnumResourceTypesW(module, AddLanguagesOfType, reinterpret_cast<LONG_PTR>(&languages));
  return languages;
}

class ProgramFile : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
};

TEST_F(ProgramFile, CarriesTheManifestByteForByte) {
  const std::vector<std::uint8_t> manifest = ResourceBytes(module_, RT_MANIFEST, MAKEINTRESOURCEW(1));
  EXPECT_EQ(manifest.size(), 1760u);
  EXPECT_EQ(manifest, ReadFile(ManifestFile()));
  EXPECT_EQ(ResourceNames(module_, RT_MANIFEST), std::vector<std::wstring>{L"#1"});
}

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

TEST_F(ProgramFile, CarriesTheIconAsFourUncompressed32BitImages) {
  EXPECT_EQ(ResourceNames(module_, RT_GROUP_ICON), std::vector<std::wstring>{L"MAINICON"});
  const std::vector<std::uint8_t> group = ResourceBytes(module_, RT_GROUP_ICON, L"MAINICON");
  ASSERT_EQ(group.size(), 62u);
  EXPECT_EQ(U16(group, 0), 0);
  EXPECT_EQ(U16(group, 2), 1);
  ASSERT_EQ(U16(group, 4), 4);

  const std::vector<std::uint8_t> icoFile = ReadFile(IconFile());
  ASSERT_GE(icoFile.size(), 6u + 4 * 16);
  struct Expected {
    int side;
    std::uint32_t bytes;
  };
  const Expected expected[] = {{16, 1064}, {32, 4136}, {48, 9256}, {256, 262184}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(expected[i].side);
    const std::size_t e = 6 + 14 * static_cast<std::size_t>(i);
    EXPECT_EQ(group[e], expected[i].side % 256);
    EXPECT_EQ(group[e + 1], expected[i].side % 256);
    EXPECT_EQ(group[e + 2], 0);  // colour count
    EXPECT_EQ(group[e + 3], 0);  // reserved
    EXPECT_EQ(U16(group, e + 6), 32);
    EXPECT_EQ(U32(group, e + 8), expected[i].bytes);
    EXPECT_EQ(U16(group, e + 12), i + 1);

    const std::vector<std::uint8_t> image = ResourceBytes(module_, RT_ICON, MAKEINTRESOURCEW(i + 1));
    ASSERT_EQ(image.size(), expected[i].bytes);
    EXPECT_EQ(U32(image, 0), 40u);
    EXPECT_EQ(U32(image, 4), static_cast<std::uint32_t>(expected[i].side));
    EXPECT_EQ(U32(image, 8), static_cast<std::uint32_t>(2 * expected[i].side));
    EXPECT_EQ(U16(image, 14), 32);
    EXPECT_EQ(U32(image, 16), 0u);  // BI_RGB
    // The image is the generated one, unchanged.
    const std::uint32_t offset = U32(icoFile, 6 + 16 * static_cast<std::size_t>(i) + 12);
    ASSERT_LE(offset + image.size(), icoFile.size());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), icoFile.begin() + offset));
  }
  EXPECT_EQ(ResourceNames(module_, RT_ICON).size(), 4u);
}

TEST_F(ProgramFile, IconLoadsAtEverySize) {
  for (int side : {16, 32, 48, 256}) {
    SCOPED_TRACE(side);
    HANDLE icon = LoadImageW(module_, L"MAINICON", IMAGE_ICON, side, side, 0);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &info));
    BITMAP bm{};
    GetObjectW(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, side);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(static_cast<HICON>(icon));
  }
}

TEST_F(ProgramFile, StoresEveryResourceOnceInTheNeutralLanguage) {
  const std::vector<WORD> neutral{MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)};
  const LanguagesByResource expected{
      {L"#24/#1", neutral}, {L"#14/MAINICON", neutral}, {L"#3/#1", neutral}, {L"#3/#2", neutral},
      {L"#3/#3", neutral},  {L"#3/#4", neutral},        {L"#10/TMAINFORM", neutral},
  };
  EXPECT_EQ(ResourceLanguages(module_), expected);
}

TEST_F(ProgramFile, HasNoVersionResource) { EXPECT_TRUE(ResourceNames(module_, RT_VERSION).empty()); }

}  // namespace
}  // namespace e2e
