#include "qt/letter/qt_printer.h"

#include "qt/letter/condensed_text.h"
#include "qt/letter/safe_device.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRect>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace tarvolin {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One PDF file per day and letter, never overwriting: the second letter of a
// day is ...-2.pdf.
constexpr int maxPdfNumber = 999;

// The PDF stands in for a sheet from an office printer: A4 with narrow
// margins. The letter's own layout reaches about 19 cm from the left of the
// printable area (the double line under the years column), so 1 cm on each
// side centres it on the 21 cm sheet; the blank indents do the rest.
constexpr double pdfMarginMillimetres = 10.0;

// As a printer's high resolution: 1200 dots per inch.
constexpr int pdfResolution = 1200;

} // namespace

QtPrinter::QtPrinter()
    : pdfNotice_{[](const QString& sentence) {
          QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Tarvolin"), sentence);
      }}
{
}

QtPrinter::~QtPrinter() = default;

void QtPrinter::setCopies(int copies) { copies_ = copies < 1 ? 1 : copies; }

void QtPrinter::setFontName(std::string_view name)
{
    operations_.push_back({Operation::Kind::FontName, fromUtf8(name), 0});
}

void QtPrinter::setFontSize(int points) { operations_.push_back({Operation::Kind::FontSize, {}, points}); }

void QtPrinter::setBold(bool bold) { operations_.push_back({Operation::Kind::Bold, {}, bold ? 1 : 0}); }

void QtPrinter::setX(int twips) { operations_.push_back({Operation::Kind::X, {}, twips}); }

void QtPrinter::print(std::string_view text) { operations_.push_back({Operation::Kind::Text, fromUtf8(text), 0}); }

void QtPrinter::printLine(std::string_view text)
{
    print(text);
    newLine();
}

void QtPrinter::newLine() { operations_.push_back({Operation::Kind::LineEnd, {}, 0}); }

void QtPrinter::printCentredLine(int centreTwips, std::string_view text)
{
    operations_.push_back({Operation::Kind::CentredLine, fromUtf8(text), centreTwips});
}

QString QtPrinter::readingText() const
{
    QString text;
    QString line;
    // The blanks that indent a line and the empty lines that space the
    // letter on paper are nothing to read: one empty line between paragraphs.
    const auto endLine = [&] {
        line = line.trimmed();
        if (!line.isEmpty() || (!text.isEmpty() && !text.endsWith(QStringLiteral("\n\n"))))
            text += line + QLatin1Char('\n');
        line.clear();
    };
    for (const Operation& op : operations_) {
        switch (op.kind) {
        case Operation::Kind::Text: line += op.text; break;
        case Operation::Kind::X:
            if (!line.trimmed().isEmpty())
                line += QLatin1Char('\t');
            break;
        case Operation::Kind::LineEnd: endLine(); break;
        case Operation::Kind::CentredLine:
            if (!line.isEmpty())
                endLine();
            line = op.text.trimmed();
            endLine();
            break;
        case Operation::Kind::FontName:
        case Operation::Kind::FontSize:
        case Operation::Kind::Bold: break;
        }
    }
    if (!line.isEmpty())
        endLine();
    return text;
}

std::string QtPrinter::endDoc()
{
    lastPdfPath_.clear();
    fate_ = DocumentFate::Delivered;
    std::string failure;
    if (const std::optional<Shown> shown = preview_ ? preview_(*this) : std::nullopt) {
        fate_ = shown->fate;
        failure = shown->failure;
    } else {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        failure = (forcePdf_ || printer.isNull()) ? printToPdf() : printToDefaultPrinter();
    }
    // The next letter starts from nothing.
    operations_.clear();
    copies_ = 1;
    fitOnOnePage_ = false;
    if (failure.empty() && !lastPdfPath_.isEmpty() && pdfNotice_)
        pdfNotice_(pdfNoticeText(lastPdfPath_));
    return failure;
}

QString QtPrinter::pdfNoticeText(const QString& path)
{
    return QStringLiteral("Es ist kein Drucker eingerichtet. Der Brief wurde deshalb als PDF-Datei gespeichert: %1")
        .arg(QDir::toNativeSeparators(path));
}

