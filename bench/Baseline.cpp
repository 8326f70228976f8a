#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

using namespace Qt::StringLiterals;

// What the toolkit alone costs: a bare window with the kinds of controls the main window has, a
// menu bar, a 32 x 32 picture, a word-wrapped label and a push button, in the same places. It
// reads no file and handles no failure. With JESTREL_BENCH_FONT set to "family:points" its
// controls write in that family, bold, named directly: the floor for a window that needs a bold face.
int main(int, char **argv)
{
    // Like the program, the toolkit sees no command line.
    static int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);

    QMainWindow window;
    window.setWindowTitle(u"Baseline"_s);
    auto *client = new QWidget(&window);
    client->setFixedSize(271, 99);
    window.setCentralWidget(client);
    if (const QString font = qEnvironmentVariable("JESTREL_BENCH_FONT"); !font.isEmpty()) {
        QFont bold(font.section(u':', 0, 0));
        bold.setBold(true);
        bold.setPointSizeF(font.section(u':', 1, 1).toDouble());
        client->setFont(bold);
    }

    QPixmap picture(32, 32);
    picture.fill(Qt::red);
    auto *pictureLabel = new QLabel(client);
    pictureLabel->setGeometry(8, 16, 33, 33);
    pictureLabel->setPixmap(picture);

    auto *label
        = new QLabel(u"A bullseye is just a target that has been practising, and so is everyone who aims."_s, client);
    label->setWordWrap(true);
    label->setGeometry(40, 16, 225, 41);

    auto *button = new QPushButton(u"&Close"_s, client);
    button->setGeometry(104, 64, 57, 25);

    window.menuBar()->addMenu(u"&Help"_s)->addAction(u"&About"_s);

    window.show();
    return QApplication::exec();
}
