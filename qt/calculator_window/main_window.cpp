#include "qt/calculator_window/main_window.h"

#include "qt/calculator_window/announcer.h"
#include "qt/calculator_window/calendar_popup.h"
#include "qt/calculator_window/control_accessibility.h"
#include "qt/calculator_window/control_widgets.h"
#include "qt/calculator_window/date_edit.h"
#include "qt/calculator_window/decoration.h"
#include "qt/calculator_window/description_edit.h"
#include "qt/calculator_window/pictures.h"
#include "calc/date_text.h"
#include "window/notice_hints.h"
#include "window/save_case.h"
#include "qt/text/qt_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace tarvolin {

namespace {

// A click into the window while another window has the keyboard gives the
// focus only when the window becomes active again (ActiveWindowFocusReason);
// the model follows that too, or the next redraw would take the focus back.
bool movedByUser(Qt::FocusReason reason)
{
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
           || reason == Qt::ShortcutFocusReason || reason == Qt::ActiveWindowFocusReason;
}

MainWindow::CloseAnswer askBeforeClosing(QWidget* parent)
{
    const QString title = toQString(programTitle);
    QMessageBox box{QMessageBox::Question, title, QStringLiteral("Sollen die Eingaben gespeichert werden?"),
                    QMessageBox::NoButton, parent};
    box.setObjectName(QStringLiteral("closeQuestion"));
    QPushButton* save = box.addButton(QStringLiteral("Speichern"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return MainWindow::CloseAnswer::Save;
    if (box.clickedButton() == discard)
        return MainWindow::CloseAnswer::Discard;
    return MainWindow::CloseAnswer::Cancel;
}

} // namespace

MainWindow::MainWindow(Clock& clock, Printer& printer, Shell& shell, LetterDetails& letter)
    : messages_{this},
      host_{*this},
      jda_{Platform{messages_, clock, printer, shell, host_, letter}},
      scale_{static_cast<double>(logicalDpiY())},
      closeQuestion_{askBeforeClosing}
{
    setObjectName(QStringLiteral("JDA"));
    dispatcher_.setRefusalListener([this](Control& field, const std::string& reason) { showRefusal(field, reason); });
    QFont font{QStringLiteral("Arial")};
    font.setPointSize(8);
    setFont(font);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, colours::windowBackground);
    ground.setColor(QPalette::WindowText, colours::ink);
    setPalette(ground);
    setAutoFillBackground(true);
    canvas_ = new QWidget;
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->setFixedSize(scale_.px(windowWidthTwips), scale_.px(windowHeightForControls()));
    scroll_ = new QScrollArea{this};
    scroll_->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control, never to the scroll area itself.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidget(canvas_);
    // The window's own ground shows through (setWidget made the canvas
    // opaque): the window itself is painted, as a window that holds its
    // controls directly would be.
    canvas_->setAutoFillBackground(false);
    scroll_->viewport()->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout{this};
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    setFixedSize(canvas_->size());
    setWindowTitle(QString::fromStdString(jda_.formCaption));

    widgets_.assign(controlTable.size(), nullptr);
    for (int slot = 0; slot < static_cast<int>(controlTable.size()); ++slot)
        makeWidget(slot);
    // Stacked as the table lists them, so the employment-period panel lies
    // over the anniversary results; the pictures lie under everything.
    for (QWidget* w : widgets_)
        w->raise();
    addBadges();
    for (std::size_t slot = widgets_.size(); slot-- > 0;)
        if (controlTable[slot].kind == ControlKind::Image || controlTable[slot].kind == ControlKind::PictureBox)
            widgets_[slot]->lower();
    orderTabStops();
    redraw();
}

MainWindow::~MainWindow()
{
    // The model dies before the widgets do (~QWidget takes them down after
    // the members); nothing they report on the way out may reach it, nor any
    // slot of this window.
    busy_ = true;
    closed_ = true;
    for (QObject* part : findChildren<QObject*>())
        disconnect(part, nullptr, this, nullptr);
}

QWidget* MainWindow::makeWidget(int slot)
{
    QWidget*& made = widgets_[static_cast<std::size_t>(slot)];
    if (made != nullptr)
        return made;
    const ControlDesign& design = controlTable[static_cast<std::size_t>(slot)];
    // The panel's children stand relative to the panel.
    QWidget* parent = design.parent.empty() ? canvas_ : makeWidget(controlSlot(design.parent));
    QWidget* w = makeControlWidget(design, parent);
    w->setObjectName(QString::fromStdString(controlName(design)));
    w->setProperty(controlSlotProperty, slot);
    w->setGeometry(controlGeometry(design, scale_, *w));
    const std::string_view accessible = design.accessibleName.view();
    w->setAccessibleName(toQString(accessible));
    // The working fields are hidden and out of reach of Tab and the mouse.
    if (Dispatcher::takesKeys(design) && !Dispatcher::takesUserFocus(design))
        w->setFocusPolicy(Qt::NoFocus);
    if (w->focusPolicy() != Qt::NoFocus)
        w->installEventFilter(this);
    made = w;
    wire(slot);
    return w;
}

void MainWindow::addBadges()
{
    constexpr std::array<int, 3> years{25, 40, 50};
    for (int k = 1; k <= 3; ++k) {
        const ControlDesign& caption = *jda_.Label5(k).design;
        QWidget* badge = makeBadge(QString::number(years[static_cast<std::size_t>(k - 1)]), canvas_);
        badge->setObjectName(QStringLiteral("badge%1").arg(years[static_cast<std::size_t>(k - 1)]));
        badge->setGeometry(scale_.rect(caption.left - 540, caption.top + 15, 450, caption.height - 30));
        // Under the employment-period panel, like the captions they belong to.
        badge->stackUnder(widget("Aufkleber"));
        badges_.push_back(badge);
    }
}

// Tab walks the window line by line, left to right: controls whose tops lie
// within 150 twips of the first control of a line (a row's check box stands
// 60 twips lower than its dates) belong to that line.
void MainWindow::orderTabStops()
{
    struct Stop {
        QWidget* widget;
        int top;
        int left;
    };
    std::vector<Stop> stops;
    for (std::size_t slot = 0; slot < widgets_.size(); ++slot) {
        QWidget* w = widgets_[slot];
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        const ControlDesign& design = controlTable[slot];
        const ControlDesign* parent = design.parent.empty() ? nullptr : &controlTable[static_cast<std::size_t>(controlSlot(design.parent))];
        stops.push_back({w, design.top + (parent ? parent->top : 0), design.left + (parent ? parent->left : 0)});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) { return a.top < b.top; });
    for (std::size_t first = 0; first < stops.size();) {
        std::size_t end = first;
        while (end < stops.size() && stops[end].top - stops[first].top < 150)
            ++end;
        std::stable_sort(stops.begin() + static_cast<std::ptrdiff_t>(first), stops.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const Stop& a, const Stop& b) { return a.left < b.left; });
        first = end;
    }
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1].widget, stops[i].widget);
}

