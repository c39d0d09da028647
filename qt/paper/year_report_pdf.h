#pragma once
// A year report on paper: A4 portrait; on every page the title with the
// year, the source file and the day of creation, the column heads, and
// "Seite n von m" at the foot; the lines under their month's heading with
// its count, the total after the last month, and the rows that could not be
// computed at the end, each with its reason. No text is ever cut: a column
// is as wide as its widest cell, the font shrinks until the columns fit, and
// beyond that the widest columns wrap between words. Needs no display.

#include "stafflist/command/report_document.h"

#include <QPageLayout>

#include <string>

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
QT_END_NAMESPACE

namespace tarvolin {

// Empty text, or what failed, in German.
std::string writeYearReportPdf(const ReportDocument& report, const std::string& path);

// The same pages on any paged device (a printer); false when it refused.
bool paintYearReport(const ReportDocument& report, QPagedPaintDevice& device);
// The report's page: A4 portrait, margins of 15 mm left and right, 12 mm at
// top and bottom.
QPageLayout yearReportPage();
void setYearReportPage(QPagedPaintDevice& device);

} // namespace tarvolin
