#pragma once
// A small stand-in for the translation sources: every verse reads "<tag> s:v", numbered the common
// way (129 verses in sura 9), and hand-written files that pass the builder's rules.

#include "dataset/DataSet.h"
#include "dataset/Sources.h"

#include <string>

namespace lumra::dataset::testing {

// tag goes in front of every text so that two languages differ.
SourceText MakeSource(const std::string& tag);
HandWritten MakeHandWritten(const Language& lang);
LanguageInput MakeInput(const Language& lang, const std::string& tag);

// Both languages and "Ocf", as the builder assembles them from the synthetic inputs.
std::vector<OutputFile> MakeDataSet();

} // namespace lumra::dataset::testing
