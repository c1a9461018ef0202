#include "FileSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace platform
{

namespace
{

// The system's own per-user store where there is one.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
constexpr bool NativeStore = true;
#else
constexpr bool NativeStore = false;
#endif

// A settings file holds a few lines; anything much larger is not one of ours
// and is neither read nor overwritten.
constexpr qint64 MaxFileSize = 1024 * 1024;

bool UsableName(const QString& application)
{
    return !application.isEmpty() && application != u"." && application != u".." &&
           !application.contains(u'/') && !application.contains(u'\\') &&
           !application.contains(QChar(0));
}

QString Hex(char16_t unit, int digits)
{
    return QString::number(unit, 16).toUpper().rightJustified(digits, u'0');
}

QString Escape(const QString& text, bool isKey)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (QChar::isSurrogate(unit))
            result += QStringLiteral("%u") + Hex(unit, 4);
        else if (unit == u'%' || unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) ||
                 (isKey && (unit == u'=' || (i == 0 && unit == u'['))))
            result += u'%' + Hex(unit, 2);
        else
            result += QChar(unit);
    }
    return result;
}

int HexDigit(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit >= u'0' && unit <= u'9')
        return unit - u'0';
    if (unit >= u'A' && unit <= u'F')
        return unit - u'A' + 10;
    if (unit >= u'a' && unit <= u'f')
        return unit - u'a' + 10;
    return -1;
}

// The hexadecimal number of exactly `digits` digits at `from`; -1 if there is none.
int HexAt(const QString& text, qsizetype from, int digits)
{
    if (from + digits > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        const int digit = HexDigit(text.at(from + i));
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

enum class Load { Missing, Loaded, Failed };

Load LoadLines(const QString& path, QStringList& lines)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Load::Missing;
    // A folder, pipe or device under the file's name is not a settings file.
    if (!info.isFile())
        return Load::Failed;
    QFile file(path);
    if (info.size() > MaxFileSize || !file.open(QIODevice::ReadOnly))
        return Load::Failed;
    // Read as large as the file is, not as large as it may be: a buffer of
    // MaxFileSize for a file of a few lines would be allocated on every read.
    const QByteArray bytes = file.readAll();
    if (bytes.size() > MaxFileSize || file.error() != QFileDevice::NoError)
        return Load::Failed;
    lines = QString::fromUtf8(bytes).split(u'\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return Load::Loaded;
}

bool IsHeader(const QString& line)
{
    return line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']');
}

QString HeaderName(const QString& line)
{
    return FileSettingsStore::unescape(line.mid(1, line.size() - 2));
}

// Index of the entry `key` in the first block of `section`; -1 if absent.
qsizetype FindEntry(const QStringList& lines, const QString& section, const QString& key)
{
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (IsHeader(line)) {
            inSection = HeaderName(line) == section;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inSection && equals >= 0 && FileSettingsStore::unescape(line.left(equals)) == key)
            return i;
    }
    return -1;
}

QString NativeKey(const QString& section, const QString& key)
{
    return section + u'/' + key;
}

} // namespace

QString FileSettingsStore::escapeKey(const QString& key)
{
    return Escape(key, true);
}

QString FileSettingsStore::escapeValue(const QString& value)
{
    return Escape(value, false);
}

QString FileSettingsStore::unescape(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'%') {
            if (i + 1 < text.size() && text.at(i + 1) == u'u') {
                const int unit = HexAt(text, i + 2, 4);
                if (unit >= 0) {
                    result += QChar(char16_t(unit));
                    i += 5;
                    continue;
                }
            } else {
                const int code = HexAt(text, i + 1, 2);
                if (code >= 0) {
                    result += QChar(char16_t(code));
                    i += 2;
                    continue;
                }
            }
        }
        result += text.at(i);
    }
    return result;
}

QString FileSettingsStore::filePath(const QString& application)
{
    if (!UsableName(application))
        return {};
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    return folder + u'/' + application + QStringLiteral(".ini");
}

QString FileSettingsStore::read(const QString& application, const QString& section,
                                const QString& key)
{
    if (NativeStore) {
        if (!UsableName(application))
            return {};
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application, application);
        if (settings.status() != QSettings::NoError)
            return {};
        return settings.value(NativeKey(section, key)).toString();
    }
    const QString path = filePath(application);
    QStringList lines;
    if (path.isEmpty() || LoadLines(path, lines) != Load::Loaded)
        return {};
    const qsizetype entry = FindEntry(lines, section, key);
    if (entry < 0)
        return {};
    const QString& line = lines.at(entry);
    return unescape(line.mid(line.indexOf(u'=') + 1));
}

bool FileSettingsStore::write(const QString& application, const QString& section,
                              const QString& key, const QString& value)
{
    if (NativeStore) {
        if (!UsableName(application))
            return false;
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application, application);
        settings.setValue(NativeKey(section, key), value);
        settings.sync();
        return settings.status() == QSettings::NoError;
    }
    const QString path = filePath(application);
    if (path.isEmpty())
        return false;
    QStringList lines;
    if (LoadLines(path, lines) == Load::Failed)
        return false;

    const QString entry = escapeKey(key) + u'=' + escapeValue(value);
    const qsizetype existing = FindEntry(lines, section, key);
    if (existing >= 0) {
        lines[existing] = entry;
    } else {
        // After the last entry of the section's first block, or a new section at the end.
        qsizetype insertAt = -1;
        bool inSection = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (IsHeader(lines.at(i))) {
                if (insertAt >= 0)
                    break;
                inSection = HeaderName(lines.at(i)) == section;
                if (inSection)
                    insertAt = i + 1;
            } else if (inSection && lines.at(i).contains(u'=')) {
                insertAt = i + 1;
            }
        }
        if (insertAt >= 0) {
            lines.insert(insertAt, entry);
        } else {
            if (!lines.isEmpty() && !lines.constLast().isEmpty())
                lines.append(QString());
            lines.append(u'[' + escapeKey(section) + u']');
            lines.append(entry);
        }
    }

    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // The new text goes to a temporary file that replaces the old one only when
    // complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = (lines.join(u'\n') + u'\n').toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
