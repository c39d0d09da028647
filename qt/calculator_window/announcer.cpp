#include "qt/calculator_window/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace tarvolin {

namespace {

const QString announcerName = QStringLiteral("announcement");

// A widget of no size outside any layout: in the window's accessibility
// tree, never drawn, never focused.
class Announcer final : public QWidget {
public:
    explicit Announcer(QWidget* window) : QWidget{window}
    {
        setObjectName(announcerName);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }
    QString message;
};

class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleWidget{announcer, QAccessible::Notification} {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Announcer*>(widget())->message;
        return {};
    }
    // Showing for as long as the window is: a reader does not speak a
    // notification it takes for hidden.
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !widget()->window()->isVisible();
        return s;
    }
};

QAccessibleInterface* announcerAccessible(const QString&, QObject* object)
{
    if (auto* a = dynamic_cast<Announcer*>(object))
        return new AnnouncerAccessible{a};
    return nullptr;
}

Announcer* announcerOf(const QWidget& anyWidget, bool make)
{
    QWidget* window = anyWidget.window();
    auto* found = window->findChild<Announcer*>(announcerName, Qt::FindDirectChildrenOnly);
    if (found != nullptr || !make)
        return found;
    static const bool installed = [] {
        QAccessible::installFactory(announcerAccessible);
        return true;
    }();
    (void)installed;
    found = new Announcer{window};
    found->show();
    return found;
}

} // namespace

void announce(QWidget& anyWidget, const QString& message)
{
    if (message.isEmpty())
        return;
    Announcer* announcer = announcerOf(anyWidget, true);
    announcer->message = message;
    QAccessibleEvent shown{announcer, QAccessible::ObjectShow};
    QAccessible::updateAccessibility(&shown);
}

QString lastAnnouncement(const QWidget& anyWidget)
{
    const Announcer* announcer = announcerOf(anyWidget, false);
    return announcer != nullptr ? announcer->message : QString{};
}

} // namespace tarvolin
