#pragma once
// A complete synthetic data set of both languages, written into a temporary program folder,
// with texts that tests can predict from the verse position.

#include <filesystem>
#include <string>

namespace lumra::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // With a trailing separator.
    std::string Path() const { return path_.string() + "/"; }
    const std::filesystem::path& Dir() const { return path_; }

private:
    std::filesystem::path path_;
};

struct SyntheticDataSet {
    // The predictable texts, per language code.
    static std::string VerseText(const std::string& code, int position);
    static std::string SuraName(const std::string& code, int sura);
    static std::string InterfaceText(const std::string& code, int number);
    static std::string AppendixText(const std::string& code, int number);
    static std::string AppendixTitle(const std::string& code, int number);
    static std::string HelpText(const std::string& code); // as the reader keeps it
    // Subtitles: every sura's first position "<code> Sura S_second line"; a one-line subtitle
    // at 2:142. Footnotes: every position divisible by 50, "<code> note P".
    static std::string SubtitleAt(const std::string& code, int position); // "" for none
    static std::string FootnoteAt(const std::string& code, int position); // "" for none
    static int FirstFigure(int position);                                 // 2698 at position 100
    static int SecondFigure(int position);                                // 118123 at position 200

    // Writes all 19 files and "Ocf" into the folder.
    static void Write(const std::string& folder);
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

} // namespace lumra::test
