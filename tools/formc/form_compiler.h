// The form description compiler: turns the text form of a component tree into
// the binary component stream ("TPF0") that the program carries as a resource.
//
// Text form, one item per line, indentation free:
//   object MainForm: TMainForm        a component: name, colon, class
//     Left = 200                      integers (stored in the smallest type)
//     BorderStyle = bsSingle          identifiers (enumeration values, handler names)
//     AutoSize = False                True / False
//     BorderIcons = [biSystemMenu, biMinimize]   sets
//     Font.Style = [fsBold]           dotted property names
//     Hint = 'it''s'                  quoted strings ('' is a quote)
//     object gbA: TGroupBox ... end   children, in creation order
//   end
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace formc {

// A fault in the text form; the message starts with "line N: ".
class SyntaxError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Compiles one complete form text (exactly one root object) into a stream.
std::string CompileForm(std::string_view source);

}  // namespace formc
