#include "qt/paper/staff_list_pdf.h"

#include "output/system_reason.h"
#include "qt/paper/pdf_application.h"
#include "qt/paper/pdf_file.h"
#include "qt/text/qt_text.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace tarvolin {

namespace {

constexpr int dotsPerInch = 720; // of the PDF file: 10 units a point
constexpr double largestFont = 8.0;
constexpr double smallestFont = 6.0;
constexpr double paddingPoints = 2.0;
const QString fontFamily = QStringLiteral("Arial"); // Liberation Sans on Debian, metric-compatible

struct Fonts {
    QFont body, head, note, title, subtitle;
};

Fonts fontsAt(double size)
{
    Fonts f;
    f.body = QFont{fontFamily};
    f.body.setPointSizeF(size);
    f.head = f.body;
    f.head.setBold(true);
    f.note = f.body;
    f.note.setItalic(true);
    f.title = QFont{fontFamily};
    f.title.setPointSizeF(14);
    f.title.setBold(true);
    f.subtitle = QFont{fontFamily};
    f.subtitle.setPointSizeF(9);
    return f;
}

// The widest word of a text (a head may also break at a soft hyphen, which
// then shows as "-"): a column is never narrower.
double widestWord(const QFontMetricsF& m, const QString& text)
{
    double w = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        for (const QString& part : word.split(QChar(0x00AD)))
            w = std::max(w, m.horizontalAdvance(part + QLatin1Char('-')));
    return w;
}

// What the first pass learns of each column at the largest font: its widest
// cell, and its widest word (a cell may wrap between words, never inside).
struct ColumnMeasure {
    double widest = 0;
    double widestWord = 0;
};

// Widths of the texts of a million cells, without shaping each: the sum of
// its characters' advances, each measured once (Latin-1; any other text is
// measured whole). Without kerning the sum is at most a hair wider than the
// text, which only makes a column a hair wider.
class Advances {
public:
    explicit Advances(const QFontMetricsF& m) : m_{m}
    {
        for (int c = 0; c < 256; ++c)
            latin_[static_cast<std::size_t>(c)] = m.horizontalAdvance(QChar(c));
    }
    double of(const std::string& utf8) const
    {
        double width = 0;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            const auto b = static_cast<unsigned char>(utf8[i]);
            if (b < 0x80) {
                width += latin_[b];
            } else if ((b == 0xC2 || b == 0xC3) && i + 1 < utf8.size()) {
                width += latin_[((b & 0x03u) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu)];
            } else {
                return m_.horizontalAdvance(toQString(utf8));
            }
        }
        return width;
    }
    double dash() const { return latin_['-']; }

private:
    const QFontMetricsF& m_;
    std::array<double, 256> latin_{};
};

// A cell whose text has no blank and no soft hyphen is one word: its widest
// word is its width.
double wordWidth(const QFontMetricsF& m, const Advances& advances, const std::string& text, double width)
{
    const bool oneWord = text.find(' ') == std::string::npos && text.find("\xC2\xAD") == std::string::npos;
    return oneWord ? width + advances.dash() : widestWord(m, toQString(text));
}

struct Layout {
    // Device units a point, and the space around a cell's text: the PDF file
    // has 10 units a point, a printer its own resolution.
    double unitsPerPoint = 10;
    double cellPadding = 20;
    Fonts fonts;
    std::vector<double> widths; // of each column, padding included
    // Whether a column's cells may need more than one line: only a column
    // that gave way to the page width; every other is as wide as its widest
    // cell, and its cells are drawn without being measured again.
    std::vector<bool> wraps;
    double headHeight = 0;
    // Per row: its height with its note's. Floats: 4 bytes a row, so that a
    // million rows need 4 MB and nothing else grows with the list.
    std::vector<float> rowHeights;
    std::vector<float> noteHeights;
};

