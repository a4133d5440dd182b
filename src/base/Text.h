// Text helpers for UTF-16 strings with the C formatting and parsing rules the files rely on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vexmo {

using Text = std::u16string;
using TextView = std::u16string_view;

// ASCII or UTF-8 conversions. Invalid UTF-8 bytes become U+FFFD; lone surrogates become U+FFFD.
Text fromUtf8(std::string_view utf8);
std::string toUtf8(TextView text);
// For string literals that are plain ASCII (keys, formats).
Text ascii(std::string_view text);

// printf-compatible formatting.
Text formatDec(long long value);               // "%d"
Text formatUnsigned(unsigned long long value);  // "%u"
Text formatHex2(unsigned long value);           // "%.2X": at least two upper-case digits
Text formatHex4(unsigned long value);           // "%.4X": at least four upper-case digits
Text formatHex0x4(unsigned long value);         // "0x%4X": upper-case digits padded with blanks to four

// strtol/strtoul-style parsing: leading white space, an optional sign, then digits up to the
// first other character; no digits gives 0; out-of-range values saturate like strtol.
long parseDec(TextView text);
// Base 16 with an optional "0x"/"0X" prefix, as strtoul(text, nullptr, 16).
unsigned long parseHex(TextView text);

// Position of the first occurrence of ch, or npos.
inline size_t findChar(TextView text, char16_t ch) { return text.find(ch); }

// Substring of at most count characters from pos; empty when pos is past the end.
TextView substrSafe(TextView text, size_t pos, size_t count = TextView::npos);

}  // namespace vexmo
