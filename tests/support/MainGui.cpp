#include <QApplication>

#include <gmock/gmock.h>

// Test main for widget suites, on the offscreen platform unless told otherwise.
int main(int argc, char **argv)
{
    ::testing::InitGoogleMock(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
