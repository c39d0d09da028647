#pragma once
// DesktopLetter: the letter's details on the desktop. It answers the window
// object's questions (window/letter_details.h) from the user's settings: the
// letterhead as set in "Briefkopf…", the addressee from the addressee dialog.
// The dialog offers an addressee only for the case it belongs to: in the
// calculator the last one entered while birthday and pay start are still
// those it was entered for (otherwise it starts empty); in a case window of
// the staff list the one its row gives, or the one last entered in that
// window. Attached to the window and its printer, it
// shows every letter in the preview before it goes out, and opens the
// letterhead dialog on Ctrl+Shift+P.
//
// With "Ohne Vorschau direkt drucken" set, Drucken works as it always has:
// no addressee dialog, no preview, the default printer (or the PDF file
// where there is none); the letterhead is still printed, and a case of the
// staff list its row's addressee.

#include "calc/clock.h"
#include "qt/letter/letter_preview.h"
#include "qt/letter/letter_settings.h"
#include "qt/letter/qt_printer.h"
#include "window/letter_details.h"

#include <functional>
#include <optional>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace tarvolin {

class DesktopLetter final : public LetterDetails {
public:
    // The clock gives the letter's date for the name of its PDF file.
    DesktopLetter(LetterSettings& settings, Clock& clock) : settings_{settings}, clock_{clock} {}

    Letterhead letterhead() override { return settings_.letterhead(); }
    std::optional<Addressee> askAddressee(const LetterCase& letterCase) override;

    // A case of the staff list: the name it is known by ("Meier, Anna,
    // Personalnummer 1001") and the addressee its row gives. The calculator's
    // last addressee is then neither offered nor replaced.
    void setListCase(const QString& knownAs, const Addressee& fromRow);

    // The dialogs belong to this window; the letters of this printer go
    // through the preview; Ctrl+Shift+P opens the letterhead dialog.
    void attach(QWidget& window, QtPrinter& printer);
    // The letterhead dialog; true when the user accepted it.
    bool editLetterhead(QWidget* parent);

    // Hears where a letter was saved from the preview ("Der Brief wurde als
    // PDF-Datei gespeichert: …"); the window shows it.
    void setWrittenNotice(std::function<void(const QString& sentence)> notice) { writtenNotice_ = std::move(notice); }
    static QString writtenText(const QString& path);

    // Sees each preview before it is shown (tests answer it).
    void setPreviewHook(std::function<void(LetterPreview&)> hook) { previewHook_ = std::move(hook); }

private:
    std::optional<QtPrinter::Shown> preview(const QtPrinter& letter);

    LetterSettings& settings_;
    Clock& clock_;
    QWidget* window_ = nullptr;
    Addressee addressee_;    // of the letter being printed: its name goes into the PDF's name
    struct ListCase {
        QString knownAs;
        Addressee offered; // the row's, then the one last entered
    };
    std::optional<ListCase> listCase_;
    bool showAgain_ = false; // the letter comes back from the preview's Briefkopf…
    std::function<void(LetterPreview&)> previewHook_;
    std::function<void(const QString&)> writtenNotice_;
};

} // namespace tarvolin
