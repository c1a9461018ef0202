// EncodeSetting and DecodeSetting as a round trip: decoding an encoded text
// gives the text back as the code page holds it, minus the characters whose
// shifted code falls outside the code page.

#include "FuzzInput.h"
#include "SettingCodec.h"
#include "modHelp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString text = takeText(input, 256);

    QString kept;
    for (const QChar c : text) {
        const uchar byte = codepage1252::fromUnicode(c.unicode());
        if (byte + 85 <= 255)
            kept.append(QChar(codepage1252::toUnicode(byte)));
    }
    const QString encoded = modHelp::EncodeSetting(text);
    FUZZ_CHECK(modHelp::DecodeSetting(encoded) == kept);
    FUZZ_CHECK(modHelp::EncodeSetting(kept) == encoded);
    return 0;
}
