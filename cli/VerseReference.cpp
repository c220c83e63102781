#include "cli/VerseReference.h"

#include "SuraTable.h"
#include "reading/GoToCheck.h"

namespace lumra::cli {

namespace {

// Boxes the checks refuse: no sura 0, and no verse below 0.
constexpr std::string_view kNoSura = "0";
constexpr std::string_view kNoVerse = "-1";

bool IsNumber(std::string_view text) {
    return !text.empty() && text.size() <= 4 &&
           text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

ReferenceBoxes SplitReference(std::string_view reference) {
    ReferenceBoxes boxes;
    const auto colon = reference.find(':');
    const std::string_view sura = reference.substr(0, colon);
    boxes.sura = IsNumber(sura) ? sura : kNoSura;
    if (colon == std::string_view::npos) {
        boxes.wholeSura = true;
        return boxes;
    }
    std::string_view verse = reference.substr(colon + 1);
    const auto dash = verse.find('-');
    if (dash != std::string_view::npos) {
        const std::string_view last = verse.substr(dash + 1);
        boxes.lastVerse = IsNumber(last) ? last : kNoVerse;
        verse = verse.substr(0, dash);
    }
    boxes.verse = IsNumber(verse) ? verse : kNoVerse;
    return boxes;
}

ShowRange CheckShowReference(std::string_view reference) {
    const ReferenceBoxes boxes = SplitReference(reference);
    const int sura = SuraInBox(boxes.sura);
    if (sura == 0) {
        return {0, 0, 72};
    }
    if (boxes.wholeSura) {
        return {PositionOf(static_cast<std::int16_t>(sura),
                           static_cast<std::int16_t>(FirstVerse(sura))),
                kSuras.EndPosition[static_cast<std::size_t>(sura)], 0};
    }
    const GoToCheckResult first = CheckGoTo(boxes.sura, boxes.verse);
    const GoToCheckResult last =
        boxes.lastVerse.empty() ? first : CheckGoTo(boxes.sura, boxes.lastVerse);
    if (first.verdict != GoToVerdict::Go || last.verdict != GoToVerdict::Go ||
        last.position < first.position) {
        return {0, 0, 73};
    }
    return {first.position, last.position, 0};
}

ReferenceBoxes ExportEndBoxes(std::string_view reference, bool rangeEnd) {
    ReferenceBoxes boxes = SplitReference(reference);
    if (boxes.wholeSura) {
        const int sura = SuraInBox(boxes.sura);
        // A sura the checks refuse is reported as such, whatever its verse box holds.
        boxes.verse =
            sura == 0 ? "1" : std::to_string(rangeEnd ? LastVerse(sura) : FirstVerse(sura));
    } else if (!boxes.lastVerse.empty()) {
        boxes.verse = kNoVerse;
    }
    boxes.lastVerse.clear();
    return boxes;
}

} // namespace lumra::cli
