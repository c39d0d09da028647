#include "qt/calculator_window/control_accessibility.h"

#include "qt/calculator_window/control_widgets.h"
#include "qt/calculator_window/date_edit.h"
#include "qt/text/qt_text.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace tarvolin {

namespace {

// What a result said when it was last spoken, to tell news from the same.
constexpr const char* spokenWordsProperty = "spokenWords";
// Whether a notice tier is the one that applies.
constexpr const char* markedProperty = "spokenMarked";

const ControlDesign* designOf(const QObject* object)
{
    bool ok = false;
    const int slot = object->property(controlSlotProperty).toInt(&ok);
    return ok && slot >= 0 && slot < static_cast<int>(controlTable.size()) ? &controlTable[static_cast<std::size_t>(slot)]
                                                                           : nullptr;
}

// A date field read as the date it holds. The words have the field's
// character places wherever the field holds a character ("10.03.1955" for
// "10/03/1955"), so that the cursor and the selection mean the same in
// both; a field without a digit reads "leer".
class DateFieldAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DateFieldAccessible(QLineEdit* field) : QAccessibleWidget{field, QAccessible::EditableText} {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return words();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !field().isReadOnly();
        s.readOnly = field().isReadOnly();
        s.selectableText = true;
        return s;
    }

    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && field().hasSelectedText()) {
            *start = clamped(field().selectionStart());
            *end = clamped(field().selectionStart() + field().selectionLength());
        }
    }
    int selectionCount() const override { return field().hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field().deselect(); }
    void setSelection(int, int start, int end) override { field().setSelection(start, end - start); }
    int cursorPosition() const override { return clamped(field().cursorPosition()); }
    void setCursorPosition(int position) override { field().setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        const QString w = words();
        return end < 0 ? w.mid(start) : w.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(words().size()); }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = offset;
        *end = offset;
        return {};
    }

private:
    QLineEdit& field() const { return *static_cast<QLineEdit*>(widget()); }
    QString words() const { return spokenValue(field()); }
    int clamped(int position) const { return std::min(position, characterCount()); }
};

// Where the field draws a character: its text stands centred.
QRect DateFieldAccessible::characterRect(int offset) const
{
    const QString shown = field().displayText();
    const QFontMetrics metrics = field().fontMetrics();
    const int left = field().rect().center().x() - metrics.horizontalAdvance(shown) / 2;
    const QPoint topLeft{left + metrics.horizontalAdvance(shown.left(offset)), (field().height() - metrics.height()) / 2};
    return QRect{field().mapToGlobal(topLeft), QSize{metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height()}};
}

int DateFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    for (int offset = 0; offset < characterCount(); ++offset)
        if (characterRect(offset).contains(point))
            return offset;
    return -1;
}

// A notice tier: a text, and checked when it is the tier that applies.
class TierAccessible final : public QAccessibleWidget {
public:
    explicit TierAccessible(QWidget* tier) : QAccessibleWidget{tier, QAccessible::StaticText} {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = widget()->property(markedProperty).toBool();
        return s;
    }
};

// An option: a radio button, although the model, not the button, keeps
// the two apart.
class OptionAccessible final : public QAccessibleWidget {
public:
    explicit OptionAccessible(QAbstractButton* option) : QAccessibleWidget{option, QAccessible::RadioButton} {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button().isChecked();
        return s;
    }
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button().click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton& button() const { return *static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* controlAccessible(const QString&, QObject* object)
{
    // A date field is asked for its interface while it is being made (its
    // mask sends a text event), before it has its place in the table.
    if (auto* field = dynamic_cast<DateEdit*>(object))
        return new DateFieldAccessible{field};
    const ControlDesign* design = designOf(object);
    if (design == nullptr)
        return nullptr;
    if (design->kind == ControlKind::Option)
        return new OptionAccessible{static_cast<QAbstractButton*>(object)};
    if (design->name == "Kündigung")
        return new TierAccessible{static_cast<QWidget*>(object)};
    return nullptr;
}

// The tier that applies changed: a reader hears "checked" or "not checked".
void mark(QWidget& tier, bool marked)
{
    if (tier.property(markedProperty).toBool() == marked)
        return;
    tier.setProperty(markedProperty, marked);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event{&tier, changed};
    QAccessible::updateAccessibility(&event);
}

} // namespace

void installControlAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlAccessible);
        return true;
    }();
    (void)installed;
}

QString spokenValue(const QWidget& field)
{
    const auto* edit = qobject_cast<const QLineEdit*>(&field);
    return edit == nullptr ? QString{} : toQString(spokenDate(edit->displayText().toStdString()));
}

QStringList speakControls(const ControlModel& model, const std::vector<QWidget*>& widgets)
{
    QStringList news;
    for (std::size_t slot = 0; slot < widgets.size(); ++slot) {
        QWidget& w = *widgets[slot];
        const SpokenControl spoken = spokenControl(model, static_cast<int>(slot));
        const QString name = toQString(spoken.name);
        // Qt tells a reader of the new name itself (NameChanged).
        if (!name.isEmpty() && w.accessibleName() != name)
            w.setAccessibleName(name);
        if (controlTable[slot].name == "Kündigung")
            mark(w, spoken.marked);
        if (!spoken.result)
            continue;
        const QString words = spoken.value.empty() ? name : name + QStringLiteral(": ") + toQString(spoken.value);
        const QVariant before = w.property(spokenWordsProperty);
        w.setProperty(spokenWordsProperty, words);
        if (before.isValid() && before.toString() != words && w.isVisibleTo(w.window()))
            news << words;
    }
    return news;
}

} // namespace tarvolin