std::string QtPrinter::printToDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer{info, QPrinter::HighResolution};
    printer.setDocName(QStringLiteral("Tarvolin-Brief"));
    printer.setCopyCount(copies_);
    const QString name = info.printerName();
    if (!paint(printer, printer.resolution()))
        return QStringLiteral("Der Brief konnte nicht gedruckt werden, weil der Drucker „%1“ den Auftrag nicht "
                              "angenommen hat.")
            .arg(name)
            .toStdString();
    if (printer.printerState() == QPrinter::Error)
        return QStringLiteral("Der Brief konnte nicht gedruckt werden, weil der Drucker „%1“ einen Fehler gemeldet hat.")
            .arg(name)
            .toStdString();
    return {};
}

std::string QtPrinter::printToPdf()
{
    const QDir folder{pdfFolder_.isEmpty() ? QDir::currentPath() : pdfFolder_};
    const QString stem = QStringLiteral("Tarvolin-Brief-") + QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
    const auto pathOf = [&](int number) {
        return folder.absoluteFilePath(number == 1 ? stem + QStringLiteral(".pdf")
                                                   : stem + QStringLiteral("-%1.pdf").arg(number));
    };
    const auto notSaved = [](const QString& because, const WriteFailure& failure) {
        return QStringLiteral("Der Brief konnte nicht als PDF-Datei gespeichert werden, weil %1 (%2).")
            .arg(because, QString::fromStdString(failure.reason()))
            .toStdString();
    };
    const auto local = [](const QString& path) { return std::filesystem::path{QFile::encodeName(path).toStdString()}; };
    SafeFile file{local(pathOf(1))};
    if (!file.ok())
        return notSaved(QStringLiteral("sich im Ordner „%1“ keine Datei anlegen ließ")
                            .arg(QDir::toNativeSeparators(folder.absolutePath())),
                        *file.failure());
    writeThroughDevice(file, [this](QIODevice& device) { return writePdf(device) && (!device.isOpen() || device.size() > 0); });
    // The letter takes the first free name and never the place of an older
    // letter, or of a link: the second letter of a day is ...-2.pdf.
    for (int number = 1; number <= maxPdfNumber; ++number) {
        const QString path = pathOf(number);
        const WriteResult placed = file.commitNew(local(path));
        if (placed) {
            lastPdfPath_ = path;
            return {};
        }
        if (placed.failure->error != EEXIST)
            return notSaved(QStringLiteral("sich die Datei „%1“ nicht schreiben ließ").arg(QDir::toNativeSeparators(path)),
                            *placed.failure);
    }
    return QStringLiteral("Der Brief konnte nicht als PDF-Datei gespeichert werden, weil es im Ordner „%1“ "
                          "schon %2 Briefe von heute gibt.")
        .arg(QDir::toNativeSeparators(folder.absolutePath()))
        .arg(maxPdfNumber)
        .toStdString();
}

QPageLayout QtPrinter::pdfPageLayout()
{
    return QPageLayout{QPageSize{QPageSize::A4}, QPageLayout::Portrait,
                       QMarginsF{pdfMarginMillimetres, pdfMarginMillimetres, pdfMarginMillimetres,
                                 pdfMarginMillimetres},
                       QPageLayout::Millimeter};
}

bool QtPrinter::writePdf(QIODevice& device) const
{
    QPdfWriter writer{&device};
    writer.setResolution(pdfResolution);
    writer.setTitle(QStringLiteral("Tarvolin-Brief"));
    writer.setCreator(QStringLiteral("Tarvolin"));
    writer.setPageLayout(pdfPageLayout());
    return paint(writer, writer.resolution());
}

std::vector<int> QtPrinter::nextPositions() const
{
    std::vector<int> next(operations_.size(), -1);
    int position = -1;
    for (std::size_t i = operations_.size(); i-- > 0;) {
        switch (operations_[i].kind) {
        case Operation::Kind::X: position = operations_[i].number; break;
        case Operation::Kind::LineEnd:
        case Operation::Kind::CentredLine: position = -1; break;
        case Operation::Kind::Text: next[i] = position; break;
        default: break;
        }
    }
    return next;
}

