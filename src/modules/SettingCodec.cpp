#include "SettingCodec.h"
#include "modHelp.h"

#include <QString>

namespace codepage1252
{

namespace
{

// Bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

constexpr uchar Unmappable = '?';

} // namespace

char16_t toUnicode(uchar byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControls[byte - 0x80];
    return byte;
}

uchar fromUnicode(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return uchar(character);
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == character)
            return uchar(0x80 + i);
    }
    return Unmappable;
}

} // namespace codepage1252

namespace modHelp
{

namespace
{

constexpr int Shift = 85;

// Each character goes to its code-page byte, is shifted, and comes back through
// the code page; a shifted code outside 0..255 drops the character.
QString ShiftSetting(const QString& text, int shift)
{
    QString result;
    result.reserve(text.size());
    for (const QChar character : text) {
        const int code = codepage1252::fromUnicode(character.unicode()) + shift;
        if (code < 0 || code > 255)
            continue;
        result.append(QChar(codepage1252::toUnicode(uchar(code))));
    }
    return result;
}

} // namespace

QString EncodeSetting(const QString& text)
{
    return ShiftSetting(text, Shift);
}

QString DecodeSetting(const QString& text)
{
    return ShiftSetting(text, -Shift);
}

} // namespace modHelp
