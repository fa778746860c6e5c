// SPDX-License-Identifier: GPL-3.0-or-later
// Text helpers shared by every layer: the system keeps its text as UTF-16
// code units; files, paths and the toolkit get converted at the edges.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace text {

using u16 = std::u16string;

// UTF-8 <-> UTF-16. Invalid UTF-8 bytes are taken as Latin-1 characters so
// that nothing is lost silently.
u16 FromUtf8(std::string_view s);
std::string ToUtf8(std::u16string_view s);

// One byte per character (ISO 8859-1) <-> UTF-16; ToLatin1 keeps the low 8 bits.
u16 FromLatin1(std::string_view s);
std::string ToLatin1(std::u16string_view s);

// Decodes a whole text file: UTF-8 (EF BB BF) or UTF-16 LE/BE (FF FE / FE FF)
// with a byte-order mark, otherwise Latin-1. An odd trailing byte of UTF-16 is dropped.
u16 DecodeWithBom(std::string_view bytes);

// Whether bytes are valid UTF-8 (no overlong forms, no surrogates) and hold
// at least one character beyond ASCII: text a modern editor saved as UTF-8
// without a byte-order mark. Latin-1 text with umlauts practically never is.
bool IsUtf8WithNonAscii(std::string_view bytes);
// DecodeWithBom, but bytes without a mark that IsUtf8WithNonAscii accepts
// are read as UTF-8.
u16 DecodeTextFile(std::string_view bytes);

// ASCII literals as UTF-16 (u"" literals are fine too; this is for std::string input).
u16 Ascii(std::string_view s);

u16 ToUpperAscii(u16 s);
u16 ToLowerAscii(u16 s);
bool EqualsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b);

// Decimal number as text.
u16 Num(long long v);

// Integer reading of the data files: leading blanks and tabs skipped, optional
// sign, then "$" hexadecimal, "%" binary or decimal digits up to the first other
// character; no digits give 0. The result wraps at 32 bits.
int32_t ToInt(std::u16string_view s);

}  // namespace text
