#pragma once
// The settings store on QSettings in INI format.

#include <QSettings>
#include <QString>
#include <memory>

#include "settings/SettingsStore.h"

namespace lumra {

class QtSettingsStore final : public SettingsStore {
public:
    // The user's own store: application name "ZOR" in the user's configuration folder.
    QtSettingsStore();
    // A store in the given INI file (tests, and a portable copy).
    explicit QtSettingsStore(const QString& iniPath);

    std::optional<std::string> Get(const std::string& section,
                                   const std::string& key) const override;
    void Set(const std::string& section, const std::string& key, const std::string& value) override;
    void Flush() override;

    QString FileName() const { return settings_->fileName(); }

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace lumra
