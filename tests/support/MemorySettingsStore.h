#pragma once
// A settings store in memory that remembers the order of its writes and, when asked to, every
// key read. Tests, the benchmarks and the fuzz harnesses share it; it needs nothing but the core.

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
        if (reads != nullptr) {
            reads->emplace_back(section, key);
        }
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
    // Where to note the keys read, in order; nowhere when null.
    std::vector<std::pair<std::string, std::string>>* reads = nullptr;
};

} // namespace lumra::test
