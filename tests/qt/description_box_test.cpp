// The description boxes through real keys: the 60-character limit refuses
// further keys (Enter included), Enter moves on to the next row, and typing
// after a row move lands right after the text, not behind the blanks a move
// pads it with, exactly where the scripted window puts it.

#include "script/dump.h"
#include "tests/qt/scripted_comparison.h"
#include "tests/qt/window_fixture.h"

using namespace tarvolin;
using namespace tarvolin::testing;

class DescriptionBoxTest : public QObject {
    Q_OBJECT

private slots:
    void enterMovesOnUntilFull_data();
    void enterMovesOnUntilFull();
    void typingAfterRowMovesLandsAfterText();
};

void DescriptionBoxTest::enterMovesOnUntilFull_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("focusAfterEnter"); // control name and index
    QTest::newRow("row 1 moves to the from-date of row 2") << 1 << 10 << "Datum(4)";
    QTest::newRow("row 14 keeps the focus") << 14 << 10 << "Eingabe(14)";
    QTest::newRow("a full box refuses Enter") << 3 << 60 << "Eingabe(3)";
    QTest::newRow("59 characters still take Enter") << 3 << 59 << "Datum(8)";
}

void DescriptionBoxTest::enterMovesOnUntilFull()
{
    QFETCH(int, row);
    QFETCH(int, length);
    QFETCH(QString, focusAfterEnter);

    WindowFixture f;
    QVERIFY(f.start());
    auto& box = f.widgetAs<QLineEdit>("Eingabe", row);
    f.click(&box);
    QCOMPARE(f.focus(), &box);
    const QString text = QString{length, QLatin1Char('x')};
    f.type(text);
    if (length == 60) {
        // Full: further characters are refused as well.
        f.type(QStringLiteral("yz"));
        QCOMPARE(f.jda().Zähler(row).text, std::string{"0"});
    }
    QCOMPARE(box.text(), text);
    QCOMPARE(QString::fromStdString(f.jda().Eingabe(row).text), text);
    f.enter();
    QCOMPARE(f.focus()->objectName(), focusAfterEnter);
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void DescriptionBoxTest::typingAfterRowMovesLandsAfterText()
{
    WindowFixture f;
    QVERIFY(f.start());
    auto& box = f.widgetAs<QLineEdit>("Eingabe", 1);
    f.click(&box);
    f.type(QStringLiteral("Ausbildung"));
    // Down and up again: row 1 comes back padded with blanks to 60 characters.
    f.click(f.widget("ab", 1));
    f.click(f.widget("ab", 1));
    QCOMPARE(box.text().size(), 60);
    QVERIFY(box.text().startsWith(QStringLiteral("Ausbildung ")));
    // A click into the blanks puts the cursor after the text.
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint{box.width() - 4, box.height() / 2});
    QCOMPARE(box.cursorPosition(), 10);
    f.type(QStringLiteral(" Bonn"));
    QTest::keyClick(f.focus(), Qt::Key_Backspace);
    QTest::keyClick(f.focus(), Qt::Key_Backspace);
    f.type(QStringLiteral("nn"));
    QVERIFY(box.text().startsWith(QStringLiteral("Ausbildung Bonn ")));

    const std::string script = "today 15/05/2008\nstart\n"
                               "type Eingabe(1) Ausbildung\n"
                               "click ab(1)\nclick ab(1)\n"
                               "type Eingabe(1)  Bonn\n"
                               "key Eingabe(1) Backspace\nkey Eingabe(1) Backspace\n"
                               "type Eingabe(1) nn\n"
                               "dump\n";
    const std::string drawn = dumpWindow(f.jda());
    const std::string scripted = scriptedDump(script);
    QVERIFY2(drawn == scripted, qPrintable(firstDifference(drawn, scripted)));
}

QTEST_MAIN(DescriptionBoxTest)
#include "description_box_test.moc"
