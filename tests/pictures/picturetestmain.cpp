// The main of the picture tests: a QGuiApplication, as in the editor, on
// whatever platform QT_QPA_PLATFORM names (the tests use the offscreen one).

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
