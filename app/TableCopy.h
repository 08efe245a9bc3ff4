#pragma once

#include <QString>
#include <QStringList>

class QLocale;
class QTableWidget;

// A grid of the pages as a spreadsheet or a word processor takes it from the
// clipboard: tab-separated text, one line per row (header row first), and
// the same table in HTML. A number is written with the decimal mark of the
// user's locale, so that pasting gives numbers; other texts as shown.
struct CopiedTable {
    QString Text;  // tab-separated, lines ending in "\n"
    QString Html;  // one <table>
};

// The grid's rows top to bottom, each led by its caption: `rowCaptions[row]`
// when given, else the heading of a row drawn across the grid above it, which
// is then no line of its own. The grid's column headers, when shown, are the
// first line. Rows without any text are left out.
CopiedTable CopyOfGrid(const QTableWidget& grid, const QLocale& locale, const QStringList& rowCaptions = {});

// Both forms on the system clipboard.
void PutOnClipboard(const CopiedTable& table);
