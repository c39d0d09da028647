#include "qt/calculator_window/pictures.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <utility>
#include <vector>

namespace tarvolin {

namespace {

using Drawing = std::function<void(QPainter&, const QRectF&)>;

// An icon that draws itself at whatever size it is asked for. Disabled
// icons are drawn at half strength.
class PaintedIcon final : public QIconEngine {
public:
    explicit PaintedIcon(Drawing drawing) : drawing_{std::move(drawing)} {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.45);
        drawing_(*painter, QRectF{rect});
        painter->restore();
    }
    // Drawn once per size and mode; an icon shared by many buttons (the
    // calendar buttons of the date fields) is drawn once for all of them.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        for (const Drawn& d : drawn_)
            if (d.size == size && d.mode == mode && d.state == state)
                return d.pixmap;
        QPixmap pixmap{size};
        pixmap.fill(Qt::transparent);
        QPainter painter{&pixmap};
        paint(&painter, QRect{QPoint{0, 0}, size}, mode, state);
        painter.end();
        drawn_.push_back({size, mode, state, pixmap});
        return pixmap;
    }
    QIconEngine* clone() const override { return new PaintedIcon{drawing_}; }

private:
    struct Drawn {
        QSize size;
        QIcon::Mode mode;
        QIcon::State state;
        QPixmap pixmap;
    };
    Drawing drawing_;
    std::vector<Drawn> drawn_;
};

QIcon painted(Drawing drawing) { return QIcon{new PaintedIcon{std::move(drawing)}}; }

// Every picture is drawn on a 16 x 16 grid and scaled to the icon's square.
QRectF square(const QRectF& r)
{
    const double side = std::min(r.width(), r.height());
    return QRectF{r.center().x() - side / 2, r.center().y() - side / 2, side, side};
}

void onGrid(QPainter& p, const QRectF& r)
{
    const QRectF s = square(r);
    p.translate(s.topLeft());
    p.scale(s.width() / 16.0, s.height() / 16.0);
}

QPen pen(const QColor& c, double width = 1.2) { return QPen{c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin}; }

void drawTexts(QPainter& p, const QRectF& r)
{
    onGrid(p, r);
    p.setPen(pen(colours::ink));
    p.setBrush(Qt::white);
    QPainterPath page;
    page.moveTo(3, 1.5);
    page.lineTo(10.5, 1.5);
    page.lineTo(13, 4);
    page.lineTo(13, 14.5);
    page.lineTo(3, 14.5);
    page.closeSubpath();
    p.drawPath(page);
    p.setPen(pen(colours::accent, 1.1));
    for (double y : {5.5, 8.0, 10.5})
        p.drawLine(QPointF{5, y}, QPointF{11, y});
    p.drawLine(QPointF{5, 13}, QPointF{8.5, 13});
}

void drawCircleSign(QPainter& p, const QRectF& r, const QString& sign, const QColor& colour)
{
    onGrid(p, r);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF{1, 1, 14, 14});
    QFont font{QStringLiteral("Arial")};
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF{1, 1, 14, 14.5}, Qt::AlignCenter, sign);
}

void drawParagraph(QPainter& p, const QRectF& r)
{
    onGrid(p, r);
    p.setPen(pen(colours::accent));
    p.setBrush(colours::accentLight);
    p.drawRoundedRect(QRectF{1.5, 1.5, 13, 13}, 2.5, 2.5);
    QFont font{QStringLiteral("Arial")};
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(colours::ink);
    p.drawText(QRectF{1.5, 1.5, 13, 13.5}, Qt::AlignCenter, QStringLiteral("§"));
}

void drawPrinter(QPainter& p, const QRectF& r)
{
    onGrid(p, r);
    p.setPen(pen(colours::ink));
    p.setBrush(Qt::white);
    p.drawRect(QRectF{4.5, 1.5, 7, 4});                  // paper going in
    p.setBrush(colours::accent);
    p.drawRoundedRect(QRectF{1.5, 5.5, 13, 6}, 1.5, 1.5); // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF{4.5, 9.5, 7, 5});                   // paper coming out
    p.setPen(pen(colours::accent, 0.9));
    p.drawLine(QPointF{6, 11.5}, QPointF{10, 11.5});
    p.drawLine(QPointF{6, 13}, QPointF{9, 13});
}

