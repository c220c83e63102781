#include "dataset/Report.h"

#include <cstdio>

namespace lumra::dataset {

namespace {

std::string_view Reason(Change change) {
    switch (change) {
    case Change::NotInCp1252:
        return "not in Windows-1252";
    case Change::Control:
        return "control character in a line";
    case Change::RtfSpecial:
        return "RTF character in text shown verbatim";
    case Change::Markup:
        return "\"_\" would break the line";
    case Change::RtfUnicode:
        return "not in Windows-1252, kept as \\uN in RTF";
    }
    return "";
}

std::string Shown(std::string_view cp1252) {
    std::string out = "\"";
    out += Cp1252ToUtf8(cp1252);
    out += "\"";
    return out;
}

} // namespace

std::string RepairSummary(std::span<const SourceRepair> repairs) {
    std::string out = "Source texts repaired (" + std::to_string(repairs.size()) + "):\n";
    for (const SourceRepair& r : repairs) {
        out += "  " + std::string(r.language) + " " + std::to_string(r.sura) + ":" +
               std::to_string(r.verse) + "  \"" + std::string(r.found) + "\" -> \"" +
               std::string(r.written) + "\"\n";
    }
    return out;
}

std::string ChangeSummary(const TextLog& log) {
    if (log.Total() == 0) {
        return "No character had to be replaced.\n";
    }
    std::string out = "Characters changed (" + std::to_string(log.Total()) + " in all):\n";
    for (const auto& [key, entry] : log.Entries()) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(key.first));
        std::string glyph;
        if (key.first >= 0x20 && key.first != 0x7F) {
            glyph = " \"" + EncodeUtf8(std::u32string(1, key.first)) + "\"";
        }
        const std::string by =
            entry.change == Change::RtfUnicode ? "\\uN" : Shown(entry.replacement);
        out += "  " + std::string(code) + glyph + " -> " + by + "  x" +
               std::to_string(entry.count) + "  (" + std::string(Reason(entry.change)) +
               "; first at " + entry.firstPlace + ")\n";
    }
    return out;
}

std::string SizeSummary(const std::vector<OutputFile>& files) {
    std::string out;
    std::size_t total = 0;
    for (const OutputFile& f : files) {
        char line[96];
        std::snprintf(line, sizeof line, "  %-12s %9zu bytes\n", f.name.c_str(), f.bytes.size());
        out += line;
        total += f.bytes.size();
    }
    out += "  " + std::to_string(files.size()) + " files, " + std::to_string(total) + " bytes\n";
    return out;
}

} // namespace lumra::dataset
