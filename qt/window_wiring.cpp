// Which handler of the model each widget raises. Every path is the same:
// the widget's event becomes one handler call (through handle), and then the
// whole window is drawn again from the model.

#include "calc/date_text.h"
#include "qt/calendar_popup.h"
#include "qt/control_widgets.h"
#include "qt/date_edit.h"
#include "qt/description_edit.h"
#include "qt/main_window.h"

#include <QAbstractButton>

#include <array>

namespace tarvolin {

namespace {

std::string toUtf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string{bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QDate toQDate(const YearMonthDay& d) { return QDate{d.year, d.month, d.day}; }
QDate toQDate(Date d) { return QDate{d.year(), static_cast<int>(d.month()), static_cast<int>(d.day())}; }

struct ButtonHandler {
    std::string_view name;
    void (JDA::*click)();
};

constexpr std::array buttonHandlers{
    ButtonHandler{"Hilfetexte", &JDA::Hilfetexte_Click}, ButtonHandler{"SSCommand2", &JDA::SSCommand2_Click},
    ButtonHandler{"Hilfe", &JDA::Hilfe_Click},           ButtonHandler{"Drucken", &JDA::Drucken_Click},
    ButtonHandler{"SSCommand1", &JDA::SSCommand1_Click}, ButtonHandler{"Schließen", &JDA::Schließen_Click},
    ButtonHandler{"jünger", &JDA::jünger_Click},         ButtonHandler{"Altern", &JDA::Altern_Click},
    ButtonHandler{"weniger", &JDA::weniger_Click},       ButtonHandler{"mehr", &JDA::mehr_Click},
    ButtonHandler{"Label4", &JDA::Label4_Click},         ButtonHandler{"Label7", &JDA::Label7_Click},
};

} // namespace

void MainWindow::wire(int slot)
{
    QWidget* w = widgets_[static_cast<std::size_t>(slot)];
    const ControlDesign& design = controlTable[static_cast<std::size_t>(slot)];
    const auto index = design.index;

    switch (design.kind) {
    case ControlKind::DateField:
        wireDateField(slot, static_cast<DateEdit&>(*w));
        return;
    case ControlKind::TextBox: {
        auto* box = static_cast<DescriptionEdit*>(w);
        box->onKey = [this, slot, box, index](std::int16_t code) {
            std::int16_t key = code;
            handle([&] {
                Control& c = jda_.at(slot);
                if (jda_.focusedSlot != slot)
                    jda_.setFocus(c);
                c.text = toUtf8(box->text());
                jda_.Eingabe_KeyPress(index, key);
            });
            return key;
        };
        box->onEdited = [this, slot, box] { handle([&] { jda_.at(slot).text = toUtf8(box->text()); }); };
        return;
    }
    case ControlKind::Check:
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                [this, index] { handle([&] { jda_.setBox(index, !jda_.box(index).value); }); });
        return;
    case ControlKind::Option:
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                [this, index] { handle([&] { jda_.selectOpt(index); }); });
        return;
    default:
        break;
    }

    if (design.name == "ab" || design.name == "auf") {
        const bool down = design.name == "ab";
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, [this, index, down] {
            handle([&] { down ? jda_.ab_Click(index) : jda_.auf_Click(index); });
        });
        return;
    }
    for (const ButtonHandler& h : buttonHandlers) {
        if (h.name != design.name)
            continue;
        const auto click = h.click;
        if (auto* label = dynamic_cast<ClickableLabel*>(w))
            label->onClick = [this, click] { handle([&] { (jda_.*click)(); }); };
        else
            connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                    [this, click] { handle([&] { (jda_.*click)(); }); });
        return;
    }
}

void MainWindow::wireDateField(int slot, DateEdit& field)
{
    const auto index = controlTable[static_cast<std::size_t>(slot)].index;
    field.onKey = [this, slot, index, &field](std::int16_t code) {
        handle([&] {
            Control& c = jda_.at(slot);
            if (jda_.focusedSlot != slot)
                jda_.setFocus(c);
            // The model judges what the field shows now: "12/03/____".
            c.text = toUtf8(field.displayText());
            std::int16_t key = code;
            jda_.Datum_KeyPress(index, key);
        });
    };
    field.onEdited = [this, slot, &field] { handle([&] { jda_.at(slot).text = toUtf8(field.displayText()); }); };
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
        // The picked day goes in as if its ten characters had been typed.
        handle([&] {
            Control& target = jda_.at(slot);
            if (jda_.focusedSlot != slot)
                jda_.setFocus(target);
            const std::string text = dateText(*Date::fromYmd(day.year(), static_cast<unsigned>(day.month()),
                                                             static_cast<unsigned>(day.day())));
            for (const char ch : text) {
                std::int16_t key = ch;
                jda_.Datum_KeyPress(target.design->index, key);
            }
            target.text = text;
        });
    };
    calendar().open(&field, first, last, shown ? toQDate(*shown) : toQDate(jda_.platform().clock.today()));
}

} // namespace tarvolin
