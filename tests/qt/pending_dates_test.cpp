// Dates left as a clerk leaves them in the drawn window: with Tab, with a
// click into another field or on a button, and a date picked in the
// calendar. A date that can be taken counts as with Enter, one that cannot
// goes back with a red frame and its reason, a message of the check comes
// after the focus has moved, and the focus ends where the clerk sent it. A
// full description box says why it takes no more keys.

#include "qt/calculator_window/date_edit.h"
#include "qt/calculator_window/description_edit.h"
#include "qt/calculator_window/pictures.h"
#include "tests/qt/window_fixture.h"

#include <QLabel>
#include <QToolTip>

using namespace tarvolin;
using namespace tarvolin::testing;

class PendingDatesTest : public QObject {
    Q_OBJECT

private slots:
    void leavingAField_data();
    void leavingAField();
    void aMessageOfTheCheckComesAfterTheFocusMoved();
    void aButtonClickedWithABirthdayTyped();
    void aFullDescriptionBoxSaysWhy();
};

void PendingDatesTest::leavingAField_data()
{
    QTest::addColumn<QString>("typed");     // into the to-date of row 1
    QTest::addColumn<QString>("leave");     // "tab" or "click"
    QTest::addColumn<QString>("shown");     // the to-date afterwards
    QTest::addColumn<QString>("years");     // row 1's J
    QTest::addColumn<QString>("reason");    // said at the field; "" for none
    QTest::newRow("a period left with Tab counts") << "31081983" << "tab" << "31/08/1983" << "3" << "";
    QTest::newRow("a period left with a click counts") << "31081983" << "click" << "31/08/1983" << "3" << "";
    QTest::newRow("half typed goes back") << "3108" << "tab" << "__/__/____" << "0"
                                          << "Datum unvollständig – Feld wieder leer";
    QTest::newRow("no such day goes back") << "31021983" << "click" << "__/__/____" << "0"
                                           << "31.02.1983 gibt es nicht – Feld wieder leer";
    QTest::newRow("a two-digit year of one century counts") << "31.8.83" << "tab" << "31/08/1983" << "3" << "";
}

void PendingDatesTest::leavingAField()
{
    QFETCH(QString, typed);
    QFETCH(QString, leave);
    QFETCH(QString, shown);
    QFETCH(QString, years);
    QFETCH(QString, reason);
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    f.type(QStringLiteral("01091980"));
    f.enter();
    auto& toDate = f.widgetAs<DateEdit>("Datum", 3);
    QCOMPARE(f.focus(), &toDate);
    f.type(typed);
    QWidget* target = leave == "tab" ? f.widget("Eingabe", 1) : f.widget("Datum", 6);
    if (leave == "tab")
        f.tab();
    else
        f.click(target);
    // Settled once the focus change is over: the model follows the focus.
    QTRY_COMPARE(f.jda().focusedSlot, target->property("controlSlot").toInt());
    QCOMPARE(toDate.displayText(), shown);
    QCOMPARE(f.jda().Datum(3).text, shown.toStdString());
    QCOMPARE(QString::fromStdString(f.jda().Jahr(1).text), years);
    QCOMPARE(toDate.showsRefusal(), !reason.isEmpty());
    if (!reason.isEmpty())
        QTRY_COMPARE(QToolTip::text(), reason);
    QTRY_COMPARE(f.focus(), target);
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

// A from-date before the birthday, left with a click into a description
// box: the check's message comes as it does after Enter, and then the
// typing goes on in the box that was clicked.
void PendingDatesTest::aMessageOfTheCheckComesAfterTheFocusMoved()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    f.type(QStringLiteral("01011950"));
    QString said;
    f.watchdog.expect([&](QMessageBox& box) {
        said = box.text();
        clickButton(box, QStringLiteral("OK"));
    });
    QWidget* box = f.widget("Eingabe", 5);
    f.click(box);
    QTRY_VERIFY(!f.watchdog.stillExpecting());
    QVERIFY2(said.contains(QStringLiteral("01.01.1950")), qPrintable(said));
    QCOMPARE(f.jda().Datum(2).text, std::string{"__/__/____"});
    // The window's focus stays in the box (the window itself gets the
    // keyboard back from the message box only where a window manager gives
    // it).
    QTRY_COMPARE(f.window->focusWidget(), box);
    QCOMPARE(f.jda().focusedSlot, box->property("controlSlot").toInt());
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.type(QStringLiteral("Lehre"));
    QCOMPARE(f.jda().Eingabe(5).text, std::string{"Lehre"});
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

// The birthday typed and the age button clicked: the birthday is taken
// first (1958: 66 years), then the click adds its month.
void PendingDatesTest::aButtonClickedWithABirthdayTyped()
{
    WindowFixture f;
    QVERIFY(f.start());
    f.type(QStringLiteral("14031958"));
    QVERIFY(f.window->entriesChanged());
    f.click(f.widget("mehr"));
    QCOMPARE(f.jda().Datum(0).text, std::string{"14/03/1958"});
    QCOMPARE(f.jda().Alter().text, std::string{"66"});
    QCOMPARE(f.jda().month().text, std::string{"1"});
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void PendingDatesTest::aFullDescriptionBoxSaysWhy()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::With));
    auto& box = f.widgetAs<DescriptionEdit>("Eingabe", 1);
    auto* counter = static_cast<QLabel*>(f.widget("Zähler", 1));
    QCOMPARE(f.focus(), &box);
    const QColor usual = counter->palette().color(QPalette::WindowText);
    // The counter tells what was free before each key: 1 after the 60th.
    f.type(QString(60, QLatin1Char('x')));
    QCOMPARE(counter->text(), QStringLiteral("1"));
    QVERIFY(!box.isFull());
    f.type(QStringLiteral("z")); // refused: the box is full
    QCOMPARE(box.text(), QString(60, QLatin1Char('x')));
    QCOMPARE(counter->text(), QStringLiteral("0"));
    QVERIFY(box.isFull());
    QCOMPARE(counter->palette().color(QPalette::WindowText), colours::alarm);
    QCOMPARE(box.toolTip(), fullDescriptionHint);
    QTRY_COMPARE(QToolTip::text(), fullDescriptionHint);
    // Delete makes room again; the next key takes the counter off 0.
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_Delete);
    f.type(QStringLiteral("a"));
    QCOMPARE(counter->text(), QStringLiteral("1"));
    QVERIFY(!box.isFull());
    QCOMPARE(counter->palette().color(QPalette::WindowText), usual);
    QVERIFY(box.toolTip() != fullDescriptionHint);
}

QTEST_MAIN(PendingDatesTest)
#include "pending_dates_test.moc"
