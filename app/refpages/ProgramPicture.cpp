#include "ProgramPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

QImage ProgramPicture(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // Sun with rays, upper right.
    const QPointF sun(44, 18);
    p.setPen(QPen(QColor(235, 140, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(45.0 * i);
        p.drawLine(sun + QPointF(std::cos(a), std::sin(a)) * 12.5, sun + QPointF(std::cos(a), std::sin(a)) * 17);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 190, 30));
    p.drawEllipse(sun, 9.5, 9.5);

    // Window with its frame, lower left, and a ray falling into it.
    const QRectF frame(6, 26, 32, 34);
    p.setBrush(QColor(200, 230, 250));
    p.setPen(QPen(QColor(0, 0, 128), 3));
    p.drawRect(frame);
    p.drawLine(QPointF(frame.center().x(), frame.top()), QPointF(frame.center().x(), frame.bottom()));
    p.drawLine(QPointF(frame.left(), frame.top() + 13), QPointF(frame.right(), frame.top() + 13));
    p.setPen(QPen(QColor(235, 140, 0), 2.2, Qt::DashLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 27), QPointF(20, 50));
    return image;
}
