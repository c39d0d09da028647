#include "qt/letter/letters_pdf.h"

#include "qt/letter/letter_settings.h"
#include "output/document_layout.h"
#include "output/recorded_document.h"
#include "qt/paper/layout_painter.h"
#include "qt/letter/qt_printer.h"
#include "qt/paper/qt_text_measure.h"
#include "qt/paper/pdf_application.h"
#include "qt/paper/pdf_file.h"
#include "output/letter_run.h"
#include "qt/text/qt_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRectF>


namespace tarvolin {

namespace {

// As the calculator's letter on a PDF: a printer's high resolution.
constexpr int lettersResolution = 1200;

constexpr const char* cancelled = "Abgebrochen.";

// Records one letter at a time and, when the letter ends, lays it out for
// the device as the calculator's printer does and paints it on a page of its
// own.
class PagePrinter final : public DocumentRecorder {
public:
    PagePrinter(QPainter& painter, QPagedPaintDevice& device, int resolution)
        : painter_{painter}, device_{device}, resolution_{resolution}
    {
    }
    std::string endDoc() override
    {
        RecordedDocument letter = takeDocument();
        // One page per letter, whatever the letter asked for.
        letter.onOnePage = true;
        const DocumentLayout layout =
            layOutDocument(letter, printArea(device_, resolution_), QtTextMeasure{device_, resolution_});
        if (pages_ > 0 && !device_.newPage())
            return "Die Seite " + std::to_string(pages_ + 1) + " ließ sich nicht anlegen.";
        paintLayoutPage(painter_, layout, 0);
        ++pages_;
        return {};
    }

private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    int resolution_;
    int pages_ = 0;
};

// The rows left out, under their heading, on as many pages as they need.
bool paintLeftOut(QPainter& painter, QPagedPaintDevice& device, int resolution,
                  const std::vector<std::string>& rows)
{
    const QRectF page = device.pageLayout().paintRectPixels(resolution);
    const QRectF area{0, 0, page.width(), page.height()};
    painter.resetTransform();
    QFont font{QStringLiteral("arial"), 11};
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    double y = 0;
    const auto draw = [&](const QString& text) {
        const QRectF box = painter.boundingRect(QRectF{0, 0, area.width(), area.height()},
                                                Qt::TextWordWrap | Qt::AlignLeft, text);
        if (y > 0 && y + box.height() > area.height()) {
            if (!device.newPage())
                return false;
            y = 0;
        }
        painter.drawText(QRectF{0, y, area.width(), box.height()}, Qt::TextWordWrap | Qt::AlignLeft, text);
        y += box.height() + QFontMetricsF{painter.font(), &device}.height() * 0.3;
        return true;
    };
    if (!draw(toQString(leftOutHeading(rows.size()))))
        return false;
    painter.setFont(font);
    for (const std::string& row : rows)
        if (!draw(toQString(row)))
            return false;
    return true;
}

} // namespace

bool paintLetters(LetterRun& run, QPagedPaintDevice& device, int resolution, std::string& failure)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        failure = "Die erste Seite ließ sich nicht anlegen.";
        return false;
    }
    PagePrinter pages{painter, device, resolution};
    const bool whole = run.printAll(pages);
    if (!run.failure().empty())
        failure = run.failure();
    else if (!whole)
        failure = cancelled;
    else if (run.letters() == 0)
        failure = std::string{noLetterText};
    // A print job stopped half-way, or without a letter, goes nowhere.
    if (!failure.empty())
        if (auto* printer = dynamic_cast<QPrinter*>(&device))
            printer->abort();
    bool leftOut = true;
    if (failure.empty() && !run.leftOut().empty())
        leftOut = device.newPage() && paintLeftOut(painter, device, resolution, run.leftOut());
    const bool ended = painter.end();
    if (failure.empty() && !(leftOut && ended))
        failure = "Eine Seite ließ sich nicht anlegen.";
    return failure.empty();
}

std::string writeOfficeLettersPdf(LetterRun& run, const std::string& path)
{
    const auto application = applicationIfNone();
    run.letterhead = LetterSettings{}.letterhead();
    return writeLettersPdf(run, path);
}

std::string writeLettersPdf(LetterRun& run, const std::string& path)
{
    const auto application = applicationIfNone();
    std::string failure;
    return writePdfFile(
        path, {lettersResolution, QtPrinter::pdfPageLayout(), QStringLiteral("Tarvolin-Briefe")},
        [&](QPdfWriter& writer) { return paintLetters(run, writer, writer.resolution(), failure) || !failure.empty(); },
        [&] {
            if (failure.empty())
                return std::string{};
            if (run.failure().empty() && failure == cancelled)
                return "Abgebrochen: „" + path + "“ wurde nicht geschrieben.";
            return run.letters() == 0 && run.failure().empty() ? failure : cannotWrite(path) + failure;
        });
}

} // namespace tarvolin
