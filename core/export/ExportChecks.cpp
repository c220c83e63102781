#include "export/ExportChecks.h"

#include "SuraTable.h"
#include "corpus/LenientNumber.h"
#include "export/ExportNames.h"

namespace lumra {

namespace {

int RoundedSura(double sura) {
    return static_cast<int>(RoundHalfEven(sura));
}

std::int16_t PositionOfBoxes(std::string_view sura, std::string_view verse) {
    return PositionOf(static_cast<std::int16_t>(BoxNumber(sura)),
                      static_cast<std::int16_t>(BoxNumber(verse)));
}

ExportCheck Failure(int number, std::string message, ExportBox focus) {
    return ExportCheck{number, std::move(message), focus, false};
}

} // namespace

bool SuraInBounds(double sura) {
    return sura >= 1 && sura <= kSuraCount;
}

bool VerseInBounds(double sura, double verse) {
    if (!SuraInBounds(sura)) {
        return false;
    }
    const int s = RoundedSura(sura);
    return verse >= FirstVerse(s) && verse <= LastVerse(s);
}

int BoxNumber(std::string_view box) {
    const auto n = LenientInteger(box);
    // Only checked boxes become positions; the clamp keeps any other text harmless.
    return static_cast<int>(n < -32768 ? -32768 : n > 32767 ? 32767 : n);
}

RangeBoxStep CheckRangeBox(ExportBox box, std::string_view sura, std::string_view verse) {
    const double s = LenientNumber(sura);
    const double v = LenientNumber(verse);
    switch (box) {
    case ExportBox::FromSura:
        return SuraInBounds(s) ? RangeBoxStep{0, ExportBox::FromVerse}
                               : RangeBoxStep{72, ExportBox::FromSura};
    case ExportBox::FromVerse:
        if (!SuraInBounds(s)) {
            return {72, ExportBox::FromSura};
        }
        return VerseInBounds(s, v) ? RangeBoxStep{0, ExportBox::ToSura}
                                   : RangeBoxStep{73, ExportBox::FromVerse};
    case ExportBox::ToSura:
        return SuraInBounds(s) ? RangeBoxStep{0, ExportBox::ToVerse}
                               : RangeBoxStep{72, ExportBox::ToSura};
    case ExportBox::ToVerse:
        if (!SuraInBounds(s)) {
            return {72, ExportBox::ToSura};
        }
        return VerseInBounds(s, v) ? RangeBoxStep{0, ExportBox::FileName}
                                   : RangeBoxStep{73, ExportBox::ToVerse};
    default:
        return {};
    }
}

std::optional<std::string> VerseCountCaption(std::string_view suraBox) {
    const double s = LenientNumber(suraBox);
    if (!SuraInBounds(s)) {
        return std::nullopt;
    }
    return "(" + std::to_string(kSuras.VerseCount[RoundedSura(s)]) + ")";
}

ExportCheck ValidateExportRequest(const ExportRequest& request, const InterfaceTexts& texts,
                                  Prompt& prompt) {
    const double fromSura = LenientNumber(request.fromSura);
    const double fromVerse = LenientNumber(request.fromVerse);
    const double toSura = LenientNumber(request.toSura);
    const double toVerse = LenientNumber(request.toVerse);
    if (!SuraInBounds(fromSura)) {
        return Failure(1, JoinTexts(texts, {76, 41, 77}), ExportBox::FromSura);
    }
    if (!SuraInBounds(toSura)) {
        return Failure(2, JoinTexts(texts, {76, 42, 77}), ExportBox::ToSura);
    }
    if (!VerseInBounds(fromSura, fromVerse)) {
        return Failure(3, JoinTexts(texts, {78, 41, 77}), ExportBox::FromVerse);
    }
    if (!VerseInBounds(toSura, toVerse)) {
        return Failure(4, JoinTexts(texts, {78, 42, 77}), ExportBox::ToVerse);
    }
    if (PositionOfBoxes(request.toSura, request.toVerse) <
        PositionOfBoxes(request.fromSura, request.fromVerse)) {
        return Failure(5, JoinTexts(texts, {79, 41, 80, 42, 81}), ExportBox::FromSura);
    }
    if (!IsUsableFileName(request.fileName)) {
        return Failure(6, texts[82], ExportBox::FileName);
    }
    const std::string fullName = FullFileName(request.fileName, request.richText);
    if (FindExistingFile(FolderPath(request.folder), Cp1252ToUtf8(fullName))) {
        prompt.Beep();
        const auto answer = prompt.Show(texts[83] + fullName + texts[84], texts[45],
                                        PromptIcon::None, PromptButtons::YesNo);
        if (answer != PromptAnswer::Yes) {
            return ExportCheck{7, {}, ExportBox::FileName, true};
        }
    }
    return {};
}

void ReportExportCheck(const ExportCheck& check, const InterfaceTexts& texts, Prompt& prompt) {
    if (check.failed == 0 || check.asked) {
        return;
    }
    prompt.Beep();
    prompt.Show(check.message, texts[71], PromptIcon::Critical, PromptButtons::Ok);
}

ExportRange RangeOfRequest(const ExportRequest& request) {
    return {PositionOfBoxes(request.fromSura, request.fromVerse),
            PositionOfBoxes(request.toSura, request.toVerse)};
}

} // namespace lumra
