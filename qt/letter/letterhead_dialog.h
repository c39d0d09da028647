#pragma once
// LetterheadDialog: "Briefkopf", where the office sets its letterhead once
// (employer, office, three sender lines, Aktenzeichen, the signer's name and
// function; every field may stay empty) and whether Drucken prints at once
// ("Ohne Vorschau direkt drucken"). It shows and returns values; storing them
// is editLetterhead's business.

#include "qt/letter/letterhead_fields.h"

#include <QDialog>

#include <array>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QLineEdit;
QT_END_NAMESPACE

namespace tarvolin {

class LetterSettings;

class LetterheadDialog final : public QDialog {
    Q_OBJECT

public:
    LetterheadDialog(const Letterhead& letterhead, bool printDirectly, QWidget* parent);

    Letterhead letterhead() const;
    bool printDirectly() const;

private:
    std::array<QLineEdit*, letterheadFields.size()> fields_{}; // in the order of letterheadFields
    QCheckBox* printDirectly_;
};

// Opens the dialog on what the settings hold and stores what the user
// accepts; a failure to store is said in a message box. True when the user
// accepted (and the letter may need laying out anew).
bool editLetterhead(LetterSettings& settings, QWidget* parent);

} // namespace tarvolin
