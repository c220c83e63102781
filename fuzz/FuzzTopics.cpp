// A topic file's bytes of any content and size, then counting and listing its marks.
//
// Input: the topic file. Inputs of the wrong size must be refused; inputs of the right size
// must leave only marks of 0 and 1. A list of more than 200 marks is declined when asked:
// accepted, it would be the same entries thousands of times over at a few hundred runs a
// second.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzSupport.h"
#include "search/Topics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumra;
    static ReaderState state = [] {
        ReaderState s;
        s.settings.language = 1;
        return s;
    }();
    auto marks = ParseTopicMarks(std::string_view(reinterpret_cast<const char*>(data), size));
    if ((size == kTopicFileSize) != marks.has_value()) {
        std::abort();
    }
    if (!marks) {
        return 0;
    }
    for (std::size_t p = 1; p < kTopicFileSize; ++p) {
        if ((*marks)[p] > 1 || (*marks)[p] != (data[p] != 0 ? 1 : 0)) {
            std::abort();
        }
    }
    state.topicMarks = std::move(*marks);
    fuzz::FuzzPrompt prompt(false);
    const auto list = BuildTopicList(state, prompt);
    if (list.has_value() != (CountTopicMarks(state.topicMarks) <= kTopicListQuestionAbove)) {
        std::abort();
    }
    return 0;
}
