#include "SchemeDrawings.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <stdexcept>

namespace {

const QColor kInk(20, 20, 60);
const QColor kWallFill(214, 214, 214);
const QColor kGlass(190, 222, 245);
const QColor kShadow(110, 110, 130, 110);
const QColor kSun(230, 120, 0);
const QColor kDim(128, 0, 0);

QFont SchemeFont(qreal pixels, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void Label(QPainter& p, QPointF at, const QString& text, Qt::Alignment align = Qt::AlignCenter, qreal size = 11,
           const QColor& colour = kDim, bool italic = true) {
    p.setFont(SchemeFont(size, false, italic));
    p.setPen(colour);
    const QRectF box(at.x() - 150, at.y() - 30, 300, 60);
    QRectF r = box;
    if (align & Qt::AlignLeft) r = QRectF(at.x(), at.y() - 30, 300, 60);
    if (align & Qt::AlignRight) r = QRectF(at.x() - 300, at.y() - 30, 300, 60);
    p.drawText(r, static_cast<int>((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter), text);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width = 1.2) {
    p.setPen(QPen(colour, width));
    p.drawLine(from, to);
    const qreal angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const qreal len = 7;
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - QPointF(len * std::cos(angle - 0.4), len * std::sin(angle - 0.4)));
    head.lineTo(to - QPointF(len * std::cos(angle + 0.4), len * std::sin(angle + 0.4)));
    head.closeSubpath();
    p.fillPath(head, colour);
}

// A dimension line between a and b with end ticks and the label beside its middle.
void Dimension(QPainter& p, QPointF a, QPointF b, const QString& label, QPointF labelShift) {
    p.setPen(QPen(kDim, 0.9));
    p.drawLine(a, b);
    const QPointF d = b - a;
    const qreal length = std::hypot(d.x(), d.y());
    if (length > 0) {
        const QPointF n(-d.y() / length * 4, d.x() / length * 4);
        p.drawLine(a - n, a + n);
        p.drawLine(b - n, b + n);
    }
    Label(p, (a + b) / 2 + labelShift, label);
}

// Arc of an angle at `centre` from direction `fromDeg` sweeping `spanDeg`
// (degrees counter-clockwise on the screen, 0 = to the right).
void AngleArc(QPainter& p, QPointF centre, qreal radius, qreal fromDeg, qreal spanDeg, const QString& label,
              qreal labelRadius = 0) {
    p.setPen(QPen(kDim, 1));
    p.setBrush(Qt::NoBrush);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, qRound(fromDeg * 16), qRound(spanDeg * 16));
    const qreal mid = qDegreesToRadians(fromDeg + spanDeg / 2);
    const qreal lr = labelRadius > 0 ? labelRadius : radius + 11;
    Label(p, centre + QPointF(lr * std::cos(mid), -lr * std::sin(mid)), label);
}

void Hatch(QPainter& p, const QRectF& r, const QColor& colour, qreal step = 6) {
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(colour, 0.8));
    for (qreal x = r.left() - r.height(); x < r.right(); x += step) {
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    }
    p.restore();
}

void PanelTitle(QPainter& p, const QRectF& panel, const QString& title) {
    p.setFont(SchemeFont(11, true));
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(panel.left(), panel.top(), panel.width(), 16), Qt::AlignHCenter | Qt::AlignTop, title);
}

// ---- Window with shading elements --------------------------------------------

