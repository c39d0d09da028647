// The floor of a window's start-up on this machine: a Qt Widgets program that
// shows one empty 740 x 627 window and quits as soon as it has been drawn
// once. bench/startup_ratio.sh compares the real window (bench/first_frame,
// the program's own start-up) against it; both end the same way.

#include "bench/quit_after_first_frame.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application{argc, argv};
    QWidget window;
    window.setFixedSize(740, 627);
    window.setWindowTitle(QStringLiteral("Leeres Fenster"));
    window.installEventFilter(new QuitAfterFirstFrame{&window});
    window.move(0, 0);
    window.show();
    return QApplication::exec();
}
