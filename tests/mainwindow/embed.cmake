# cmake -DINPUT=<file> -DOUTPUT=<cpp> -DSYMBOL=<name> -P embed.cmake
# Writes a C++ source that holds the bytes of INPUT as std::string_view SYMBOL.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
file(WRITE ${OUTPUT}.tmp
  "#include <string_view>\n"
  "static const char kBytes[] = \"${escaped}\";\n"
  "extern const std::string_view ${SYMBOL};\n"
  "const std::string_view ${SYMBOL}(kBytes, ${size});\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
