#pragma once
// ArrowButton: the narrow stepping buttons of the window (row moves ab/auf,
// retirement age jünger/Altern and weniger/mehr). They are 10 pixels wide at
// 96 dpi, too narrow for a styled push button's margins, so they draw
// themselves: a small raised face with a triangle.

#include "qt/calculator_window/pictures.h"

#include <QAbstractButton>

namespace tarvolin {

class ArrowButton final : public QAbstractButton {
public:
    ArrowButton(QWidget* parent, ArrowDirection direction);

    QSize sizeHint() const override { return QSize{10, 21}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void drawFace(QPainter& painter) const;

    ArrowDirection direction_;
    bool hovered_ = false;
};

} // namespace tarvolin
