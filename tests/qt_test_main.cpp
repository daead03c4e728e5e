// Test entry of the tests that need Qt: a QApplication on the offscreen
// platform unless the caller chose another, with the program's fonts.
#include "platform/qt/Runtime.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    otpor::qt::RegisterFallbackFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