void DrawWindowFront(QPainter& p, const QRectF& panel) {
    PanelTitle(p, panel, "Фасад");
    const QRectF wall(panel.left() + 4, panel.top() + 20, panel.width() - 8, panel.height() - 24);
    p.fillRect(wall, kWallFill);
    const qreal gw = wall.width() * 0.50, gh = wall.height() * 0.52;
    const qreal a = 14, c = 14, t = 6;
    const QRectF glass(wall.left() + wall.width() * 0.27, wall.top() + 52, gw, gh);
    p.fillRect(glass, kGlass);
    p.setPen(QPen(kInk, 1.2));
    p.drawRect(glass);
    // Horizontal element (overhang) above, vertical element (fin) at the left.
    const QRectF overhang(glass.left() - c - t - 6, glass.top() - a - t, gw + c + t + 16, t);
    const QRectF fin(glass.left() - c - t, glass.top() - a - t, t, gh + a + t + 12);
    p.fillRect(overhang, QColor(120, 120, 120));
    p.fillRect(fin, QColor(120, 120, 120));
    // Shaded parts of the opening: a band under the overhang, a band beside the fin.
    const qreal shadeH = gh * 0.28, shadeW = gw * 0.22;
    p.fillRect(QRectF(glass.left(), glass.top(), gw, shadeH), kShadow);
    p.fillRect(QRectF(glass.left(), glass.top() + shadeH, shadeW, gh - shadeH), kShadow);
    Label(p, QPointF(glass.center().x() + shadeW / 2, glass.top() + shadeH + (gh - shadeH) / 2), "освещённая\nчасть",
          Qt::AlignCenter, 10, kInk, false);

    Dimension(p, QPointF(glass.right() + 14, glass.top()), QPointF(glass.right() + 14, glass.bottom()), "H",
              QPointF(10, 0));
    Dimension(p, QPointF(glass.left(), glass.bottom() + 26), QPointF(glass.right(), glass.bottom() + 26), "B",
              QPointF(0, 10));
    Dimension(p, QPointF(glass.right() - 12, glass.top() - a), QPointF(glass.right() - 12, glass.top()), "a",
              QPointF(9, 0));
    Dimension(p, QPointF(glass.left() - c, glass.bottom() + 8), QPointF(glass.left(), glass.bottom() + 8), "c",
              QPointF(0, 10));
    Label(p, QPointF(overhang.center().x(), overhang.top() - 9), "горизонтальный элемент", Qt::AlignCenter, 9.5, kInk,
          false);
    p.save();
    p.translate(fin.left() - 9, fin.center().y());
    p.rotate(-90);
    Label(p, QPointF(0, 0), "вертикальный элемент", Qt::AlignCenter, 9.5, kInk, false);
    p.restore();
}

void DrawWindowSection(QPainter& p, const QRectF& panel) {
    PanelTitle(p, panel, "Вертикальный разрез");
    const qreal top = panel.top() + 20, bottom = panel.bottom() - 6;
    const qreal face = panel.left() + panel.width() * 0.55;  // outer face of the wall
    const qreal thickness = 22;
    const qreal openTop = top + 70, openBottom = bottom - 40;
    const QRectF upper(face - thickness, top, thickness, openTop - top);
    const QRectF lower(face - thickness, openBottom, thickness, bottom - openBottom);
    for (const QRectF& r : {upper, lower}) {
        p.fillRect(r, kWallFill);
        Hatch(p, r, QColor(140, 140, 140));
        p.setPen(QPen(kInk, 1));
        p.drawRect(r);
    }
    p.setPen(QPen(QColor(60, 120, 200), 3));
    p.drawLine(QPointF(face - thickness / 2, openTop), QPointF(face - thickness / 2, openBottom));

    const qreal a = 14, lg = 58;
    const qreal overY = openTop - a;  // lower edge of the overhang
    p.fillRect(QRectF(face, overY - 6, lg, 6), QColor(120, 120, 120));
    Dimension(p, QPointF(face, overY - 16), QPointF(face + lg, overY - 16), "Lг", QPointF(0, -9));
    Dimension(p, QPointF(face + 8, overY), QPointF(face + 8, openTop), "a", QPointF(8, 0));

    // The sun ray projected on the vertical plane normal to the glazing, at
    // β to the facade plane, passes the edge of the overhang.
    const qreal beta = qDegreesToRadians(36.0);
    const QPointF tip(face + lg, overY);
    const qreal drop = lg / std::tan(beta);  // Lг·ctg β
    const QPointF hit(face, overY + drop);
    const QPointF from = tip + (tip - hit) * 0.45;
    Arrow(p, from, hit, kSun, 1.6);
    p.setPen(QPen(kDim, 0.8, Qt::DashLine));
    p.drawLine(tip, tip + QPointF(0, drop + 12));
    AngleArc(p, tip, 26, 270 - 36, 36, "β", 36);
    // Shaded height of the opening.
    p.fillRect(QRectF(face - thickness / 2 - 5, openTop, 5, hit.y() - openTop), kShadow);
    Dimension(p, QPointF(face - thickness - 8, openTop), QPointF(face - thickness - 8, hit.y()), "Lг·ctg β\n− a",
              QPointF(-30, 0));
    Label(p, QPointF(face - thickness - 6, openBottom + 22), "помещение", Qt::AlignRight, 9.5, kInk, false);
    Label(p, QPointF(face + 8, openBottom + 22), "наружу", Qt::AlignLeft, 9.5, kInk, false);
}

