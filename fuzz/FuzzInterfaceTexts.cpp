// The interface-text file on any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "corpus/InterfaceTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = lumra::fuzz::ScratchFolder("ift");
    const std::string path = folder + "enift.txt";
    lumra::fuzz::WriteBytes(path, std::string_view(reinterpret_cast<const char*>(data), size));
    lumra::InterfaceTexts texts;
    lumra::LoadInterfaceTexts(texts, path);
    lumra::JoinTexts(texts, {-1, 0, 1, 45, 71, 300, 301});
    return 0;
}
