#pragma once
// References as typed on the command line: "2:255", "2:255-257", "9" (a whole sura), "2:0".
// They are turned into the texts of the dialogs' sura and verse boxes, so that the dialogs'
// own checks judge them and name the fault in their own words; a part that is no number
// becomes a box that those checks refuse.

#include <string>
#include <string_view>

#include "cli/CliMessages.h"

namespace lumra::cli {

struct ReferenceBoxes {
    std::string sura;
    std::string verse;
    std::string lastVerse; // the verse that ends a range; empty for a single verse
    bool wholeSura = false;
};

ReferenceBoxes SplitReference(std::string_view reference);

struct ShowRange {
    int first = 0; // verse positions; 0 when the reference is refused
    int last = 0;
    CliError error; // why a reference is refused, naming it
};

// The positions a reference of "show" names: 2:255, 2:255-257, 2:255-3:5, 9 or 2:0.
ShowRange CheckShowReference(std::string_view reference);

// The sura and verse boxes of an export range end: a whole sura starts at its first verse
// and ends at its last; a verse range is no export end and is refused as a bad verse.
ReferenceBoxes ExportEndBoxes(std::string_view reference, bool rangeEnd);

} // namespace lumra::cli
