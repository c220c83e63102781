#pragma once
// The per-user store of string values addressed by section and key.

#include <optional>
#include <string>

namespace lumra {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // nullopt when the section or key is missing. Values are Windows-1252 byte strings.
    virtual std::optional<std::string> Get(const std::string& section,
                                           const std::string& key) const = 0;
    virtual void Set(const std::string& section, const std::string& key,
                     const std::string& value) = 0;
    // Writes what was set through to permanent storage.
    virtual void Flush() {}
};

} // namespace lumra
