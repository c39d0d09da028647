#include "qt/letter/dialog_fields.h"

#include "qt/letter/letter_settings.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvolin {

QString withoutMnemonic(QString text)
{
    // "&&" is a literal ampersand.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

QLineEdit* addTextField(QFormLayout& form, const QString& label, const std::string& text, const QString& hint)
{
    auto* field = new QLineEdit{QString::fromStdString(text)};
    field->setMaxLength(LetterSettings::maxLength);
    field->setPlaceholderText(hint);
    QString name = withoutMnemonic(label);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    field->setAccessibleName(name);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 45);
    auto* caption = new QLabel{label};
    caption->setBuddy(field);
    form.addRow(caption, field);
    return field;
}

std::string fieldText(const QLineEdit& field) { return field.text().simplified().toStdString(); }

QDialogButtonBox* addOkCancel(QDialog& dialog, const QString& okText)
{
    auto* buttons = new QDialogButtonBox{QDialogButtonBox::Ok | QDialogButtonBox::Cancel};
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(okText);
    ok->setAccessibleName(withoutMnemonic(okText));
    ok->setDefault(true);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setText(QStringLiteral("Abbrechen"));
    cancel->setAccessibleName(QStringLiteral("Abbrechen"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

} // namespace tarvolin
