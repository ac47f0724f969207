// The entry point of every Qt test program: one QApplication for the whole run, as the program
// has, made before any test so that widgets, fonts and the screen exist in every test. The tests
// always run offscreen, also when started by hand or listed by the test discovery.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