namespace {

// Follows an operation that sets the font; false for any other.
template <typename Operation>
bool followFont(QFont& font, const Operation& op)
{
    switch (op.kind) {
    case Operation::Kind::FontName: font.setFamily(op.text); return true;
    case Operation::Kind::FontSize: font.setPointSize(op.number); return true;
    case Operation::Kind::Bold: font.setBold(op.number != 0); return true;
    default: return false;
    }
}

} // namespace

double QtPrinter::documentHeight(QPagedPaintDevice& device) const
{
    QFont font;
    font.setPointSize(12);
    double height = 0;
    bool lineOpen = false; // text stands on a line that has not ended
    for (const Operation& op : operations_) {
        if (followFont(font, op))
            continue;
        if (op.kind == Operation::Kind::Text && !op.text.isEmpty())
            lineOpen = true;
        if (op.kind == Operation::Kind::LineEnd || op.kind == Operation::Kind::CentredLine) {
            height += QFontMetricsF{font, &device}.height();
            lineOpen = false;
        }
    }
    return lineOpen ? height + QFontMetricsF{font, &device}.height() : height;
}

bool QtPrinter::paint(QPagedPaintDevice& device, int resolution) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const bool painted = paintOn(painter, device, resolution);
    return painter.end() && painted;
}

bool QtPrinter::paintOn(QPainter& painter, QPagedPaintDevice& device, int resolution) const
{
    painter.save();
    const bool painted = paintOperations(painter, device, resolution);
    painter.restore();
    return painted;
}

bool QtPrinter::paintOperations(QPainter& painter, QPagedPaintDevice& device, int resolution) const
{
    const double pixelsPerTwip = resolution / 1440.0;
    const QRect paintRect = device.pageLayout().paintRectPixels(resolution);
    const double pageHeight = paintRect.height();
    double pageWidth = paintRect.width();
    // A letter to go on one page never starts a second one; taller than the
    // page, it is drawn smaller as a whole.
    if (fitOnOnePage_) {
        const double height = documentHeight(device);
        if (height > pageHeight) {
            painter.scale(pageHeight / height, pageHeight / height);
            pageWidth *= height / pageHeight;
        }
    }
    const std::vector<int> next = nextPositions();
    const double gap = 100 * pixelsPerTwip;

    QFont font;
    font.setPointSize(12);
    double x = 0;
    double y = 0;
    auto metrics = [&] { return QFontMetricsF{font, &device}; };
    // The printer's own page handling: a line that would not fit starts the
    // next page at the top.
    auto makeRoom = [&](const QFontMetricsF& m) {
        if (fitOnOnePage_ || y <= 0 || y + m.height() <= pageHeight)
            return true;
        y = 0;
        return device.newPage();
    };

    for (std::size_t i = 0; i < operations_.size(); ++i) {
        const Operation& op = operations_[i];
        if (followFont(font, op))
            continue;
        switch (op.kind) {
        case Operation::Kind::X:
            x = op.number * pixelsPerTwip;
            break;
        case Operation::Kind::Text: {
            if (op.text.isEmpty())
                break;
            const QFontMetricsF m = metrics();
            if (!makeRoom(m))
                return false;
            painter.setFont(font);
            x = drawCondensedToFit(painter, device, font, op.text, x, y + m.ascent(),
                                   next[i] < 0 ? -1.0 : next[i] * pixelsPerTwip, gap);
            break;
        }
        case Operation::Kind::CentredLine: {
            const QFontMetricsF m = metrics();
            if (!op.text.isEmpty()) {
                if (!makeRoom(m))
                    return false;
                painter.setFont(font);
                // A long line keeps to the printable width rather than its centre.
                const double width = m.horizontalAdvance(op.text);
                const double left = std::max(0.0, std::min(op.number * pixelsPerTwip - width / 2, pageWidth - width));
                painter.drawText(QPointF{left, y + m.ascent()}, op.text);
            }
            y += m.height();
            x = 0;
            break;
        }
        case Operation::Kind::LineEnd:
            y += metrics().height();
            x = 0;
            break;
        default:
            break;
        }
    }
    return true;
}

} // namespace tarvolin
