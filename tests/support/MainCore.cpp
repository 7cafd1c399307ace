#include <QCoreApplication>

#include <gmock/gmock.h>

// Test main for engine suites: an event loop exists for the network code.
int main(int argc, char **argv)
{
    ::testing::InitGoogleMock(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
