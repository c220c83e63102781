// Opening a topic file of any content and size, then listing its marks.
//
// Input: the first byte answers the questions (odd: yes); the rest is the topic file. Most
// inputs have the wrong size and must be refused; inputs of the right size must leave only
// marks of 0 and 1.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "search/Topics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumra;
    static const std::string folder = fuzz::ScratchFolder("topics");
    if (size < 1) {
        return 0;
    }
    const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);
    fuzz::WriteBytes(folder + "t.tpc", file);

    ReaderState state;
    state.programFolder = folder;
    state.topicFolder = folder;
    state.settings.language = 1;
    state.topicMarks[7] = 1; // a mark already set, so opening asks first
    fuzz::FuzzPrompt prompt((data[0] & 1) != 0);
    OpenTopic(state, prompt, "t");
    if (state.topicMarks.size() != kTopicFileSize) {
        std::abort();
    }
    for (std::size_t p = 1; p < kTopicFileSize; ++p) {
        if (state.topicMarks[p] > 1) {
            std::abort();
        }
    }
    CountTopicMarks(state.topicMarks);
    BuildTopicList(state, prompt);
    return 0;
}
