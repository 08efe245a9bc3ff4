#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// The calculation schemes of the reference pages, drawn into `area`:
// "window" (opening with its horizontal and vertical shading elements: front
// view, vertical section, plan), "angles" (sun and facade azimuths, solar
// altitude, projected angle β), "wall" (layered wall counted from the room).
// An unknown name is an error.
void DrawScheme(QPainter& p, const QString& name, const QRectF& area);
