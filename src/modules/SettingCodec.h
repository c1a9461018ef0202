#pragma once
// The Windows-1252 code page, the one single-byte character set in which the
// stored settings are shifted on every platform.

#include <QtGlobal>

namespace codepage1252
{

// The character of byte `byte`. The five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same
// number, as in Windows' own conversion.
char16_t toUnicode(uchar byte);

// The byte of `character`; '?' (63) for a character outside the code page.
uchar fromUnicode(char16_t character);

} // namespace codepage1252
