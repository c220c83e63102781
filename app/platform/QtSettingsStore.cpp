#include "platform/QtSettingsStore.h"

#include "platform/Cp1252Qt.h"

namespace lumra {

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
    return FromCp1252(section) + QLatin1Char('/') + FromCp1252(key);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Lumra"), QStringLiteral("ZOR"))) {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

std::optional<std::string> QtSettingsStore::Get(const std::string& section,
                                                const std::string& key) const {
    const QVariant value = settings_->value(KeyPath(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A hand-edited file can hold lists or other types; only their text form counts.
    if (value.canConvert<QString>()) {
        return ToCp1252(value.toString());
    }
    return std::string();
}

void QtSettingsStore::Set(const std::string& section, const std::string& key,
                          const std::string& value) {
    settings_->setValue(KeyPath(section, key), FromCp1252(value));
}

void QtSettingsStore::Flush() {
    settings_->sync();
}

} // namespace lumra
