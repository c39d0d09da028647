// The calculator's hint on its last notice day: the tool tip of Termin says
// when that day lies before today, or when the age limit lies on or before
// the reference date; the captions stay as they are. Each row of the table
// is one reference date typed into the window, on one side of a boundary
// day.

#include "tests/qt/window_fixture.h"

#include <QTest>

namespace tarvolin {

using testing::WindowFixture;

namespace {
Date dayOf(const QString& t) { return *Date::fromYmd(t.mid(6).toInt(), t.mid(3, 2).toUInt(), t.left(2).toUInt()); }
} // namespace

class NoticeHintTest : public QObject {
    Q_OBJECT
private slots:
    void termin_data();
    void termin();
};

// Born 10/03/1955, pay from 01/04/1990: the age limit (65 years 9 months)
// is 10/12/2020. Today is 15/05/2008 unless the row says otherwise.
void NoticeHintTest::termin_data()
{
    QTest::addColumn<QString>("today");
    QTest::addColumn<QString>("referenceDate"); // typed into Datum(31); empty: left at today
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("hints");
    const QString passed = QStringLiteral("Kündigungstermin verstrichen (spätestens am %1)");
    const QString reached = QStringLiteral("Altersgrenze bereits erreicht am 10.12.2020");
    QTest::newRow("reference date left at today") << "15.05.2008" << "" << "31.12.2007 *)"
                                                  << QStringList{passed.arg(QStringLiteral("31.12.2007"))};
    QTest::newRow("end of the year left at today") << "31.12.2007" << "" << "30.06.2007 *)"
                                                   << QStringList{passed.arg(QStringLiteral("30.06.2007"))};
    QTest::newRow("last notice day is today") << "30.06.2020" << "09122020" << "30.06.2020 *)" << QStringList{};
    QTest::newRow("last notice day was yesterday") << "01.07.2020" << "09122020" << "30.06.2020 *)"
                                                   << QStringList{passed.arg(QStringLiteral("30.06.2020"))};
    QTest::newRow("age limit on the reference date") << "15.05.2008" << "10122020" << "30.06.2020 *)"
                                                     << QStringList{reached};
    QTest::newRow("age limit the day after") << "15.05.2008" << "09122020" << "30.06.2020 *)" << QStringList{};
    QTest::newRow("both") << "01.07.2020" << "31122020" << "30.06.2020 *)"
                          << QStringList{passed.arg(QStringLiteral("30.06.2020")), reached};
}

void NoticeHintTest::termin()
{
    QFETCH(QString, today);
    QFETCH(QString, referenceDate);
    QFETCH(QString, caption);
    QFETCH(QStringList, hints);
    WindowFixture f;
    f.clock.day = dayOf(today);
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    WindowFixture::click(f.widget("Label7")); // the view of the employment period, with the reference date
    if (!referenceDate.isEmpty()) {
        WindowFixture::click(f.widget("Datum", 31));
        QTest::keyClick(f.widget("Datum", 31), Qt::Key_Home);
        f.type(referenceDate);
        f.enter();
    }
    QCOMPARE(QString::fromStdString(f.jda().Termin().text), caption);
    const QString base = QStringLiteral("Letzter Tag, an dem die Kündigung zugehen muss, damit sie zum Monats- oder "
                                        "Quartalsende des Stichtags wirkt");
    QStringList expected{base};
    expected << hints;
    QCOMPARE(f.widget("Termin")->toolTip(), expected.join(QLatin1Char('\n')));
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

} // namespace tarvolin

QTEST_MAIN(tarvolin::NoticeHintTest)
#include "notice_hint_test.moc"
