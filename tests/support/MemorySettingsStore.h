#pragma once
// A settings store in memory that remembers the order of its writes.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsStore.h"

namespace lumra::test {

class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<std::string> Get(const std::string& section,
                                   const std::string& key) const override {
        const auto it = values.find({section, key});
        if (it == values.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    void Set(const std::string& section, const std::string& key,
             const std::string& value) override {
        values[{section, key}] = value;
        writes.emplace_back(section, key);
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;
};

} // namespace lumra::test
