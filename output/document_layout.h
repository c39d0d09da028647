#pragma once
// A recorded document laid out on pages: every text with its font, its place
// from the top left of the printable area and its page. The device only
// paints what stands here (qt/paper/layout_painter.h). A layout is made for
// one device, with its font metrics (a TextMeasure) and its printable area,
// and its places are in that measure's units (the device's pixels; twips in
// the tests): one recorded letter may be laid out for a printer, the
// preview's page or a page of a PDF.
//
// The rules, as a line printer places its lines:
// - x is set by the position operations; a text goes on from where the
//   previous text of its line ended. Each line end moves down by the line
//   height of the font in use and back to x 0; a text that would reach past
//   the bottom of the page goes to the top of the next one.
// - A text never runs into what follows at the next absolute position of its
//   line: it is condensed to end 100 twips before it (condensed_text.h).
// - A centred line stands centred on its position, but keeps to the
//   printable width: a line too wide to stand centred ends at the right
//   edge, or starts at the left one.
// - A document that is to come out on one page and is taller than the page
//   keeps one page and is drawn smaller as a whole, just enough to fit
//   (scale below 1; the positions stay unscaled, and the width it may use
//   grows by as much).

#include "output/recorded_document.h"
#include "output/text_measure.h"

#include <string>
#include <vector>

namespace tarvolin {

// A text where it is drawn. Its blanks are drawn as blanks of its font.
struct PlacedText {
    std::string text;
    PrintFont font;
    double x = 0;        // from the left of the printable area
    double baseline = 0; // from the top of the printable area of its page
    int page = 0;        // from 0

    friend bool operator==(const PlacedText&, const PlacedText&) = default;
};

// The printable area of a page, in the measure's units.
struct PrintArea {
    double width = 0;
    double height = 0;
};

struct DocumentLayout {
    std::vector<PlacedText> texts; // in the order they were printed
    int pages = 1;                 // a document without text has one empty page
    double scale = 1;              // below 1: drawn that much smaller to stay on one page
    int copies = 1;
    double unitsPerTwip = 1;       // of the places: those of the measure it was laid out with
};

// How far before the next position on its line a condensed text ends.
inline constexpr double condensedGapTwips = 100;

DocumentLayout layOutDocument(const RecordedDocument& document, const PrintArea& area, const TextMeasure& measure);

} // namespace tarvolin
