// Reading the settings from a store whose values come from the input, then writing them back
// and reading them again: what was read must survive the round trip unchanged.
//
// Input: values separated by "\0"; value i goes to key i of the list of every key the reader
// asks for (taken from a first, empty read).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "MemorySettingsStore.h"
#include "settings/Settings.h"

namespace {

using FuzzStore = lumra::test::MemorySettingsStore;

std::vector<std::pair<std::string, std::string>> AllKeys() {
    std::vector<std::pair<std::string, std::string>> keys;
    FuzzStore store;
    store.reads = &keys;
    lumra::LoadSettings(store);
    // The history stops at its first empty slot, so the empty read asks for slot 0 only.
    for (int i = 1; i < lumra::kHistorySlots; ++i) {
        keys.emplace_back("s_list", lumra::IndexedKey("", i));
    }
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto keys = AllKeys();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto values = lumra::fuzz::SplitInput(input, std::string_view("\0", 1));
    FuzzStore store;
    for (std::size_t i = 0; i < values.size() && i < keys.size(); ++i) {
        // A value of one byte 0xFF leaves the key missing.
        if (values[i] != "\xff") {
            store.values[keys[i]] = std::string(values[i]);
        }
    }
    const lumra::Settings first = lumra::LoadSettings(store);
    FuzzStore saved;
    lumra::SaveSettings(saved, first);
    const lumra::Settings second = lumra::LoadSettings(saved);
    if (!(first == second)) {
        std::abort();
    }
    return 0;
}
