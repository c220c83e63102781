#include "SyntheticDataSet.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>
#include <unistd.h>

#include "SuraTable.h"

namespace lumra::test {

namespace {

std::string Field3(int n) {
    std::string s = std::to_string(n);
    return std::string(3 - s.size(), '0') + s;
}

void AppendLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

int FirstPositionOfSura(int sura) {
    return kSuras.EndPosition[sura - 1] + 1;
}

} // namespace

TempFolder::TempFolder() {
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate =
            base / ("lumra-test-" + std::to_string(getpid()) + "-" + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string SyntheticDataSet::VerseText(const std::string& code, int position) {
    const auto p = static_cast<std::int16_t>(position);
    std::string text = code + " verse " + std::to_string(SuraOfPosition(p)) + ":" +
                       std::to_string(VerseOfPosition(p)) + " at " + std::to_string(position);
    if (code == "sv") {
        text += " \xE5\xE4\xF6"; // å ä ö in Windows-1252
    }
    return text;
}

std::string SyntheticDataSet::SuraName(const std::string& code, int sura) {
    return code + " name of sura " + std::to_string(sura);
}

std::string SyntheticDataSet::InterfaceText(const std::string& code, int number) {
    return code + "#" + std::to_string(number);
}

std::string SyntheticDataSet::AppendixText(const std::string& code, int number) {
    return code + " appendix text " + std::to_string(number);
}

std::string SyntheticDataSet::AppendixTitle(const std::string& code, int number) {
    return code + " appendix title " + std::to_string(number);
}

std::string SyntheticDataSet::HelpText(const std::string& code) {
    return "{\\rtf1 " + code + " help\\fs20 text}";
}

std::string SyntheticDataSet::SubtitleAt(const std::string& code, int position) {
    for (int s = 1; s <= kSuraCount; ++s) {
        if (FirstPositionOfSura(s) == position) {
            return code + " Sura " + std::to_string(s) + "_second line";
        }
    }
    if (position == PositionOf(2, 142)) {
        return code + " part 2";
    }
    return "";
}

std::string SyntheticDataSet::FootnoteAt(const std::string& code, int position) {
    return position % 50 == 0 ? code + " note " + std::to_string(position) : "";
}

int SyntheticDataSet::FirstFigure(int position) {
    return position == 100 ? 2698 : position;
}

int SyntheticDataSet::SecondFigure(int position) {
    return position == 200 ? 118123 : position * 7;
}

void SyntheticDataSet::Write(const std::string& folder) {
    std::string ocf;
    for (int p = 1; p <= kPositionCount; ++p) {
        AppendLE(ocf, static_cast<std::uint32_t>(FirstFigure(p)), 2);
        AppendLE(ocf, static_cast<std::uint32_t>(SecondFigure(p)), 4);
    }
    WriteFile(folder + "Ocf", ocf);

    for (const std::string code : {"en", "sv"}) {
        const std::string prefix = folder + code;
        std::string kvt;
        std::string nst;
        std::string nfn;
        for (int p = 1; p <= kPositionCount; ++p) {
            kvt += VerseText(code, p) + "\r\n";
            const auto sp = static_cast<std::int16_t>(p);
            const std::string key = Field3(SuraOfPosition(sp)) + Field3(VerseOfPosition(sp)) + " ";
            if (const auto sub = SubtitleAt(code, p); !sub.empty()) {
                nst += key + sub + "\r\n";
            }
            if (const auto note = FootnoteAt(code, p); !note.empty()) {
                nfn += key + note + "\r\n";
            }
        }
        WriteFile(prefix + "kvt.txt", kvt);
        WriteFile(prefix + "nst.txt", nst);
        WriteFile(prefix + "nfn.txt", nfn);

        std::string ksn;
        for (int s = 1; s <= kSuraCount; ++s) {
            ksn += SuraName(code, s) + "\r\n";
        }
        WriteFile(prefix + "ksn.txt", ksn);
        WriteFile(prefix + "hlp.rtf", HelpText(code) + "\n");

        std::string len;
        std::string aapx;
        std::string apt;
        for (int k = 1; k <= 41; ++k) {
            const auto text = AppendixText(code, k);
            AppendLE(len, static_cast<std::uint32_t>(text.size()), 4);
            aapx += text;
            apt += AppendixTitle(code, k) + "\r\n";
        }
        WriteFile(prefix + "len", len);
        WriteFile(prefix + "aapx", aapx);
        WriteFile(prefix + "apt.txt", apt);

        std::string ift;
        for (int n = 1; n <= 152; ++n) {
            if (n == 36) {
                continue;
            }
            std::string number = std::to_string(n);
            ift += std::string(4 - number.size(), '0') + number + " " + InterfaceText(code, n) +
                   "\r\n";
        }
        WriteFile(prefix + "ift.txt", ift);
    }
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace lumra::test
