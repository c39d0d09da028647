#pragma once
// LetterPreview: the letter as it will come out, before it goes anywhere
// (Qt's QPrintPreviewWidget in a dialog of the program's own), with
//   Drucken…             the print dialog, the default printer chosen;
//   Als PDF speichern…   a file dialog proposing Tarvolin-Brief-<Name>-<TT-MM-JJJJ>.pdf;
//   Briefkopf…           the letterhead dialog; accepted, the letter is laid out anew;
//   Text anzeigen        the letter's text in reading order instead of the
//                        page, for a screen reader (and back: Seite anzeigen);
//   Abbrechen (Esc)      nothing goes out.
// What became of the letter is outcome(). Saving never replaces a file
// silently: a new file is created exclusively, and an existing one only
// after the file dialog's own question, as a whole.

#include "qt/letter/qt_printer.h"

#include <QDate>
#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <string>

QT_BEGIN_NAMESPACE
class QPlainTextEdit;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
QT_END_NAMESPACE

namespace tarvolin {

// Tarvolin-Brief-<name>-<dd-mm-yyyy>.pdf; without the name part when there is
// no name. Characters a file name cannot hold, and blanks, become "-".
QString proposedPdfName(const QString& name, const QDate& day);

// Writes the letter as a PDF file at the path the user chose, through a
// SafeFile: a file that is not there appears whole or not at all (one that
// appears meanwhile is left alone), one that is there (the user agreed to
// replace it) is replaced as a whole. Returns "" or a German sentence saying
// what failed and why.
std::string saveLetterPdf(const QtPrinter& letter, const QString& path);

class LetterPreview final : public QDialog {
    Q_OBJECT

public:
    LetterPreview(const QtPrinter& letter, const QString& proposedName, QWidget* parent);
    ~LetterPreview() override;

    // Asks where to save, starting from the proposed path; "" when the user
    // cancelled. By default a QFileDialog that asks before replacing a file.
    using ChooseFile = std::function<QString(QWidget* parent, const QString& proposedPath)>;
    void setChooseFile(ChooseFile choose) { chooseFile_ = std::move(choose); }
    // Opens the letterhead dialog; true when the user changed the letterhead.
    void setEditLetterhead(std::function<bool(QWidget* parent)> edit) { editLetterhead_ = std::move(edit); }

    QtPrinter::Shown outcome() const { return outcome_; }
    // The file the letter was written to (Als PDF speichern, or the print
    // dialog's file printer); empty when it went to no file.
    QString writtenFile() const { return writtenFile_; }

    // The buttons' work, also for tests.
    void printWithDialog();
    void saveAsPdf();
    void changeLetterhead();

private:
    void finish(DocumentFate fate, std::string failure = {});
    void showText(bool shown);

    const QtPrinter& letter_;
    QString proposedName_;
    std::unique_ptr<QPrinter> pagePrinter_; // the page the preview shows
    QPrintPreviewWidget* view_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* textButton_ = nullptr;
    ChooseFile chooseFile_;
    std::function<bool(QWidget*)> editLetterhead_;
    QtPrinter::Shown outcome_{DocumentFate::Withdrawn, {}};
    QString writtenFile_;
};

} // namespace tarvolin
