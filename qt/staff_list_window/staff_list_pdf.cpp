#include "qt/staff_list_window/staff_list_pdf.h"

#include "output/safe_file.h"
#include "qt/letter/safe_device.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <memory>
#include <vector>

namespace tarvolin {

namespace {

constexpr int dotsPerInch = 720; // of the PDF file: 10 units a point
constexpr double largestFont = 8.0;
constexpr double smallestFont = 6.0;
constexpr double paddingPoints = 2.0;
const QString fontFamily = QStringLiteral("Arial"); // Liberation Sans on Debian, metric-compatible

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// An application for the font database, when the program has none running.
// A PDF never needs a screen, so the offscreen platform serves unless one is
// set explicitly.
std::unique_ptr<QGuiApplication> applicationIfNone()
{
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tarvolin";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

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

struct Layout {
    // Device units a point, and the space around a cell's text: the PDF file
    // has 10 units a point, a printer its own resolution.
    double unitsPerPoint = 10;
    double cellPadding = 20;
    Fonts fonts;
    std::vector<double> widths; // of each column, padding included
    double headHeight = 0;
    std::vector<double> rowHeights;
    std::vector<double> noteHeights;
};

double wrappedHeight(const QFontMetricsF& m, double width, const QString& text)
{
    if (text.isEmpty())
        return m.height();
    return m.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

// Widths from the widest cell of each column (heads may wrap between words);
// the font shrinks until the columns fit; if they still do not at the
// smallest size, the widest columns give way and their cells wrap.
Layout layOut(const PrintableTable& t, QPaintDevice* device, double pageWidth)
{
    Layout l;
    l.unitsPerPoint = device->logicalDpiX() / 72.0;
    l.cellPadding = paddingPoints * l.unitsPerPoint;
    const double unitsPerPoint = l.unitsPerPoint;
    const double cellPadding = l.cellPadding;
    const std::size_t n = t.columns.size();
    for (double size = largestFont;; size -= 0.5) {
        l.fonts = fontsAt(size);
        const QFontMetricsF body{l.fonts.body, device};
        const QFontMetricsF head{l.fonts.head, device};
        l.widths.assign(n, 0);
        std::vector<double> least(n, 0); // the widest word of the column
        for (std::size_t c = 0; c < n; ++c)
            l.widths[c] = least[c] = widestWord(head, q(t.columns[c]));
        for (const auto& row : t.rows)
            for (std::size_t c = 0; c < n && c < row.size(); ++c) {
                l.widths[c] = std::max(l.widths[c], body.horizontalAdvance(q(row[c])));
                least[c] = std::max(least[c], widestWord(body, q(row[c])));
            }
        double total = 0;
        for (std::size_t c = 0; c < n; ++c) {
            l.widths[c] += 2 * cellPadding;
            least[c] += 2 * cellPadding;
            total += l.widths[c];
        }
        if (total <= pageWidth)
            break;
        if (size - 0.5 < smallestFont) {
            // The widest columns give way to a common cap, each not below its
            // widest word, and their cells wrap between words.
            double cap = *std::max_element(l.widths.begin(), l.widths.end());
            auto totalAt = [&](double cut) {
                double sum = 0;
                for (std::size_t c = 0; c < n; ++c)
                    sum += std::max(least[c], std::min(l.widths[c], cut));
                return sum;
            };
            while (cap > unitsPerPoint && totalAt(cap) > pageWidth)
                cap -= unitsPerPoint;
            for (std::size_t c = 0; c < n; ++c)
                l.widths[c] = std::max(least[c], std::min(l.widths[c], cap));
            break;
        }
    }
    const QFontMetricsF body{l.fonts.body, device};
    const QFontMetricsF head{l.fonts.head, device};
    const QFontMetricsF note{l.fonts.note, device};
    for (std::size_t c = 0; c < n; ++c)
        l.headHeight = std::max(l.headHeight, wrappedHeight(head, l.widths[c] - 2 * cellPadding, q(t.columns[c])));
    l.headHeight += 2 * cellPadding;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        double h = body.height();
        for (std::size_t c = 0; c < n && c < t.rows[r].size(); ++c)
            h = std::max(h, wrappedHeight(body, l.widths[c] - 2 * cellPadding, q(t.rows[r][c])));
        l.rowHeights.push_back(h + 2 * cellPadding);
        const bool hasNote = r < t.rowNotes.size() && !t.rowNotes[r].empty();
        l.noteHeights.push_back(hasNote ? wrappedHeight(note, pageWidth - 4 * cellPadding, q(t.rowNotes[r])) + cellPadding
                                        : 0.0);
    }
    return l;
}

class PagePainter {
public:
    PagePainter(QPainter& p, const PrintableTable& t, const Layout& l, QRectF page)
        : p_{p}, t_{t}, l_{l}, page_{page}, cellPadding{l.cellPadding}
    {
    }

    // The first row of each page, and the end.
    std::vector<std::size_t> pageStarts() const
    {
        std::vector<std::size_t> starts{0};
        double y = top(true) + l_.headHeight;
        for (std::size_t r = 0; r < t_.rows.size(); ++r) {
            const double h = l_.rowHeights[r] + l_.noteHeights[r];
            if (y + h > bottom() && r != starts.back()) {
                starts.push_back(r);
                y = top(false) + l_.headHeight;
            }
            y += h;
        }
        starts.push_back(t_.rows.size());
        return starts;
    }

    void paintPage(std::size_t page, std::size_t pages, std::size_t from, std::size_t to)
    {
        double y = top(page == 0);
        if (page == 0)
            paintTitle();
        y = paintHeads(y);
        const QFontMetricsF note{l_.fonts.note, p_.device()};
        for (std::size_t r = from; r < to; ++r) {
            const double h = l_.rowHeights[r] + l_.noteHeights[r];
            if ((r - from) % 2 == 1)
                p_.fillRect(QRectF(page_.left(), y, tableWidth(), h), QColor(242, 242, 242));
            double x = page_.left();
            p_.setFont(l_.fonts.body);
            for (std::size_t c = 0; c < t_.columns.size(); ++c) {
                const QString text = c < t_.rows[r].size() ? q(t_.rows[r][c]) : QString{};
                p_.drawText(QRectF(x + cellPadding, y + cellPadding, l_.widths[c] - 2 * cellPadding, l_.rowHeights[r]),
                            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
                x += l_.widths[c];
            }
            if (l_.noteHeights[r] > 0) {
                p_.setFont(l_.fonts.note);
                p_.drawText(QRectF(page_.left() + 2 * cellPadding, y + l_.rowHeights[r], tableWidth() - 4 * cellPadding,
                                   l_.noteHeights[r]),
                            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                            QStringLiteral("Hinweise: ") + q(t_.rowNotes[r]));
            }
            y += h;
            p_.setPen(QPen(QColor(190, 190, 190), 0));
            p_.drawLine(QPointF(page_.left(), y), QPointF(page_.left() + tableWidth(), y));
            p_.setPen(Qt::black);
        }
        (void)note;
        p_.setFont(l_.fonts.subtitle);
        p_.drawText(QRectF(page_.left(), page_.bottom() - footHeight(), page_.width(), footHeight()),
                    Qt::AlignRight | Qt::AlignBottom,
                    QStringLiteral("Seite %1 von %2").arg(page + 1).arg(pages));
        p_.drawText(QRectF(page_.left(), page_.bottom() - footHeight(), page_.width(), footHeight()),
                    Qt::AlignLeft | Qt::AlignBottom, q(t_.title));
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
        p_.drawText(QPointF(page_.left(), page_.top() + title.ascent()), q(t_.title));
        double y = page_.top() + title.height() * 1.4;
        p_.setFont(l_.fonts.subtitle);
        for (const std::string& s : t_.subtitles) {
            p_.drawText(QPointF(page_.left(), y + sub.ascent()), q(s));
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
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, q(t_.columns[c]));
            x += l_.widths[c];
        }
        return y + l_.headHeight;
    }

    QPainter& p_;
    const PrintableTable& t_;
    const Layout& l_;
    QRectF page_;
    const double cellPadding;
};

} // namespace

bool paintStaffList(const PrintableTable& table, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page{QPointF(0, 0), QSizeF(device.width(), device.height())};
    const Layout layout = layOut(table, &device, page.width());
    PagePainter pages{painter, table, layout, page};
    const std::vector<std::size_t> starts = pages.pageStarts();
    const std::size_t count = starts.size() - 1;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage())
            return false;
        pages.paintPage(i, count, starts[i], starts[i + 1]);
    }
    return painter.end();
}

void setStaffListPage(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
}

std::string writeStaffListPdf(const PrintableTable& table, const std::string& path)
{
    const auto application = applicationIfNone();
    const std::string failed = "Die Datei „" + path + "“ kann nicht geschrieben werden. ";
    SafeFile file{path};
    if (!file.ok())
        return failed + file.failure()->sentence();
    writeThroughDevice(file, [&](QIODevice& device) {
        QPdfWriter writer{&device};
        writer.setResolution(dotsPerInch);
        writer.setTitle(q(table.title));
        writer.setCreator(QStringLiteral("Tarvolin"));
        setStaffListPage(writer);
        return paintStaffList(table, writer);
    });
    if (const WriteResult written = file.commit(); !written)
        return failed + written.failure->sentence();
    return {};
}

} // namespace tarvolin
