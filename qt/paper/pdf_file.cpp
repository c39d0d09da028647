#include "qt/paper/pdf_file.h"

#include "qt/paper/safe_device.h"

#include <QFile>
#include <QIODevice>
#include <QPdfWriter>
#include <QPrinter>

namespace tarvolin {

bool writePdfFile(SafeFile& file, const PdfDocument& document, const std::function<bool(QPdfWriter&)>& paint)
{
    return writeThroughDevice(file, [&](QIODevice& device) {
        QPdfWriter writer{&device};
        writer.setResolution(document.resolution);
        writer.setPageLayout(document.page);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Tarvolin"));
        // A PDF writer that never began a page writes nothing at all.
        return paint(writer) && (!device.isOpen() || device.size() > 0);
    });
}

std::string cannotWrite(const std::string& path) { return "Die Datei „" + path + "“ kann nicht geschrieben werden. "; }

std::string writePdfFile(const std::string& path, const PdfDocument& document,
                         const std::function<bool(QPdfWriter&)>& paint, const std::function<std::string()>& givenUp)
{
    SafeFile file{path, {.refuseReadOnly = true}};
    if (!file.ok())
        return cannotWrite(path) + file.failure()->sentence();
    writePdfFile(file, document, paint);
    if (givenUp)
        if (std::string reason = givenUp(); !reason.empty()) {
            file.discard();
            return reason;
        }
    if (const WriteResult written = file.commit(); !written)
        return cannotWrite(path) + written.failure->sentence();
    return {};
}

WriteResult printToPdfFile(const QPrinter& printer, const std::function<bool(QPagedPaintDevice&, int)>& paint)
{
    SafeFile file{QFile::encodeName(printer.outputFileName()).toStdString(), {.refuseReadOnly = true}};
    writePdfFile(file, {printer.resolution(), printer.pageLayout(), printer.docName()},
                 [&](QPdfWriter& writer) { return paint(writer, writer.resolution()); });
    return file.commit();
}

} // namespace tarvolin
