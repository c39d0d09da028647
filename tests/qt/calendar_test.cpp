// The drop-down calendar of a date field: it opens on the field's day (or,
// for an empty period date, the nearest date before it, else today), offers
// only the field's permitted days, titles the month in German, starts the
// week on Monday, and puts the picked day into the field as if it had been
// typed and confirmed with Enter.

#include "qt/calculator_window/calendar_popup.h"
#include "qt/calculator_window/date_edit.h"
#include "tests/qt/window_fixture.h"

#include <QCalendarWidget>
#include <QTableView>
#include <QToolButton>

using namespace tarvolin;
using namespace tarvolin::testing;

class CalendarTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnFieldDayWithinRange_data();
    void opensOnFieldDayWithinRange();
    void pickedDayIsTypedAndConfirmed();
    void escapeLeavesFieldAlone();
    void resultFieldsHaveNoCalendar();
    void emptyPeriodDateOpensNearTheDateBefore_data();
    void emptyPeriodDateOpensNearTheDateBefore();
};

void CalendarTest::opensOnFieldDayWithinRange_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("month");
    QTest::newRow("empty birthday opens on today") << 0 << "" << QDate{2008, 5, 15} << "Mai";
    QTest::newRow("typed birthday opens on it") << 0 << "10031955" << QDate{1955, 3, 10} << "März";
    QTest::newRow("half-typed date opens on today") << 4 << "0109" << QDate{2008, 5, 15} << "Mai";
}

void CalendarTest::opensOnFieldDayWithinRange()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QDate, shown);
    QFETCH(QString, month);

    WindowFixture f;
    QVERIFY(f.start());
    auto& field = f.widgetAs<DateEdit>("Datum", index);
    f.click(&field);
    f.type(text);
    QTest::mouseClick(field.calendarButton(), Qt::LeftButton);
    QCalendarWidget* calendar = f.window->calendar().calendar();
    QTRY_VERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), shown);
    QCOMPARE(calendar->minimumDate(), QDate(1930, 1, 1));
    QCOMPARE(calendar->maximumDate(), QDate(2040, 12, 31));
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
    auto* monthButton = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    auto* yearButton = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_yearbutton"));
    QVERIFY(monthButton && yearButton);
    QCOMPARE(monthButton->text(), month);
    QCOMPARE(yearButton->text(), QString::number(shown.year()));
    // Only the permitted days can be chosen: the calendar refuses to go past the range.
    calendar->setSelectedDate(QDate{2041, 1, 1});
    QCOMPARE(calendar->selectedDate(), QDate(2040, 12, 31));
    f.window->calendar().close();
}

void CalendarTest::pickedDayIsTypedAndConfirmed()
{
    WindowFixture f;
    QVERIFY(f.start());
    auto& birthday = f.widgetAs<DateEdit>("Datum", 0);
    QTest::keyClick(&birthday, Qt::Key_Down, Qt::AltModifier);
    QCalendarWidget* calendar = f.window->calendar().calendar();
    QTRY_VERIFY(calendar->isVisible());
    calendar->setSelectedDate(QDate{1955, 3, 10});
    auto* days = calendar->findChild<QTableView*>();
    QVERIFY(days);
    QTest::keyClick(days, Qt::Key_Return);
    QTRY_VERIFY(!calendar->isVisible());
    QCOMPARE(birthday.displayText(), QStringLiteral("10/03/1955"));
    QCOMPARE(f.jda().Datum(0).text, std::string{"10/03/1955"});
    QCOMPARE(f.jda().lastIndex, 0);
    // Picked is confirmed, as if typed and Enter pressed: the age of 1955
    // is set and the focus moves on to the pay start.
    QCOMPARE(f.jda().Alter().text, std::string{"65"});
    QCOMPARE(f.jda().month().text, std::string{"9"});
    QTRY_COMPARE(f.focus(), f.widget("Datum", 1));
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void CalendarTest::escapeLeavesFieldAlone()
{
    WindowFixture f;
    QVERIFY(f.start());
    auto& payStart = f.widgetAs<DateEdit>("Datum", 1);
    f.click(&payStart);
    f.type(QStringLiteral("0104"));
    QTest::keyClick(&payStart, Qt::Key_F4);
    QCalendarWidget* calendar = f.window->calendar().calendar();
    QTRY_VERIFY(calendar->isVisible());
    QTest::keyClick(&f.window->calendar(), Qt::Key_Escape);
    QTRY_VERIFY(!calendar->isVisible());
    QCOMPARE(payStart.displayText(), QStringLiteral("01/04/____"));
    QCOMPARE(f.jda().Datum(1).text, std::string{"01/04/____"});
}

void CalendarTest::resultFieldsHaveNoCalendar()
{
    WindowFixture f;
    for (int i = 0; i <= 38; ++i) {
        auto& field = f.widgetAs<DateEdit>("Datum", i);
        QCOMPARE(field.calendarButton() != nullptr, i <= 31);
        QCOMPARE(field.isReadOnly(), i >= 32);
    }
}

void CalendarTest::emptyPeriodDateOpensNearTheDateBefore_data()
{
    QTest::addColumn<bool>("withPriorPeriod"); // row 1: 01/09/1980 to 31/08/1983
    QTest::addColumn<QString>("fromDate");     // then typed into Datum(2) and confirmed
    QTest::addColumn<int>("index");
    QTest::addColumn<QDate>("shown");
    QTest::newRow("row 1's from-date: the pay start") << false << "" << 2 << QDate{1990, 4, 1};
    QTest::newRow("a to-date: its row's from-date") << false << "01091980" << 3 << QDate{1980, 9, 1};
    QTest::newRow("row 2's to-date: row 1's to-date") << true << "" << 5 << QDate{1983, 8, 31};
    QTest::newRow("the reference date: today") << false << "" << 31 << QDate{2008, 5, 15};
}

void CalendarTest::emptyPeriodDateOpensNearTheDateBefore()
{
    QFETCH(bool, withPriorPeriod);
    QFETCH(QString, fromDate);
    QFETCH(int, index);
    QFETCH(QDate, shown);

    WindowFixture f;
    using Prior = WindowFixture::PriorPeriod;
    QVERIFY(f.startTypicalCase(withPriorPeriod ? Prior::With : Prior::Without));
    if (!fromDate.isEmpty()) {
        f.type(fromDate);
        f.enter();
    }
    auto& field = f.widgetAs<DateEdit>("Datum", index);
    f.click(&field);
    if (index == 31) {
        // Emptied first: the recalculation put today's date into it.
        QTest::keyClick(&field, Qt::Key_Home);
        QTest::keyClick(&field, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(&field, Qt::Key_Delete);
    }
    QCOMPARE(f.jda().Datum(index).text, std::string{"__/__/____"});
    QTest::keyClick(&field, Qt::Key_F4);
    QCalendarWidget* calendar = f.window->calendar().calendar();
    QTRY_VERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), shown);
    QCOMPARE(calendar->monthShown(), shown.month());
    QCOMPARE(calendar->yearShown(), shown.year());
    f.window->calendar().close();
}

QTEST_MAIN(CalendarTest)
#include "calendar_test.moc"
