// The staff-list window on a clerk's 1366 x 768 screen at 125 % and at 200 %
// (the offscreen platform's logical screens of staff_list_screens.json,
// 1093 x 614 and 683 x 384; CTest starts this test with them): it opens
// inside the screen's free area, also with a size remembered from a larger
// screen, and every control, the search field and the table's scroll bars
// included, lies inside the window.

#include "calc/clock.h"
#include "qt/staff_list_window/frozen_table_view.h"
#include "qt/staff_list_window/staff_list_window.h"
#include "qt/staff_list_window/staff_list_worker.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

using namespace tarvolin;

namespace {

class ListDay final : public Clock {
public:
    Date today() override { return *Date::fromYmd(2026, 12, 7); }
};

// A control the user needs, and whether it lies wholly inside the window.
QString outside(const QWidget& window, const QWidget& control, const QString& name)
{
    if (!control.isVisible())
        return name + QStringLiteral(" hidden");
    const QRect r{control.mapTo(&window, QPoint{0, 0}), control.size()};
    return window.rect().contains(r) ? QString{} : name;
}

} // namespace

class StaffListSmallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void fitsTheScreen_data();
    void fitsTheScreen();
};

void StaffListSmallScreenTest::fitsTheScreen_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("rememberedLarger"); // a size kept from a larger screen
    QTest::newRow("125 %") << 0 << false;
    QTest::newRow("200 %") << 1 << false;
    QTest::newRow("200 %, remembered from a larger screen") << 1 << true;
}

void StaffListSmallScreenTest::fitsTheScreen()
{
    QFETCH(int, screen);
    QFETCH(bool, rememberedLarger);
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() != 2)
        QSKIP("needs the two virtual screens of staff_list_screens.json (QT_QPA_PLATFORM=offscreen:configfile=...)");

    QTemporaryDir folder;
    const QString table = folder.filePath(QStringLiteral("personal.csv"));
    std::ofstream{table.toStdString()} << "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab\n"
                                          "1001;Meier;Anna;10.03.1955;01.04.1990\n"
                                          "1002;Schäfer;Sophie;22.09.1990;01.03.2015\n";
    QSettings settings{folder.filePath(QStringLiteral("list.ini")), QSettings::IniFormat};
    ListDay clock;
    if (rememberedLarger) {
        StaffListWindow large{clock, settings, folder.path()};
        large.setGeometry(QRect{0, 0, 1500, 1000});
        large.close();
    }
    StaffListWindow w{clock, settings, folder.filePath(QStringLiteral("Fälle"))};
    w.setScreen(screens[screen]);
    w.move(screens[screen]->availableGeometry().topLeft());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy done{&w.worker(), &StaffListWorker::finished};
    w.openFile(table);
    QVERIFY(done.wait(60000));

    const QRect free = screens[screen]->availableGeometry();
    QTRY_VERIFY2(free.contains(w.frameGeometry()),
                 qPrintable(QStringLiteral("%1 x %2 at %3,%4 on %5 x %6")
                                .arg(w.frameGeometry().width())
                                .arg(w.frameGeometry().height())
                                .arg(w.frameGeometry().x())
                                .arg(w.frameGeometry().y())
                                .arg(free.width())
                                .arg(free.height())));
    QStringList cut;
    for (const char* name : {"referenceDate", "all", "anniversaries", "retirements", "year", "notes", "search",
                             "status", "shown"})
        if (const QString o = outside(w, *w.findChild<QWidget*>(QString::fromLatin1(name)), QString::fromLatin1(name));
            !o.isEmpty())
            cut << o;
    if (const QString o = outside(w, w.table(), QStringLiteral("table")); !o.isEmpty())
        cut << o;
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    // The table keeps room to show lines, and its scroll bars are in sight
    // where it needs them.
    QVERIFY(w.table().viewport()->height() >= 2 * w.table().verticalHeader()->defaultSectionSize());
    for (QScrollBar* bar : {w.table().horizontalScrollBar(), w.table().verticalScrollBar()})
        if (bar->maximum() > 0)
            QTRY_VERIFY2(outside(w, *bar, QStringLiteral("scroll bar")).isEmpty(),
                         qPrintable(outside(w, *bar, QStringLiteral("scroll bar"))));
}

QTEST_MAIN(StaffListSmallScreenTest)
#include "staff_list_small_screen_test.moc"