void drawClose(QPainter& p, const QRectF& r)
{
    onGrid(p, r);
    // A door with an arrow leaving it.
    p.setPen(pen(colours::ink));
    p.setBrush(colours::accentLight);
    p.drawRect(QRectF{2, 1.5, 7.5, 13});
    p.setPen(pen(colours::warm, 1.6));
    p.drawLine(QPointF{6.5, 8}, QPointF{14, 8});
    p.drawLine(QPointF{11.5, 5.5}, QPointF{14, 8});
    p.drawLine(QPointF{11.5, 10.5}, QPointF{14, 8});
}

void drawCalendar(QPainter& p, const QRectF& r)
{
    onGrid(p, r);
    p.setPen(pen(colours::ink, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF{1.5, 3, 13, 11.5});
    p.setPen(Qt::NoPen);
    p.setBrush(colours::accent);
    p.drawRect(QRectF{1.5, 3, 13, 3.2});
    p.setBrush(colours::ink);
    for (double x : {4.0, 7.0, 10.0})
        for (double y : {8.0, 11.0})
            p.drawRect(QRectF{x, y, 2, 1.8});
    p.setPen(pen(colours::ink, 1.2));
    p.drawLine(QPointF{5, 1.5}, QPointF{5, 4.5});
    p.drawLine(QPointF{11, 1.5}, QPointF{11, 4.5});
}

} // namespace

QIcon buttonPicture(std::string_view buttonName)
{
    if (buttonName == "Hilfetexte")
        return painted(drawTexts);
    if (buttonName == "SSCommand2")
        return painted(drawParagraph);
    if (buttonName == "Hilfe")
        return painted([](QPainter& p, const QRectF& r) { drawCircleSign(p, r, QStringLiteral("?"), colours::accent); });
    if (buttonName == "Drucken")
        return painted(drawPrinter);
    if (buttonName == "SSCommand1")
        return painted([](QPainter& p, const QRectF& r) { drawCircleSign(p, r, QStringLiteral("i"), colours::ink); });
    if (buttonName == "Schließen")
        return painted(drawClose);
    return {};
}

QIcon calendarPicture()
{
    // One icon for every date field, so that its picture is drawn once.
    // It lives as long as the application, whose pixmaps it holds.
    static QIcon* icon = nullptr;
    if (icon == nullptr) {
        icon = new QIcon{painted(drawCalendar)};
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

void drawArrow(QPainter& painter, const QRectF& area, ArrowDirection direction, const QColor& colour)
{
    // An equilateral-looking triangle as large as the narrow side allows.
    const double size = std::min(area.width(), area.height()) * 0.62;
    const double half = size / 2;
    const QPointF c = area.center();
    QPolygonF triangle;
    switch (direction) {
    case ArrowDirection::Up:
        triangle << QPointF{c.x() - half, c.y() + half * 0.55} << QPointF{c.x() + half, c.y() + half * 0.55}
                 << QPointF{c.x(), c.y() - half * 0.6};
        break;
    case ArrowDirection::Down:
        triangle << QPointF{c.x() - half, c.y() - half * 0.55} << QPointF{c.x() + half, c.y() - half * 0.55}
                 << QPointF{c.x(), c.y() + half * 0.6};
        break;
    case ArrowDirection::Left:
        triangle << QPointF{c.x() + half * 0.55, c.y() - half} << QPointF{c.x() + half * 0.55, c.y() + half}
                 << QPointF{c.x() - half * 0.6, c.y()};
        break;
    case ArrowDirection::Right:
        triangle << QPointF{c.x() - half * 0.55, c.y() - half} << QPointF{c.x() - half * 0.55, c.y() + half}
                 << QPointF{c.x() + half * 0.6, c.y()};
        break;
    case ArrowDirection::None:
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
    painter.restore();
}

} // namespace tarvolin
