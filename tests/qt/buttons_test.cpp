// The top row's buttons reach the platform: Drucken prints one letter on the
// window's printer, the help buttons hand one address each to the browser,
// and a browser that fails is reported in a message box, not lost. Ctrl+P
// and F1 click Drucken and Hilfe; every button and result explains itself
// in a hint. The desktop's shell opens the help site's pages from the
// program's own copy.

#include "qt/calculator_window/control_widgets.h"
#include "qt/desktop/desktop_shell.h"
#include "tests/qt/window_fixture.h"

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>

using namespace tarvolin;
using namespace tarvolin::testing;

class ButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void helpButtonsOpenOneAddressEach_data();
    void helpButtonsOpenOneAddressEach();
    void failingBrowserIsReported();
    void printButtonPrintsLetter();
    void shortcutsClickTheirButtons();
    void buttonsAndResultsExplainThemselves();
    void helpSiteOpensTheProgramsOwnPage_data();
    void helpSiteOpensTheProgramsOwnPage();
    void xdgOpenWithoutBrowserIsReported();
};

// Takes the place of the browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
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

void ButtonsTest::shortcutsClickTheirButtons()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    QWidget* typing = f.focus();
    QTest::keyClick(typing, Qt::Key_F1);
    QTRY_COMPARE(f.shell.opened.size(), std::size_t{1});
    QCOMPARE(f.shell.opened.front(), std::string{"http://www.tarvolin.de/manual/20.htm"});
    QTest::keyClick(typing, Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY(!f.printer.operations.empty());
    QCOMPARE(f.printer.operations.back(), std::string{"enddoc"});
    QCOMPARE(f.focus(), typing);
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void ButtonsTest::buttonsAndResultsExplainThemselves()
{
    WindowFixture f;
    QStringList silent;
    for (const ControlDesign& design : controlTable) {
        const bool explained = design.kind == ControlKind::Button || design.kind == ControlKind::Check
                               || design.kind == ControlKind::Option || design.kind == ControlKind::Panel
                               || design.name == "Zähler" || design.name == "Termin" || design.name == "Ziel"
                               || (design.kind == ControlKind::DateField && design.index >= 32);
        const bool hinted = !f.widget(design.name, design.index)->toolTip().isEmpty();
        if (explained && !hinted && !design.working && design.name != "Aufkleber")
            silent << QString::fromStdString(controlName(design));
    }
    QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QStringLiteral(", "))));
    QCOMPARE(f.widget("auf", 2)->toolTip(), QStringLiteral("Zeile nach oben"));
    QCOMPARE(f.widget("Altern")->toolTip(), QStringLiteral("Ruhestandsalter ein Jahr höher"));
    QCOMPARE(f.widget("box", 5)->toolTip(), QStringLiteral("Zeit im öffentlichen Dienst: wird angerechnet"));
    // The hint names the key as the keyboard does.
    QVERIFY(f.widget("Drucken")->toolTip().endsWith(
        QStringLiteral("(%1)").arg(QKeySequence{QStringLiteral("Ctrl+P")}.toString(QKeySequence::NativeText))));
}

void ButtonsTest::helpSiteOpensTheProgramsOwnPage_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("withPage");
    QTest::addColumn<QString>("opened"); // what the desktop was given; "PAGE" for the local file
    QTest::newRow("help page from the copy") << "http://www.tarvolin.de/manual/20.htm" << true << "PAGE";
    QTest::newRow("law text on the web") << "http://www.gesetze-im-internet.de/bgb/__622.html" << false
                                         << "http://www.gesetze-im-internet.de/bgb/__622.html";
    QTest::newRow("missing help page") << "http://tarvolin.de/manual/20.htm" << false << "";
}

void ButtonsTest::helpSiteOpensTheProgramsOwnPage()
{
    QFETCH(QString, address);
    QFETCH(bool, withPage);
    QFETCH(QString, opened);

    QTemporaryDir empty;
    QTemporaryDir site;
    QVERIFY(site.isValid() && empty.isValid());
    const QString page = site.path() + QStringLiteral("/manual/20.htm");
    if (withPage) {
        QVERIFY(QDir{site.path()}.mkpath(QStringLiteral("manual")));
        QFile file{page};
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // The first folder lacks the site; the second holds it.
    DesktopShell shell{{empty.path() + QStringLiteral("/nichts"), site.path()}};
    UrlCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "open");
    const QByteArray utf8 = address.toUtf8();
    const std::string_view given{utf8.constData(), static_cast<std::size_t>(utf8.size())};
    const bool handedOver = shell.open(given);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    if (opened.isEmpty()) {
        // Nothing leads nowhere: the user learns which page is missing, and where.
        QVERIFY(!handedOver);
        QVERIFY(browser.opened.isEmpty());
        const QString why = QString::fromStdString(shell.failureText(given));
        QVERIFY2(why.contains(address) && why.contains(page), qPrintable(why));
        return;
    }
    QVERIFY(handedOver);
    const QString expected = opened == QLatin1String("PAGE") ? QUrl::fromLocalFile(page).toString() : opened;
    QCOMPARE(browser.opened, QStringList{expected});
}

// xdg-open starts, finds no browser and ends with status 3: the shell has
// already said yes, and tells the window afterwards.
void ButtonsTest::xdgOpenWithoutBrowserIsReported()
{
    QTemporaryDir bin;
    QTemporaryDir site;
    QVERIFY(bin.isValid() && site.isValid());
    QVERIFY(QDir{site.path()}.mkpath(QStringLiteral("manual")));
    const QString page = site.path() + QStringLiteral("/manual/20.htm");
    QFile pageFile{page};
    QVERIFY(pageFile.open(QIODevice::WriteOnly));
    QFile stub{bin.path() + QStringLiteral("/xdg-open")};
    QVERIFY(stub.open(QIODevice::WriteOnly));
    stub.write(QStringLiteral("#!/bin/sh\necho \"$1\" > '%1/given'\nexit 3\n").arg(bin.path()).toUtf8());
    stub.close();
    QVERIFY(stub.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

    DesktopShell shell{{site.path()}};
    QStringList told;
    shell.setLateFailure([&told](const std::string& text) { told << QString::fromStdString(text); });
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    const bool handedOver = shell.open("http://www.tarvolin.de/manual/20.htm");
    qputenv("PATH", path);
    QVERIFY(handedOver);
    QTRY_COMPARE(told.size(), 1);
    const QString& text = told.front();
    const QString address = QStringLiteral("http://www.tarvolin.de/manual/20.htm");
    QVERIFY2(text.contains(page) && text.contains(address), qPrintable(text));
    QFile given{bin.path() + QStringLiteral("/given")};
    QVERIFY(given.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(given.readAll()).trimmed(), QUrl::fromLocalFile(page).toString());
}

QTEST_MAIN(ButtonsTest)
#include "buttons_test.moc"
