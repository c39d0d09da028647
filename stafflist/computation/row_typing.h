#pragma once
// One employee's case typed into a window object, key by key, as a clerk types
// it into a fresh window. See row_typing.cpp for why this is the only way the
// staff list computes anything.

#include "calc/date.h"
#include "window/dispatcher.h"
#include "window/jda.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

// What is typed for one earlier period (row k of the window).
struct TypedPeriod {
    std::optional<Date> from;
    std::optional<Date> to;
    std::string description; // typed into the row's box as it is (at most 60 characters are typed)
    bool counted = true;     // the row's tick (öD); an unticked row gets one click on its tick
    friend bool operator==(const TypedPeriod&, const TypedPeriod&) = default;
};

// What is typed for one employee. Only the values present are typed.
struct TypedCase {
    Date birthday;
    Date payStart;
    std::optional<Date> referenceDate;
    std::array<std::optional<TypedPeriod>, 14> periods; // row k at [k - 1]
    struct Age {
        int years;  // 55 to 70
        int months; // 0 to 11
        friend bool operator==(const Age&, const Age&) = default;
    };
    std::optional<Age> retirementAge;
    friend bool operator==(const TypedCase&, const TypedCase&) = default;
};

// A typed date that the window emptied on its Enter: refused with a message of
// its own, or, when the window does not accept the day at all, without one.
struct RefusedDate {
    int index; // Datum(index)
    Date typed;
};

struct TypingOutcome {
    // False when the window refused the birthday or the pay start: then the
    // typing stopped there and the window shows no result of this case.
    bool computed = true;
    std::vector<RefusedDate> refused;
};

// The blank start of an empty folder: the window's start-up on a record of
// zeros. It never touches jda.txt.
void startBlank(JDA& window);

// Puts a window into the state of another one, platform and all else left as
// they are. A copy of a window made by startBlank equals a window on which
// startBlank has just run (the staff list's tests compare the two dumps), so
// the list makes the blank start once per system date and copies it per row.
void copyWindowState(JDA& to, const JDA& from);

// Types the case into a window that has just made its blank start; the
// window's own platform answers its message boxes.
TypingOutcome typeCase(JDA& window, const TypedCase& typedCase);

// One employee's case opened in a window as the list computes it: the blank
// start, then the typing. The window keeps its case in `folder` (Schließen
// saves jda.txt there); nothing is read from any jda.txt.
TypingOutcome openCase(JDA& window, const std::filesystem::path& folder, const TypedCase& typedCase);

// The case saved in `folder` before, opened as the program's own start opens
// jda.txt (what an interrupted save left is cleared away or put back; a file
// that cannot be read gives the blank start and a message naming it).
void openSavedCase(JDA& window, const std::filesystem::path& folder);

// The typing steps, for a driver that types more than one case's worth, for
// instance a window that opens one employee of the list.
class WindowTypist {
public:
    explicit WindowTypist(JDA& window);

    // A date typed as dd/mm/yyyy into Datum(index), then Enter. True when the
    // field still holds the date afterwards (the window did not empty it).
    bool date(int index, Date day);
    // Characters typed into the description box of row k, where the box's
    // cursor stands.
    void describe(int row, std::string_view text);
    // One click on the row's tick.
    void clickTick(int row);
    // The age buttons step the retirement age in use to this age, the short way.
    void stepRetirementAgeTo(int years, int months);

private:
    JDA& w_;
    Dispatcher d_;
};

} // namespace tarvolin
