#include "output/document_layout.h"

#include "output/condensed_text.h"

#include <algorithm>

namespace tarvolin {

namespace {

using Kind = PrintOperation::Kind;

// Follows an operation that sets the font; false for any other.
bool followFont(PrintFont& font, const PrintOperation& op)
{
    switch (op.kind) {
    case Kind::FontName: font.name = op.text; return true;
    case Kind::FontSize: font.points = op.number; return true;
    case Kind::Bold: font.bold = op.number != 0; return true;
    case Kind::X:
    case Kind::Text:
    case Kind::LineEnd:
    case Kind::CentredLine: return false;
    }
    return false;
}

// For each text, the next absolute position of its line in twips; -1 when
// none follows it.
std::vector<int> nextPositions(const std::vector<PrintOperation>& operations)
{
    std::vector<int> next(operations.size(), -1);
    int position = -1;
    for (std::size_t i = operations.size(); i-- > 0;) {
        switch (operations[i].kind) {
        case Kind::X: position = operations[i].number; break;
        case Kind::LineEnd:
        case Kind::CentredLine: position = -1; break;
        case Kind::Text: next[i] = position; break;
        case Kind::FontName:
        case Kind::FontSize:
        case Kind::Bold: break;
        }
    }
    return next;
}

// The height of the whole document: a line for each line end, and one for
// text on a last line that never ended.
double documentHeight(const std::vector<PrintOperation>& operations, const TextMeasure& measure)
{
    PrintFont font;
    double height = 0;
    bool lineOpen = false;
    for (const PrintOperation& op : operations) {
        if (followFont(font, op))
            continue;
        if (op.kind == Kind::Text && !op.text.empty())
            lineOpen = true;
        if (op.kind == Kind::LineEnd || op.kind == Kind::CentredLine) {
            height += measure.line(font).height;
            lineOpen = false;
        }
    }
    return lineOpen ? height + measure.line(font).height : height;
}

// Lays out the operations one after the other, as a line printer prints them.
class LinePrinter {
public:
    LinePrinter(const RecordedDocument& document, const PrintArea& area, const TextMeasure& measure)
        : document_{document}, measure_{measure}, area_{area}
    {
        layout_.copies = document.copies;
        layout_.unitsPerTwip = measure.unitsPerTwip();
        shrinkToOnePage();
    }

    DocumentLayout run()
    {
        const std::vector<int> next = nextPositions(document_.operations);
        for (std::size_t i = 0; i < document_.operations.size(); ++i) {
            const PrintOperation& op = document_.operations[i];
            if (!followFont(font_, op))
                place(op, next[i]);
        }
        layout_.pages = page_ + 1;
        return std::move(layout_);
    }

private:
    void shrinkToOnePage()
    {
        if (!document_.onOnePage)
            return;
        const double height = documentHeight(document_.operations, measure_);
        if (height > area_.height) {
            layout_.scale = area_.height / height;
            area_.width *= height / area_.height;
        }
    }

    void place(const PrintOperation& op, int nextPosition)
    {
        switch (op.kind) {
        case Kind::X: x_ = op.number * layout_.unitsPerTwip; break;
        case Kind::Text: placeText(op.text, nextPosition); break;
        case Kind::CentredLine:
            placeCentred(op.text, op.number);
            endLine();
            break;
        case Kind::LineEnd: endLine(); break;
        case Kind::FontName:
        case Kind::FontSize:
        case Kind::Bold: break;
        }
    }

    void placeText(const std::string& text, int nextPosition)
    {
        if (text.empty())
            return;
        const FontLine line = makeRoom();
        const double limit = nextPosition < 0 ? -1.0 : nextPosition * layout_.unitsPerTwip;
        const FittedText fitted =
            fitBefore(measure_, font_, text, x_, limit, condensedGapTwips * layout_.unitsPerTwip);
        PrintFont font = font_;
        font.stretch = fitted.stretch;
        layout_.texts.push_back({fitted.text, font, fitted.x, y_ + line.ascent, page_});
        x_ = fitted.end;
    }

    void placeCentred(const std::string& text, int centre)
    {
        if (text.empty())
            return;
        const FontLine line = makeRoom();
        const double width = measure_.width(font_, text);
        const double left = std::max(0.0, std::min(centre * layout_.unitsPerTwip - width / 2, area_.width - width));
        layout_.texts.push_back({text, font_, left, y_ + line.ascent, page_});
    }

    void endLine()
    {
        y_ += measure_.line(font_).height;
        x_ = 0;
    }

    // The printer's own page handling: a line that would not fit starts the
    // next page at the top; a document on one page never does.
    FontLine makeRoom()
    {
        const FontLine line = measure_.line(font_);
        if (!document_.onOnePage && y_ > 0 && y_ + line.height > area_.height) {
            y_ = 0;
            ++page_;
        }
        return line;
    }

    const RecordedDocument& document_;
    const TextMeasure& measure_;
    PrintArea area_;
    DocumentLayout layout_;
    PrintFont font_;
    double x_ = 0;
    double y_ = 0;
    int page_ = 0;
};

} // namespace

DocumentLayout layOutDocument(const RecordedDocument& document, const PrintArea& area, const TextMeasure& measure)
{
    return LinePrinter{document, area, measure}.run();
}

} // namespace tarvolin
