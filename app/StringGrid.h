#pragma once

#include <QString>
#include <QTableWidget>

// A read-only grid of texts addressed by row and column from 0. When the
// grid has a header row, row 0 is drawn in the header colour and the cells
// of the rows below are its data; there is no editing and no selection.
class StringGrid : public QTableWidget {
public:
    StringGrid(int rows, int columns, QWidget* parent = nullptr);

    QString Cell(int row, int column) const;
    // Writes a cell; rows or columns outside the grid are ignored.
    void SetCell(int row, int column, const QString& text);
    // A tooltip over every cell of a row, kept when the cells are written.
    void SetRowToolTip(int row, const QString& text);
    // Empties every cell of the given rows (inclusive).
    void ClearRows(int firstRow, int lastRow);

    void SetRowCount(int rows);
    void SetColumnWidths(int width);
    void SetRowHeights(int height);
    void SetHeaderColour(const QColor& colour) {
        headerColour_ = colour;
        ColourHeaderRow();
    }
    // The alignment of the cells written after.
    void SetAlignment(Qt::Alignment alignment) { alignment_ = alignment; }

private:
    void ColourHeaderRow();
    QColor headerColour_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};
