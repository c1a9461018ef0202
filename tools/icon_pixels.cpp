// Build step: writes the program icon's PNG files out as C++ arrays of
// premultiplied ARGB pixels, so the windows get their icon at start-up without
// decoding an image.
//
// Usage: icon_pixels OUTPUT.cpp FILE.png...   (each file square)

#include <QImage>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fputs("usage: icon_pixels OUTPUT.cpp FILE.png...\n", stderr);
        return 2;
    }
    QSaveFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "icon_pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&output);
    out << "// Written by icon_pixels from the program icon's PNG files.\n"
           "#include \"ProgramIconPixels.h\"\n\n"
           "namespace forms\n{\n\nnamespace\n{\n\n";
    QStringList entries;
    for (int i = 2; i < argc; ++i) {
        const QImage image = QImage(QString::fromLocal8Bit(argv[i]))
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "icon_pixels: %s is no square image\n", argv[i]);
            return 1;
        }
        const int size = image.width();
        out << "const std::uint32_t pixels" << size << "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < size; ++x)
                out << ((x % 8) ? " " : "\n    ") << "0x" << Qt::hex << row[x] << Qt::dec << ',';
        }
        out << "\n};\n\n";
        entries << QStringLiteral("    {%1, pixels%1},\n").arg(size);
    }
    out << "const IconPixels images[] = {\n"
        << entries.join(QString()) << "};\n\n} // namespace\n\n"
        << "const std::span<const IconPixels> ProgramIconPixels = images;\n\n"
        << "} // namespace forms\n";
    out.flush();
    return output.commit() ? 0 : 1;
}
