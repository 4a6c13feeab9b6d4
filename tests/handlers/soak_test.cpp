#include <malloc.h>

#include "scripted_scenario.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator replaces malloc's bookkeeping; it reports the same figure.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
std::size_t allocatedBytes() {
    return __sanitizer_get_current_allocated_bytes();
}
#else
std::size_t allocatedBytes() {
    return mallinfo2().uordblks;
}
#endif

namespace {

using Soak = ScriptedScenario;

// Every kind of action, many times over: what the program holds must not grow.
TEST_F(Soak, AThousandMixedActionsLeaveNoGrowth) {
    file("a.wav", wave_builder::pattern(22050));
    file("b.wav", wave_builder::pattern(3000));
    dir.write("bad.wav", {1, 2, 3});
    const std::string files[] = {"a.wav", "b.wav", "bad.wav"};
    const std::string sizes[] = {"512", "1024", "2048", "4096"};
    auto step = [&](int i) {
        // clang-format off
        const std::string lines[] = {"load " + files[(i / 8) % 3], "size " + sizes[(i / 8) % 4], "slide " + std::to_string(i % 900),
                                     "release", "forw", "back", "cancel", "key PageDown"};
        // clang-format on
        perform(lines[i % 8]);
        // What the scripted user keeps of each action is dropped at once: only the
        // program's own holdings are measured.
        user.takeMessages();
        user.takeFileDialogPlaces();
    };
    for (int i = 0; i < 200; ++i) step(i);
    const std::size_t before = allocatedBytes();
    for (int i = 200; i < 1200; ++i) step(i);
    const std::size_t after = allocatedBytes();
    EXPECT_LT(after, before + 64 * 1024) << "grew from " << before << " to " << after;
}

}  // namespace
