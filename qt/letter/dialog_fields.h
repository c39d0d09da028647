#pragma once
// What the letter's dialogs share: a text field of at most 60 characters
// with its label in a form, named for screen readers by the label, and the
// German OK and Abbrechen buttons.

#include <QString>

QT_BEGIN_NAMESPACE
class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLineEdit;
class QWidget;
QT_END_NAMESPACE

#include <string>

namespace tarvolin {

// A field in the form: the label carries a mnemonic ("&Name:"), the field
// the label's words as its accessible name ("Name") and `hint` as its
// placeholder.
QLineEdit* addTextField(QFormLayout& form, const QString& label, const std::string& text, const QString& hint = {});

// The field's text as the letter takes it.
std::string fieldText(const QLineEdit& field);

// OK (the default, with Enter) and Abbrechen (Esc), wired to the dialog.
QDialogButtonBox* addOkCancel(QDialog& dialog, const QString& okText);

// A widget's accessible name: its text without the mnemonic's "&".
QString withoutMnemonic(QString text);

} // namespace tarvolin
