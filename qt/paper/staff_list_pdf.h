#pragma once
// The staff list and its reports as a printable PDF: A4 landscape, the title,
// the reference date and the day of printing at the top of the first page,
// the column heads on every page, "Seite n von m" at the foot. Each row's
// note runs across the whole width under the row. The font shrinks until
// every column fits, and cells wrap at word boundaries, so nothing is cut
// off. Needs no display: without an application it makes one on Qt's
// offscreen platform.

#include "stafflist/command/printable_table.h"

#include <QPageLayout>

#include <cstddef>
#include <functional>
#include <string>

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
QT_END_NAMESPACE

namespace tarvolin {

// Told of the rows painted so far, every thousand rows.
using PaintProgress = std::function<void(std::size_t painted, std::size_t rows)>;

// Empty text, or what failed, in German. The rows are laid out and painted
// page by page as they are read: memory does not grow with their number.
std::string writeStaffListPdf(const PrintableTable& table, const std::string& path,
                              const PaintProgress& progress = {});

// The same pages on any paged device (the printer of the print dialog),
// within the page layout the device has; false when the device refused.
bool paintStaffList(const PrintableTable& table, QPagedPaintDevice& device, const PaintProgress& progress = {});
// The page the PDF file has: A4 landscape, margins of 10 mm.
QPageLayout staffListPage();
void setStaffListPage(QPagedPaintDevice& device);

} // namespace tarvolin
