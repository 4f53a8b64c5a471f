#include "core/tnmicons.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int Size = 32;
const QColor Ink(0x1f, 0x4e, 0x79);
const QColor Accent(0x2e, 0x86, 0xc1);

QPixmap canvas()
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

namespace TnmIcons {

QIcon application()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 2.5));
    const QPointF top(16, 7), left(7, 25), right(25, 25);
    p.drawLine(top, left);
    p.drawLine(top, right);
    p.drawLine(left, right);
    p.setBrush(Accent);
    for (const QPointF &node : {top, left, right})
        p.drawEllipse(node, 5, 5);
    return QIcon(pixmap);
}

QIcon table()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.fillRect(3, 5, 26, 22, Qt::white);
    p.fillRect(3, 5, 26, 6, Accent);
    p.setPen(QPen(Ink, 1));
    p.drawRect(3, 5, 26, 22);
    for (int y : {11, 16, 21})
        p.drawLine(3, y, 29, y);
    for (int x : {11, 20})
        p.drawLine(x, 5, x, 27);
    return QIcon(pixmap);
}

} // namespace TnmIcons
