#include "qt/calculator_window/decoration.h"

#include "qt/calculator_window/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <functional>
#include <utility>

namespace tarvolin {

namespace {

using Drawing = std::function<void(QPainter&, const QRectF&)>;

class PaintedWidget final : public QWidget {
public:
    PaintedWidget(QWidget* parent, Drawing drawing) : QWidget{parent}, drawing_{std::move(drawing)}
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p{this};
        p.setRenderHint(QPainter::Antialiasing);
        drawing_(p, QRectF{rect()});
    }

private:
    Drawing drawing_;
};

// A soft band behind the person block that fades out to the right and
// towards the period table, so that it has no hard lower edge.
void drawBand(QPainter& p, const QRectF& r)
{
    QLinearGradient across{r.topLeft(), r.topRight()};
    across.setColorAt(0.0, QColor{0xD9, 0xE4, 0xEF});
    across.setColorAt(0.6, QColor{0xE5, 0xEC, 0xF4});
    across.setColorAt(1.0, QColor{0xEC, 0xF1, 0xF6});
    p.fillRect(r, across);
    QLinearGradient down{r.topLeft(), r.bottomLeft()};
    down.setColorAt(0.0, QColor{0xF2, 0xF4, 0xF7, 0});
    down.setColorAt(0.55, QColor{0xF2, 0xF4, 0xF7, 0});
    down.setColorAt(1.0, colours::windowBackground);
    p.fillRect(r, down);
}

// A light column behind the start of the period rows, fading to the right.
void drawStrip(QPainter& p, const QRectF& r)
{
    QLinearGradient fade{r.topLeft(), r.topRight()};
    fade.setColorAt(0.0, QColor{0xE3, 0xEA, 0xF2});
    fade.setColorAt(1.0, QColor{0xE3, 0xEA, 0xF2, 0});
    p.fillRect(r, fade);
}

// The ground of the notice block: a card with a rounded upper right corner.
void drawCard(QPainter& p, const QRectF& r)
{
    QPainterPath card;
    const double radius = 10;
    card.moveTo(r.left(), r.top() + 0.5);
    card.lineTo(r.right() - radius, r.top() + 0.5);
    card.quadTo(r.right() - 0.5, r.top() + 0.5, r.right() - 0.5, r.top() + radius);
    card.lineTo(r.right() - 0.5, r.bottom());
    card.lineTo(r.left(), r.bottom());
    card.closeSubpath();
    p.setPen(QPen{QColor{0xC9, 0xD4, 0xE0}, 1});
    p.setBrush(QColor{0xE9, 0xEF, 0xF5});
    p.drawPath(card);
}

// An hourglass: time that runs, the theme of the whole window.
void drawHourglass(QPainter& p, const QRectF& r)
{
    const double w = r.width();
    const double h = r.height();
    const double cx = r.center().x();
    const double top = r.top() + h * 0.12;
    const double bottom = r.bottom() - h * 0.12;
    const double neck = r.center().y();
    const double half = w * 0.36;
    p.setPen(QPen{colours::ink, 1.2});
    p.setBrush(colours::accent.lighter(170));
    p.drawRoundedRect(QRectF{cx - half - 3, top - 4, 2 * half + 6, 4}, 1.5, 1.5);
    p.drawRoundedRect(QRectF{cx - half - 3, bottom, 2 * half + 6, 4}, 1.5, 1.5);
    QPainterPath glass;
    glass.moveTo(cx - half, top);
    glass.lineTo(cx + half, top);
    glass.cubicTo(cx + half, neck - h * 0.12, cx + 2, neck - 3, cx + 2, neck);
    glass.cubicTo(cx + 2, neck + 3, cx + half, neck + h * 0.12, cx + half, bottom);
    glass.lineTo(cx - half, bottom);
    glass.cubicTo(cx - half, neck + h * 0.12, cx - 2, neck + 3, cx - 2, neck);
    glass.cubicTo(cx - 2, neck - 3, cx - half, neck - h * 0.12, cx - half, top);
    p.setBrush(QColor{0xFF, 0xFF, 0xFF, 0xC0});
    p.drawPath(glass);
    // Sand: a little left above, a heap below, a thin stream between.
    p.setPen(Qt::NoPen);
    p.setBrush(colours::warm.lighter(130));
    QPainterPath upper;
    upper.moveTo(cx - half * 0.55, neck - h * 0.12);
    upper.lineTo(cx + half * 0.55, neck - h * 0.12);
    upper.lineTo(cx, neck - 1);
    upper.closeSubpath();
    p.drawPath(upper);
    QPainterPath heap;
    heap.moveTo(cx - half + 2, bottom);
    heap.quadTo(cx, bottom - h * 0.2, cx + half - 2, bottom);
    heap.closeSubpath();
    p.drawPath(heap);
    p.fillRect(QRectF{cx - 0.6, neck, 1.2, bottom - neck - h * 0.08}, colours::warm.lighter(130));
}

} // namespace

QWidget* makePicture(std::string_view name, QWidget* parent)
{
    if (name == "Image1")
        return new PaintedWidget{parent, drawBand};
    if (name == "Image2")
        return new PaintedWidget{parent, drawStrip};
    if (name == "Image3")
        return new PaintedWidget{parent, drawCard};
    if (name == "Picture1")
        return new PaintedWidget{parent, drawHourglass};
    return nullptr;
}

QWidget* makeBadge(const QString& number, QWidget* parent)
{
    return new PaintedWidget{parent, [number](QPainter& p, const QRectF& r) {
                                 const QRectF pill = r.adjusted(0.5, 0.5, -0.5, -0.5);
                                 p.setPen(Qt::NoPen);
                                 p.setBrush(colours::accent);
                                 p.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
                                 QFont font = p.font();
                                 font.setBold(true);
                                 p.setFont(font);
                                 p.setPen(Qt::white);
                                 p.drawText(pill, Qt::AlignCenter, number);
                             }};
}

} // namespace tarvolin
