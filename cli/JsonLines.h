#pragma once
// Verses as JSON Lines for other programs: one object a line, UTF-8. The JSON library is
// reached only from here, and only when a subcommand asks for --json.

#include <string>

#include "companion/CompanionText.h"
#include "corpus/Corpus.h"
#include "state/SearchState.h"

namespace lumra::cli {

// What show adds to the object when asked: "original" and "transliteration" from the companion
// text, "parallel" (language, subtitle, text) from the other language's corpus.
struct JsonCompanion {
    const CompanionText* original = nullptr;
    const CompanionText* transliteration = nullptr;
    const Corpus* parallel = nullptr;
    std::string_view parallelLanguage;
};

// Appends the position's object and a CR LF. hits: the fields a search found it in, or null
// outside a search (no "hits" then).
void AppendJsonLine(std::string& out, const Corpus& corpus, int position, const HitFlag* hits,
                    const JsonCompanion& companion = {});

} // namespace lumra::cli
