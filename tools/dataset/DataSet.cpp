#include "dataset/DataSet.h"

#include "dataset/Appendices.h"
#include "dataset/Corpus.h"
#include "dataset/Figures.h"
#include "dataset/TextRules.h"
#include "dataset/Writers.h"

namespace lumra::dataset {

namespace {

std::vector<std::string> SplitCrLf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string SourceName(const Language& lang, std::size_t index) {
    return "data/" + HandWrittenFiles(lang).at(index);
}

std::vector<std::string> AppendixTitles(const LanguageInput& in, TextLog& log) {
    const std::string name = SourceName(*in.lang, 3);
    const std::string text = EncodePlainDocument(in.handWritten.appendixTitles, log, name);
    std::vector<std::string> lines = SplitCrLf(TrimTrailingSpace(text));
    if (lines.size() != static_cast<std::size_t>(kWrittenAppendices)) {
        throw DataError(name + ": expected " + std::to_string(kWrittenAppendices) +
                        " lines, found " + std::to_string(lines.size()));
    }
    return lines;
}

std::string WrittenAppendix(const LanguageInput& in, std::size_t i, TextLog& log,
                            std::vector<std::string>& warnings) {
    const std::string name = SourceName(*in.lang, i);
    const std::string& source = in.handWritten.appendices[i];
    if (!in.lang->plainAppendices) {
        std::string rtf(TrimTrailingSpace(EncodeRtfDocument(source, log, name)));
        if (!rtf.starts_with("{\\rtf")) {
            throw DataError(name + ": not an RTF document (does not begin with {\\rtf)");
        }
        return rtf;
    }
    std::string text(TrimTrailingSpace(EncodePlainDocument(source, log, name)));
    if (text.find_first_of("\\{}") != std::string::npos) {
        warnings.push_back(name +
                           ": contains \"\\\", \"{\" or \"}\", which the reader shows as RTF");
    }
    return text;
}

} // namespace

std::vector<std::string> LanguageFileNames(const Language& lang) {
    std::vector<std::string> names;
    for (const char* file : {"kvt.txt", "nst.txt", "nfn.txt", "ksn.txt", "hlp.rtf", "len", "aapx",
                             "apt.txt", "ift.txt"}) {
        names.push_back(std::string(lang.code) + file);
    }
    return names;
}

std::vector<OutputFile> BuildLanguageFiles(const LanguageInput& in, TextLog& log,
                                           std::vector<std::string>& warnings) {
    const Language& lang = *in.lang;
    const Corpus corpus = BuildCorpus(in.source, lang, log);

    std::vector<std::string> titles = AppendixTitles(in, log);
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kWrittenAppendices); ++i) {
        texts.push_back(WrittenAppendix(in, i, log, warnings));
    }
    for (Appendix& a : GenerateAppendices(in.source, lang, log)) {
        titles.push_back(std::move(a.title));
        texts.push_back(std::move(a.text));
    }
    std::string aapx;
    for (const std::string& t : texts) {
        aapx += t;
    }

    const std::string help = EncodeRtfDocument(in.handWritten.help, log, SourceName(lang, 4));
    std::string ift = EncodePlainDocument(in.handWritten.interfaceTexts, log, SourceName(lang, 5));
    if (!ift.empty() && !ift.ends_with("\r\n")) {
        ift += "\r\n";
    }

    const std::vector<std::string> names = LanguageFileNames(lang);
    return {
        {names[0], LineFile(corpus.verses)},
        {names[1], NumberedLineFile(corpus.subtitles)},
        {names[2], NumberedLineFile(corpus.footnotes)},
        {names[3], LineFile(corpus.suraNames)},
        {names[4], HelpFile(help)},
        {names[5], LengthsFile(texts)},
        {names[6], std::move(aapx)},
        {names[7], LineFile(titles)},
        {names[8], std::move(ift)},
    };
}

OutputFile BuildFiguresFile() {
    return {kFiguresFileName, FiguresFile(ComputeFigures())};
}

} // namespace lumra::dataset
