#include "qt/letter/desktop_letter.h"

#include "qt/letter/addressee_dialog.h"
#include "qt/letter/letterhead_dialog.h"

#include <QDate>
#include <QDir>
#include <QShortcut>
#include <QWidget>

#include <utility>

namespace tarvolin {

namespace {

// Which case the calculator's last addressee belongs to.
std::string caseKey(const LetterCase& c) { return c.birthday + " " + c.payStart; }

} // namespace

void DesktopLetter::setListCase(const QString& knownAs, const Addressee& fromRow)
{
    listCase_ = ListCase{knownAs, fromRow};
}

std::optional<Addressee> DesktopLetter::askAddressee(const LetterCase& letterCase)
{
    // Printed directly there is no dialog: a case of the staff list still
    // goes to its own addressee, the calculator's leaves the room to write.
    addressee_ = listCase_ ? listCase_->offered : Addressee{};
    if (settings_.printDirectly())
        return addressee_;
    Addressee offered;
    if (listCase_)
        offered = listCase_->offered;
    else if (settings_.lastAddresseeCase() == caseKey(letterCase))
        offered = settings_.lastAddressee();
    AddresseeDialog dialog{offered, addresseeCaseName(listCase_ ? listCase_->knownAs : QString{}, letterCase.birthday),
                           window_};
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    addressee_ = dialog.addressee();
    if (listCase_)
        listCase_->offered = addressee_;
    else
        // Only to fill in the next dialog: a failure to store it costs nothing.
        settings_.setLastAddressee(addressee_, caseKey(letterCase));
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

QString DesktopLetter::writtenText(const QString& path)
{
    return QStringLiteral("Der Brief wurde als PDF-Datei gespeichert: %1").arg(QDir::toNativeSeparators(path));
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
    if (!dialog.writtenFile().isEmpty() && shown.failure.empty() && writtenNotice_)
        writtenNotice_(writtenText(dialog.writtenFile()));
    showAgain_ = shown.fate == DocumentFate::LayOutAgain;
    return shown;
}

} // namespace tarvolin
