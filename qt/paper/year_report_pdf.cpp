#include "qt/paper/year_report_pdf.h"

#include "output/system_reason.h"
#include "qt/paper/pdf_application.h"
#include "qt/paper/pdf_file.h"
#include "qt/text/qt_text.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <functional>
#include <vector>

namespace tarvolin {

namespace {

constexpr int dotsPerInch = 720; // of the PDF file: 10 units a point
constexpr double largestFont = 9.5;
constexpr double smallestFont = 7.0;
const QString fontFamily = QStringLiteral("Arial"); // Liberation Sans on Debian, metric-compatible

// What the report is made of, top to bottom.
enum class Block { MonthHeading, Line, Total, UncomputedHeading, Uncomputed };

using BlockVisit = std::function<void(Block, const std::vector<std::string>& cells, const std::string& text)>;

// Every block in order: the months with their lines, the total, and the rows
// not computed (read back from their spool). False when that failed.
bool forEachBlock(const ReportDocument& d, const BlockVisit& visit)
{
    static const std::vector<std::string> noCells;
    static const std::string noText;
    for (const ReportMonth& m : d.months) {
        visit(Block::MonthHeading, noCells, m.heading);
        for (const auto& line : m.lines)
            visit(Block::Line, line, noText);
    }
    visit(Block::Total, noCells, d.total);
    if (d.uncomputedHeading.empty())
        return true;
    visit(Block::UncomputedHeading, noCells, d.uncomputedHeading);
    return d.uncomputed->forEach([&](std::size_t, const std::vector<std::string>& cells, const std::string&) {
        visit(Block::Uncomputed, noCells, cells.empty() ? noText : cells.front());
    });
}

struct Fonts {
    QFont body, bold, title, small;
};

Fonts fontsAt(double size)
{
    Fonts f;
    f.body = QFont{fontFamily};
    f.body.setPointSizeF(size);
    f.bold = f.body;
    f.bold.setBold(true);
    f.title = QFont{fontFamily};
    f.title.setPointSizeF(13);
    f.title.setBold(true);
    f.small = QFont{fontFamily};
    f.small.setPointSizeF(8.5);
    return f;
}

double widestWord(const QFontMetricsF& m, const QString& text)
{
    double w = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        w = std::max(w, m.horizontalAdvance(word));
    return w;
}

// A text wrapped between words into a width; a word wider than the width
// breaks where it must rather than being cut.
QTextOption wrapped()
{
    QTextOption o{Qt::AlignLeft | Qt::AlignTop};
    o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return o;
}

double wrappedHeight(const QFont& font, QPaintDevice* device, double width, const QString& text)
{
    const QFontMetricsF m{font, device};
    if (text.isEmpty() || m.horizontalAdvance(text) <= width)
        return m.height();
    QTextLayout layout{text, font, device};
    layout.setTextOption(wrapped());
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return height;
}

struct Layout {
    double padding = 20; // around a cell's text
    Fonts fonts;
    std::vector<double> widths; // per column, padding included
    double headHeight = 0;      // of the column heads
    double headingHeight = 0;   // of a month's heading, also when repeated on the next page
    double pageHeaderHeight = 0;
    double footHeight = 0;
    std::vector<float> heights; // per block
    std::vector<Block> kinds;   // per block
};

// The font shrinks until the columns fit the width; then the widest columns
// give way down to their widest word.
void chooseWidths(Layout& l, const ReportDocument& d, QPaintDevice* device, double pageWidth)
{
    const std::size_t n = d.columns.size();
    for (double size = largestFont;; size -= 0.5) {
        l.fonts = fontsAt(size);
        const QFontMetricsF body{l.fonts.body, device};
        const QFontMetricsF bold{l.fonts.bold, device};
        std::vector<double> widest(n, 0), least(n, 0);
        for (std::size_t c = 0; c < n; ++c) {
            widest[c] = bold.horizontalAdvance(toQString(d.columns[c]));
            least[c] = widestWord(bold, toQString(d.columns[c]));
        }
        for (const ReportMonth& m : d.months)
            for (const auto& line : m.lines)
                for (std::size_t c = 0; c < n && c < line.size(); ++c) {
                    const QString text = toQString(line[c]);
                    widest[c] = std::max(widest[c], body.horizontalAdvance(text));
                    least[c] = std::max(least[c], widestWord(body, text));
                }
        double total = 0;
        for (std::size_t c = 0; c < n; ++c)
            total += widest[c] + 2 * l.padding;
        l.widths.assign(n, 0);
        if (total <= pageWidth || size - 0.5 < smallestFont) {
            // Any room left goes to the columns evenly; a shortfall is taken
            // from the widest ones, never below their widest word.
            double cap = 0;
            for (std::size_t c = 0; c < n; ++c)
                cap = std::max(cap, widest[c]);
            const auto totalAt = [&](double cut) {
                double sum = 0;
                for (std::size_t c = 0; c < n; ++c)
                    sum += std::max(least[c], std::min(widest[c], cut)) + 2 * l.padding;
                return sum;
            };
            while (cap > l.padding && totalAt(cap) > pageWidth)
                cap -= l.padding / 2;
            double used = 0;
            for (std::size_t c = 0; c < n; ++c) {
                l.widths[c] = std::max(least[c], std::min(widest[c], cap)) + 2 * l.padding;
                used += l.widths[c];
            }
            if (used < pageWidth && n > 0)
                for (double& w : l.widths)
                    w += (pageWidth - used) / static_cast<double>(n);
            return;
        }
    }
}

double blockHeight(const Layout& l, QPaintDevice* device, double pageWidth, Block kind,
                   const std::vector<std::string>& cells, const std::string& text)
{
    const QFontMetricsF body{l.fonts.body, device};
    const QFontMetricsF bold{l.fonts.bold, device};
    switch (kind) {
    case Block::Line: {
        double h = body.height();
        for (std::size_t c = 0; c < cells.size() && c < l.widths.size(); ++c)
            h = std::max(h, wrappedHeight(l.fonts.body, device, l.widths[c] - 2 * l.padding, toQString(cells[c])));
        return h + 2 * l.padding;
    }
    case Block::MonthHeading:
    case Block::UncomputedHeading:
        return l.headingHeight;
    case Block::Total:
        return bold.height() * 1.5 + 2 * l.padding;
    case Block::Uncomputed:
        return wrappedHeight(l.fonts.body, device, pageWidth - 4 * l.padding, toQString(text)) + l.padding;
    }
    return 0;
}

bool layOut(const ReportDocument& d, QPaintDevice* device, double pageWidth, Layout& l)
{
    l.padding = 2.0 * device->logicalDpiX() / 72.0;
    chooseWidths(l, d, device, pageWidth);
    l.headingHeight = QFontMetricsF{l.fonts.bold, device}.height() * 1.8 + l.padding;
    for (std::size_t c = 0; c < d.columns.size(); ++c)
        l.headHeight =
            std::max(l.headHeight, wrappedHeight(l.fonts.bold, device, l.widths[c] - 2 * l.padding, toQString(d.columns[c])));
    l.headHeight += 2 * l.padding;
    const QFontMetricsF title{l.fonts.title, device};
    const QFontMetricsF small{l.fonts.small, device};
    l.pageHeaderHeight = title.height() * 1.3 + small.height() * static_cast<double>(d.header.size()) + small.height();
    l.footHeight = small.height() * 1.6;
    return forEachBlock(d, [&](Block kind, const std::vector<std::string>& cells, const std::string& text) {
        l.kinds.push_back(kind);
        l.heights.push_back(static_cast<float>(blockHeight(l, device, pageWidth, kind, cells, text)));
    });
}

bool isHeading(Block kind) { return kind == Block::MonthHeading || kind == Block::UncomputedHeading; }

// Whether a page that starts with this block repeats the heading above it.
bool continues(Block kind) { return kind == Block::Line || kind == Block::Uncomputed; }

// The first block of each page, and the end. A heading stays with the block
// after it; a page that starts inside a month (or inside the rows not
// computed) repeats its heading.
std::vector<std::size_t> pageStarts(const Layout& l, double roomPerPage)
{
    std::vector<std::size_t> starts{0};
    double y = 0;
    const std::size_t n = l.heights.size();
    for (std::size_t b = 0; b < n; ++b) {
        double h = l.heights[b];
        const double keep = isHeading(l.kinds[b]) && b + 1 < n ? h + l.heights[b + 1] : h;
        if (y + keep > roomPerPage && b != starts.back()) {
            starts.push_back(b);
            y = continues(l.kinds[b]) ? l.headingHeight : 0;
        }
        y += h;
    }
    starts.push_back(n);
    return starts;
}

class ReportPainter {
public:
    ReportPainter(QPainter& p, const ReportDocument& d, const Layout& l, QRectF page)
        : p_{p}, d_{d}, l_{l}, page_{page}
    {
    }

