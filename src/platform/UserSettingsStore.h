#pragma once
// The per-user settings store, kept by QSettings: on Windows and macOS in the
// system's own store for the user (the registry under HKEY_CURRENT_USER on
// Windows); elsewhere in the INI file "<application>.ini" in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config), one "[section]"
// with its keys. A file that cannot be read gives "" and never stops the
// program; a write replaces the whole file at once, so a crash or a full disk
// leaves the previous file intact.

#include "Services.h"

#include <QString>

namespace platform
{

class UserSettingsStore : public SettingsStore
{
public:
    QString read(const QString& application, const QString& section, const QString& key) override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
};

} // namespace platform
