#include <QApplication>
#include <gtest/gtest.h>

// Real widgets need a QApplication; CTest runs every test on the offscreen platform.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
