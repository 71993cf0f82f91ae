#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

// Widget tests run on real widgets, offscreen, in the C locale.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application object takes the locale from the environment, and so do the programs
    // a test starts.
    qputenv("LC_ALL", "C");
    std::setlocale(LC_ALL, "C");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
