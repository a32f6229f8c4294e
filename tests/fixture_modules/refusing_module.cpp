// A module that loads and has PluginMain but does not start, in the way QT_REFUSE_AS names:
// unset, it answers an error; "heap", its own C++ heap runs out (an allocation no heap holds,
// answered with "CANT" as the frame answers a std::bad_alloc); "blocks", the host's memory
// blocks run out (a block no host holds, answered with "!MEM" as the frame answers).
#include <cstdlib>
#include <limits>
#include <new>
#include <string_view>
#include <vector>

#include "sdk/quen_tarb_sdk.h"

extern "C" __attribute__((visibility("default"))) ASErr PluginMain(const char*, const char*,
                                                                   void* message) noexcept {
    const char* mode = std::getenv("QT_REFUSE_AS");
    const std::string_view how = mode ? mode : "";
    const size_t impossible = std::numeric_limits<size_t>::max() / 4;
    if (how == "heap") {
        try {
            std::vector<char> huge(impossible);
            return huge.front();
        } catch (const std::bad_alloc&) {
            return kCantHappenErr;
        }
    }
    if (how == "blocks") {
        auto* data = static_cast<SPMessageData*>(message);
        void* block = nullptr;
        if (data == nullptr || data->basic == nullptr ||
            data->basic->AllocateBlock(impossible, &block) != kNoErr) {
            return kOutOfMemoryErr;
        }
        data->basic->FreeBlock(block);
    }
    return kBadParameterErr;
}
