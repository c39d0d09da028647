// What the window asks and how it ends, through real dialogs and real
// clicks: the delete-all question answered No and Yes in a QMessageBox with
// German buttons, each message with the picture of its kind, Schließen
// saving the case and ending, the close box asking before changed entries
// are lost.

#include "tests/qt/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>

#include <filesystem>

using namespace tarvolin;
using namespace tarvolin::testing;

namespace {

qint64 entriesFileSize() { return QFileInfo{QStringLiteral("jda.txt")}.size(); }

} // namespace

class QuestionsAndClosingTest : public QObject {
    Q_OBJECT

private slots:
    void deleteAllQuestion_data();
    void deleteAllQuestion();
    void messagesShowThePictureOfTheirKind_data();
    void messagesShowThePictureOfTheirKind();
    void closeButtonSavesAndEnds();
    void closeBox_data();
    void closeBox();
};

void QuestionsAndClosingTest::deleteAllQuestion_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("confirmAnswer");
    QTest::addColumn<QString>("payStartAfter");
    QTest::newRow("Nein keeps the other entries") << "Nein" << int{answerNo} << "01/04/1990";
    QTest::newRow("Ja clears everything") << "Ja" << int{answerYes} << "__/__/____";
}

void QuestionsAndClosingTest::deleteAllQuestion()
{
    QFETCH(QString, answer);
    QFETCH(int, confirmAnswer);
    QFETCH(QString, payStartAfter);

    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::With));
    QWidget* birthday = f.widget("Datum", 0);
    f.click(birthday);
    QCOMPARE(f.focus(), birthday);
    QTest::keyClick(birthday, Qt::Key_Home);
    QTest::keyClick(birthday, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(birthday, Qt::Key_Delete);
    QCOMPARE(f.jda().Datum(0).text, std::string{"__/__/____"});

    QString title;
    QString text;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    f.watchdog.expect([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        for (QAbstractButton* b : box.buttons())
            buttons << b->text();
        defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString{};
        icon = box.icon();
        clickButton(box, answer);
    });
    f.enter();
    QVERIFY(!f.watchdog.stillExpecting());
    QVERIFY2(f.watchdog.unexpected().isEmpty(), qPrintable(f.watchdog.unexpected().join('\n')));

    QCOMPARE(title, QStringLiteral("Mit der kompletten Löschung einverstanden?"));
    QVERIFY(text.startsWith(QStringLiteral("Mit dem Löschen des Geburtstags werden   a l l e   Daten gelöscht.")));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    QCOMPARE(defaultButton, QStringLiteral("Ja"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(int{f.jda().confirmAnswer}, confirmAnswer);
    QCOMPARE(f.widgetAs<QLineEdit>("Datum", 1).displayText(), payStartAfter);
    QCOMPARE(QString::fromStdString(f.jda().Datum(1).text), payStartAfter);
    QCOMPARE(f.widgetAs<QLineEdit>("Datum", 0).displayText(), QStringLiteral("__/__/____"));
}

void QuestionsAndClosingTest::messagesShowThePictureOfTheirKind_data()
{
    // Typed into the from-date of row 1 after the typical case; none: Drucken in an empty window.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::newRow("a refused date warns") << "01011950" << "Das Datum 01.01.1950 liegt   v o r   dem Geburtstag"
                                          << QMessageBox::Warning;
    QTest::newRow("a notice informs") << "" << "Bitte vorher Daten eingeben" << QMessageBox::Information;
}

void QuestionsAndClosingTest::messagesShowThePictureOfTheirKind()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QMessageBox::Icon, icon);

    WindowFixture f;
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    QString said;
    f.watchdog.expect([&](QMessageBox& box) {
        shown = box.icon();
        said = box.text();
        clickButton(box, QStringLiteral("OK"));
    });
    if (keys.isEmpty()) {
        QVERIFY(f.start());
        f.click(f.widget("Drucken"));
    } else {
        QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
        f.type(keys);
        f.enter();
    }
    QVERIFY(!f.watchdog.stillExpecting());
    QVERIFY2(said.startsWith(text), qPrintable(said));
    QCOMPARE(shown, icon);
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void QuestionsAndClosingTest::closeButtonSavesAndEnds()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::With));
    QCOMPARE(entriesFileSize(), 0);
    QSignalSpy unloaded{f.window.get(), &MainWindow::unloaded};
    f.click(f.widget("Schließen"));
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!f.window->isVisible());
    QCOMPARE(entriesFileSize(), 1292);
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void QuestionsAndClosingTest::closeBox_data()
{
    QTest::addColumn<QString>("change");  // what the clerk did after the start
    QTest::addColumn<QString>("answer");  // to the question; "" when none is expected
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("saves");
    QTest::newRow("unchanged: closes at once") << "" << "" << true << false;
    QTest::newRow("a date confirmed, Verwerfen") << "period" << "Verwerfen" << true << false;
    QTest::newRow("a date confirmed, Abbrechen") << "period" << "Abbrechen" << false << false;
    QTest::newRow("a date confirmed, Escape") << "period" << "Escape" << false << false;
    QTest::newRow("a date confirmed, Speichern") << "period" << "Speichern" << true << true;
    QTest::newRow("a date typed, not yet taken, Speichern") << "pending" << "Speichern" << true << true;
    QTest::newRow("a description typed, Verwerfen") << "description" << "Verwerfen" << true << false;
    QTest::newRow("the age stepped, Abbrechen") << "age" << "Abbrechen" << false << false;
    QTest::newRow("saving fails: the window stays") << "unsavable" << "Speichern" << false << false;
}

