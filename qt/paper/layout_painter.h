#pragma once
// Paints a laid-out document (output/document_layout.h) with QPainter: each
// text in its font where the layout placed it. Nothing is placed here; a
// device only receives what the layout says. A layout is painted on the
// device it was laid out for (its places are that device's pixels).
//
// One letter on a printer or in a PDF:
//
//     const DocumentLayout layout =
//         layOutLetter(input, printArea(writer, res), QtTextMeasure{writer, res});
//     paintLayout(writer, layout);
//
// Several letters in one PDF: lay out each for the writer, then, with one
// QPainter on it, paintLayoutPage for each page and writer.newPage() between.

#include "output/document_layout.h"

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
class QPainter;
QT_END_NAMESPACE

namespace tarvolin {

// The printable area of the device's pages in its pixels at the resolution.
PrintArea printArea(const QPagedPaintDevice& device, int resolution);

// Paints the texts of one page (from 0) of the layout. The painter's world
// transformation becomes the layout's scale (none when it is 1).
void paintLayoutPage(QPainter& painter, const DocumentLayout& layout, int page);

// Paints every page of the layout on the device, starting a new page for
// each after the first; false when the device refused to begin or to add a
// page.
bool paintLayout(QPagedPaintDevice& device, const DocumentLayout& layout);

} // namespace tarvolin
