#pragma once
// Dispatcher: the one way from a user's action to the window object. A
// driver names a control and what happens to it (it receives the focus, a
// key, a typed text, a click), and the dispatcher runs the handler of JDA
// that belongs to that control and event. The Qt window, the scripted mode
// and any other driver without a screen all go through it, so a new button
// is wired by one row of its click table. For a driver without text widgets
// it also does what a text box would do: typed characters land in a date
// field's mask or at the cursor of a description box (keys.h holds the
// cursor rule). It does not decide anything about dates or periods, draw
// anything or own the platform: that is JDA's and the driver's business.
//
// Dates typed and left without Enter. A date field's typed text is
// pending until Enter is handled in it. Before the focus moves from it to
// another control, and before any click, the dispatcher settles it: a text
// that Enter would take (a real day in the field's range; an emptied field
// other than the birthday and the pay start) is handled exactly as by
// Enter, and the focus then goes where the user sent it; any other text
// gives way to the text the field had before the typing, and nothing is
// recalculated. So a date the window shows has always been through Enter's
// handling, or was given back. Only fields 0 to 29 and 31, the ones a user
// types, are ever pending. A two-digit year ("01/09/82__") counts as
// complete, on Enter as on settling, when exactly one century puts the day
// into the field's range (refused_date.h).
//
//   Dispatcher d{window};
//   d.type(window.Datum(0), "10/03/1955");   // keys, then the field's text
//   d.key(window.Datum(0), Key::Enter);      // the recalculation runs
//   d.type(window.Eingabe(1), "Wehrdienst"); // key by key, the box's rules may refuse keys
//   d.click(window.box(1));

#include "window/jda.h"
#include "window/keys.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarvolin {

class Dispatcher {
public:
    explicit Dispatcher(JDA& window);
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    // Date fields and description boxes take the focus and keys; the
    // controls the table marks clickable (buttons, check boxes, options,
    // Label4 and Label7) take clicks. Other events on a control do nothing.
    static bool takesKeys(const ControlDesign& design);
    static bool takesClick(const ControlDesign& design);
    // Whether a user can put the focus into the control (a click, Tab): the
    // controls that take keys, except the working fields, which the window
    // never shows. A driver that names a control directly (a script) may
    // still give a working field the focus and keys, as it always could.
    static bool takesUserFocus(const ControlDesign& design);

    // The control receives the input focus, as by a mouse click into it: the
    // focus handlers of the control losing and of the control receiving the
    // focus run.
    void focus(Control& control);

    // A mouse click: a button runs its click handler, a check box toggles
    // and raises box_Click, an option becomes selected, Label4 and Label7
    // select their option. A click does not move the focus; only the
    // handlers do.
    void click(Control& control);

    // One key as the key handler hears it, for a driver whose text widget
    // places the character itself (the Qt window): the control receives the
    // focus when it lacks it, then Datum_KeyPress or Eingabe_KeyPress runs.
    // Returns the key code after the handler, 0 when it discarded the key.
    std::int16_t keyPress(Control& control, std::int16_t code);

    // Typing for a driver without text widgets: the focus, then the text key
    // by key. A date field raises its key handler with every character and
    // then shows the typed text, its full ten characters ("12/03/____"); a
    // description box takes every character the handler lets through at its
    // cursor. A text that is not UTF-8 types nothing.
    void type(Control& control, std::string_view text);

    // The focus, then one key: Enter, Backspace or one character (UTF-8).
    // In a date field the key only raises the handler (the text changes
    // through type); in a description box a character goes in at the cursor
    // and Backspace removes the character before it, unless the handler
    // discarded the key. Enter puts nothing into a box.
    void key(Control& control, Key key, std::string_view character = {});

    // For a driver whose own text widget takes the user's typing (the Qt
    // window): a date field now shows this text ("12/03/____"). The field
    // receives the focus when it lacks it; a changed text is pending.
    void edited(Control& field, std::string_view text);

    // Whether a date field holds typed text, other than it had before, that
    // no Enter has handled yet.
    bool hasPendingDate() const;

    // Hears why a typed date was not taken: Enter emptied it, or settling
    // gave it its previous text back ("Datum unvollständig – wieder
    // 10.03.1955"). The Qt window shows it at the field; without a listener
    // nothing is said.
    using RefusalListener = std::function<void(Control& field, const std::string& reason)>;
    void setRefusalListener(RefusalListener listener) { refused_ = std::move(listener); }

    // Where typing lands in the focused description box, in characters.
    std::size_t cursorPosition() const { return cursor_.position; }

    // The window has been unloaded (Schließen, the close box): every later
    // call does nothing, and typing stops at the key that unloaded it.
    void windowUnloaded();

private:
    std::int16_t handleKey(Control& control, std::int16_t code);
    void enterDate(Control& field, std::int16_t& code);
    void typed(Control& field, std::string_view text);
    void settle();
    void descriptionKey(Control& box, Key key, std::string_view character);
    void followFocus();

    JDA& window_;
    bool open_ = true;
    RefusalListener refused_;

    // The date field whose typing no Enter has handled yet (slot -1: none)
    // and the text it had before that typing began.
    struct Pending {
        int slot = -1;
        std::string previous;
    } pending_;

    // The cursor of the focused description box: when the box receives the
    // focus, and whenever the program changes its text, it goes to the
    // typing place (keys.h); typing moves it on.
    struct Cursor {
        int slot = -1;
        std::size_t position = 0;
        std::size_t byte = 0; // where `position` is in knownText
        std::string knownText;
    } cursor_;
};

} // namespace tarvolin
