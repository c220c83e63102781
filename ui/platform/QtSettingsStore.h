#pragma once
// The settings store on QSettings in INI format.

#include <QString>
#include <map>
#include <set>

#include "settings/SettingsStore.h"

namespace lumra {

class QtSettingsStore final : public SettingsStore {
public:
    // The user's own store: application name "ZOR" in the user's configuration folder.
    QtSettingsStore();
    // A store in the given INI file (tests, and a portable copy). Anything but a regular file
    // of that name (a pipe, a socket, a device, a link to one) reads as a missing file and is
    // replaced by a regular one when the settings are saved.
    explicit QtSettingsStore(const QString& iniPath);

    std::optional<std::string> Get(const std::string& section,
                                   const std::string& key) const override;
    void Set(const std::string& section, const std::string& key, const std::string& value) override;
    void Flush() override;

    QString FileName() const { return path_; }

private:
    QString path_;
    // The file's values as read at the start, and the keys set since. QSettings holds the file
    // only while it reads or writes, so nothing it does later can open a pipe that took the
    // file's place: a pipe would block the program for good, a device would never end.
    std::map<QString, std::string> values_;
    std::set<QString> changed_;
};

} // namespace lumra
