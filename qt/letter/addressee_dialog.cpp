#include "qt/letter/addressee_dialog.h"

#include "qt/letter/dialog_fields.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvolin {

namespace {

// The salutations in the order of the list; the last prints none.
const QString salutations[] = {QStringLiteral("Frau"), QStringLiteral("Herrn"), QStringLiteral("ohne Anrede")};

} // namespace

QString addresseeCaseName(const QString& knownAs, const std::string& birthday)
{
    QString day = QString::fromStdString(birthday);
    day.replace(QLatin1Char('/'), QLatin1Char('.'));
    const QString born = QStringLiteral("Geburtstag ") + day;
    return knownAs.isEmpty() ? born : knownAs + QStringLiteral(", ") + born;
}

AddresseeDialog::AddresseeDialog(const Addressee& last, const QString& caseName, QWidget* parent) : QDialog{parent}
{
    setObjectName(QStringLiteral("Empfaenger"));
    setWindowTitle(QStringLiteral("Empfänger des Briefs – ") + caseName);
    auto* about = new QLabel{QStringLiteral("Brief für: ") + caseName};
    about->setObjectName(QStringLiteral("case"));
    about->setTextFormat(Qt::PlainText);
    about->setWordWrap(true);
    QFont bold = about->font();
    bold.setBold(true);
    about->setFont(bold);
    auto* intro = new QLabel{QStringLiteral("An wen geht der Brief? Ohne Namen bleibt die Zeile „Herrn / Frau“ mit "
                                            "Platz für die Anschrift.")};
    intro->setWordWrap(true);

    auto* form = new QFormLayout;
    salutation_ = new QComboBox;
    for (const QString& s : salutations)
        salutation_->addItem(s);
    const int chosen = salutation_->findText(QString::fromStdString(last.salutation));
    salutation_->setCurrentIndex(chosen >= 0 ? chosen : 2);
    salutation_->setAccessibleName(QStringLiteral("Anrede"));
    auto* salutationLabel = new QLabel{QStringLiteral("&Anrede:")};
    salutationLabel->setBuddy(salutation_);
    form->addRow(salutationLabel, salutation_);
    name_ = addTextField(*form, QStringLiteral("&Name:"), last.name, QStringLiteral("Vorname Name"));
    street_ = addTextField(*form, QStringLiteral("&Straße und Hausnummer:"), last.street);
    town_ = addTextField(*form, QStringLiteral("&Postleitzahl und Ort:"), last.town);

    QDialogButtonBox* buttons = addOkCancel(*this, QStringLiteral("&Weiter"));
    QPushButton* clearButton = buttons->addButton(QStringLiteral("Felder &leeren"), QDialogButtonBox::ResetRole);
    clearButton->setAccessibleName(QStringLiteral("Felder leeren"));
    clearButton->setAutoDefault(false);
    connect(clearButton, &QPushButton::clicked, this, [this] { clear(); });

    auto* layout = new QVBoxLayout{this};
    layout->addWidget(about);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    name_->setFocus();
}

void AddresseeDialog::clear()
{
    salutation_->setCurrentIndex(2);
    for (QLineEdit* field : {name_, street_, town_})
        field->clear();
    name_->setFocus();
}

Addressee AddresseeDialog::addressee() const
{
    const int s = salutation_->currentIndex();
    return {s < 2 ? salutations[s].toStdString() : std::string{}, fieldText(*name_), fieldText(*street_),
            fieldText(*town_)};
}

} // namespace tarvolin