    double room() const { return page_.height() - l_.pageHeaderHeight - l_.headHeight - l_.footHeight; }

    // `first`: the kind of the page's first block.
    void beginPage(std::size_t page, std::size_t pages, Block first)
    {
        const QFontMetricsF title{l_.fonts.title, p_.device()};
        const QFontMetricsF small{l_.fonts.small, p_.device()};
        p_.setPen(Qt::black);
        p_.setFont(l_.fonts.title);
        p_.drawText(QPointF(page_.left(), page_.top() + title.ascent()), toQString(d_.title));
        double y = page_.top() + title.height() * 1.3;
        p_.setFont(l_.fonts.small);
        for (const std::string& line : d_.header) {
            p_.drawText(QRectF(page_.left(), y, page_.width(), small.height()), Qt::AlignLeft | Qt::TextSingleLine,
                        toQString(line));
            y += small.height();
        }
        const QRectF foot{page_.left(), page_.bottom() - l_.footHeight, page_.width(), l_.footHeight};
        p_.drawText(foot, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Seite %1 von %2").arg(page + 1).arg(pages));
        p_.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, toQString(d_.title));
        y_ = paintHeads(page_.top() + l_.pageHeaderHeight);
        linesOnPage_ = 0;
        if (page > 0 && continues(first))
            paintHeading(heading_ + " (Fortsetzung)");
    }

