#include "cli/VerseReference.h"

#include "SuraTable.h"
#include "reading/GoToCheck.h"

#include <string>

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
    const std::string ref(reference);
    ShowRange refused;
    // "S:V" into its position; false (and the reason) when the sura or verse is none.
    auto position = [&](std::string_view sura, std::string_view verse, int& out) {
        if (!IsNumber(sura) || !IsNumber(verse)) {
            refused.error = Error(CliMessage::NotAReference, {ref});
            return false;
        }
        const int s = std::stoi(std::string(sura));
        const int v = std::stoi(std::string(verse));
        if (s < 1 || s > kSuraCount) {
            refused.error = Error(CliMessage::NoSuchSura, {ref});
        } else if (v == 0 && FirstVerse(s) == 1) {
            refused.error = Error(CliMessage::NoOpening, {ref, std::to_string(s)});
        } else if (v > LastVerse(s)) {
            refused.error = Error(CliMessage::NoSuchVerse,
                                  {ref, std::to_string(s), std::to_string(LastVerse(s))});
        } else {
            out = PositionOf(static_cast<std::int16_t>(s), static_cast<std::int16_t>(v));
            return true;
        }
        return false;
    };
    const auto colon = reference.find(':');
    const std::string_view sura = reference.substr(0, colon);
    if (colon == std::string_view::npos) {
        int first = 0;
        if (!position(sura, "1", first)) {
            return refused;
        }
        const int s = SuraOfPosition(static_cast<std::int16_t>(first));
        return {PositionOf(static_cast<std::int16_t>(s), static_cast<std::int16_t>(FirstVerse(s))),
                kSuras.EndPosition[static_cast<std::size_t>(s)],
                {}};
    }
    std::string_view verse = reference.substr(colon + 1);
    const auto dash = verse.find('-');
    std::string_view lastSura = sura;
    std::string_view lastVerse = verse.substr(0, dash);
    if (dash != std::string_view::npos) {
        lastVerse = verse.substr(dash + 1);
        if (const auto lastColon = lastVerse.find(':'); lastColon != std::string_view::npos) {
            lastSura = lastVerse.substr(0, lastColon);
            lastVerse = lastVerse.substr(lastColon + 1);
        }
        verse = verse.substr(0, dash);
    }
    ShowRange range;
    if (!position(sura, verse, range.first) || !position(lastSura, lastVerse, range.last)) {
        return refused;
    }
    if (range.last < range.first) {
        return {0, 0, Error(CliMessage::RangeReversed, {ref})};
    }
    return range;
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
