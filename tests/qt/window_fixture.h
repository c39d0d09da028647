#pragma once
// What the window's tests share: the real window on a fixed date, with the
// printer and the browser replaced by recording fakes, started in a
// temporary working directory of its own (start-up writes jda.txt there);
// typing into whatever widget has the focus, as a user's keyboard does; and
// a watchdog that answers expected message boxes and fails on any other.

#include "qt/calculator_window/main_window.h"
#include "tests/support/fakes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>

namespace tarvolin::testing {

// Every modal dialog that appears goes to the handler given for it in
// advance; a dialog nobody expected is recorded and closed, so that the test
// fails instead of hanging.
class ModalWatchdog {
public:
    ModalWatchdog()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }

    // The next modal dialog goes to `answer`.
    void expect(std::function<void(QMessageBox&)> answer) { expected_ = std::move(answer); }
    // The next modal dialog of any kind (not a message box) goes to `answer`.
    void expectDialog(std::function<void(QWidget&)> answer) { expectedDialog_ = std::move(answer); }
    bool stillExpecting() const { return static_cast<bool>(expected_) || static_cast<bool>(expectedDialog_); }
    const QStringList& unexpected() const { return unexpected_; }

private:
    void look()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box != nullptr && expected_) {
            std::exchange(expected_, {})(*box);
            return;
        }
        if (box == nullptr && expectedDialog_) {
            std::exchange(expectedDialog_, {})(*modal);
            return;
        }
        unexpected_ << modal->windowTitle() + QStringLiteral(": ") + (box ? box->text() : QString{});
        modal->close();
    }

    QTimer timer_;
    std::function<void(QMessageBox&)> expected_;
    std::function<void(QWidget&)> expectedDialog_;
    QStringList unexpected_;
};

// Clicks the button of a message box that carries this text.
inline void clickButton(QMessageBox& box, const QString& text)
{
    for (QAbstractButton* b : box.buttons())
        if (b->text() == text) {
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    QFAIL(qPrintable(QStringLiteral("no button \"%1\"").arg(text)));
}

struct WindowFixture {
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    FixedClock clock;
    RecordingPrinter printer;
    RecordingShell shell;
    std::unique_ptr<MainWindow> window;
    ModalWatchdog watchdog;

    WindowFixture()
    {
        QDir::setCurrent(folder.path());
        window = std::make_unique<MainWindow>(clock, printer, shell);
    }
    ~WindowFixture()
    {
        window.reset();
        QDir::setCurrent(previousFolder);
    }

    // Shows the window, runs the start-up and waits until the window has the
    // keyboard.
    bool start()
    {
        window->start();
        return QTest::qWaitForWindowActive(window.get());
    }

    JDA& jda() { return window->jda(); }
    QWidget* widget(std::string_view name, int index = -1) { return window->widget(name, index); }
    template <class W>
    W& widgetAs(std::string_view name, int index = -1)
    {
        return *static_cast<W*>(window->widget(name, index));
    }

    // Starts the window and types the typical case, each date confirmed with
    // Enter: born 10/03/1955, pay from 01/04/1990, and with the prior period
    // the row 01/09/1980 to 31/08/1983 as well. True when the JDA begin shows
    // what the case gives.
    enum class PriorPeriod { Without, With };
    bool startTypicalCase(PriorPeriod prior)
    {
        if (!start())
            return false;
        QStringList dates{QStringLiteral("10031955"), QStringLiteral("01041990")};
        if (prior == PriorPeriod::With)
            dates << QStringLiteral("01091980") << QStringLiteral("31081983");
        for (const QString& keys : dates) {
            type(keys);
            enter();
        }
        return jda().Datum(32).text == (prior == PriorPeriod::With ? "01/04/1987" : "01/04/1990");
    }

    // Keys go where the keyboard focus is, as they would for a user.
    static QWidget* focus() { return QApplication::focusWidget(); }
    void type(const QString& keys) { QTest::keyClicks(focus(), keys); }
    void enter() { QTest::keyClick(focus(), Qt::Key_Return); }
    void tab() { QTest::keyClick(focus(), Qt::Key_Tab); }
    // Clicks a widget where a user would: in its middle.
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
};

} // namespace tarvolin::testing
