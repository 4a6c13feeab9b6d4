#include <malloc.h>

#include "names/window_names.h"
#include "scenario.h"

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

using Soak = Scenario;

// Every kind of action, many times over: what the program holds must not grow.
TEST_F(Soak, AThousandMixedActionsLeaveNoGrowth) {
    const std::string paths[] = {file("a.wav", wave_builder::pattern(22050)),
                                 file("b.wav", wave_builder::pattern(3000)),
                                 dir.write("bad.wav", {1, 2, 3})};
    const char* sizes[] = {"512", "1024", "2048", "4096"};
    auto act = [&](int i) {
        switch (i % 8) {
            case 0:
                load(paths[(i / 8) % 3]);
                break;
            case 1:
                choose(sizes[(i / 8) % 4]);
                break;
            case 2:
                slideTo(i % 900);
                break;
            case 3:
                letGo();
                break;
            case 4:
                forw();
                break;
            case 5:
                back();
                break;
            case 6:
                cancelLoad();
                break;
            case 7:
                session.key(names::kPositionSlider, Qt::Key_PageDown);
                break;
        }
    };
    // What the scripted user keeps of each action is dropped at once: only the program's
    // own holdings are measured.
    auto step = [&](int i) {
        act(i);
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