void DrawWindowPlan(QPainter& p, const QRectF& panel) {
    PanelTitle(p, panel, "План");
    const qreal face = panel.top() + 100;  // outer face of the wall; outside is below
    const qreal thickness = 22;
    const qreal openLeft = panel.left() + 48, openRight = panel.right() - 18;
    const QRectF left(panel.left() + 4, face - thickness, openLeft - panel.left() - 4, thickness);
    const QRectF right(openRight, face - thickness, panel.right() - openRight - 2, thickness);
    for (const QRectF& r : {left, right}) {
        p.fillRect(r, kWallFill);
        Hatch(p, r, QColor(140, 140, 140));
        p.setPen(QPen(kInk, 1));
        p.drawRect(r);
    }
    p.setPen(QPen(QColor(60, 120, 200), 3));
    p.drawLine(QPointF(openLeft, face - thickness / 2), QPointF(openRight, face - thickness / 2));

    // The fin stands c beside the reveal of the opening.
    const qreal c = 14, lv = 58;
    const qreal finX = openLeft - c;
    p.fillRect(QRectF(finX - 6, face, 6, lv), QColor(120, 120, 120));
    Dimension(p, QPointF(finX - 16, face), QPointF(finX - 16, face + lv), "Lв", QPointF(-11, 0));
    Dimension(p, QPointF(finX, face + 8), QPointF(openLeft, face + 8), "c", QPointF(0, 10));

    // In plan the ray makes the angle Aco with the normal to the glazing.
    const qreal aco = qDegreesToRadians(32.0);
    const QPointF tip(finX, face + lv);
    const qreal side = lv * std::tan(aco);  // Lв·tg Aco
    const QPointF hit(finX + side, face);
    const QPointF from = tip + (tip - hit) * 0.8;
    Arrow(p, from, hit, kSun, 1.6);
    p.setPen(QPen(kDim, 0.8, Qt::DashLine));
    p.drawLine(tip, tip - QPointF(0, lv + 8));
    p.drawLine(tip, tip + QPointF(0, 30));
    AngleArc(p, tip, 24, 270, 32, "Aco", 36);
    p.fillRect(QRectF(openLeft, face - thickness / 2 - 2, hit.x() - openLeft, 5), kShadow);
    Dimension(p, QPointF(openLeft, face - thickness - 10), QPointF(hit.x(), face - thickness - 10), "Lв·tg Aco − c",
              QPointF(0, -9));
    Dimension(p, QPointF(openLeft, face - thickness - 36), QPointF(openRight, face - thickness - 36), "B",
              QPointF(0, -9));
    Label(p, QPointF(panel.right() - 4, face + 16), "наружу", Qt::AlignRight, 9.5, kInk, false);
    Label(p, QPointF(panel.right() - 4, face - thickness - 6), "помещение", Qt::AlignRight, 9.5, kInk, false);
}

// Each view stays inside its own panel.
void InPanel(QPainter& p, const QRectF& panel, void (*draw)(QPainter&, const QRectF&)) {
    p.save();
    p.setClipRect(panel);
    draw(p, panel);
    p.restore();
}

void DrawWindow(QPainter& p, const QRectF& area) {
    const qreal w1 = area.width() * 0.40, w2 = area.width() * 0.30;
    InPanel(p, QRectF(area.left(), area.top(), w1, area.height()), DrawWindowFront);
    InPanel(p, QRectF(area.left() + w1, area.top(), w2, area.height()), DrawWindowSection);
    InPanel(p, QRectF(area.left() + w1 + w2, area.top(), area.width() - w1 - w2, area.height()), DrawWindowPlan);
}

// ---- Sun and facade angles ---------------------------------------------------

// Screen direction of an azimuth counted from south towards east (the
// morning side drawn on the right, as on a plan with north at the top).
QPointF AzimuthDirection(qreal azimuthDeg) {
    const qreal r = qDegreesToRadians(azimuthDeg);
    return QPointF(std::sin(r), std::cos(r));  // 0 = south = down
}

