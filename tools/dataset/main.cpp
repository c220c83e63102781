// lumra_dataset: builds the data files of both languages into the program folder.
//   lumra_dataset --source <folder of quran_en.json, quran_sv.json, quran.json and
//                 quran_transliteration.json> --data <data folder> --out <program folder>

#include "dataset/Checks.h"
#include "dataset/Companion.h"
#include "dataset/DataSet.h"
#include "dataset/Repairs.h"
#include "dataset/Report.h"
#include "dataset/TextRules.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

namespace fs = std::filesystem;
using namespace lumra::dataset;

namespace {

struct Options {
    fs::path source;
    fs::path data;
    fs::path out;
};

bool ParseOptions(int argc, char** argv, Options& opt) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view key = argv[i];
        if (key == "--source") {
            opt.source = argv[i + 1];
        } else if (key == "--data") {
            opt.data = argv[i + 1];
        } else if (key == "--out") {
            opt.out = argv[i + 1];
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && !opt.source.empty() && !opt.data.empty() && !opt.out.empty();
}

// Written beside the target and renamed over it, so a reader never sees half a file.
void WriteFile(const fs::path& folder, const OutputFile& file) {
    const fs::path target = folder / file.name;
    const fs::path temp = folder / (file.name + ".part");
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        out.close();
        if (!out) {
            throw DataError("cannot write " + temp.string());
        }
    }
    fs::rename(temp, target);
    if (fs::file_size(target) != file.bytes.size()) {
        throw DataError(target.string() + ": written size differs");
    }
}

int Run(const Options& opt) {
    TextLog log;
    std::vector<std::string> warnings;
    std::vector<OutputFile> files;
    for (const Language* lang : kLanguages) {
        LanguageInput in;
        in.lang = lang;
        in.source = LoadSourceText(opt.source / ("quran_" + std::string(lang->code) + ".json"));
        RepairSource(in.source, *lang);
        in.handWritten = LoadHandWritten(opt.data, *lang);
        CheckEncoding(in);
        for (OutputFile& f : BuildLanguageFiles(in, log, warnings)) {
            files.push_back(std::move(f));
        }
    }
    files.push_back(BuildFiguresFile());
    // Checked on their own when built; the fingerprint and its size limit are not theirs.
    std::vector<OutputFile> companion = BuildCompanionFiles(opt.source);

    CheckReport report = CheckDataSet(files, kLanguages);
    for (const std::string& w : warnings) {
        std::cout << "lumra_dataset: warning: " << w << "\n";
    }
    for (const std::string& w : report.warnings) {
        std::cout << "lumra_dataset: warning: " << w << "\n";
    }
    if (!report.errors.empty()) {
        for (const std::string& e : report.errors) {
            std::cerr << "lumra_dataset: error: " << e << "\n";
        }
        std::cerr << "lumra_dataset: the data set fails its checks; nothing was written\n";
        return 1;
    }
    for (OutputFile& f : companion) {
        files.push_back(std::move(f));
    }

    fs::create_directories(opt.out);
    for (const OutputFile& f : files) {
        WriteFile(opt.out, f);
    }
    std::cout << "lumra_dataset: wrote " << opt.out.string() << ":\n"
              << SizeSummary(files) << RepairSummary() << ChangeSummary(log);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options opt;
    if (!ParseOptions(argc, argv, opt)) {
        std::cerr << "usage: lumra_dataset --source <json folder> --data <data folder> "
                     "--out <program folder>\n";
        return 2;
    }
    try {
        return Run(opt);
    } catch (const DataError& e) {
        std::cerr << "lumra_dataset: error: " << e.what() << "\n";
    } catch (const std::exception& e) {
        std::cerr << "lumra_dataset: error: " << e.what() << "\n";
    }
    return 1;
}