QWidget* MainWindow::widget(std::string_view name, int index) const
{
    const int slot = controlSlot(name, index);
    return slot < 0 ? nullptr : widgets_[static_cast<std::size_t>(slot)];
}

void MainWindow::start()
{
    start([this] { jda_.Form_Load(); });
}

void MainWindow::start(const std::function<void()>& startUp)
{
    fitToScreen();
    if (const QScreen* s = screen())
        move(s->availableGeometry().topLeft());
    show();
    handle(startUp);
    rememberEntries();
    started_ = true;
}

void MainWindow::rememberEntries() { lastEntries_ = enteredCase(jda_); }

bool MainWindow::entriesChanged()
{
    return dispatcher_.hasPendingDate() || enteredCase(jda_) != lastEntries_;
}

void MainWindow::showRefusal(const Control& field, const std::string& reason)
{
    if (field.design->kind == ControlKind::DateField)
        static_cast<DateEdit*>(widgets_[static_cast<std::size_t>(jda_.slotOf(field))])
            ->showRefusal(QString::fromStdString(reason));
}

void MainWindow::setTitleSuffix(const QString& suffix)
{
    titleSuffix_ = suffix;
    redraw();
}

void MainWindow::fitToScreen()
{
    const QScreen* s = screen();
    if (s == nullptr)
        return;
    const QSize room = s->availableGeometry().size() - (frameGeometry().size() - geometry().size());
    const QSize content = canvas_->size();
    const int bar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    // A scroll bar takes room from the other direction, which may then need one too.
    bool vertical = content.height() > room.height();
    const bool horizontal = content.width() + (vertical ? bar : 0) > room.width();
    vertical = vertical || content.height() + (horizontal ? bar : 0) > room.height();
    const QSize fitted{std::min(room.width(), content.width() + (vertical ? bar : 0)),
                       std::min(room.height(), content.height() + (horizontal ? bar : 0))};
    if (size() != fitted)
        setFixedSize(fitted);
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    fitToScreen();
}

void MainWindow::handle(const std::function<void()>& step)
{
    if (busy_ || closed_)
        return;
    busy_ = true;
    try {
        step();
    } catch (const std::exception& e) {
        // A fault of the program itself; the window stays usable.
        messages_.show(std::string{"Ein interner Fehler ist aufgetreten: "} + e.what(), programTitle,
                       MessageButtons::Ok, MessageKind::Failure);
    }
    busy_ = false;
    redraw();
    announceNews();
}

// The results a step changed, read out after it; not those of the start-up,
// which shows the saved case as a whole.
void MainWindow::announceNews()
{
    if (started_ && !news_.isEmpty())
        announce(*this, QStringLiteral("Neu berechnet: ") + news_.join(QStringLiteral("; ")));
    news_.clear();
}

