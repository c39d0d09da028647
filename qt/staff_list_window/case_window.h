#pragma once
// CaseWindow: one employee of the staff list in a calculator window of its
// own. Each employee has a folder of their own (caseFolderOf): Schließen
// saves the case's jda.txt there and a letter written as PDF goes there; the
// user's working directory is never touched. When the folder holds a saved
// case, the window opens that case (and says so in its title); otherwise, or
// when asked to start again from the list, the case is typed into the
// window's JDA by the list's own typing (openCase: the blank start, then the
// dates, periods, ticks and age), with the window's own message boxes. After
// that it is the ordinary calculator, with the same printer, browser and
// letter dialogs as the program's own window. Its system date is the one the list was
// computed with, so that it shows what the list shows. The title names the
// employee after the usual caption, and its letters are offered to the
// employee of the row. The close box asks before changed entries are lost,
// as the program's own window does. The object deletes itself, window and
// all, when the window is unloaded.

#include "calc/clock.h"
#include "qt/desktop/desktop_platform.h"
#include "stafflist/computation/computed_list.h"

#include <QObject>
#include <QString>

#include <memory>

namespace tarvolin {

class MainWindow;

class CaseWindow final : public QObject {
    Q_OBJECT

public:
    enum class Start { SavedCase, FromList };
    // Opens the window for a row of the list, whose case lives in `folder`;
    // nullptr when it would be typed from the list and the row has no case
    // that could be (the list could not compute it).
    static MainWindow* open(const ComputedList& list, std::size_t row, const QString& folder, Start start,
                            QObject* parent);
    ~CaseWindow() override;

private:
    CaseWindow(Date today, const QString& folder, QObject* parent);

    class ListDay final : public Clock {
    public:
        explicit ListDay(Date day) : day_{day} {}
        Date today() override { return day_; }

    private:
        Date day_;
    };

    ListDay clock_;
    DesktopPlatform platform_;
    std::unique_ptr<MainWindow> window_;
};

// " – Meier, Anna, Personalnummer 1001": what follows the caption.
QString employeeTitle(const ComputedList& list, std::size_t row);
// "Meier, Anna, Personalnummer 1001": whom the row is about.
QString employeeName(const ComputedList& list, std::size_t row);

} // namespace tarvolin
