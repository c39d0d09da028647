#pragma once
// AddresseeDialog: "Empfänger des Briefs", asked before each letter:
// salutation (Frau, Herrn or none), name, street and house number, postcode
// and town, filled in with the last addressee. Left without a name, the
// letter keeps "Herrn / Frau" and the room to write the address by hand.

#include "output/letter.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLineEdit;
QT_END_NAMESPACE

namespace tarvolin {

class AddresseeDialog final : public QDialog {
    Q_OBJECT

public:
    AddresseeDialog(const Addressee& last, QWidget* parent);

    Addressee addressee() const;

private:
    void clear();

    QComboBox* salutation_;
    QLineEdit* name_;
    QLineEdit* street_;
    QLineEdit* town_;
};

} // namespace tarvolin
