#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

// A test that ends the program, as the exit button does, leaves the toolkit asked to quit, and
// every event loop after it, a menu's or a dialog's, would return at once. The application's own
// loop, run once after each test, takes the request.
class SettleQuitRequests final : public testing::EmptyTestEventListener
{
    void OnTestEnd(const testing::TestInfo &) override
    {
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
};

} // namespace

// Test discovery lists the tests without a display, so the toolkit starts only for a real run.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new SettleQuitRequests);
    return RUN_ALL_TESTS();
}
