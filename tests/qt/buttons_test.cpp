// The top row's buttons reach the platform: Drucken prints one letter on the
// window's printer, the help buttons hand one address each to the browser,
// and a browser that fails is reported in a message box, not lost.

#include "tests/qt/window_fixture.h"

using namespace tarvolin;
using namespace tarvolin::testing;

class ButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void helpButtonsOpenOneAddressEach_data();
    void helpButtonsOpenOneAddressEach();
    void failingBrowserIsReported();
    void printButtonPrintsLetter();
};

void ButtonsTest::helpButtonsOpenOneAddressEach_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Texte") << "Hilfetexte";
    QTest::newRow("§ 622 BGB") << "SSCommand2";
    QTest::newRow("Hilfe") << "Hilfe";
    QTest::newRow("Info") << "SSCommand1";
}

void ButtonsTest::helpButtonsOpenOneAddressEach()
{
    QFETCH(QString, button);
    WindowFixture f;
    QVERIFY(f.start());
    QWidget* focusBefore = f.focus();
    const QByteArray name = button.toUtf8();
    f.click(f.widget(std::string_view{name.constData(), static_cast<std::size_t>(name.size())}));
    QCOMPARE(f.shell.opened.size(), std::size_t{1});
    QVERIFY(f.shell.opened.front().rfind("http", 0) == 0);
    // A click on a button leaves the typing where it was.
    QCOMPARE(f.focus(), focusBefore);
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void ButtonsTest::failingBrowserIsReported()
{
    WindowFixture f;
    f.shell.succeeds = false;
    QVERIFY(f.start());
    QString title;
    f.watchdog.expect([&](QMessageBox& box) {
        title = box.windowTitle();
        clickButton(box, QStringLiteral("OK"));
    });
    f.click(f.widget("Hilfe"));
    QVERIFY(!f.watchdog.stillExpecting());
    QCOMPARE(title, QStringLiteral("Tarvolin"));
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void ButtonsTest::printButtonPrintsLetter()
{
    WindowFixture f;
    QVERIFY(f.start());
    for (const char* keys : {"10031955", "01041990"}) {
        f.type(QString::fromLatin1(keys));
        f.enter();
    }
    f.click(f.widget("Drucken"));
    QVERIFY(!f.printer.operations.empty());
    QCOMPARE(f.printer.operations.front(), std::string{"setting\t1"});
    QCOMPARE(f.printer.operations.back(), std::string{"enddoc"});
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

QTEST_MAIN(ButtonsTest)
#include "buttons_test.moc"
