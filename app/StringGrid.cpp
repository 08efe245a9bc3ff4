#include "StringGrid.h"

#include <QHeaderView>

StringGrid::StringGrid(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setMinimumSectionSize(4);
}

QString StringGrid::Cell(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void StringGrid::SetCell(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setTextAlignment(alignment_);
        if (row == 0 && headerColour_.isValid()) cell->setBackground(headerColour_);
        setItem(row, column, cell);
    }
    cell->setText(text);
}

void StringGrid::SetRowToolTip(int row, const QString& text) {
    for (int column = 0; column < columnCount(); ++column) {
        if (!item(row, column)) SetCell(row, column, QString());
        if (QTableWidgetItem* cell = item(row, column)) cell->setToolTip(text);
    }
}

void StringGrid::ClearRows(int firstRow, int lastRow) {
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (item(row, column)) item(row, column)->setText(QString());
        }
    }
}

void StringGrid::SetRowCount(int rows) { setRowCount(rows < 1 ? 1 : rows); }

void StringGrid::SetColumnWidths(int width) { horizontalHeader()->setDefaultSectionSize(width); }

void StringGrid::SetRowHeights(int height) { verticalHeader()->setDefaultSectionSize(height); }

void StringGrid::ColourHeaderRow() {
    for (int column = 0; column < columnCount(); ++column) {
        if (!item(0, column)) SetCell(0, column, QString());
        item(0, column)->setBackground(headerColour_);
    }
}
