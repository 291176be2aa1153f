// formc INPUT OUTPUT: compiles a form text into its binary component stream.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "form_compiler.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: formc INPUT OUTPUT\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "formc: cannot read %s\n", argv[1]);
    return 1;
  }
  const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string stream;
  try {
    stream = formc::CompileForm(source);
  } catch (const formc::SyntaxError& e) {
    std::fprintf(stderr, "%s:%s\n", argv[1], e.what() + 5);  // "file:N: message"
    return 1;
  }
  // Written beside the target and renamed, so a failed run leaves no half file.
  const std::string temp = std::string(argv[2]) + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(stream.data(), static_cast<std::streamsize>(stream.size()));
    if (!out.flush()) {
      std::fprintf(stderr, "formc: cannot write %s\n", temp.c_str());
      std::remove(temp.c_str());
      return 1;
    }
  }
  if (std::rename(temp.c_str(), argv[2]) != 0) {
    std::fprintf(stderr, "formc: cannot write %s\n", argv[2]);
    std::remove(temp.c_str());
    return 1;
  }
  return 0;
}
