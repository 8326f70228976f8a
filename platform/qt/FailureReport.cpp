#include "platform/qt/FailureReport.h"

#include "platform/CenterOnScreen.h"
#include "platform/ReportingFailures.h"
#include "platform/qt/WindowOperations.h"

#include <QMessageBox>
#include <iostream>

using namespace Qt::StringLiterals;

namespace jestrel
{

namespace
{

// A message box is laid out only as it is about to show; it is centred then, before it maps.
class FailureBox final : public QMessageBox
{
    Q_OBJECT

public:
    explicit FailureBox(std::string_view message)
        : QMessageBox(QMessageBox::Critical, u"Jestrel!"_s,
                      QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())), QMessageBox::Ok)
    {
        // The message quotes the sayings file; it must never be taken for markup.
        setTextFormat(Qt::PlainText);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        // A report that cannot be placed still shows where the toolkit puts it: it is the one
        // failure the user is told of, and the program ends after it.
        reportingFailures(
            [this] {
                QtWindow window(*this);
                CenterOnScreen(window);
            },
            [](std::string_view) {});
    }
};

} // namespace

void reportFailure(std::string_view message)
{
    std::cerr << "Jestrel!: " << message << std::endl;
    FailureBox box(message);
    box.exec();
}

} // namespace jestrel

#include "FailureReport.moc"
