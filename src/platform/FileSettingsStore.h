#pragma once
// The per-user settings store. On Windows and macOS it is the system's own
// store for the user; elsewhere one INI-style file per application,
// "<application>.ini" in the user's configuration folder ($XDG_CONFIG_HOME,
// else ~/.config), looked up on every call.
//
// The file is UTF-8, one "[section]" line followed by its "key=value" lines.
// Keys and values are written as they are, except that '%', control characters
// (C0, DEL and C1), surrogate halves and, in keys, '=' and a leading '[' are
// written as %XX or %uXXXX. Every write replaces the whole file atomically, so
// a crash or a full disk leaves the previous file intact; lines the store does
// not understand are kept.

#include "Services.h"

#include <QString>

namespace platform
{

class FileSettingsStore : public SettingsStore
{
public:
    QString read(const QString& application, const QString& section, const QString& key) override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;

    // The file that holds `application`'s settings; "" when the name cannot be
    // a file name. Used on the platforms without a native store.
    static QString filePath(const QString& application);

    // The escaped forms used in the file.
    static QString escapeKey(const QString& key);
    static QString escapeValue(const QString& value);
    static QString unescape(const QString& text);
};

} // namespace platform
