#pragma once
// Everything the reader keeps for the whole run. One instance lives in the application object
// and is passed by reference; tests build their own.

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "SuraTable.h"
#include "corpus/Corpus.h"
#include "corpus/InterfaceTexts.h"
#include "corpus/LanguageTable.h"
#include "documents/RtfVocabulary.h"
#include "layout/LayoutGeometry.h"
#include "settings/CompanionSettings.h"
#include "settings/Settings.h"
#include "state/SearchState.h"

namespace lumra {

struct ReaderState {
    std::string programFolder; // ends with a separator
    Settings settings;         // settings.language is the language index
    CompanionSettings companion;
    InterfaceTexts texts;
    Corpus corpus;

    float layoutScale = 0.0f;
    LayoutState layout; // the designed geometry of every window
    std::int32_t introductionFlag = 0;
    std::uint8_t currentAppendix = 1;
    std::int32_t startFinished = 0;

    std::int16_t currentPosition = 0;
    std::int32_t suraChooserArmed = 1;
    std::int32_t markMode = 0;
    HighlightStyles styles;
    std::string footnoteRtf;
    std::string inlineFootnoteRtf;

    std::string currentQuery;
    SearchState search;

    // One mark per verse position 0..6346; element 0 belongs to no position.
    std::vector<std::uint8_t> topicMarks = std::vector<std::uint8_t>(kPositionCount + 1);
    std::string currentTopicName;
    // Where topic files are kept: the program folder, or the user's data folder for the
    // program when the program folder cannot be written. Ends with a separator.
    std::string topicFolder;

    // The volume root the export dialog's drive list showed at start-up (file system encoding).
    std::string startupDrive;

    std::mt19937 random;

    const Language& CurrentLanguage() const {
        return kLanguages[IsLanguageIndex(settings.language) ? settings.language : 1];
    }
    std::string LanguageCode() const { return std::string(CurrentLanguage().code); }
};

} // namespace lumra