void MainWindow::redraw()
{
    const bool wasBusy = busy_;
    busy_ = true;
    for (std::size_t slot = 0; slot < widgets_.size(); ++slot)
        drawControl(jda_.at(static_cast<int>(slot)), *widgets_[slot]);
    news_ << speakControls(jda_, widgets_);
    for (int k = 1; k <= 3; ++k)
        badges_[static_cast<std::size_t>(k - 1)]->setVisible(jda_.Label5(k).visible);
    // A box whose counter has reached 0 refuses every key and says so.
    for (int k = 1; k <= 14; ++k) {
        auto* box = static_cast<DescriptionEdit*>(widgets_[static_cast<std::size_t>(jda_.slotOf(jda_.Eingabe(k)))]);
        box->setFull(numericValue(jda_.Zähler(k).text) <= 0);
    }
    showNoticeHints();
    const QString caption = QString::fromStdString(jda_.formCaption) + titleSuffix_;
    if (windowTitle() != caption)
        setWindowTitle(caption);
    applyFocus();
    busy_ = wasBusy;
}

// The last notice day says under its tool tip when it has passed, or when
// the age limit lies on or before the reference date; its caption stays.
void MainWindow::showNoticeHints()
{
    const int slot = jda_.slotOf(jda_.Termin());
    QString tip = toolTipOf(controlTable[static_cast<std::size_t>(slot)]);
    for (const std::string& hint : noticeDateHints(noticeDatesOf(jda_), jda_.platform().clock.today()))
        tip += QLatin1Char('\n') + QString::fromStdString(hint);
    QWidget* termin = widgets_[static_cast<std::size_t>(slot)];
    if (termin->toolTip() != tip)
        termin->setToolTip(tip);
}

void MainWindow::applyFocus()
{
    if (closed_ || jda_.focusedSlot < 0)
        return;
    QWidget* w = widgets_[static_cast<std::size_t>(jda_.focusedSlot)];
    if (w->focusPolicy() != Qt::NoFocus && focusWidget() != w)
        w->setFocus(Qt::OtherFocusReason);
}

void MainWindow::focusModelOn(int slot)
{
    handle([this, slot] { dispatcher_.focus(jda_.at(slot)); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Wherever the focus goes (Tab, a handler), the whole control comes into
    // sight; the scroll area alone would only show a field's text cursor.
    if (event->type() == QEvent::FocusIn) {
        const auto* w = static_cast<QWidget*>(watched);
        const QPoint centre = w->mapTo(canvas_, w->rect().center());
        constexpr int margin = 8;
        scroll_->ensureVisible(centre.x(), centre.y(), w->width() / 2 + margin, w->height() / 2 + margin);
    }
    if (event->type() == QEvent::FocusIn && !busy_ && movedByUser(static_cast<QFocusEvent*>(event)->reason())) {
        const int slot = watched->property(controlSlotProperty).toInt();
        // A date left without Enter is settled once the focus change is
        // over: settling may show a message box.
        if (dispatcher_.hasPendingDate())
            QMetaObject::invokeMethod(this, &MainWindow::followQtFocus, Qt::QueuedConnection);
        else if (slot != jda_.focusedSlot)
            focusModelOn(slot);
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::followQtFocus()
{
    QWidget* w = QApplication::focusWidget();
    if (closed_ || w == nullptr || w->window() != this || !w->property(controlSlotProperty).isValid())
        return;
    const int slot = w->property(controlSlotProperty).toInt();
    if (slot != jda_.focusedSlot)
        focusModelOn(slot);
}

bool MainWindow::unloadModel()
{
    std::int16_t cancel = False;
    jda_.Form_Unload(cancel);
    return cancel == False;
}

bool MainWindow::unload()
{
    if (closed_)
        return true;
    if (!unloadModel())
        return false;
    closed_ = true;
    dispatcher_.windowUnloaded();
    close();
    emit unloaded();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closed_) {
        event->accept();
        return;
    }
    if (busy_) {
        event->ignore();
        return;
    }
    // Changed entries are not lost without a word. The close box itself
    // settles nothing: Speichern is a click on Schließen, which does.
    if (entriesChanged()) {
        const CloseAnswer answer = closeQuestion_(this);
        if (answer == CloseAnswer::Cancel) {
            event->ignore();
            return;
        }
        if (answer == CloseAnswer::Save) {
            // Schließen saves and unloads; a failed save keeps the window.
            handle([this] { dispatcher_.click(jda_.Schließen()); });
            if (closed_)
                event->accept();
            else
                event->ignore();
            return;
        }
    }
    // Without saving; the model may still refuse to unload.
    bool agreed = false;
    handle([this, &agreed] { agreed = unloadModel(); });
    if (!agreed) {
        event->ignore();
        return;
    }
    closed_ = true;
    dispatcher_.windowUnloaded();
    event->accept();
    emit unloaded();
}

} // namespace tarvolin
