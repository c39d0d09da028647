// The window on screens too small for it, on the offscreen platform's
// virtual screens of tests/qt/small_screens.json (CTest starts this test
// with them): a 1366 x 768 laptop at 125 % (1093 x 614) and a tiny screen
// (640 x 480). The window stays inside the screen's free area, its content
// scrolls, every control the keyboard reaches comes into sight, the end of
// the window can be scrolled to, and a focus moved by a handler scrolls.

#include "tests/qt/window_fixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

using namespace tarvolin;
using namespace tarvolin::testing;

namespace {

bool inSight(QScrollArea& scroll, QWidget& w)
{
    if (!scroll.viewport()->isAncestorOf(&w))
        return false;
    const QRect r{w.mapTo(scroll.viewport(), QPoint{0, 0}), w.size()};
    return scroll.viewport()->rect().contains(r);
}

} // namespace

class SmallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void windowFitsAndScrolls_data();
    void windowFitsAndScrolls();
};

void SmallScreenTest::windowFitsAndScrolls_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("sideways"); // the width does not fit either
    QTest::newRow("laptop at 125 %") << 0 << false;
    QTest::newRow("tiny") << 1 << true;
}

void SmallScreenTest::windowFitsAndScrolls()
{
    QFETCH(int, screen);
    QFETCH(bool, sideways);
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() != 2)
        QSKIP("needs the two virtual screens of small_screens.json (QT_QPA_PLATFORM=offscreen:configfile=...)");

    WindowFixture f;
    f.window->setScreen(screens[screen]);
    QVERIFY(f.start());
    const QRect free = screens[screen]->availableGeometry();
    QTRY_VERIFY2(free.contains(f.window->frameGeometry()),
                 qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                                .arg(f.window->frameGeometry().width())
                                .arg(f.window->frameGeometry().height())
                                .arg(free.width())
                                .arg(free.height())));
    QScrollArea& scroll = *f.window->scrollArea();
    QVERIFY(scroll.verticalScrollBar()->isVisible());
    QCOMPARE(scroll.horizontalScrollBar()->isVisible(), sideways);

    // Typing goes on where the focus is, out of sight; Enter's focus move
    // to the pay start brings it into sight. (On the laptop the window
    // scrolls by a few lines only, and the pay start stays in sight.)
    QCOMPARE(f.focus(), f.widget("Datum", 0));
    scroll.verticalScrollBar()->setValue(scroll.verticalScrollBar()->maximum());
    QCOMPARE(inSight(scroll, *f.widget("Datum", 1)), !sideways);
    f.type(QStringLiteral("10031955"));
    f.enter();
    QCOMPARE(f.focus(), f.widget("Datum", 1));
    QVERIFY(inSight(scroll, *f.widget("Datum", 1)));

    // Tab walks the whole window round; each control it reaches is in sight.
    QStringList outOfSight;
    for (int i = 0; i < 150; ++i) {
        f.tab();
        if (f.focus() == nullptr || !inSight(scroll, *f.focus()))
            outOfSight << (f.focus() ? f.focus()->objectName() : QStringLiteral("(none)"));
    }
    QVERIFY2(outOfSight.isEmpty(), qPrintable(outOfSight.join(QStringLiteral(", "))));

    // Scrolled to the end, the canvas's far corner is in sight.
    scroll.verticalScrollBar()->setValue(scroll.verticalScrollBar()->maximum());
    scroll.horizontalScrollBar()->setValue(scroll.horizontalScrollBar()->maximum());
    QWidget* canvas = scroll.widget();
    QVERIFY(scroll.viewport()->rect().contains(
        canvas->mapTo(scroll.viewport(), QPoint{canvas->width() - 1, canvas->height() - 1})));
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

QTEST_MAIN(SmallScreenTest)
#include "small_screen_test.moc"
