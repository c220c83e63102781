#pragma once
// The reader's settings as the subcommands read them: straight from the INI file the
// reader's settings store keeps, without Qt, and never written.

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "settings/SettingsStore.h"

namespace lumra::cli {

// The user's settings file: $XDG_CONFIG_HOME (an absolute path), else ~/.config, then
// "Lumra/ZOR.ini", where the reader's store keeps it.
std::string UserSettingsPath();

class StoredSettings final : public SettingsStore {
public:
    // Anything but a readable regular file reads as no settings at all.
    explicit StoredSettings(const std::string& iniPath);

    std::optional<std::string> Get(const std::string& section,
                                   const std::string& key) const override;
    // A subcommand changes no setting: these do nothing.
    void Set(const std::string&, const std::string&, const std::string&) override {}
    void Flush() override {}

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

// The INI text as the reader's store writes it: "[section]" lines, "key=value" lines, keys
// with %XX escapes, values plain or in double quotes with backslash escapes, "@@" for a
// leading "@"; other "@" values (typed values) are skipped. Values come back in
// Windows-1252.
std::map<std::pair<std::string, std::string>, std::string> ParseSettingsIni(std::string_view text);

// The user's default language identifier from the locale variables, as the reader's locale
// look-up gives it: 1053 for Swedish, 2077 for Swedish in Finland, 1033 otherwise. Each
// argument is the variable's value, or empty when it is not set.
int LanguageIdFromLocale(std::string_view lcAll, std::string_view lcMessages, std::string_view lang,
                         std::string_view language);
// The same from the process environment.
int UserLanguageIdFromEnvironment();

} // namespace lumra::cli
