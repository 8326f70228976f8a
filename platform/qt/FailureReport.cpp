#include "platform/FailureReport.h"

#include "platform/RuntimeFailure.h"

#include <QMessageBox>
#include <iostream>

using namespace Qt::StringLiterals;

namespace jestrel
{

void reportFailure(const RuntimeFailure &failure)
{
    std::cerr << "Jestrel!: " << failure.what() << std::endl;
    QMessageBox box(QMessageBox::Critical, u"Jestrel!"_s, QString::fromUtf8(failure.what()), QMessageBox::Ok);
    // The message quotes the sayings file; it must never be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace jestrel
