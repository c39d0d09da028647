#include "qt/letter/letterhead_dialog.h"

#include "qt/letter/dialog_fields.h"
#include "qt/letter/letter_settings.h"
#include "qt/letter/letterhead_fields.h"

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
    for (std::size_t i = 0; i < letterheadFields.size(); ++i) {
        const LetterheadField& f = letterheadFields[i];
        fields_[i] = addTextField(*form, QString::fromUtf8(f.label), l.*f.text, QString::fromUtf8(f.hint));
    }

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
    Letterhead head;
    for (std::size_t i = 0; i < letterheadFields.size(); ++i)
        head.*letterheadFields[i].text = fieldText(*fields_[i]);
    return head;
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
