// The test entry of every executable that drives forms: the game's own application object,
// headless unless a platform is named, at the game's display scale where a test expects one, no
// real printer within reach, and a private home whose documents folder takes what is printed for
// want of a printer.
#include "PrivateHome.h"

#include "platform/Application.h"
#include "platform/DisplayScale.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // A print server address where nothing listens: the tests print to files and their own queue.
    qputenv("CUPS_SERVER", "127.0.0.1:1");
    const lexiglade::test::PrivateHome home;
    lexiglade::Application app(argc, argv);
    if (qEnvironmentVariableIsSet("LEXIGLADE_TEST_SCALE")) {
        lexiglade::ApplyDisplayScale(); // the scale the game chooses for the screen it is on
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
