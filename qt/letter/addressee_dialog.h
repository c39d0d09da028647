#pragma once
// AddresseeDialog: "Empfänger des Briefs", asked before each letter:
// salutation (Frau, Herrn or none), name, street and house number, postcode
// and town, filled in with the addressee offered for this case. Its title
// names the case, so that a clerk sees whose letter it is. Left without a
// name, the letter keeps "Herrn / Frau" and the room to write the address
// by hand.

#include "output/letter.h"

#include <QDialog>
#include <QString>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLineEdit;
QT_END_NAMESPACE

namespace tarvolin {

class AddresseeDialog final : public QDialog {
    Q_OBJECT

public:
    // `caseName` as addresseeCaseName gives it.
    AddresseeDialog(const Addressee& offered, const QString& caseName, QWidget* parent);

    Addressee addressee() const;

private:
    void clear();

    QComboBox* salutation_;
    QLineEdit* name_;
    QLineEdit* street_;
    QLineEdit* town_;
};

// The case in the dialog's title: the name the case is known by, when there
// is one ("Meier, Anna, Personalnummer 1001"), and the birthday as the
// window shows it: "Meier, Anna, Personalnummer 1001, Geburtstag 14.03.1958";
// "Geburtstag 14.03.1958" alone for a case of the calculator.
QString addresseeCaseName(const QString& knownAs, const std::string& birthday);

} // namespace tarvolin
