#pragma once
// DesktopLetter: the letter's details on the desktop. It answers the window
// object's questions (window/letter_details.h) from the user's settings: the
// letterhead as set in "Briefkopf…", the addressee from the addressee dialog,
// filled in with the last one. Attached to the window and its printer, it
// shows every letter in the preview before it goes out, and opens the
// letterhead dialog on Ctrl+Shift+P.
//
// With "Ohne Vorschau direkt drucken" set, Drucken works as it always has:
// no addressee dialog, no preview, the default printer (or the PDF file
// where there is none); the letterhead is still printed.

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
    std::optional<Addressee> askAddressee() override;

    // The dialogs belong to this window; the letters of this printer go
    // through the preview; Ctrl+Shift+P opens the letterhead dialog.
    void attach(QWidget& window, QtPrinter& printer);
    // The letterhead dialog; true when the user accepted it.
    bool editLetterhead(QWidget* parent);

    // Sees each preview before it is shown (tests answer it).
    void setPreviewHook(std::function<void(LetterPreview&)> hook) { previewHook_ = std::move(hook); }

private:
    std::optional<QtPrinter::Shown> preview(const QtPrinter& letter);

    LetterSettings& settings_;
    Clock& clock_;
    QWidget* window_ = nullptr;
    Addressee addressee_;    // of the letter being printed: its name goes into the PDF's name
    bool showAgain_ = false; // the letter comes back from the preview's Briefkopf…
    std::function<void(LetterPreview&)> previewHook_;
};

} // namespace tarvolin