double wrappedHeight(const QFontMetricsF& m, double width, const QString& text)
{
    if (text.isEmpty())
        return m.height();
    return m.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

// Widths from the widest cell of each column (heads may wrap between words);
// the font shrinks until the columns fit; if they still do not at the
// smallest size, the widest columns give way and their cells wrap. The
// cells are measured once at the largest size: text widths scale with the
// font size, and a cell that turns out a little wider at its own size wraps.
void chooseWidths(Layout& l, const std::vector<ColumnMeasure>& measured, double pageWidth)
{
    const std::size_t n = measured.size();
    for (double size = largestFont;; size -= 0.5) {
        l.fonts = fontsAt(size);
        const double scale = size / largestFont;
        l.widths.assign(n, 0);
        std::vector<double> least(n, 0);
        double total = 0;
        for (std::size_t c = 0; c < n; ++c) {
            l.widths[c] = measured[c].widest * scale + 2 * l.cellPadding;
            least[c] = measured[c].widestWord * scale + 2 * l.cellPadding;
            total += l.widths[c];
        }
        l.wraps.assign(n, false);
        if (total <= pageWidth)
            return;
        if (size - 0.5 < smallestFont) {
            double cap = *std::max_element(l.widths.begin(), l.widths.end());
            const auto totalAt = [&](double cut) {
                double sum = 0;
                for (std::size_t c = 0; c < n; ++c)
                    sum += std::max(least[c], std::min(l.widths[c], cut));
                return sum;
            };
            while (cap > l.unitsPerPoint && totalAt(cap) > pageWidth)
                cap -= l.unitsPerPoint;
            for (std::size_t c = 0; c < n; ++c) {
                l.wraps[c] = l.widths[c] > cap;
                l.widths[c] = std::max(least[c], std::min(l.widths[c], cap));
            }
            return;
        }
    }
}

// The height of a cell's text in its column: one line unless it is wider.
double cellHeight(const QFontMetricsF& m, double inner, const QString& text)
{
    return m.horizontalAdvance(text) <= inner ? m.height() : wrappedHeight(m, inner, text);
}

// Three passes over the rows, none of which keeps them: the widths, then the
// height of each row; the pages are painted in a third.
bool layOut(const PrintableTable& t, QPaintDevice* device, double pageWidth, Layout& l)
{
    l.unitsPerPoint = device->logicalDpiX() / 72.0;
    l.cellPadding = paddingPoints * l.unitsPerPoint;
    const std::size_t n = t.columns.size();
    std::vector<ColumnMeasure> measured(n);
    {
        const Fonts largest = fontsAt(largestFont);
        const QFontMetricsF body{largest.body, device};
        const QFontMetricsF head{largest.head, device};
        for (std::size_t c = 0; c < n; ++c)
            measured[c].widest = measured[c].widestWord = widestWord(head, toQString(t.columns[c]));
        const Advances advances{body};
        const bool read = t.forEachRow([&](std::size_t, const std::vector<std::string>& row, const std::string&) {
            for (std::size_t c = 0; c < n && c < row.size(); ++c) {
                if (row[c].empty())
                    continue;
                const double width = advances.of(row[c]);
                measured[c].widest = std::max(measured[c].widest, width);
                measured[c].widestWord = std::max(measured[c].widestWord, wordWidth(body, advances, row[c], width));
            }
        });
        if (!read)
            return false;
    }
    chooseWidths(l, measured, pageWidth);

    const QFontMetricsF body{l.fonts.body, device};
    const QFontMetricsF head{l.fonts.head, device};
    const QFontMetricsF note{l.fonts.note, device};
    const double padding = l.cellPadding;
    for (std::size_t c = 0; c < n; ++c)
        l.headHeight = std::max(l.headHeight, wrappedHeight(head, l.widths[c] - 2 * padding, toQString(t.columns[c])));
    l.headHeight += 2 * padding;
    l.rowHeights.reserve(t.rowCount());
    l.noteHeights.reserve(t.rowCount());
    return t.forEachRow([&](std::size_t, const std::vector<std::string>& row, const std::string& rowNote) {
        double h = body.height();
        for (std::size_t c = 0; c < n && c < row.size(); ++c)
            if (l.wraps[c] && !row[c].empty())
                h = std::max(h, cellHeight(body, l.widths[c] - 2 * padding, toQString(row[c])));
        l.rowHeights.push_back(static_cast<float>(h + 2 * padding));
        l.noteHeights.push_back(rowNote.empty() ? 0.0f
                                                : static_cast<float>(cellHeight(note, pageWidth - 4 * padding,
                                                                                QStringLiteral("Hinweise: ") + toQString(rowNote)) +
                                                                     padding));
    });
}

class PagePainter {
public:
    PagePainter(QPainter& p, const PrintableTable& t, const Layout& l, QRectF page)
        : p_{p}, t_{t}, l_{l}, page_{page}, cellPadding{l.cellPadding}, body_{l.fonts.body, p.device()}
    {
    }

    // The first row of each page, and the end.
    std::vector<std::size_t> pageStarts() const
    {
        std::vector<std::size_t> starts{0};
        double y = top(true) + l_.headHeight;
        for (std::size_t r = 0; r < l_.rowHeights.size(); ++r) {
            const double h = l_.rowHeights[r] + l_.noteHeights[r];
            if (y + h > bottom() && r != starts.back()) {
                starts.push_back(r);
                y = top(false) + l_.headHeight;
            }
            y += h;
        }
        starts.push_back(l_.rowHeights.size());
        return starts;
    }

    void beginPage(std::size_t page, std::size_t pages)
    {
        y_ = top(page == 0);
        if (page == 0)
            paintTitle();
        y_ = paintHeads(y_);
        rowOnPage_ = 0;
        p_.setFont(l_.fonts.subtitle);
        p_.drawText(QRectF(page_.left(), page_.bottom() - footHeight(), page_.width(), footHeight()),
                    Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Seite %1 von %2").arg(page + 1).arg(pages));
        p_.drawText(QRectF(page_.left(), page_.bottom() - footHeight(), page_.width(), footHeight()),
                    Qt::AlignLeft | Qt::AlignBottom, toQString(t_.title));
    }

    void paintRow(std::size_t r, const std::vector<std::string>& row, const std::string& note)
    {
        const double h = l_.rowHeights[r] + l_.noteHeights[r];
        if (rowOnPage_++ % 2 == 1)
            p_.fillRect(QRectF(page_.left(), y_, tableWidth(), h), QColor(242, 242, 242));
        double x = page_.left();
        p_.setFont(l_.fonts.body);
        for (std::size_t c = 0; c < t_.columns.size(); ++c) {
            if (c < row.size() && !row[c].empty()) {
                const QString text = toQString(row[c]);
                const double inner = l_.widths[c] - 2 * cellPadding;
                // One line, as almost every cell is, needs no text layout.
                if (!l_.wraps[c] || body_.horizontalAdvance(text) <= inner)
                    p_.drawText(QPointF(x + cellPadding, y_ + cellPadding + body_.ascent()), text);
                else
                    p_.drawText(QRectF(x + cellPadding, y_ + cellPadding, inner, l_.rowHeights[r]),
                                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
            }
            x += l_.widths[c];
        }
        if (l_.noteHeights[r] > 0) {
            p_.setFont(l_.fonts.note);
            p_.drawText(QRectF(page_.left() + 2 * cellPadding, y_ + l_.rowHeights[r], tableWidth() - 4 * cellPadding,
                               l_.noteHeights[r]),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QStringLiteral("Hinweise: ") + toQString(note));
        }
        y_ += h;
        p_.setPen(QPen(QColor(190, 190, 190), 0));
        p_.drawLine(QPointF(page_.left(), y_), QPointF(page_.left() + tableWidth(), y_));
        p_.setPen(Qt::black);
    }

private:
    double tableWidth() const
    {
        double w = 0;
        for (double c : l_.widths)
            w += c;
        return w;
    }
    double titleHeight() const
    {
        const QFontMetricsF title{l_.fonts.title, p_.device()};
        const QFontMetricsF sub{l_.fonts.subtitle, p_.device()};
        return title.height() * 1.4 + sub.height() * static_cast<double>(t_.subtitles.size()) + sub.height();
    }
    double footHeight() const { return QFontMetricsF{l_.fonts.subtitle, p_.device()}.height() * 1.5; }
    double top(bool firstPage) const { return page_.top() + (firstPage ? titleHeight() : 0.0); }
    double bottom() const { return page_.bottom() - footHeight(); }

    void paintTitle()
    {
        const QFontMetricsF title{l_.fonts.title, p_.device()};
        const QFontMetricsF sub{l_.fonts.subtitle, p_.device()};
        p_.setFont(l_.fonts.title);
        p_.drawText(QPointF(page_.left(), page_.top() + title.ascent()), toQString(t_.title));
        double y = page_.top() + title.height() * 1.4;
        p_.setFont(l_.fonts.subtitle);
        for (const std::string& s : t_.subtitles) {
            p_.drawText(QPointF(page_.left(), y + sub.ascent()), toQString(s));
            y += sub.height();
        }
    }

    double paintHeads(double y)
    {
        p_.fillRect(QRectF(page_.left(), y, tableWidth(), l_.headHeight), QColor(220, 220, 220));
        p_.setFont(l_.fonts.head);
        double x = page_.left();
        for (std::size_t c = 0; c < t_.columns.size(); ++c) {
            p_.drawText(QRectF(x + cellPadding, y + cellPadding, l_.widths[c] - 2 * cellPadding, l_.headHeight),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, toQString(t_.columns[c]));
            x += l_.widths[c];
        }
        return y + l_.headHeight;
    }

    QPainter& p_;
    const PrintableTable& t_;
    const Layout& l_;
    QRectF page_;
    const double cellPadding;
    QFontMetricsF body_;
    std::size_t rowOnPage_ = 0;
    double y_ = 0;
};

} // namespace

bool paintStaffList(const PrintableTable& table, QPagedPaintDevice& device, const PaintProgress& progress)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page{QPointF(0, 0), QSizeF(device.width(), device.height())};
    Layout layout;
    if (!layOut(table, &device, page.width(), layout))
        return false;
    PagePainter pages{painter, table, layout, page};
    const std::vector<std::size_t> starts = pages.pageStarts();
    const std::size_t count = starts.size() - 1;
    std::size_t next = 0; // the page that begins next
    bool refused = false;
    const bool read = table.forEachRow([&](std::size_t r, const std::vector<std::string>& row, const std::string& note) {
        if (refused)
            return;
        while (next < count && starts[next] == r) {
            if (next > 0 && !device.newPage()) {
                refused = true;
                return;
            }
            pages.beginPage(next, count);
            ++next;
        }
        pages.paintRow(r, row, note);
        if (progress && (r + 1) % 1000 == 0)
            progress(r + 1, layout.rowHeights.size());
    });
    if (!read || refused)
        return false;
    if (count == 1 && layout.rowHeights.empty())
        pages.beginPage(0, 1); // the heads alone
    return painter.end();
}

QPageLayout staffListPage()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

void setStaffListPage(QPagedPaintDevice& device) { device.setPageLayout(staffListPage()); }

std::string writeStaffListPdf(const PrintableTable& table, const std::string& path, const PaintProgress& progress)
{
    const auto application = applicationIfNone();
    return writePdfFile(
        path, {dotsPerInch, staffListPage(), toQString(table.title)},
        [&](QPdfWriter& writer) { return paintStaffList(table, writer, progress); },
        [&] {
            if (!table.spooled || table.spooled->error() == 0)
                return std::string{};
            return cannotWrite(path) + "Die Zeilen ließen sich nicht zwischenspeichern ("
                   + systemReason(table.spooled->error()) + ").";
        });
}

} // namespace tarvolin
