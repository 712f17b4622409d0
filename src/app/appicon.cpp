#include "appicon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap drawBook(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const qreal s = size;
    // Pages showing at the fore-edge, then the cover over them.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf1, 0xe6));
    p.drawRoundedRect(QRectF(s * 0.22, s * 0.10, s * 0.68, s * 0.84), s * 0.05, s * 0.05);
    p.setBrush(QColor(0x8b, 0x1a, 0x1a));
    p.drawRoundedRect(QRectF(s * 0.10, s * 0.06, s * 0.72, s * 0.84), s * 0.06, s * 0.06);
    p.setBrush(QColor(0x5e, 0x10, 0x10));
    p.drawRect(QRectF(s * 0.10, s * 0.06, s * 0.12, s * 0.84));

    p.setPen(QColor(0xe6, 0xc2, 0x5a));
    if (size >= 32) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(qRound(s * 0.28));
        p.setFont(font);
        p.drawText(QRectF(s * 0.22, s * 0.22, s * 0.60, s * 0.40), Qt::AlignCenter,
                   QStringLiteral("УК"));
    }
    p.drawLine(QPointF(s * 0.32, s * 0.72), QPointF(s * 0.72, s * 0.72));
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(drawBook(size));
    return icon;
}
