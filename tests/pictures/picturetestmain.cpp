// The main of the picture tests: a QGuiApplication, as in the editor. CTest
// runs them on the offscreen platform; the test listing that CTest asks for
// first runs without that setting, so offscreen is also the default here.

#include <QByteArray>
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
