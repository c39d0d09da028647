// Which widget event goes to the dispatcher as which event. Every path is the
// same: the widget's event becomes one call of the window's Dispatcher
// (through handle), which runs the handler, and then the whole window is
// drawn again from the model.

#include "calc/date_text.h"
#include "qt/calculator_window/calendar_popup.h"
#include "qt/calculator_window/control_widgets.h"
#include "qt/calculator_window/date_edit.h"
#include "qt/calculator_window/description_edit.h"
#include "qt/calculator_window/main_window.h"
#include "window/calendar_start.h"
#include "qt/text/qt_text.h"

#include <QAbstractButton>

namespace tarvolin {

namespace {

QDate toQDate(const YearMonthDay& d) { return QDate{d.year, d.month, d.day}; }
QDate toQDate(Date d) { return QDate{d.year(), static_cast<int>(d.month()), static_cast<int>(d.day())}; }

} // namespace

void MainWindow::wire(int slot)
{
    QWidget* w = widgets_[static_cast<std::size_t>(slot)];
    const ControlDesign& design = controlTable[static_cast<std::size_t>(slot)];

    if (design.kind == ControlKind::DateField) {
        wireDateField(slot, static_cast<DateEdit&>(*w));
        return;
    }
    if (design.kind == ControlKind::TextBox) {
        auto* box = static_cast<DescriptionEdit*>(w);
        box->onKey = [this, slot, box](std::int16_t code) {
            std::int16_t key = code;
            handle([&] {
                Control& c = jda_.at(slot);
                c.text = toUtf8(box->text());
                key = dispatcher_.keyPress(c, code);
            });
            return key;
        };
        box->onEdited = [this, slot, box] { handle([&] { jda_.at(slot).text = toUtf8(box->text()); }); };
        return;
    }
    if (!Dispatcher::takesClick(design))
        return;
    const auto click = [this, slot] { handle([&] { dispatcher_.click(jda_.at(slot)); }); };
    if (auto* label = dynamic_cast<ClickableLabel*>(w))
        label->onClick = click;
    else
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, click);
}

void MainWindow::wireDateField(int slot, DateEdit& field)
{
    field.onKey = [this, slot, &field](std::int16_t code) {
        const std::string shown = toUtf8(field.displayText());
        handle([&] {
            Control& c = jda_.at(slot);
            // The model judges what the field shows now: "12/03/____".
            dispatcher_.edited(c, shown);
            dispatcher_.keyPress(c, code);
        });
    };
    field.onEdited = [this, slot, &field] {
        handle([&] { dispatcher_.edited(jda_.at(slot), toUtf8(field.displayText())); });
    };
    field.onCalendar = [this, slot, &field] { openCalendar(slot, field); };
}

// The calendar is made on its first use, not with the window: building a
// QCalendarWidget reads the style's arrow icons, which loads the image
// plugins, and costs about a tenth of the window's start-up.
CalendarPopup& MainWindow::calendar()
{
    if (calendar_ == nullptr)
        calendar_ = new CalendarPopup{this};
    return *calendar_;
}

void MainWindow::openCalendar(int slot, DateEdit& field)
{
    const Control& c = jda_.at(slot);
    const QDate first = toQDate(c.design->range.first);
    const QDate last = toQDate(c.design->range.last);
    const auto shown = c.dateValue();
    calendar().onPicked = [this, slot](QDate day) {
        // The picked day goes in as if its ten characters had been typed
        // and confirmed with Enter.
        handle([&] {
            const std::string text = dateText(*Date::fromYmd(day.year(), static_cast<unsigned>(day.month()),
                                                             static_cast<unsigned>(day.day())));
            Control& c = jda_.at(slot);
            dispatcher_.type(c, text);
            dispatcher_.key(c, Key::Enter);
        });
    };
    const auto before = calendarStartBefore(jda_, c.design->index);
    const Date start = shown ? *shown : before ? *before : jda_.platform().clock.today();
    calendar().open(&field, first, last, toQDate(start));
}

} // namespace tarvolin
