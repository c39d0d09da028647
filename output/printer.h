#pragma once
// The printer as the letter needs it: font name, size and bold, a horizontal
// position in twips, printing with and without ending the line, and the end of
// the document. Lines advance by the current font's line height; nothing sets a
// vertical position.
//
// Two operations serve only the letter with a letterhead or an addressee, and
// a printer that never prints one (the scripted mode, the staff list) may keep
// their plain defaults: a line centred on a position, and the wish that the
// document come out on one page.

#include <string>
#include <string_view>

namespace tarvolin {

// What became of a document at endDoc on a printer that shows it to the user
// before it goes out (a print preview).
enum class DocumentFate {
    Delivered,   // it went out, or endDoc said why it could not
    Withdrawn,   // the user closed the preview: nothing went out
    LayOutAgain, // the user changed the letter's details in the preview: it is to be laid out anew
};

class Printer {
public:
    virtual ~Printer() = default;
    // The one integer setting, set to 1 before anything else: the number of copies.
    virtual void setCopies(int copies) = 0;
    virtual void setFontName(std::string_view name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setX(int twips) = 0;
    // Prints and stays on the line.
    virtual void print(std::string_view text) = 0;
    // Prints and ends the line.
    virtual void printLine(std::string_view text) = 0;
    // Ends a line without text.
    virtual void newLine() = 0;
    // Releases the document as one job. Returns an empty text on success, else
    // a German sentence that says what failed (shown to the user).
    virtual std::string endDoc() = 0;

    // Prints the text centred on x (twips) and ends the line. A printer that
    // cannot measure text starts it there.
    virtual void printCentredLine(int centreTwips, std::string_view text)
    {
        setX(centreTwips);
        printLine(text);
    }
    // The document is to come out on one page: a printer with pages draws it
    // smaller, as far as needed, instead of starting a second page. Holds
    // until endDoc.
    virtual void fitOnOnePage() {}
    // What became of the document the last endDoc released.
    virtual DocumentFate fate() const { return DocumentFate::Delivered; }
};

} // namespace tarvolin
