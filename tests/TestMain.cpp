#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Headless whatever the caller's environment says.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
