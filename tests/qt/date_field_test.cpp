// The date fields as a user meets them: the mask takes digits only, Enter
// reaches the model whether the date is complete or not, an unusable date is
// emptied, typing lands on the first blank wherever the click fell, the
// bold highlight of the period dates follows the real keyboard focus, and
// the working fields are never seen nor reached. Typing forgives "1.4.1990",
// a click into a complete date chooses a part, and an emptied date that
// names no day or lies out of range says why at the field.

#include "qt/calculator_window/date_edit.h"
#include "tests/qt/window_fixture.h"

#include <QSet>
#include <QToolTip>

using namespace tarvolin;
using namespace tarvolin::testing;

namespace {

void clearField(QWidget* field)
{
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Delete);
}

} // namespace

class DateFieldTest : public QObject {
    Q_OBJECT

private slots:
    void maskAndEnter_data();
    void maskAndEnter();
    void typingLandsOnFirstBlank_data();
    void typingLandsOnFirstBlank();
    void boldFollowsFocus();
    void tabMovesModelFocus();
    void clickIntoInactiveWindowMovesModelFocus();
    void resultFieldsTakeNoTyping();
    void workingFieldsAreNeverShownNorReached();
    void separatorCompletesPart_data();
    void separatorCompletesPart();
    void clickChoosesPartOfCompleteDate();
    void emptiedDateSaysWhy_data();
    void emptiedDateSaysWhy();
};

void DateFieldTest::maskAndEnter_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("afterEnter");
    QTest::newRow("empty reference date: today comes back") << 31 << "" << "__/__/____" << "15/05/2008";
    QTest::newRow("complete reference date stays") << 31 << "01062009" << "01/06/2009" << "01/06/2009";
    QTest::newRow("partial to-date is emptied") << 5 << "1203" << "12/03/____" << "__/__/____";
    QTest::newRow("impossible date is emptied") << 31 << "31022008" << "31/02/2008" << "__/__/____";
    QTest::newRow("date before the permitted range is emptied") << 4 << "01011920" << "01/01/1920" << "__/__/____";
    QTest::newRow("letters and signs do not land") << 31 << "a1b2-0.3x" << "12/03/____" << "__/__/____";
}

void DateFieldTest::maskAndEnter()
{
    QFETCH(int, index);
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(QString, afterEnter);

    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    const std::string periodsBefore = f.jda().Jahr(17).text + "/" + f.jda().Tage(2).text;
    auto& field = f.widgetAs<QLineEdit>("Datum", index);
    f.click(&field);
    QCOMPARE(f.focus(), &field);
    clearField(&field);
    f.type(keys);
    QCOMPARE(field.displayText(), typed);
    QCOMPARE(QString::fromStdString(f.jda().Datum(index).text), typed);
    f.enter();
    QCOMPARE(field.displayText(), afterEnter);
    QCOMPARE(QString::fromStdString(f.jda().Datum(index).text), afterEnter);
    QCOMPARE(f.jda().lastIndex, index);
    if (afterEnter == QLatin1String("__/__/____"))
        QCOMPARE(f.jda().Jahr(17).text + "/" + f.jda().Tage(2).text, periodsBefore); // nothing recalculated
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void DateFieldTest::typingLandsOnFirstBlank_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<double>("clickAt"); // share of the field's width
    QTest::addColumn<QString>("after");
    QTest::newRow("click in the right half of an empty field") << "" << 0.7 << "12/03/____";
    QTest::newRow("click at the left edge of an empty field") << "" << 0.05 << "12/03/____";
    QTest::newRow("click behind a half-typed date") << "01" << 0.8 << "01/12/03__";
}

void DateFieldTest::typingLandsOnFirstBlank()
{
    QFETCH(QString, before);
    QFETCH(double, clickAt);
    QFETCH(QString, after);

    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    auto& field = f.widgetAs<QLineEdit>("Datum", 6);
    f.click(&field);
    f.type(before);
    // Away and back with a click at the given place.
    f.click(f.widget("Datum", 7));
    QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint{static_cast<int>(field.width() * clickAt), field.height() / 2});
    QCOMPARE(f.focus(), &field);
    f.type(QStringLiteral("1203"));
    QCOMPARE(field.displayText(), after);
}

void DateFieldTest::boldFollowsFocus()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    QWidget* d25 = f.widget("Datum", 25);
    QWidget* d26 = f.widget("Datum", 26);
    f.click(d25);
    QVERIFY(d25->font().bold());
    QVERIFY(f.jda().Datum(25).fontBold);
    f.click(d26);
    QVERIFY(!d25->font().bold());
    QVERIFY(!d26->font().bold());
    QCOMPARE(f.jda().focused(), &f.jda().Datum(26));
}

void DateFieldTest::tabMovesModelFocus()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    QCOMPARE(f.focus(), f.widget("Datum", 2));
    QVERIFY(f.widget("Datum", 2)->font().bold());
    f.tab();
    QCOMPARE(f.focus(), f.widget("Datum", 3));
    QCOMPARE(f.jda().focused(), &f.jda().Datum(3));
    QVERIFY(!f.widget("Datum", 2)->font().bold());
    QVERIFY(f.widget("Datum", 3)->font().bold());
    // Row 1 has no up button: its description comes next, then its tick.
    f.tab();
    QCOMPARE(f.focus(), f.widget("Eingabe", 1));
    QCOMPARE(f.jda().focused(), &f.jda().Eingabe(1));
    f.tab();
    QCOMPARE(f.focus(), f.widget("box", 1));
    QVERIFY(!f.jda().Datum(3).fontBold);
}

