// Conversion between the framework's UTF-8 texts and the UTF-16 of Windows.
//
// Both directions are lossless for every UTF-16 sequence a control can hold:
// an unpaired surrogate (which Windows edit controls accept when pasted) is
// carried in UTF-8 as its own three-byte form (the "generalised UTF-8" that
// WTF-8 names), so reading a field and writing the text back gives the same
// units again. Such a text is not valid UTF-8, and the calculation simply
// rejects it as no number. Bytes that are no UTF-8 at all become U+FFFD, one
// per maximal invalid sequence.
#pragma once

#include <string>
#include <string_view>

namespace utf {

// UTF-16 units -> UTF-8 bytes (unpaired surrogates kept as three bytes).
std::string ToUtf8(std::u16string_view units);

// UTF-8 bytes -> UTF-16 units; invalid sequences become U+FFFD.
std::u16string ToUtf16(std::string_view bytes);

}  // namespace utf
