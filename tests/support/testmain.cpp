// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QStandardPaths>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#ifndef LANTERNREEL_TEST_KIND_UNIT
#include <QApplication>
#endif

#include <memory>

// Test flags are read before any application object exists, so that --gtest_list_tests works
// without a display.
int main(int argc, char **argv)
{
    ::testing::InitGoogleMock(&argc, argv);
    // Settings and other per-user files go to a test location, never the user's own, also when
    // a test program is run by hand rather than through CTest.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Lanternreel"));
    QCoreApplication::setApplicationName(QStringLiteral("Lanternreel"));
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
#ifdef LANTERNREEL_TEST_KIND_UNIT
    QCoreApplication app(argc, argv);
#else
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