void DateFieldTest::clickIntoInactiveWindowMovesModelFocus()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    QCOMPARE(f.focus(), f.widget("Datum", 2));
    // Another window has the keyboard; the click into the birthday brings
    // Tarvolin back, and the birthday keeps the focus that the click gave it.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QWidget* birthday = f.widget("Datum", 0);
    QTest::mouseClick(birthday, Qt::LeftButton, {}, birthday->rect().center());
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QCOMPARE(f.focus(), birthday);
    QCOMPARE(f.jda().focused(), &f.jda().Datum(0));
    QTest::keyClick(birthday, Qt::Key_End);
    QTest::keyClick(birthday, Qt::Key_Backspace);
    QCOMPARE(f.focus(), birthday);
}

void DateFieldTest::resultFieldsTakeNoTyping()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    auto& jdaBegin = f.widgetAs<QLineEdit>("Datum", 32);
    f.click(&jdaBegin);
    f.type(QStringLiteral("0202"));
    f.enter();
    QCOMPARE(jdaBegin.displayText(), QStringLiteral("01/04/1990"));
    QCOMPARE(f.jda().Datum(32).text, std::string{"01/04/1990"});
    QCOMPARE(f.jda().lastIndex, 32);
}

void DateFieldTest::workingFieldsAreNeverShownNorReached()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::With));
    // The employment view shows what the working fields hold.
    f.click(f.widget("Label7"));
    QCOMPARE(f.jda().Label9().text, std::string{"01.04.1990"});
    QVERIFY(!f.jda().Termin().text.empty());
    QSet<QWidget*> reached;
    for (int i = 0; i < 150; ++i) {
        f.tab();
        reached.insert(f.focus());
    }
    QVERIFY(reached.contains(f.widget("Datum", 31)));
    for (int index : {30, 36, 37}) {
        QWidget* field = f.widget("Datum", index);
        QVERIFY(!f.jda().Datum(index).visible);
        QVERIFY(!field->isVisible());
        QCOMPARE(field->focusPolicy(), Qt::NoFocus);
        QVERIFY(!reached.contains(field));
    }
    // The dash between two of them goes with them.
    QVERIFY(!f.widget("Line1", 0)->isVisible());
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void DateFieldTest::separatorCompletesPart_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("dots") << "1.4.1990" << "01/04/1990";
    QTest::newRow("slashes") << "1/4/1990" << "01/04/1990";
    QTest::newRow("two-digit day, one-digit month") << "12.4.1990" << "12/04/1990";
    QTest::newRow("one-digit day, two-digit month") << "1.12.1990" << "01/12/1990";
    QTest::newRow("a lone 0 is no day") << "0.5" << "05/__/____";
}

void DateFieldTest::separatorCompletesPart()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    WindowFixture f;
    QVERIFY(f.start());
    f.type(keys);
    QCOMPARE(f.widgetAs<QLineEdit>("Datum", 0).displayText(), shown);
    QCOMPARE(QString::fromStdString(f.jda().Datum(0).text), shown);
}

void DateFieldTest::clickChoosesPartOfCompleteDate()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    auto& payStart = f.widgetAs<DateEdit>("Datum", 1);
    // The pointer between the month's two digits: "01/0|4/1990".
    QPoint between{0, payStart.height() / 2};
    while (between.x() < payStart.width() && payStart.cursorPositionAt(between) != 4)
        between.rx() += 1;
    QTest::mouseClick(&payStart, Qt::LeftButton, {}, between);
    QCOMPARE(payStart.selectedText(), QStringLiteral("04"));
    f.type(QStringLiteral("07"));
    QCOMPARE(payStart.displayText(), QStringLiteral("01/07/1990"));
    QCOMPARE(f.jda().Datum(1).text, std::string{"01/07/1990"});
}

void DateFieldTest::emptiedDateSaysWhy_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("reason"); // empty: no hint
    QTest::newRow("no such day") << "31021990" << "31.02.1990 gibt es nicht";
    QTest::newRow("before the range") << "01011920" << "Datum außerhalb 01.01.1930 – 31.12.2040";
    QTest::newRow("half typed") << "0103" << "";
    QTest::newRow("a usable date") << "01091980" << "";
}

void DateFieldTest::emptiedDateSaysWhy()
{
    QFETCH(QString, keys);
    QFETCH(QString, reason);
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    auto& from = f.widgetAs<DateEdit>("Datum", 2);
    QCOMPARE(f.focus(), &from);
    f.type(keys);
    f.enter();
    QCOMPARE(from.showsRefusal(), !reason.isEmpty());
    if (!reason.isEmpty()) {
        QCOMPARE(f.jda().Datum(2).text, std::string{"__/__/____"});
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), reason);
        // The next key starts the correction and ends the hint.
        f.type(QStringLiteral("0"));
        QVERIFY(!from.showsRefusal());
    }
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

QTEST_MAIN(DateFieldTest)
#include "date_field_test.moc"
