#include "dataset/Checks.h"

#include "SuraTable.h"
#include "dataset/Appendices.h"

#include <cstdint>
#include <map>

namespace lumra::dataset {

namespace {

constexpr std::string_view kRtfSpecials = "\\{}";

std::uint32_t ReadLittleEndian(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return v;
}

class Checker {
public:
    Checker(const std::vector<OutputFile>& files, CheckReport& report) : report_(report) {
        for (const OutputFile& f : files) {
            files_[f.name] = &f;
        }
    }

    const OutputFile* Get(const std::string& name) {
        const auto it = files_.find(name);
        if (it == files_.end()) {
            Error(name + ": not built");
            return nullptr;
        }
        return it->second;
    }

    void Error(std::string message) { report_.errors.push_back(std::move(message)); }
    void Warning(std::string message) { report_.warnings.push_back(std::move(message)); }

    std::vector<std::string_view> Lines(const OutputFile& f) {
        return SplitLineFile(f, report_.errors);
    }

    void ExpectLines(const std::string& name, std::size_t expected) {
        const OutputFile* f = Get(name);
        if (f == nullptr) {
            return;
        }
        const auto lines = Lines(*f);
        if (lines.size() != expected) {
            Error(name + ": " + std::to_string(lines.size()) + " lines, expected " +
                  std::to_string(expected));
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].empty()) {
                Error(name + ": line " + std::to_string(i + 1) + " is empty");
                break;
            }
        }
    }

    // Text the reader puts verbatim into an RTF page.
    void ExpectNoRtf(const std::string& name, std::size_t line, std::string_view text) {
        if (text.find_first_of(kRtfSpecials) != std::string_view::npos) {
            Error(name + ": line " + std::to_string(line) + " holds \"\\\", \"{\" or \"}\"");
        }
    }

    void CheckNumberedLines(const std::string& name, std::size_t limit) {
        const OutputFile* f = Get(name);
        if (f == nullptr) {
            return;
        }
        const auto lines = Lines(*f);
        if (lines.empty() || lines.size() > limit) {
            Error(name + ": " + std::to_string(lines.size()) + " lines, expected 1 to " +
                  std::to_string(limit));
        }
        int previous = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string_view line = lines[i];
            const std::string where = name + ": line " + std::to_string(i + 1);
            bool digits = line.size() >= 8 && line[6] == ' ';
            for (std::size_t k = 0; digits && k < 6; ++k) {
                digits = line[k] >= '0' && line[k] <= '9';
            }
            if (!digits) {
                Error(where + " is not \"SSSVVV text\"");
                continue;
            }
            const int sura = (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
            const int verse = (line[3] - '0') * 100 + (line[4] - '0') * 10 + (line[5] - '0');
            if (sura < 1 || sura > kSuraCount || verse < FirstVerse(sura) ||
                verse > LastVerse(sura)) {
                Error(where + " names no verse (" + std::to_string(sura) + ":" +
                      std::to_string(verse) + ")");
                continue;
            }
            const int position =
                PositionOf(static_cast<std::int16_t>(sura), static_cast<std::int16_t>(verse));
            if (position <= previous) {
                Error(where + " is out of position order or repeats a verse");
            }
            previous = position;
            ExpectNoRtf(name, i + 1, line.substr(7));
        }
    }

    void CheckAppendices(const Language& lang) {
        const std::string code(lang.code);
        ExpectLines(code + "apt.txt", kAppendixCount);
        const OutputFile* len = Get(code + "len");
        const OutputFile* aapx = Get(code + "aapx");
        if (len == nullptr || aapx == nullptr) {
            return;
        }
        if (len->bytes.size() != static_cast<std::size_t>(kAppendixCount) * 4) {
            Error(len->name + ": " + std::to_string(len->bytes.size()) + " bytes, expected " +
                  std::to_string(kAppendixCount * 4));
            return;
        }
        std::size_t offset = 0;
        for (int r = 0; r < kAppendixCount; ++r) {
            const auto length = static_cast<std::int32_t>(
                ReadLittleEndian(len->bytes, static_cast<std::size_t>(r) * 4, 4));
            if (length <= 0 || offset + static_cast<std::size_t>(length) > aapx->bytes.size()) {
                Error(len->name + ": length of appendix " + std::to_string(r + 1) +
                      " does not fit " + aapx->name);
                return;
            }
            const std::string_view text =
                std::string_view(aapx->bytes).substr(offset, static_cast<std::size_t>(length));
            offset += static_cast<std::size_t>(length);
            const std::string which = aapx->name + ": appendix " + std::to_string(r + 1);
            if (text.find('\0') != std::string_view::npos) {
                Error(which + " holds a NUL");
            }
            if (!lang.plainAppendices) {
                if (!text.starts_with("{\\rtf")) {
                    Error(which + " is not an RTF document");
                }
            } else if (text.find_first_of(kRtfSpecials) != std::string_view::npos) {
                // The reader wraps plain appendices into RTF verbatim.
                if (r < kWrittenAppendices) {
                    Warning(which + " holds \"\\\", \"{\" or \"}\"");
                } else {
                    Error(which + " holds \"\\\", \"{\" or \"}\"");
                }
            }
        }
        if (offset != aapx->bytes.size()) {
            Error(len->name + ": lengths add up to " + std::to_string(offset) + ", but " +
                  aapx->name + " has " + std::to_string(aapx->bytes.size()) + " bytes");
        }
    }