// The close box on a changed case asks "Sollen die Eingaben gespeichert
// werden?"; an unchanged one closes at once, as it always did.
void QuestionsAndClosingTest::closeBox()
{
    QFETCH(QString, change);
    QFETCH(QString, answer);
    QFETCH(bool, ends);
    QFETCH(bool, saves);
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::Without));
    // Saved: from here on, what the clerk does is the change.
    f.jda().dateispeichern();
    const QByteArray before = [] {
        QFile file{QStringLiteral("jda.txt")};
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray{};
    }();
    QCOMPARE(before.size(), 1292);
    QVERIFY(!f.window->entriesChanged());

    if (change == "period" || change == "pending" || change == "unsavable") {
        f.click(f.widget("Datum", 2));
        f.type(QStringLiteral("01091980"));
        if (change != "pending") {
            f.enter();
            f.type(QStringLiteral("31081983"));
            f.enter();
        }
    } else if (change == "description") {
        f.click(f.widget("Eingabe", 3));
        f.type(QStringLiteral("Wehrdienst"));
    } else if (change == "age") {
        f.click(f.widget("mehr"));
    }
    if (change == "unsavable")
        f.jda().entriesPath = std::filesystem::path{QDir{}.absoluteFilePath(QStringLiteral("kein Ordner/jda.txt")).toStdString()};
    QCOMPARE(f.window->entriesChanged(), !change.isEmpty());

    QString asked;
    QString failure;
    if (!answer.isEmpty())
        f.watchdog.expect([&](QMessageBox& box) {
            asked = box.text();
            QCOMPARE(box.buttons().size(), 3);
            if (change == "unsavable")
                f.watchdog.expect([&](QMessageBox& said) {
                    failure = said.text();
                    clickButton(said, QStringLiteral("OK"));
                });
            if (answer == "Escape")
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                clickButton(box, answer);
        });
    QSignalSpy unloaded{f.window.get(), &MainWindow::unloaded};
    QCOMPARE(f.window->close(), ends);
    QCOMPARE(unloaded.count(), ends ? 1 : 0);
    QCOMPARE(f.window->isVisible(), !ends);
    if (!answer.isEmpty())
        QCOMPARE(asked, QStringLiteral("Sollen die Eingaben gespeichert werden?"));
    QVERIFY(!f.watchdog.stillExpecting());
    QVERIFY2(f.watchdog.unexpected().isEmpty(), qPrintable(f.watchdog.unexpected().join(", ")));
    if (change == "unsavable") {
        QVERIFY2(failure.contains(QStringLiteral("kein Ordner")), qPrintable(failure));
        return;
    }
    QFile file{QStringLiteral("jda.txt")};
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    QCOMPARE(after != before, saves);
    if (saves)
        QCOMPARE(after.mid(2 + 10 * 2, 10), QByteArray{"01/09/1980"});
    if (ends) {
        // The window is gone for good: a late click changes nothing.
        const std::string age = f.jda().Alter().text;
        f.click(f.widget("Altern"));
        QCOMPARE(f.jda().Alter().text, age);
    }
}

QTEST_MAIN(QuestionsAndClosingTest)
#include "questions_and_closing_test.moc"
