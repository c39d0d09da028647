// The typical case typed into the real widgets ends in exactly the state the
// scripted window reaches with the same case: the drawn window adds nothing
// and loses nothing on the way from keys to handlers.

#include "script/dump.h"
#include "tests/qt/scripted_comparison.h"
#include "tests/qt/window_fixture.h"

#include <QCheckBox>

using namespace tarvolin;
using namespace tarvolin::testing;


class TypedCaseTest : public QObject {
    Q_OBJECT

private slots:
    void typedCaseMatchesScriptedWindow_data();
    void typedCaseMatchesScriptedWindow();
};

void TypedCaseTest::typedCaseMatchesScriptedWindow_data()
{
    QTest::addColumn<bool>("retick");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("clicks"); // after the case, as named in scripts
    QTest::newRow("dates only") << false << QString{} << QStringList{};
    QTest::newRow("row 1 unticked and ticked again, with a description")
        << true << QStringLiteral("Ausbildung") << QStringList{};
    QTest::newRow("age steps, employment view, row moves")
        << false << QString{}
        << QStringList{"Altern", "Altern", "weniger", "jünger", "mehr", "Label7", "ab(1)", "auf(3)", "Opt(0)", "Opt(1)"};
}

void TypedCaseTest::typedCaseMatchesScriptedWindow()
{
    QFETCH(bool, retick);
    QFETCH(QString, description);
    QFETCH(QStringList, clicks);

    WindowFixture f;
    QVERIFY(f.start());
    QCOMPARE(f.focus(), f.widget("Datum", 0));
    f.type(QStringLiteral("10031955"));
    f.enter();
    QCOMPARE(f.focus(), f.widget("Datum", 1));
    f.type(QStringLiteral("01041990"));
    f.enter();
    QCOMPARE(f.focus(), f.widget("Datum", 2));
    QVERIFY(f.widgetAs<QCheckBox>("box", 1).isChecked());
    f.type(QStringLiteral("01091980"));
    f.enter();
    QCOMPARE(f.focus(), f.widget("Datum", 3));
    f.type(QStringLiteral("31081983"));
    f.enter();
    // Row 1 counts three years; the JDA begin moves back three years.
    QCOMPARE(f.widgetAs<QLabel>("Jahr", 1).text(), QStringLiteral("3"));
    QCOMPARE(f.widgetAs<QLineEdit>("Datum", 32).displayText(), QStringLiteral("01/04/1987"));

    std::string script = "today 15/05/2008\nstart\n"
                         "type Datum(0) 10/03/1955\nenter Datum(0)\n"
                         "type Datum(1) 01/04/1990\nenter Datum(1)\n"
                         "type Datum(2) 01/09/1980\nenter Datum(2)\n"
                         "type Datum(3) 31/08/1983\nenter Datum(3)\n";
    if (retick) {
        f.click(f.widget("box", 1));
        QVERIFY(!f.widgetAs<QCheckBox>("box", 1).isChecked());
        QCOMPARE(f.jda().Jahr(1).text, std::string{"0"});
        f.click(f.widget("box", 1));
        script += "click box(1)\nclick box(1)\n";
    }
    if (!description.isEmpty()) {
        f.click(f.widget("Eingabe", 1));
        QCOMPARE(f.focus(), f.widget("Eingabe", 1));
        f.type(description);
        f.enter();
        script += "type Eingabe(1) " + description.toStdString() + "\nenter Eingabe(1)\n";
    }
    for (const QString& name : clicks) {
        const qsizetype open = name.indexOf(QLatin1Char('('));
        const QByteArray control = name.left(open).toUtf8();
        const int index = open < 0 ? -1 : name.mid(open + 1).chopped(1).toInt();
        QWidget* w = f.widget(std::string_view{control.constData(), static_cast<std::size_t>(control.size())}, index);
        QVERIFY2(w != nullptr, qPrintable(name));
        f.click(w);
        script += "click " + name.toStdString() + "\n";
    }
    script += "dump\n";

    QVERIFY(f.watchdog.unexpected().isEmpty());
    QCOMPARE(f.widgetAs<QLineEdit>("Datum", 32).displayText(), QString::fromStdString(f.jda().Datum(32).text));
    QCOMPARE(f.widgetAs<QLabel>("Alter").text(), QString::fromStdString(f.jda().Alter().text));
    QCOMPARE(f.window->windowTitle(), QString::fromStdString(f.jda().formCaption));
    const std::string drawn = dumpWindow(f.jda());
    const std::string scripted = scriptedDump(script);
    QVERIFY2(drawn == scripted, qPrintable(firstDifference(drawn, scripted)));
}

QTEST_MAIN(TypedCaseTest)
#include "typed_case_test.moc"
