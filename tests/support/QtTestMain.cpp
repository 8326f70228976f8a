#include <QApplication>
#include <gtest/gtest.h>

// Test discovery lists the tests without a display, so the toolkit starts only for a real run.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
