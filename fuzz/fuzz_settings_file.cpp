// The settings-file reader over arbitrary file contents: reading never fails
// loudly, a successful write reads back, and writing one entry leaves another
// entry as it was.

#include "FileSettingsStore.h"
#include "FuzzInput.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

namespace
{

const QString Application = QStringLiteral("fuzz");

QString settingsFile;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A private configuration folder, so no real settings are touched; in
    // memory where possible, as every write of the store syncs to disk.
    static char inMemory[] = "/dev/shm/tolvane-fuzz-settings-XXXXXX";
    static char onDisk[] = "/tmp/tolvane-fuzz-settings-XXXXXX";
    const char* folder = mkdtemp(inMemory);
    if (!folder)
        folder = mkdtemp(onDisk);
    if (!folder)
        std::abort();
    setenv("XDG_CONFIG_HOME", folder, 1);
    static const std::string removed = folder;
    std::atexit([] { QDir(QString::fromStdString(removed)).removeRecursively(); });
    settingsFile = platform::FileSettingsStore::filePath(Application);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString section = takeText(input, 12);
    const QString key = takeText(input, 12);
    const QString value = takeText(input, 24);
    const std::vector<uint8_t> contents = input.ConsumeRemainingBytes<uint8_t>();

    QFile file(settingsFile);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(contents.data()), qint64(contents.size()));
    file.close();

    platform::FileSettingsStore store;
    const QString otherSection = QStringLiteral("Settings");
    const QString otherKey = QStringLiteral("Duration");
    const QString before = store.read(Application, otherSection, otherKey);
    store.read(Application, section, key);
    if (store.write(Application, section, key, value)) {
        FUZZ_CHECK(store.read(Application, section, key) == value);
        if (section != otherSection || key != otherKey)
            FUZZ_CHECK(store.read(Application, otherSection, otherKey) == before);
    }
    return 0;
}
