#include "dataset/Writers.h"

#include "dataset/TextRules.h"

#include <cstdint>
#include <cstdio>

namespace lumra::dataset {

namespace {

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

std::string LineFile(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string NumberedLineFile(const std::vector<NumberedLine>& lines) {
    std::string out;
    for (const NumberedLine& line : lines) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d%03d ", line.sura, line.verse);
        out += number;
        out += line.text;
        out += "\r\n";
    }
    return out;
}

std::string FiguresFile(const std::vector<VerseFigures>& figures) {
    std::string out;
    out.reserve(figures.size() * 6);
    for (const VerseFigures& f : figures) {
        AppendLittleEndian(out, static_cast<std::uint16_t>(f.first), 2);
        AppendLittleEndian(out, static_cast<std::uint32_t>(f.second), 4);
    }
    return out;
}

std::string LengthsFile(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts) {
        AppendLittleEndian(out, static_cast<std::uint32_t>(text.size()), 4);
    }
    return out;
}

std::string HelpFile(std::string_view rtf) {
    std::string out(TrimTrailingSpace(rtf));
    out += "\r\n";
    return out;
}

} // namespace lumra::dataset
