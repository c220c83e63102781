#include "settings/Settings.h"

#include "corpus/LenientNumber.h"

namespace lumra {

namespace {

// A stored number read as an 8-bit value; a number that cannot be one reads as the default.
std::uint8_t ReadByte(const SettingsStore& store, const std::string& section,
                      const std::string& key, std::uint8_t defaultValue) {
    const auto stored = store.Get(section, key);
    if (!stored) {
        return defaultValue;
    }
    const auto value = TruncateToInteger(LenientNumber(*stored));
    if (value < 0 || value > 255) {
        return defaultValue;
    }
    return static_cast<std::uint8_t>(value);
}

std::uint8_t ReadFlag(const SettingsStore& store, const std::string& section,
                      const std::string& key, std::uint8_t defaultValue) {
    const auto value = ReadByte(store, section, key, defaultValue);
    return value > 1 ? defaultValue : value;
}

std::string ReadTextFlag(const SettingsStore& store, const std::string& key,
                         const std::string& defaultValue) {
    const auto stored = store.Get("T_SET", key);
    if (!stored) {
        return defaultValue;
    }
    const auto value = TruncateToInteger(LenientNumber(*stored));
    if (value < 0 || value > 1) {
        return defaultValue;
    }
    return std::to_string(value);
}

void WriteNumber(SettingsStore& store, const std::string& section, const std::string& key,
                 int value) {
    store.Set(section, key, std::to_string(value));
}

} // namespace

std::string IndexedKey(const std::string& family, int index) {
    return family + " " + std::to_string(index) + (family.empty() ? "" : ")");
}

Settings LoadSettings(const SettingsStore& store) {
    Settings s;
    auto colourPart = [&](const char* key, std::uint8_t def) {
        const auto v = ReadByte(store, "G_SET", key, def);
        return v > 192 ? def : v;
    };
    s.colour.red = colourPart("red", kDefaultWindowColour.red);
    s.colour.green = colourPart("green", kDefaultWindowColour.green);
    s.colour.blue = colourPart("blue", kDefaultWindowColour.blue);

    s.topicListOptions[0] = ReadTextFlag(store, IndexedKey("t_c1(", 0), "1");
    s.topicListOptions[1] = ReadTextFlag(store, IndexedKey("t_c1(", 1), "0");

    constexpr std::array<std::uint8_t, 4> kViewDefaults = {1, 0, 1, 0};
    for (int i = 0; i < 4; ++i) {
        s.viewOptions[static_cast<std::size_t>(i)] = ReadFlag(
            store, "G_SET", IndexedKey("g_c1(", i), kViewDefaults[static_cast<std::size_t>(i)]);
    }

    s.fontPoints = ReadByte(store, "G_SET", "vw_fs", 10);
    if (s.fontPoints < 8 || s.fontPoints > 120) {
        s.fontPoints = 10;
    }
    s.viewFontSize = 2 * s.fontPoints;

    s.searchSubtitles = ReadFlag(store, "S_SET", "s_vh", 0);
    s.searchVerseText = ReadFlag(store, "S_SET", "s_vt", 1);
    s.searchFootnotes = ReadFlag(store, "S_SET", "s_fn", 0);
    s.compareMode = ReadFlag(store, "S_SET", "s_cap", 1);
    s.wholeWords = ReadFlag(store, "S_SET", "s_fw", 0);
    s.listAllHits = ReadFlag(store, "S_SET", "s_ah", 0);
    for (int i = 0; i < 4; ++i) {
        s.listOptions[static_cast<std::size_t>(i)] =
            ReadFlag(store, "S_SET", IndexedKey("s_c7(", i), 1);
    }

    // Only 0 and 1 can be shown by the export dialog's box.
    s.inlineReference = ReadFlag(store, "P_SET", "p_c1", 1);

    s.f1max = ReadFlag(store, "wp", "f1max", 0);
    s.f4max = ReadFlag(store, "wp", "f4max", 0);
    s.f5max = ReadFlag(store, "wp", "f5max", 0);
    s.f13max = ReadFlag(store, "wp", "f13max", 0);

    for (int i = 0; i < kHistorySlots; ++i) {
        const auto value = store.Get("s_list", IndexedKey("", i)).value_or(std::string());
        if (value.empty()) {
            break;
        }
        s.queryHistory[static_cast<std::size_t>(i)] = value;
    }

    // A language index that names no row means: choose from the system.
    const auto language = ReadByte(store, "G_SET", "lang", 0);
    s.language = language <= 2 ? language : 0;
    return s;
}

void SaveSettings(SettingsStore& store, const Settings& s) {
    WriteNumber(store, "G_SET", "red", s.colour.red);
    WriteNumber(store, "G_SET", "green", s.colour.green);
    WriteNumber(store, "G_SET", "blue", s.colour.blue);
    WriteNumber(store, "G_SET", "vw_fs", s.fontPoints);
    for (int i = 0; i < 4; ++i) {
        WriteNumber(store, "G_SET", IndexedKey("g_c1(", i),
                    s.viewOptions[static_cast<std::size_t>(i)]);
    }

    WriteNumber(store, "S_SET", "s_vh", s.searchSubtitles);
    WriteNumber(store, "S_SET", "s_vt", s.searchVerseText);
    WriteNumber(store, "S_SET", "s_fn", s.searchFootnotes);
    WriteNumber(store, "S_SET", "s_cap", s.compareMode);
    WriteNumber(store, "S_SET", "s_fw", s.wholeWords);
    WriteNumber(store, "S_SET", "s_ah", s.listAllHits);
    for (int i = 0; i < 4; ++i) {
        WriteNumber(store, "S_SET", IndexedKey("s_c7(", i),
                    s.listOptions[static_cast<std::size_t>(i)]);
    }

    store.Set("T_SET", IndexedKey("t_c1(", 0), s.topicListOptions[0]);
    store.Set("T_SET", IndexedKey("t_c1(", 1), s.topicListOptions[1]);

    WriteNumber(store, "wp", "f1max", s.f1max);
    WriteNumber(store, "wp", "f4max", s.f4max);
    WriteNumber(store, "wp", "f5max", s.f5max);
    WriteNumber(store, "wp", "f13max", s.f13max);

    WriteNumber(store, "P_SET", "p_c1", s.inlineReference);

    for (int i = 0; i < kHistorySlots; ++i) {
        const auto& slot = s.queryHistory[static_cast<std::size_t>(i)];
        if (slot.empty()) {
            break;
        }
        store.Set("s_list", IndexedKey("", i), slot);
    }

    WriteNumber(store, "G_SET", "lang", s.language);
    store.Flush();
}

} // namespace lumra
