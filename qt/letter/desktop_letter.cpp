#include "qt/letter/desktop_letter.h"

#include "qt/letter/addressee_dialog.h"
#include "qt/letter/letterhead_dialog.h"

#include <QDate>
#include <QShortcut>
#include <QWidget>

#include <utility>

namespace tarvolin {

std::optional<Addressee> DesktopLetter::askAddressee()
{
    addressee_ = {};
    if (settings_.printDirectly())
        return addressee_;
    AddresseeDialog dialog{settings_.lastAddressee(), window_};
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    addressee_ = dialog.addressee();
    // Only to fill in the next dialog: a failure to store it costs nothing.
    settings_.setLastAddressee(addressee_);
    return addressee_;
}

void DesktopLetter::attach(QWidget& window, QtPrinter& printer)
{
    window_ = &window;
    printer.setPreview([this](const QtPrinter& letter) { return preview(letter); });
    auto* shortcut = new QShortcut{QKeySequence{Qt::CTRL | Qt::SHIFT | Qt::Key_P}, &window};
    shortcut->setObjectName(QStringLiteral("Briefkopf"));
    QObject::connect(shortcut, &QShortcut::activated, &window, [this] { editLetterhead(window_); });
}

bool DesktopLetter::editLetterhead(QWidget* parent) { return tarvolin::editLetterhead(settings_, parent); }

std::optional<QtPrinter::Shown> DesktopLetter::preview(const QtPrinter& letter)
{
    // A letter laid out anew after Briefkopf… comes back to the preview,
    // even when the user has just chosen to print without one from now on.
    if (settings_.printDirectly() && !std::exchange(showAgain_, false))
        return std::nullopt;
    showAgain_ = false;
    const Date today = clock_.today();
    const QDate day{today.year(), static_cast<int>(today.month()), static_cast<int>(today.day())};
    LetterPreview dialog{letter, proposedPdfName(QString::fromStdString(addressee_.name), day), window_};
    dialog.setEditLetterhead([this](QWidget* parent) { return editLetterhead(parent); });
    if (previewHook_)
        previewHook_(dialog);
    dialog.exec();
    const QtPrinter::Shown shown = dialog.outcome();
    showAgain_ = shown.fate == DocumentFate::LayOutAgain;
    return shown;
}

} // namespace tarvolin
