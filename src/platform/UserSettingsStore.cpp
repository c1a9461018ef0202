#include "UserSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace platform
{

namespace
{

bool UsableName(const QString& application)
{
    return !application.isEmpty() && application != u"." && application != u".." &&
           !application.contains(u'/') && !application.contains(u'\\') &&
           !application.contains(QChar(0));
}

// The system's own store where there is one; elsewhere the file in the
// generic configuration folder (not in a folder per organisation, as QSettings
// would choose), where users of earlier versions have their date.
std::unique_ptr<QSettings> OpenStore(const QString& application)
{
    if (!UsableName(application))
        return {};
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application,
                                       application);
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    return std::make_unique<QSettings>(folder + u'/' + application + QStringLiteral(".ini"),
                                       QSettings::IniFormat);
#endif
}

// Earlier versions wrote the file themselves and escaped '%' and control
// characters in values as %XX, which QSettings reads as they stand. The stored
// values are shifted text (codes 85 to 255), which holds no '%' of its own, so
// a '%' with two hexadecimal digits is such an escape and is decoded here.
QString DecodeEarlierEscapes(const QString& value)
{
    const auto isHex = [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
    };
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == u'%' && i + 2 < value.size() && isHex(value.at(i + 1)) &&
            isHex(value.at(i + 2))) {
            result += QChar(char16_t(value.mid(i + 1, 2).toUShort(nullptr, 16)));
            i += 2;
        } else {
            result += value.at(i);
        }
    }
    return result;
}

} // namespace

QString UserSettingsStore::read(const QString& application, const QString& section,
                                const QString& key)
{
    const std::unique_ptr<QSettings> store = OpenStore(application);
    if (!store || store->status() != QSettings::NoError)
        return {};
    return DecodeEarlierEscapes(store->value(section + u'/' + key).toString());
}

bool UserSettingsStore::write(const QString& application, const QString& section,
                              const QString& key, const QString& value)
{
    const auto store = [&](QSettings& settings) {
        settings.setValue(section + u'/' + key, value);
        settings.sync();
        return settings.status();
    };
    std::unique_ptr<QSettings> settings = OpenStore(application);
    if (!settings)
        return false;
    const QSettings::Status status = store(*settings);
    // QSettings writes nothing over a file it cannot read. Ours holds a date and
    // nothing else, and one that cannot be read holds none, so it is replaced:
    // the reminder would otherwise never keep a date again.
    if (status != QSettings::FormatError || !QFile::remove(settings->fileName()))
        return status == QSettings::NoError;
    settings = OpenStore(application);
    return settings && store(*settings) == QSettings::NoError;
}

} // namespace platform
