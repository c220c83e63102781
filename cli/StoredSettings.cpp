#include "cli/StoredSettings.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "corpus/DataFile.h"
#include "export/ExportNames.h"

namespace lumra::cli {

namespace {

// No settings file of the reader comes near this; anything larger is not read.
constexpr std::uintmax_t kMaxSettingsBytes = 1024 * 1024;

std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

int HexDigit(char c) {
    return c >= '0' && c <= '9'   ? c - '0'
           : c >= 'A' && c <= 'F' ? c - 'A' + 10
           : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                  : -1;
}

// "%28" is "(", "%U0152" a character beyond Latin-1 (kept as "?", no key of ours has one).
std::string UnescapedKey(std::string_view key) {
    std::string out;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (key[i] == '%' && i + 5 < key.size() && key[i + 1] == 'U') {
            out += '?';
            i += 5;
        } else if (key[i] == '%' && i + 2 < key.size() && HexDigit(key[i + 1]) >= 0 &&
                   HexDigit(key[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(key[i + 1]) * 16 + HexDigit(key[i + 2]));
            i += 2;
        } else {
            out += key[i] == '\\' ? '/' : key[i];
        }
    }
    return out;
}

std::string UnescapedValue(std::string_view value) {
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            out += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
        } else if (c == ';' && !quoted) {
            break; // a comment after the value
        } else {
            out += c;
        }
    }
    return out;
}

std::string_view LanguageOf(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}

std::string_view TerritoryOf(std::string_view locale) {
    const auto underscore = locale.find('_');
    if (underscore == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = locale.substr(underscore + 1);
    return rest.substr(0, rest.find_first_of(".@"));
}

std::string_view Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string_view(value) : std::string_view();
}

} // namespace

std::string UserSettingsPath() {
    const std::string_view xdg = Variable("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') {
        return std::string(xdg) + "/Lumra/ZOR.ini";
    }
    std::string home(Variable("HOME"));
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
            home = user->pw_dir;
        }
    }
    return home + "/.config/Lumra/ZOR.ini";
}

std::map<std::pair<std::string, std::string>, std::string> ParseSettingsIni(std::string_view text) {
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::string section;
    for (const std::string& raw : SplitLines(text)) {
        const std::string_view line = Trimmed(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            section = UnescapedKey(line.substr(1, line.find(']') - 1));
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        std::string_view value = Trimmed(line.substr(equals + 1));
        if (value.starts_with("@@")) {
            value.remove_prefix(1);
        } else if (value.starts_with('@')) {
            continue;
        }
        std::string key = UnescapedKey(Trimmed(line.substr(0, equals)));
        // "General" is the store's own name for keys outside any section.
        values[{section == "General" ? std::string() : section, std::move(key)}] =
            Utf8ToCp1252(UnescapedValue(value));
    }
    return values;
}

StoredSettings::StoredSettings(const std::string& iniPath) {
    struct stat info {};
    if (::stat(iniPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return;
    }
    if (const auto text = ReadWholeFile(iniPath, kMaxSettingsBytes)) {
        values_ = ParseSettingsIni(*text);
    }
}

std::optional<std::string> StoredSettings::Get(const std::string& section,
                                               const std::string& key) const {
    const auto it = values_.find({section, key});
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

int LanguageIdFromLocale(std::string_view lcAll, std::string_view lcMessages, std::string_view lang,
                         std::string_view language) {
    std::string_view locale = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.")) {
        return 1033;
    }
    // The first of the preferred languages wins when it says more or says otherwise.
    const std::string_view preferred = language.substr(0, language.find(':'));
    if (!preferred.empty() &&
        (LanguageOf(preferred) != LanguageOf(locale) || !TerritoryOf(preferred).empty())) {
        locale = preferred;
    }
    if (LanguageOf(locale) != "sv") {
        return 1033;
    }
    return TerritoryOf(locale) == "FI" ? 2077 : 1053;
}

int UserLanguageIdFromEnvironment() {
    return LanguageIdFromLocale(Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG"),
                                Variable("LANGUAGE"));
}

} // namespace lumra::cli
