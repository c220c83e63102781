#pragma once
// The checks of what the reader typed into the export dialog: the guiding check of a range box
// on Enter or Tab, and the complete checks before an export.

#include <optional>
#include <string>
#include <string_view>

#include "Prompt.h"
#include "corpus/InterfaceTexts.h"
#include "export/ExportRequest.h"

namespace lumra {

// Sura bounds are 1..114; a verse of a sura (typed sura rounded) runs from 0 when the sura has
// an unnumbered opening, else from 1, to its verse count. Fractions take part unchanged.
bool SuraInBounds(double sura);
bool VerseInBounds(double sura, double verse);

// The box as a sura or verse number: its leading number, rounded half to even.
int BoxNumber(std::string_view box);

// The check of a range box when the reader leaves it with Enter or Tab: the interface text
// to show (0 for none) and the box to focus next.
struct RangeBoxStep {
    int message = 0;
    ExportBox focus = ExportBox::None;
};
// sura and verse are the two boxes of the column that box belongs to.
RangeBoxStep CheckRangeBox(ExportBox box, std::string_view sura, std::string_view verse);

// "(" verse count ")" for a sura box that reads a sura number; nothing when it does not.
std::optional<std::string> VerseCountCaption(std::string_view suraBox);

// The checks before an export, in order; the first that fails decides. The replace question
// of the last check is asked here (beep, then the question); every other failure comes back
// with its message for ReportExportCheck.
ExportCheck ValidateExportRequest(const ExportRequest& request, const InterfaceTexts& texts,
                                  Prompt& prompt);
// Beep and the error box of a failed check, unless the check has already spoken.
void ReportExportCheck(const ExportCheck& check, const InterfaceTexts& texts, Prompt& prompt);

// The verse positions of a request that passed the checks.
ExportRange RangeOfRequest(const ExportRequest& request);

} // namespace lumra
