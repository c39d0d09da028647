#include "qt/calculator_window/control_widgets.h"

#include "calc/date_text.h"

#include "qt/calculator_window/arrow_button.h"
#include "qt/calculator_window/control_accessibility.h"
#include "qt/calculator_window/date_edit.h"
#include "qt/calculator_window/decoration.h"
#include "qt/calculator_window/description_edit.h"
#include "qt/calculator_window/pictures.h"
#include "qt/text/qt_text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>

#include <array>

namespace tarvolin {

namespace {

QColor rgb(std::uint32_t colour) { return QColor{QRgb{colour}}; }

bool isDateResult(const ControlDesign& design) { return design.index >= 32; }

// Labels higher than one line of text wrap (Label8, Label12, Kündigung(6)).
constexpr int wrappingHeightTwips = 400;

QWidget* makeButton(const ControlDesign& design, QWidget* parent)
{
    if (design.arrow != ArrowDirection::None) {
        auto* b = new ArrowButton{parent, design.arrow};
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    }
    auto* b = new QPushButton{parent};
    b->setIcon(buttonPicture(design.name));
    b->setIconSize(QSize{b->fontMetrics().height() + 6, b->fontMetrics().height() + 6});
    // A mouse click leaves the focus where the typing goes on; Tab reaches the button.
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QWidget* makeLabel(const ControlDesign& design, QWidget* parent)
{
    QLabel* label = design.clickable ? new ClickableLabel{parent} : new QLabel{parent};
    label->setTextFormat(Qt::PlainText);
    if (design.height >= wrappingHeightTwips) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else if (design.name == "Zähler" || (design.name == "Text" && design.index >= 8 && design.index <= 10)) {
        label->setAlignment(Qt::AlignCenter);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (design.name == "Kündigung")
        label->setIndent(4);
    return label;
}

QWidget* makePanel(const ControlDesign& design, QWidget* parent)
{
    if (design.name == "Aufkleber") {
        auto* panel = new QFrame{parent};
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setAutoFillBackground(true);
        return panel;
    }
    auto* panel = new QLabel{parent};
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    return panel;
}

QWidget* makeLine(QWidget* parent)
{
    auto* line = new QFrame{parent};
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colours::ink.lighter(160));
    line->setPalette(p);
    return line;
}

void setShown(QWidget& w, bool visible)
{
    if (w.isHidden() == visible)
        w.setVisible(visible);
}

void setBold(QWidget& w, bool bold)
{
    if (w.font().bold() == bold)
        return;
    QFont f = w.font();
    f.setBold(bold);
    w.setFont(f);
}

void setFill(QWidget& w, QPalette::ColorRole role, std::optional<QColor> colour)
{
    if (w.autoFillBackground() != colour.has_value() && role == QPalette::Window)
        w.setAutoFillBackground(colour.has_value());
    if (colour && w.palette().color(role) != *colour) {
        QPalette p = w.palette();
        p.setColor(role, *colour);
        w.setPalette(p);
    }
}

void drawLabel(const Control& c, QLabel& label)
{
    const QString text = toQString(c.text);
    if (label.text() != text)
        label.setText(text);
    setBold(label, c.fontBold);
    // Labels show the window's ground unless the model colours them; the
    // labels on the employment-period panel always take their colour.
    const bool coloured = c.backColor != white || !c.design->parent.empty();
    setFill(label, QPalette::Window, coloured ? std::optional{rgb(c.backColor)} : std::nullopt);
    // A description box's counter turns red when the box is full.
    if (c.design->name == "Zähler") {
        const QColor ink = numericValue(c.text) <= 0 ? colours::alarm : colours::ink;
        if (label.palette().color(QPalette::WindowText) != ink) {
            QPalette p = label.palette();
            p.setColor(QPalette::WindowText, ink);
            label.setPalette(p);
        }
    }
}

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel{parent} { setCursor(Qt::PointingHandCursor); }

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

namespace {

QWidget* makeWidgetOfKind(const ControlDesign& design, QWidget* parent)
{
    switch (design.kind) {
    case ControlKind::DateField: {
        auto* field = new DateEdit{parent, !isDateResult(design)};
        field->setAlignment(Qt::AlignCenter);
        return field;
    }
    case ControlKind::TextBox:
        return new DescriptionEdit{parent};
    case ControlKind::Panel:
        return makePanel(design, parent);
    case ControlKind::Button:
        return makeButton(design, parent);
    case ControlKind::Check: {
        auto* check = new QCheckBox{parent};
        check->setFocusPolicy(Qt::TabFocus);
        return check;
    }
    case ControlKind::Option: {
        auto* option = new QRadioButton{parent};
        // The model decides which option is selected, not the buttons among themselves.
        option->setAutoExclusive(false);
        option->setFocusPolicy(Qt::TabFocus);
        return option;
    }
    case ControlKind::Label:
        return makeLabel(design, parent);
    case ControlKind::Line:
        return makeLine(parent);
    case ControlKind::Image:
    case ControlKind::PictureBox:
        return makePicture(design.name, parent);
    }
    return nullptr;
}

} // namespace

QString toolTipOf(const ControlDesign& design)
{
    QString tip = toQString(design.toolTip);
    if (!design.shortcut.empty())
        tip += QStringLiteral(" (%1)").arg(QKeySequence{toQString(design.shortcut)}.toString(QKeySequence::NativeText));
    return tip;
}

QWidget* makeControlWidget(const ControlDesign& design, QWidget* parent)
{
    installControlAccessibility();
    QWidget* w = makeWidgetOfKind(design, parent);
    w->setToolTip(toolTipOf(design));
    // The key clicks the button itself, so it takes the button's one way to
    // its handler. (Not the button's own shortcut: every new caption resets
    // that to the caption's mnemonic.)
    if (!design.shortcut.empty()) {
        auto* button = static_cast<QAbstractButton*>(w);
        auto* key = new QShortcut{QKeySequence{toQString(design.shortcut)}, button};
        QObject::connect(key, &QShortcut::activated, button, &QAbstractButton::animateClick);
    }
    return w;
}

QRect controlGeometry(const ControlDesign& design, const TwipScale& scale, const QWidget& widget)
{
    if (design.kind == ControlKind::Line) {
        // A line has no height in the table; it is drawn one pixel thick.
        const QRect r = scale.rect(design.left, design.top, design.width, 15);
        return QRect{r.left(), r.top(), r.width(), std::max(1, r.height())};
    }
    QRect r = scale.rect(design.left, design.top, design.drawnWidth, design.drawnHeight);
    if (design.kind == ControlKind::Check || design.kind == ControlKind::Option) {
        const auto metric = design.kind == ControlKind::Check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth;
        const int side = std::max(r.width(), widget.style()->pixelMetric(metric, nullptr, &widget) + 2);
        const QPoint centre = r.center();
        r = QRect{centre.x() - side / 2, centre.y() - side / 2, side, side};
    }
    return r;
}

int windowHeightForControls()
{
    int bottom = windowHeightTwips;
    for (const ControlDesign& design : controlTable) {
        if (design.kind == ControlKind::Image || design.kind == ControlKind::PictureBox)
            continue;
        const int parentTop = design.parent.empty() ? 0 : controlTable[static_cast<std::size_t>(controlSlot(design.parent))].top;
        bottom = std::max(bottom, parentTop + design.top + std::max(design.height, design.drawnHeight));
    }
    return bottom + 45;
}

void drawControl(const Control& c, QWidget& w)
{
    setShown(w, c.visible);
    switch (c.design->kind) {
    case ControlKind::DateField: {
        auto& field = static_cast<DateEdit&>(w);
        const QString text = toQString(c.text);
        if (field.displayText() != text) {
            field.setText(text);
            if (field.hasFocus())
                field.placeCursorOnFirstBlank();
        }
        setBold(field, c.fontBold);
        setFill(field, QPalette::Base, rgb(c.backColor));
        break;
    }
    case ControlKind::TextBox: {
        auto& box = static_cast<DescriptionEdit&>(w);
        const QString text = toQString(c.text);
        if (box.text() != text) {
            box.setText(text);
            if (box.hasFocus())
                box.placeCursorAfterText();
        }
        setBold(box, c.fontBold);
        setFill(box, QPalette::Base, rgb(c.backColor));
        break;
    }
    case ControlKind::Panel:
        if (auto* panel = qobject_cast<QLabel*>(&w)) {
            const QString text = toQString(c.text);
            if (panel->text() != text)
                panel->setText(text);
            setBold(*panel, c.fontBold);
        }
        setFill(w, QPalette::Window, rgb(c.backColor));
        break;
    case ControlKind::Label:
        drawLabel(c, static_cast<QLabel&>(w));
        break;
    case ControlKind::Button:
        if (auto* button = qobject_cast<QPushButton*>(&w)) {
            // The leading blanks of the captions made room for the picture,
            // which the button now places itself.
            const QString text = toQString(c.text).trimmed();
            if (button->text() != text)
                button->setText(text);
        }
        break;
    case ControlKind::Check:
    case ControlKind::Option: {
        auto& button = static_cast<QAbstractButton&>(w);
        if (button.isChecked() != c.value)
            button.setChecked(c.value);
        break;
    }
    case ControlKind::Line:
    case ControlKind::Image:
    case ControlKind::PictureBox:
        break;
    }
}

} // namespace tarvolin
