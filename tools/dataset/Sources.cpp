#include "dataset/Sources.h"

#include "SuraTable.h"
#include "dataset/TextRules.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace lumra::dataset {

namespace {

using nlohmann::json;

const json& Field(const json& object, const char* key, std::string_view where) {
    if (!object.is_object() || !object.contains(key)) {
        throw DataError(std::string(where) + ": missing \"" + key + "\"");
    }
    return object.at(key);
}

std::string StringField(const json& object, const char* key, std::string_view where) {
    const json& value = Field(object, key, where);
    if (!value.is_string()) {
        throw DataError(std::string(where) + ": \"" + key + "\" is not a string");
    }
    return value.get<std::string>();
}

long IdField(const json& object, std::string_view where) {
    const json& value = Field(object, "id", where);
    if (!value.is_number_integer()) {
        throw DataError(std::string(where) + ": \"id\" is not an integer");
    }
    return value.get<long>();
}

json ParseChapters(std::string_view text, std::string_view name) {
    json doc;
    try {
        doc = json::parse(text);
    } catch (const json::exception& e) {
        throw DataError(std::string(name) + ": not valid JSON: " + e.what());
    }
    if (!doc.is_array() || doc.size() != static_cast<std::size_t>(kSuraCount)) {
        throw DataError(std::string(name) + ": expected an array of " + std::to_string(kSuraCount) +
                        " chapters");
    }
    return doc;
}

// The chapter's verses in order, each its string field `field`.
std::vector<std::string> ChapterVerses(const json& chapter, std::size_t index, const char* field,
                                       const std::string& where) {
    if (IdField(chapter, where) != static_cast<long>(index + 1)) {
        throw DataError(where + ": chapters are not in order");
    }
    const json& verses = Field(chapter, "verses", where);
    if (!verses.is_array()) {
        throw DataError(where + ": \"verses\" is not an array");
    }
    std::vector<std::string> texts;
    texts.reserve(verses.size());
    for (std::size_t v = 0; v < verses.size(); ++v) {
        const std::string vwhere = where + " verse " + std::to_string(v + 1);
        if (IdField(verses[v], vwhere) != static_cast<long>(v + 1)) {
            throw DataError(vwhere + ": verses are not in order");
        }
        texts.push_back(StringField(verses[v], field, vwhere));
    }
    return texts;
}

} // namespace

SourceText ParseSourceText(std::string_view text, std::string_view name) {
    const json doc = ParseChapters(text, name);
    SourceText source;
    source.suras.reserve(doc.size());
    for (std::size_t i = 0; i < doc.size(); ++i) {
        const std::string where = std::string(name) + " chapter " + std::to_string(i + 1);
        const json& chapter = doc[i];
        SourceSura sura;
        sura.verses = ChapterVerses(chapter, i, "translation", where);
        sura.name = StringField(chapter, "translation", where);
        sura.transliteration = StringField(chapter, "transliteration", where);
        source.suras.push_back(std::move(sura));
    }
    return source;
}

VerseTexts ParseVerseTexts(std::string_view text, std::string_view name, const char* field) {
    const json doc = ParseChapters(text, name);
    VerseTexts suras;
    suras.reserve(doc.size());
    for (std::size_t i = 0; i < doc.size(); ++i) {
        suras.push_back(ChapterVerses(doc[i], i, field,
                                      std::string(name) + " chapter " + std::to_string(i + 1)));
    }
    return suras;
}

SourceText LoadSourceText(const std::filesystem::path& file) {
    return ParseSourceText(ReadFile(file), file.filename().string());
}

std::vector<std::string> HandWrittenFiles(const Language& lang) {
    const std::string dir = std::string(lang.code) + "/";
    const std::string ext = std::string(lang.appendixExtension);
    return {dir + "appendix1." + ext,    dir + "appendix2." + ext, dir + "appendix3." + ext,
            dir + "appendix-titles.txt", dir + "help.rtf",         dir + "ift.txt"};
}

HandWritten LoadHandWritten(const std::filesystem::path& dataDir, const Language& lang) {
    const std::vector<std::string> files = HandWrittenFiles(lang);
    HandWritten hw;
    for (std::size_t i = 0; i < hw.appendices.size(); ++i) {
        hw.appendices[i] = ReadFile(dataDir / files[i]);
    }
    hw.appendixTitles = ReadFile(dataDir / files[3]);
    hw.help = ReadFile(dataDir / files[4]);
    hw.interfaceTexts = ReadFile(dataDir / files[5]);
    return hw;
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw DataError("cannot read " + file.string());
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        throw DataError("error while reading " + file.string());
    }
    return std::move(content).str();
}

} // namespace lumra::dataset