void DrawAnglesPlan(QPainter& p, const QRectF& panel) {
    PanelTitle(p, panel, "План: азимуты");
    const QPointF centre(panel.center().x(), panel.top() + 20 + (panel.height() - 20) / 2);
    const qreal radius = std::min(panel.width(), panel.height() - 20) / 2 - 22;
    p.setPen(QPen(QColor(150, 150, 170), 0.8, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    const struct {
        const char* name;
        qreal azimuth;
    } points[] = {{"Ю", 0}, {"ЮВ", 45}, {"В", 90}, {"СВ", 135}, {"С", 180}, {"СЗ", 225}, {"З", 270}, {"ЮЗ", 315}};
    for (const auto& pt : points) {
        Label(p, centre + AzimuthDirection(pt.azimuth) * (radius + 12), pt.name, Qt::AlignCenter, 10, kInk, false);
    }
    p.setPen(QPen(QColor(150, 150, 170), 0.8));
    p.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));

    // Facade facing south-east (Ao = 45°), sun in the east-south-east (Ac = 75°).
    const qreal ao = 45, ac = 78;
    const QPointF normal = AzimuthDirection(ao);
    const QPointF along(normal.y(), -normal.x());
    p.setPen(QPen(kInk, 4));
    p.drawLine(centre - along * radius * 0.55, centre + along * radius * 0.55);
    Label(p, centre - along * radius * 0.55 + QPointF(-4, -10), "фасад", Qt::AlignRight, 9.5, kInk, false);
    Arrow(p, centre, centre + normal * radius * 0.85, QColor(0, 0, 128), 1.4);
    Label(p, centre + normal * radius * 0.85 + QPointF(-14, 10), "нормаль", Qt::AlignCenter, 9.5, QColor(0, 0, 128),
          false);
    Arrow(p, centre + AzimuthDirection(ac) * radius * 0.95, centre, kSun, 1.6);
    Label(p, centre + AzimuthDirection(ac) * radius * 0.80 + QPointF(0, -12), "к солнцу", Qt::AlignCenter, 9.5, kSun,
          false);
    // Arcs measured from south: screen angle of azimuth A is 270 + A (counter-clockwise).
    AngleArc(p, centre, radius * 0.28, 270, ao, "Ao", radius * 0.28 + 12);
    AngleArc(p, centre, radius * 0.50, 270, ac, "Ac", radius * 0.50 + 12);
    AngleArc(p, centre, radius * 0.72, 270 + ao, ac - ao, "Aco", radius * 0.72 + 16);
}

void DrawAnglesSection(QPainter& p, const QRectF& panel) {
    PanelTitle(p, panel, "Высота солнца и угол β");
    // Upper drawing: solar altitude h above the horizon.
    const qreal half = (panel.height() - 20) / 2;
    const QPointF ground(panel.left() + 30, panel.top() + 20 + half - 14);
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(ground, ground + QPointF(panel.width() - 60, 0));
    Label(p, ground + QPointF(panel.width() - 60, 10), "горизонт", Qt::AlignRight, 9.5, kInk, false);
    const qreal h = qDegreesToRadians(40.0);
    const QPointF sun = ground + QPointF(std::cos(h), -std::sin(h)) * (half - 30) * 1.25;
    Arrow(p, sun, ground, kSun, 1.6);
    p.setBrush(kSun);
    p.setPen(Qt::NoPen);
    p.drawEllipse(sun, 7, 7);
    AngleArc(p, ground, 40, 0, 40, "h", 52);

    // Lower drawing: the ray projected on the vertical plane normal to the
    // facade makes β with the facade plane.
    const qreal top = panel.top() + 20 + half + 6;
    const QPointF foot(panel.left() + 60, panel.bottom() - 10);
    p.setPen(QPen(kInk, 4));
    p.drawLine(QPointF(foot.x(), top + 6), foot);
    Label(p, QPointF(foot.x() - 6, top + 16), "фасад", Qt::AlignRight, 9.5, kInk, false);
    const qreal beta = qDegreesToRadians(36.0);
    const QPointF hit(foot.x(), foot.y() - 20);
    const qreal len = half - 20;
    const QPointF from = hit + QPointF(std::sin(beta), -std::cos(beta)) * len;
    Arrow(p, from, hit, kSun, 1.6);
    p.setPen(QPen(kDim, 0.8, Qt::DashLine));
    p.drawLine(hit, hit - QPointF(0, len));
    AngleArc(p, hit, 34, 90 - 36, 36, "β", 46);
    Label(p, QPointF(panel.left() + panel.width() * 0.62, top + half * 0.45), "tg β = ctg h · cos Aco", Qt::AlignCenter,
          11, kDim, true);
}

