#include <QCoreApplication>

#include <gtest/gtest.h>

// The core test programs run without widgets or a display.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
