// icongen OUTPUT.ico: draws the program icon at 16, 32, 48 and 256 pixels and
// writes it as an icon file.
#include <cstdio>
#include <fstream>
#include <vector>

#include "ico.h"
#include "picture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icongen OUTPUT.ico\n");
    return 2;
  }
  std::vector<icongen::Picture> pictures;
  for (int size : {16, 32, 48, 256}) pictures.push_back(icongen::DrawIcon(size));
  const std::vector<std::uint8_t> bytes = icongen::EncodeIco(pictures);
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "icongen: cannot write %s\n", argv[1]);
    std::remove(argv[1]);
    return 1;
  }
  return 0;
}
