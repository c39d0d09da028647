// The floor of a window's start-up on this machine: a Qt Widgets program that
// shows one empty 740 x 627 window and quits as soon as it has been drawn
// once. bench/startup_ratio.sh compares the real window, started with
// TARVOLIN_QUIT_AFTER_FIRST_FRAME=1, against it; both end the same way.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Quits once the watched window has received its first paint event; the
// queued quit runs after that paint has been flushed to the screen.
class QuitAfterFirstFrame final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched == parent()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

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
