#include "platform/QtSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Cp1252Qt.h"

namespace lumra {

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
    return FromCp1252(section) + QLatin1Char('/') + FromCp1252(key);
}

// Where QSettings keeps the user's INI file of organisation "Lumra", application "ZOR".
QString UserIniPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Lumra/ZOR.ini");
}

// Something QSettings must not open: anything but a regular file, links followed.
bool IsNoRegularFile(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

// Clears the name for a regular file; false when something stays there (a folder).
bool MakeRoomForRegularFile(const QString& path) {
    return !IsNoRegularFile(path) || ::unlink(QFile::encodeName(path).constData()) == 0;
}

} // namespace

QtSettingsStore::QtSettingsStore() : QtSettingsStore(UserIniPath()) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath) : path_(iniPath) {
    if (IsNoRegularFile(path_)) {
        return; // read as a missing file: every key has its default
    }
    const QSettings ini(path_, QSettings::IniFormat);
    for (const QString& key : ini.allKeys()) {
        const QVariant value = ini.value(key);
        // A hand-edited file can hold lists or other types; only their text form counts.
        values_[key] = value.canConvert<QString>() ? ToCp1252(value.toString()) : std::string();
    }
}

std::optional<std::string> QtSettingsStore::Get(const std::string& section,
                                                const std::string& key) const {
    const auto it = values_.find(KeyPath(section, key));
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

void QtSettingsStore::Set(const std::string& section, const std::string& key,
                          const std::string& value) {
    const QString path = KeyPath(section, key);
    values_[path] = value;
    changed_.insert(path);
}

void QtSettingsStore::Flush() {
    // QSettings reads the file again before it writes, and takes a lock file: neither may be a
    // pipe. What cannot be cleared (a folder) leaves the settings unsaved rather than hanging.
    if (!MakeRoomForRegularFile(path_) ||
        !MakeRoomForRegularFile(path_ + QStringLiteral(".lock"))) {
        return;
    }
    QSettings ini(path_, QSettings::IniFormat);
    for (const QString& key : changed_) {
        ini.setValue(key, FromCp1252(values_[key]));
    }
    ini.sync();
}

} // namespace lumra
