#pragma once
// The printer as the letter needs it: font name, size and bold, a horizontal
// position in twips, printing with and without ending the line, and the end of
// the document. Lines advance by the current font's line height; nothing sets a
// vertical position.

#include <string>
#include <string_view>

namespace tarvolin {

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
};

} // namespace tarvolin