void DrawAngles(QPainter& p, const QRectF& area) {
    const qreal w = area.width() * 0.52;
    InPanel(p, QRectF(area.left(), area.top(), w, area.height()), DrawAnglesPlan);
    InPanel(p, QRectF(area.left() + w, area.top(), area.width() - w, area.height()), DrawAnglesSection);
}

// ---- Layered wall ------------------------------------------------------------

void DrawWall(QPainter& p, const QRectF& area) {
    PanelTitle(p, area, "Разрез многослойной стены (слои нумеруются от помещения)");
    const qreal top = area.top() + 44, bottom = area.bottom() - 34;
    const qreal left = area.left() + area.width() * 0.30;
    const qreal widths[] = {22, 90, 54};
    const QColor fills[] = {QColor(236, 226, 200), QColor(210, 170, 150), QColor(225, 225, 225)};
    qreal x = left;
    for (int i = 0; i < 3; ++i) {
        const QRectF layer(x, top, widths[i], bottom - top);
        p.fillRect(layer, fills[i]);
        Hatch(p, layer, fills[i].darker(135), 5 + 3 * i);
        p.setPen(QPen(kInk, 1));
        p.drawRect(layer);
        Label(p, QPointF(layer.center().x(), top - 10), QString::number(i + 1), Qt::AlignCenter, 11, kInk, false);
        Dimension(p, QPointF(layer.left(), bottom + 10), QPointF(layer.right(), bottom + 10),
                  QString("δ%1").arg(QChar(0x2081 + i)), QPointF(0, 11));
        x += widths[i];
    }
    const qreal right = x;
    Label(p, QPointF(left + widths[0] + widths[1] / 2, (top + bottom) / 2), "λ₂, s₂", Qt::AlignCenter, 11, kDim);
    Label(p, QPointF(right - widths[2] / 2, (top + bottom) / 2), "λ₃,\ns₃", Qt::AlignCenter, 11, kDim);
    Label(p, QPointF(left + widths[0] / 2, (top + bottom) / 2 - 40), "λ₁\ns₁", Qt::AlignCenter, 10, kDim);
    Arrow(p, QPointF(left, top - 26), QPointF(right, top - 26), kInk, 1);
    Label(p, QPointF(right + 6, top - 26), "нумерация слоёв", Qt::AlignLeft, 9.5, kInk, false);

    Label(p, QPointF(left - 14, top + 20), "Помещение", Qt::AlignRight, 11, kInk, false);
    Label(p, QPointF(left - 14, top + 44), "tв", Qt::AlignRight, 12);
    Label(p, QPointF(left - 14, top + 68), "αв = 8,7 Вт/(м²·°С)", Qt::AlignRight, 10);
    Label(p, QPointF(right + 14, top + 20), "Наружный воздух", Qt::AlignLeft, 11, kInk, false);
    Label(p, QPointF(right + 14, top + 44), "tн, αн", Qt::AlignLeft, 12);
    for (int i = 0; i < 3; ++i) {
        const qreal y = top + 80 + 26 * i;
        Arrow(p, QPointF(right + 70, y - 24), QPointF(right + 3, y), kSun, 1.6);
    }
    Label(p, QPointF(right + 76, top + 112), "солнечная\nрадиация", Qt::AlignLeft, 10, kSun, false);
}

}  // namespace

void DrawScheme(QPainter& p, const QString& name, const QRectF& area) {
    p.save();
    if (name == "window") {
        DrawWindow(p, area);
    } else if (name == "angles") {
        DrawAngles(p, area);
    } else if (name == "wall") {
        DrawWall(p, area);
    } else {
        p.restore();
        throw std::runtime_error("unknown scheme " + name.toStdString());
    }
    p.restore();
}
