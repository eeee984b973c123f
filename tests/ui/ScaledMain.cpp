// Test entry for the forms on a real X server at the scale the game chooses for that screen.
#include "platform/Application.h"
#include "platform/DisplayScale.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("CUPS_SERVER", "127.0.0.1:1");
    lexiglade::ApplyDisplayScale();
    lexiglade::Application app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
