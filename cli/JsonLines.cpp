#include "cli/JsonLines.h"

#include <nlohmann/json.hpp>

#include "SuraTable.h"
#include "export/ExportNames.h"

namespace lumra::cli {

namespace {

using Json = nlohmann::ordered_json;

// A subtitle or footnote as the reader shows it: "_" breaks the line.
std::string NoteText(std::string_view cp1252) {
    std::string utf8 = Cp1252ToUtf8(cp1252);
    std::replace(utf8.begin(), utf8.end(), '_', '\n');
    return utf8;
}

// Every field of one position; the one place a new field is added.
Json VerseObject(const Corpus& corpus, int position, const HitFlag* hits,
                 const JsonCompanion& companion) {
    const auto p = static_cast<std::int16_t>(position);
    const int sura = SuraOfPosition(p);
    const int verse = VerseOfPosition(p);
    Json object;
    object["sura"] = sura;
    object["verse"] = verse;
    object["position"] = position;
    object["reference"] = std::to_string(sura) + ":" + std::to_string(verse);
    object["subtitle"] =
        corpus.HasSubtitle(position) ? Json(NoteText(corpus.SubtitleOf(position))) : Json(nullptr);
    object["text"] = Cp1252ToUtf8(corpus.verseText[static_cast<std::size_t>(position)]);
    object["footnote"] =
        corpus.HasFootnote(position) ? Json(NoteText(corpus.FootnoteOf(position))) : Json(nullptr);
    if (hits != nullptr) {
        Json fields = Json::array();
        if (hits->textHit != 0) {
            fields.push_back("text");
        }
        if (hits->subtitleHit != 0) {
            fields.push_back("subtitle");
        }
        if (hits->footnoteHit != 0) {
            fields.push_back("footnote");
        }
        object["hits"] = std::move(fields);
    }
    if (companion.original != nullptr) {
        object["original"] = OriginalShown(*companion.original, position);
    }
    if (companion.transliteration != nullptr) {
        object["transliteration"] = TransliterationShown(*companion.transliteration, position);
    }
    if (companion.parallel != nullptr) {
        const Corpus& other = *companion.parallel;
        Json parallel;
        parallel["language"] = std::string(companion.parallelLanguage);
        parallel["subtitle"] = other.HasSubtitle(position)
                                   ? Json(NoteText(other.SubtitleOf(position)))
                                   : Json(nullptr);
        parallel["text"] = Cp1252ToUtf8(other.verseText[static_cast<std::size_t>(position)]);
        object["parallel"] = std::move(parallel);
    }
    return object;
}

} // namespace

void AppendJsonLine(std::string& out, const Corpus& corpus, int position, const HitFlag* hits,
                    const JsonCompanion& companion) {
    if (!IsValidPosition(position)) {
        return;
    }
    // A byte the table leaves undefined must not end the output.
    out += VerseObject(corpus, position, hits, companion)
               .dump(-1, ' ', false, Json::error_handler_t::replace);
    out += "\r\n";
}

} // namespace lumra::cli
