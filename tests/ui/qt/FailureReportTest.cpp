#include "platform/qt/Startup.h"
#include "support/CurrentDir.h"
#include "support/FixedRandom.h"
#include "support/RecordingLauncher.h"
#include "support/TempDir.h"
#include "ui/qt/Frm_JestrelMain.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <iostream>
#include <new>

using namespace Qt::StringLiterals;

namespace jestrel
{
namespace
{

// Each test runs the program's start-up in a child process, as the real program would, and ends
// with the child's exit status and what it wrote to standard error.
class FailureReportTest : public testing::Test
{
protected:
    FailureReportTest() : m_cwd(m_dir.path()) { }

    // Runs the program; once it is up, runs act on its main window. When the failure report shows,
    // writes what the user sees at that moment to standard error and dismisses the report.
    [[noreturn]] void runProgram(const std::function<void(Frm_JestrelMain &)> &act)
    {
        QPointer<Frm_JestrelMain> main;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *report = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!report)
                return;
            std::cerr << "report \"" << report->windowTitle().toStdString() << "\": " << report->text().toStdString()
                      << "\nmain window " << (main && main->isVisible() ? "shown" : "not shown");
            if (main)
                std::cerr << ", caption: " << main->findChild<QLabel *>(u"Lbl_Jestrel"_s)->text().toStdString();
            std::cerr << std::endl;
            report->accept();
        });
        watch.start(20);
        // A program that fails to end would hang the test.
        QTimer::singleShot(10'000, [] { std::_Exit(99); });
        QTimer::singleShot(100, [&] {
            if (main)
                act(*main);
        });
        const int status = startProgram({ {},
                                          [&] {
                                              auto window
                                                  = std::make_unique<Frm_JestrelMain>(*m_randomSource, m_launcher);
                                              main = window.get();
                                              window->Form_Load();
                                              return window;
                                          },
                                          {},
                                          [] { return std::string("Start with a sample."); } });
        // The toolkit still lives in this frame; leave without running static destructors under it.
        std::cerr.flush();
        std::_Exit(status);
    }

    test::TempDir m_dir;
    test::CurrentDir m_cwd;
    test::FixedRandom m_random { { 0.0f } };
    RandomSource *m_randomSource = &m_random;
    test::RecordingLauncher m_launcher;
};

void clickPicture(Frm_JestrelMain &main)
{
    QTest::mouseClick(main.findChild<QWidget *>(u"Picture1"_s), Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(FailureReportTest, FailureWhileLoadingShowsNoWindow)
{
    EXPECT_EXIT(runProgram([](Frm_JestrelMain &) {}), testing::ExitedWithCode(1),
                "Jestrel!: Cannot open Jestrel.Ini: there is no such file in .*\\.\n\nStart with a sample\\.\n.*"
                "report \"Jestrel!\": Cannot open Jestrel.Ini: there is no such file in .*\n"
                "main window not shown");
}

TEST_F(FailureReportTest, FailureOnARedrawLeavesThePlaceholderBehindTheReport)
{
    m_dir.write("Jestrel.Ini", "2\r\nfine\r\n");
    const auto breakFileAndClick = [this](Frm_JestrelMain &main) {
        m_dir.write("Jestrel.Ini", "3\r\nfine\r\n");
        clickPicture(main);
    };
    EXPECT_EXIT(runProgram(breakFileAndClick), testing::ExitedWithCode(1),
                "report \"Jestrel!\": Jestrel.Ini ends after line 2, but the count on line 1 promises 3 lines.\n"
                "main window shown, caption: Insert Witty Message Here!");
}

// Any other failure is reported as the program's own are.
TEST_F(FailureReportTest, FailureOfAnyKindIsReportedTooAndEndsWithStatusOne)
{
    // Memory runs out at the second draw.
    class ExhaustedRandom final : public RandomSource
    {
    public:
        void reseed() override
        {
            if (++m_reseeds > 1)
                throw std::bad_alloc();
        }
        float next() override { return 0.0f; }

    private:
        int m_reseeds = 0;
    } exhausted;
    m_randomSource = &exhausted;
    m_dir.write("Jestrel.Ini", "2\r\nfine\r\n");
    EXPECT_EXIT(runProgram(clickPicture), testing::ExitedWithCode(1),
                "report \"Jestrel!\": Jestrel ran out of memory.\nmain window shown");
}

TEST_F(FailureReportTest, ReportShowsMarkupAsText)
{
    m_dir.write("Jestrel.Ini", "<b>2</b>\r\nfine\r\n");
    EXPECT_EXIT(runProgram([](Frm_JestrelMain &) {}), testing::ExitedWithCode(1),
                "Jestrel.Ini, line 1: the count \"<b>2</b>\" is not a number");
}

TEST_F(FailureReportTest, ExitButtonEndsWithStatusZero)
{
    m_dir.write("Jestrel.Ini", "2\r\nfine\r\n");
    const auto pressExit = [](Frm_JestrelMain &main) {
        QTest::mouseClick(main.findChild<QPushButton *>(u"Btn_ThatWuzJestrel"_s), Qt::LeftButton);
    };
    EXPECT_EXIT(runProgram(pressExit), testing::ExitedWithCode(0), "");
}

TEST_F(FailureReportTest, ClosingTheFrameEndsTheProgramAfterTheAboutDialogWasOpened)
{
    m_dir.write("Jestrel.Ini", "2\r\nfine\r\n");
    const auto aboutThenClose = [](Frm_JestrelMain &main) {
        QTimer::singleShot(50, [] { QApplication::activeModalWidget()->close(); });
        main.findChild<QAction *>(u"MnuHelpAbout"_s)->trigger();
        main.close();
    };
    EXPECT_EXIT(runProgram(aboutThenClose), testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace jestrel
