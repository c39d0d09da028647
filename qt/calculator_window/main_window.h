#pragma once
// MainWindow: the window on the desktop. It draws the control model of the
// JDA object it owns and hands the user's keys, clicks and focus moves to the
// window's Dispatcher, which calls the handlers; after each call it draws
// every widget again from the model. It decides nothing itself and keeps no state of its own that the
// model does not hold (the widgets only mirror the model).
//
// The clock, printer, shell and the letter's details come from outside, so
// that tests can fix today's date and keep the printer, the browser and the
// letter's dialogs away.
//
// The controls stand on a canvas of the table's size inside a scroll area.
// On a screen with room the window is exactly the canvas; on a smaller one
// (a 1366 x 768 laptop at 125 %) the window takes no more than the
// screen's free area and scrolls, and a focus moved out of sight by Tab or
// by a handler scrolls into view.
//
// A date left with Tab or a click is settled by the dispatcher once Qt has
// finished moving the focus (never inside the focus event, where a message
// box would upset the focus change), and the focus then stays where the
// user sent it. The close box asks before entries that differ from those
// last loaded or saved are lost: Speichern is a click on Schließen,
// Verwerfen closes without saving, Abbrechen (Escape) stays.

#include "qt/calculator_window/qt_message_box.h"
#include "qt/calculator_window/twips.h"
#include "window/dispatcher.h"
#include "output/saved_entries.h"
#include "window/jda.h"
#include "window/window_host.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <string_view>
#include <vector>

QT_BEGIN_NAMESPACE
class QScrollArea;
QT_END_NAMESPACE

namespace tarvolin {

class CalendarPopup;
class DateEdit;

class MainWindow final : public QWidget {
    Q_OBJECT

public:
    MainWindow(Clock& clock, Printer& printer, Shell& shell, LetterDetails& letter = LetterDetails::none());
    ~MainWindow() override;

    // Shows the window at the top left of the screen and runs the start-up.
    void start();
    // The same with another start-up in place of Form_Load: a window that
    // opens a case from elsewhere (one employee of the staff list).
    void start(const std::function<void()>& startUp);
    // Put after the model's caption in the title bar ("" by default).
    void setTitleSuffix(const QString& suffix);

    JDA& jda() { return jda_; }
    // The widget that draws a control; nullptr when there is none.
    QWidget* widget(std::string_view name, int index = -1) const;
    // The drop-down calendar, made when it is first asked for.
    CalendarPopup& calendar();
    // Brings every widget and the caption in line with the model.
    void redraw();
    // Unloads the window as Schließen does after saving: Form_Unload, then,
    // unless cancelled, the window closes. False when it was cancelled.
    bool unload();
    // The scroll area around the controls.
    QScrollArea* scrollArea() const { return scroll_; }

    // Whether the entries differ from those last loaded or saved; a date
    // typed and not yet taken counts as a change.
    bool entriesChanged();
    // The close box's question about changed entries. By default a message
    // box "Sollen die Eingaben gespeichert werden?"; tests answer it.
    enum class CloseAnswer { Save, Discard, Cancel };
    using CloseQuestion = std::function<CloseAnswer(QWidget* parent)>;
    void setCloseQuestion(CloseQuestion question) { closeQuestion_ = std::move(question); }

signals:
    // The window was unloaded; the program ends.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window system's frame is known once the window is placed.
    void moveEvent(QMoveEvent* event) override;

private:
    class Host final : public WindowHost {
    public:
        explicit Host(MainWindow& window) : window_{window} {}
        void unload() override { window_.unload(); }
        void entriesSaved(std::string_view) override { window_.rememberEntries(); }

    private:
        MainWindow& window_;
    };

    // The window's size: the canvas, or the screen's free area with room
    // for the scroll bars that it then needs.
    void fitToScreen();
    QWidget* makeWidget(int slot);
    void addBadges();
    void orderTabStops();
    void wire(int slot);
    void wireDateField(int slot, DateEdit& field);
    void openCalendar(int slot, DateEdit& field);
    // Runs one step of the model with the drawing quiet, then redraws.
    void handle(const std::function<void()>& step);
    void focusModelOn(int slot);
    // The model follows the widget that has Qt's focus now, if it is one of
    // the window's controls.
    void followQtFocus();
    void applyFocus();
    void showNoticeHints();
    void announceNews();
    bool unloadModel();
    void rememberEntries();
    void showRefusal(const Control& field, const std::string& reason);

    QtMessageBox messages_;
    Host host_;
    JDA jda_;
    Dispatcher dispatcher_{jda_};
    TwipScale scale_;
    QScrollArea* scroll_ = nullptr;
    QWidget* canvas_ = nullptr;     // holds every control
    std::vector<QWidget*> widgets_; // by slot of the control table
    std::vector<QWidget*> badges_;  // in front of Label5(1..3)
    CalendarPopup* calendar_ = nullptr;
    QString titleSuffix_;
    SavedEntries lastEntries_; // as loaded or saved last
    CloseQuestion closeQuestion_;
    bool busy_ = false;   // a handler or the drawing runs: widget events do not reach the model
    bool closed_ = false; // the model agreed to unload
    bool started_ = false; // the start-up has run
    QStringList news_;     // results changed since the last announcement, as they are read
};

} // namespace tarvolin
