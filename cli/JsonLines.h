#pragma once
// Verses as JSON Lines for other programs: one object a line, UTF-8. The JSON library is
// reached only from here, and only when a subcommand asks for --json.

#include <string>

#include "corpus/Corpus.h"
#include "state/SearchState.h"

namespace lumra::cli {

// Appends the position's object and a CR LF. hits: the fields a search found it in, or null
// outside a search (no "hits" then).
void AppendJsonLine(std::string& out, const Corpus& corpus, int position, const HitFlag* hits);

} // namespace lumra::cli
