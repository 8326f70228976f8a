#include "ui/qt/ControlFont.h"

#include <QApplication>
#include <cstdio>

// Prints "family:points" of the font the program's controls write in on this system, for the
// baseline to name directly.
int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QFont font = jestrel::controlFont();
    std::printf("%s:%g\n", font.family().toUtf8().constData(), font.pointSizeF());
    return 0;
}
