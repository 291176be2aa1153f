// Screenshots of windows as PNG files, for people to look at after a test run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// A PNG file (8-bit RGB, stored deflate blocks) of width x height pixels given
// as top-down rows of BGRA.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& bgra);

// What the screen shows in a rectangle (screen coordinates).
struct Capture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> bgra;  // top-down rows
};
std::optional<Capture> CaptureScreen(const RECT& area);

// Copies what the screen shows of the window (frame included) and writes it as
// a PNG file; false when it cannot.
bool SaveWindowPng(HWND hwnd, const std::wstring& path);

}  // namespace e2e
