// Every window and dialog closed and taken down while a field still holds an
// edit that was never confirmed. A field that has the focus reports that
// edit when it loses the focus, and it loses it on the way out: closing
// hides the window, and ~QWidget takes the controls down only after the
// window's own members are gone. Nothing of that may reach a window that is
// closing or half destroyed: no computation starts, no message box opens,
// and (under the sanitizers and Qt's own assertions of the Debug build)
// no slot of the destroyed window runs.

#include "qt/calculator_window/calendar_popup.h"
#include "qt/calculator_window/main_window.h"
#include "qt/letter/addressee_dialog.h"
#include "qt/letter/letter_preview.h"
#include "qt/letter/letterhead_dialog.h"
#include "qt/staff_list_window/staff_list_window.h"
#include "qt/staff_list_window/staff_list_worker.h"
#include "qt/staff_list_window/staff_table_model.h"
#include "tests/qt/window_fixture.h"

#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>

#include <fstream>

using namespace tarvolin;
using namespace tarvolin::testing;

namespace {

const Date listDay = *Date::fromYmd(2026, 12, 7);

// Gives the focus to `field` and types `keys` into it, confirming nothing.
void typeUnconfirmed(QWidget& field, const QString& keys)
{
    field.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, keys);
}

// The control of `window` with this object name that takes the keys: a spin
// box's own line edit, the line edit itself otherwise.
QWidget& keyTaker(QWidget& window, const QString& name)
{
    auto* w = window.findChild<QWidget*>(name);
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        return *spin->findChild<QLineEdit*>();
    return *w;
}

} // namespace

class TeardownTest : public QObject {
    Q_OBJECT

private slots:
    void staffListWindow_data();
    void staffListWindow();
    void calculatorWindow_data();
    void calculatorWindow();
    void letterDialogs_data();
    void letterDialogs();
};

void TeardownTest::staffListWindow_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("closedFirst");
    for (const bool closed : {true, false}) {
        const QByteArray how = closed ? ", closed" : ", destroyed while shown";
        QTest::newRow("reference date" + how) << "referenceDate" << "31.12.2027" << closed;
        QTest::newRow("reference date that is no date" + how) << "referenceDate" << "31.02.2027" << closed;
        QTest::newRow("year" + how) << "year" << "2031" << closed;
        QTest::newRow("search" + how) << "search" << "Siegfried" << closed;
    }
}

void TeardownTest::staffListWindow()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(bool, closedFirst);
    QTemporaryDir folder;
    const QString table = folder.filePath(QStringLiteral("personal.csv"));
    std::ofstream{table.toStdString(), std::ios::binary}
        << "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab\r\n"
           "901;Spät;Siegfried;01.02.1970;01.04.1995\r\n";
    QSettings settings{folder.filePath(QStringLiteral("tarvolin.ini")), QSettings::IniFormat};
    tarvolin::FixedClock clock{listDay};
    ModalWatchdog watchdog;
    auto window = std::make_unique<StaffListWindow>(clock, settings, folder.filePath(QStringLiteral("Fälle")));
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QSignalSpy computed{&window->worker(), &StaffListWorker::finished};
    window->openFile(table);
    QVERIFY(computed.wait(60000));
    QVERIFY(window->model().list() != nullptr);

    typeUnconfirmed(keyTaker(*window, control), typed);
    if (closedFirst) {
        window->close();
        QTest::qWait(20);
        QVERIFY2(!window->worker().isRunning(), "closing started a computation");
    }
    window.reset();
    QTest::qWait(20);
    QCOMPARE(computed.size(), 1);
    QCOMPARE(watchdog.unexpected(), QStringList{});
}

void TeardownTest::calculatorWindow_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::newRow("birthday, complete") << "Datum" << 0 << "10031955";
    QTest::newRow("birthday, half typed") << "Datum" << 0 << "1003";
    QTest::newRow("from-date of row 3") << "Datum" << 6 << "01091980";
    QTest::newRow("reference date") << "Datum" << 31 << "3112";
    QTest::newRow("description of row 1") << "Eingabe" << 1 << "Wehrdienst";
}

void TeardownTest::calculatorWindow()
{
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QString, typed);
    auto f = std::make_unique<WindowFixture>();
    QVERIFY(f->startTypicalCase(WindowFixture::PriorPeriod::Without));
    QWidget* field = f->widget(control.toStdString(), index);
    QVERIFY(field != nullptr);
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(field, typed);
    // The calendar open over the field, too, as a user may leave it.
    f->window->calendar().open(field, QDate{1930, 1, 1}, QDate{2040, 12, 31}, QDate{1990, 4, 1});
    // The case was typed and never saved: the close box asks, and the clerk
    // lets it go.
    f->watchdog.expect([](QMessageBox& box) { clickButton(box, QStringLiteral("Verwerfen")); });
    f->window->close();
    f->window.reset();
    QTest::qWait(20);
    QCOMPARE(f->watchdog.unexpected(), QStringList{});
}

void TeardownTest::letterDialogs_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("addressee") << "addressee";
    QTest::newRow("letterhead") << "letterhead";
    QTest::newRow("preview") << "preview";
}

void TeardownTest::letterDialogs()
{
    QFETCH(QString, dialog);
    QWidget owner;
    owner.show();
    QtPrinter letter;
    letter.setFontName("Arial");
    letter.printLine("Festsetzung des Jubiläumsdienstalters");
    std::unique_ptr<QDialog> shown;
    if (dialog == QLatin1String("addressee"))
        shown = std::make_unique<AddresseeDialog>(Addressee{}, QString{}, &owner);
    else if (dialog == QLatin1String("letterhead"))
        shown = std::make_unique<LetterheadDialog>(Letterhead{}, false, &owner);
    else
        shown = std::make_unique<LetterPreview>(letter, QStringLiteral("Tarvolin-Brief.pdf"), &owner);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    // Something typed into every field of the dialog, the last one keeps the focus.
    for (QLineEdit* field : shown->findChildren<QLineEdit*>())
        if (field->isVisibleTo(shown.get()))
            typeUnconfirmed(*field, QStringLiteral("Amt"));
    shown->reject();
    shown.reset();
    QTest::qWait(20);
}

QTEST_MAIN(TeardownTest)
#include "teardown_test.moc"
