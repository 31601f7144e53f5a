// Runs the tests with a real, off-screen application object, as the game has one.
#include <cstdlib>

#include <QApplication>
#include <gtest/gtest.h>

#include "render/Elements.h"

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    wait_for_font_configuration();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