    void CheckHelp(const std::string& name) {
        const OutputFile* f = Get(name);
        if (f == nullptr) {
            return;
        }
        if (!f->bytes.starts_with("{\\rtf")) {
            Error(name + ": not an RTF document");
        }
        // The reader drops the last byte.
        if (!f->bytes.ends_with("}\r\n")) {
            Error(name + ": does not end in \"}\" CR LF");
        }
    }

    void CheckVerses(const std::string& name) {
        ExpectLines(name, kPositionCount);
        if (const OutputFile* f = Get(name)) {
            std::vector<std::string> ignored; // line-end faults are reported by ExpectLines
            const auto lines = SplitLineFile(*f, ignored);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                ExpectNoRtf(name, i + 1, lines[i]);
            }
        }
    }

    void CheckFigures() {
        const OutputFile* f = Get(kFiguresFileName);
        if (f == nullptr) {
            return;
        }
        if (f->bytes.size() != static_cast<std::size_t>(kPositionCount) * 6) {
            Error(f->name + ": " + std::to_string(f->bytes.size()) + " bytes, expected " +
                  std::to_string(kPositionCount * 6));
            return;
        }
        const auto last = static_cast<std::int16_t>(
            ReadLittleEndian(f->bytes, (static_cast<std::size_t>(kPositionCount) - 1) * 6, 2));
        if (last != kNumberedVerseCount) {
            Error(f->name + ": the last verse is not numbered " +
                  std::to_string(kNumberedVerseCount));
        }
    }

    void CheckSizes() {
        for (const auto& [name, f] : files_) {
            if (f->bytes.size() > kFileSizeLimit) {
                Error(name + ": " + std::to_string(f->bytes.size()) +
                      " bytes, more than the fingerprint reads (" + std::to_string(kFileSizeLimit) +
                      ")");
            }
        }
    }

private:
    CheckReport& report_;
    std::map<std::string, const OutputFile*> files_;
};

} // namespace

std::vector<std::string_view> SplitLineFile(const OutputFile& file,
                                            std::vector<std::string>& errors) {
    std::vector<std::string_view> lines;
    const std::string_view bytes = file.bytes;
    bool reported = false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        const std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
        const std::string_view line = bytes.substr(start, stop - start);
        if (!reported && line.find_first_of(std::string_view("\r\n\0", 3)) != line.npos) {
            errors.push_back(file.name + ": line " + std::to_string(lines.size() + 1) +
                             " holds a CR, LF or NUL");
            reported = true;
        }
        if (!reported && end == std::string_view::npos) {
            errors.push_back(file.name + ": the last line does not end in CR LF");
            reported = true;
        }
        lines.push_back(line);
        start = stop + 2;
    }
    return lines;
}

CheckReport CheckDataSet(const std::vector<OutputFile>& files,
                         std::span<const Language* const> languages) {
    CheckReport report;
    Checker c(files, report);
    c.CheckSizes();
    c.CheckFigures();
    for (const Language* lang : languages) {
        const std::string code(lang->code);
        c.CheckVerses(code + "kvt.txt");
        c.CheckNumberedLines(code + "nst.txt", kSubtitleLimit);
        c.CheckNumberedLines(code + "nfn.txt", kFootnoteLimit);
        c.ExpectLines(code + "ksn.txt", kSuraCount);
        c.CheckHelp(code + "hlp.rtf");
        c.CheckAppendices(*lang);
        if (const OutputFile* ift = c.Get(code + "ift.txt")) {
            if (c.Lines(*ift).empty()) {
                c.Error(ift->name + ": empty");
            }
        }
    }
    return report;
}

} // namespace lumra::dataset
