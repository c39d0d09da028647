#include "qt/letter/letterhead_dialog.h"

#include "qt/letter/dialog_fields.h"
#include "qt/letter/letter_settings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace tarvolin {

LetterheadDialog::LetterheadDialog(const Letterhead& l, bool printDirectly, QWidget* parent) : QDialog{parent}
{
    setObjectName(QStringLiteral("Briefkopf"));
    setWindowTitle(QStringLiteral("Briefkopf"));
    auto* intro = new QLabel{QStringLiteral("Der Briefkopf gilt für jeden Brief. Leere Felder lassen den Brief, wie er "
                                            "ohne Briefkopf ist.")};
    intro->setWordWrap(true);

    auto* form = new QFormLayout;
    employer_ = addTextField(*form, QStringLiteral("&Arbeitgeber:"), l.employer, QStringLiteral("Mein Arbeitgeber"));
    office_ = addTextField(*form, QStringLiteral("&Dienststelle:"), l.office, QStringLiteral("Personalstelle"));
    const QString senderHints[] = {QStringLiteral("Anschrift"), QStringLiteral("Telefon"), QStringLiteral("E-Mail")};
    for (std::size_t i = 0; i < senderLines_.size(); ++i)
        senderLines_[i] = addTextField(*form, QStringLiteral("Absender, Zeile &%1:").arg(i + 1), l.senderLines[i],
                                       senderHints[i]);
    fileReference_ = addTextField(*form, QStringLiteral("A&ktenzeichen:"), l.fileReference);
    signerName_ = addTextField(*form, QStringLiteral("&Unterzeichnet von:"), l.signerName, QStringLiteral("Name"));
    signerFunction_ = addTextField(*form, QStringLiteral("&Funktion:"), l.signerFunction,
                                   QStringLiteral("z. B. Leiterin der Personalstelle"));

    printDirectly_ = new QCheckBox{QStringLiteral("&Ohne Vorschau direkt drucken")};
    printDirectly_->setAccessibleName(QStringLiteral("Ohne Vorschau direkt drucken"));
    printDirectly_->setAccessibleDescription(QStringLiteral(
        "Drucken fragt dann nicht nach dem Empfänger und druckt sofort auf dem Standarddrucker."));
    printDirectly_->setChecked(printDirectly);

    auto* layout = new QVBoxLayout{this};
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(printDirectly_);
    layout->addWidget(addOkCancel(*this, QStringLiteral("OK")));
}

Letterhead LetterheadDialog::letterhead() const
{
    return {fieldText(*employer_),
            fieldText(*office_),
            {fieldText(*senderLines_[0]), fieldText(*senderLines_[1]), fieldText(*senderLines_[2])},
            fieldText(*fileReference_),
            fieldText(*signerName_),
            fieldText(*signerFunction_)};
}

bool LetterheadDialog::printDirectly() const { return printDirectly_->isChecked(); }

bool editLetterhead(LetterSettings& settings, QWidget* parent)
{
    LetterheadDialog dialog{settings.letterhead(), settings.printDirectly(), parent};
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const bool stored = settings.setLetterhead(dialog.letterhead());
    if (!settings.setPrintDirectly(dialog.printDirectly()) || !stored)
        QMessageBox::warning(parent, QStringLiteral("Tarvolin"),
                             QStringLiteral("Der Briefkopf konnte nicht gespeichert werden, weil sich die Datei „%1“ "
                                            "nicht schreiben ließ. Er gilt nur bis zum Ende des Programms.")
                                 .arg(settings.location()));
    return true;
}

} // namespace tarvolin
