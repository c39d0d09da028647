#include "qt/letter/qt_printer.h"

#include "output/document_layout.h"
#include "qt/paper/layout_painter.h"
#include "qt/paper/qt_text_measure.h"
#include "qt/paper/pdf_file.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cerrno>
#include <filesystem>

namespace tarvolin {

namespace {

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
    for (const PrintOperation& op : document().operations) {
        switch (op.kind) {
        case PrintOperation::Kind::Text: line += QString::fromStdString(op.text); break;
        case PrintOperation::Kind::X:
            if (!line.trimmed().isEmpty())
                line += QLatin1Char('\t');
            break;
        case PrintOperation::Kind::LineEnd: endLine(); break;
        case PrintOperation::Kind::CentredLine:
            if (!line.isEmpty())
                endLine();
            line = QString::fromStdString(op.text).trimmed();
            endLine();
            break;
        case PrintOperation::Kind::FontName:
        case PrintOperation::Kind::FontSize:
        case PrintOperation::Kind::Bold: break;
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
    takeDocument();
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
    printer.setCopyCount(document().copies);
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
    writePdf(file);
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

bool QtPrinter::writePdf(SafeFile& file) const
{
    return writePdfFile(file, {pdfResolution, pdfPageLayout(), QStringLiteral("Tarvolin-Brief")},
                        [this](QPdfWriter& writer) { return paint(writer, writer.resolution()); });
}

bool QtPrinter::paint(QPagedPaintDevice& device, int resolution) const
{
    const DocumentLayout layout =
        layOutDocument(document(), printArea(device, resolution), QtTextMeasure{device, resolution});
    return paintLayout(device, layout);
}

} // namespace tarvolin