    void paint(std::size_t b, Block kind, const std::vector<std::string>& cells, const std::string& text)
    {
        const double h = l_.heights[b];
        switch (kind) {
        case Block::Line: paintLine(h, cells); break;
        case Block::MonthHeading:
        case Block::UncomputedHeading:
            heading_ = text;
            paintHeading(text);
            return;
        case Block::Total:
            p_.setFont(l_.fonts.bold);
            p_.drawText(QRectF(page_.left(), y_ + l_.padding, page_.width(), h - l_.padding),
                        Qt::AlignLeft | Qt::AlignVCenter, toQString(text));
            break;
        case Block::Uncomputed:
            p_.setFont(l_.fonts.body);
            p_.drawText(QRectF(page_.left() + 2 * l_.padding, y_ + l_.padding / 2, page_.width() - 4 * l_.padding, h),
                        toQString(text), wrapped());
            break;
        }
        y_ += h;
    }

private:
    double tableWidth() const
    {
        double w = 0;
        for (double c : l_.widths)
            w += c;
        return w;
    }

    double paintHeads(double y)
    {
        p_.fillRect(QRectF(page_.left(), y, tableWidth(), l_.headHeight), QColor(220, 220, 220));
        p_.setFont(l_.fonts.bold);
        double x = page_.left();
        for (std::size_t c = 0; c < d_.columns.size(); ++c) {
            p_.drawText(QRectF(x + l_.padding, y + l_.padding, l_.widths[c] - 2 * l_.padding, l_.headHeight),
                        toQString(d_.columns[c]), wrapped());
            x += l_.widths[c];
        }
        return y + l_.headHeight;
    }

    void paintHeading(const std::string& text)
    {
        const double h = l_.headingHeight;
        p_.setFont(l_.fonts.bold);
        p_.drawText(QRectF(page_.left(), y_, page_.width(), h), Qt::AlignLeft | Qt::AlignBottom, toQString(text));
        p_.setPen(QPen(Qt::black, 0));
        p_.drawLine(QPointF(page_.left(), y_ + h), QPointF(page_.left() + tableWidth(), y_ + h));
        linesOnPage_ = 0;
        y_ += h;
    }

    void paintLine(double h, const std::vector<std::string>& cells)
    {
        if (linesOnPage_++ % 2 == 1)
            p_.fillRect(QRectF(page_.left(), y_, tableWidth(), h), QColor(242, 242, 242));
        p_.setFont(l_.fonts.body);
        double x = page_.left();
        for (std::size_t c = 0; c < l_.widths.size(); ++c) {
            if (c < cells.size() && !cells[c].empty())
                p_.drawText(QRectF(x + l_.padding, y_ + l_.padding, l_.widths[c] - 2 * l_.padding, h), toQString(cells[c]),
                            wrapped());
            x += l_.widths[c];
        }
    }

    QPainter& p_;
    const ReportDocument& d_;
    const Layout& l_;
    QRectF page_;
    double y_ = 0;
    std::size_t linesOnPage_ = 0;
    std::string heading_; // the last heading painted
};

} // namespace

bool paintYearReport(const ReportDocument& report, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page{QPointF(0, 0), QSizeF(device.width(), device.height())};
    Layout layout;
    if (!layOut(report, &device, page.width(), layout))
        return false;
    ReportPainter pages{painter, report, layout, page};
    const std::vector<std::size_t> starts = pageStarts(layout, pages.room());
    const std::size_t count = starts.size() - 1;
    std::size_t next = 0;
    std::size_t b = 0;
    bool refused = false;
    const bool read = forEachBlock(report, [&](Block kind, const std::vector<std::string>& cells, const std::string& text) {
        if (refused)
            return;
        while (next < count && starts[next] == b) {
            if (next > 0 && !device.newPage()) {
                refused = true;
                return;
            }
            pages.beginPage(next++, count, kind);
        }
        pages.paint(b++, kind, cells, text);
    });
    return read && !refused && painter.end();
}

QPageLayout yearReportPage()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                       QPageLayout::Millimeter);
}

void setYearReportPage(QPagedPaintDevice& device) { device.setPageLayout(yearReportPage()); }

std::string writeYearReportPdf(const ReportDocument& report, const std::string& path)
{
    const auto application = applicationIfNone();
    return writePdfFile(
        path, {dotsPerInch, yearReportPage(), toQString(report.title)},
        [&](QPdfWriter& writer) { return paintYearReport(report, writer); },
        [&] {
            if (!report.uncomputed || report.uncomputed->error() == 0)
                return std::string{};
            return cannotWrite(path) + "Die nicht berechneten Zeilen ließen sich nicht zwischenspeichern ("
                   + systemReason(report.uncomputed->error()) + ").";
        });
}

} // namespace tarvolin
