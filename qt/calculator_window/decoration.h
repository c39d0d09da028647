#pragma once
// The window's decoration, drawn in code: the band behind the person block
// (Image1), the strip at the left edge (Image2), the ground of the notice
// block (Image3), the small hourglass (Picture1), and the number badges
// "25", "40", "50" in front of the anniversary captions. None of it is a
// control of the model except the four pictures, and those only show.

#include <QString>

#include <string_view>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace tarvolin {

// The picture of Image1 to Image3 or Picture1; nullptr for any other name.
QWidget* makePicture(std::string_view name, QWidget* parent);
QWidget* makeBadge(const QString& number, QWidget* parent);

} // namespace tarvolin
