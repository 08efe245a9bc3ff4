#include "Printing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

#include "CalcError.h"
#include "PageArea.h"

namespace {

constexpr double kScreenDotsPerInch = 96.0;
constexpr double kHeaderPoints = 8.0;  // the header line's type

// The window's background white for the lifetime of the object.
class WhiteBackground {
public:
    explicit WhiteBackground(QWidget* window)
        : window_(window), saved_(window->palette()), hadOwn_(window->testAttribute(Qt::WA_SetPalette)) {
        QPalette white = saved_;
        white.setColor(QPalette::Window, saved_.color(QPalette::Base));
        window_->setPalette(white);
    }
    ~WhiteBackground() { window_->setPalette(hadOwn_ ? saved_ : QPalette()); }
    WhiteBackground(const WhiteBackground&) = delete;
    WhiteBackground& operator=(const WhiteBackground&) = delete;

private:
    QWidget* window_;
    QPalette saved_;
    bool hadOwn_;
};

// The scale, at most 1, at which a picture of `inches` fits the printable
// area of the printer's page. When it has to shrink, the page is turned if
// the other orientation lets it stay larger.
// `headerInches` of the page's height are kept for the header line.
double FitToPage(QPrinter& printer, QSizeF inches, double headerInches) {
    const auto scaleFor = [&](QPageLayout::Orientation orientation) {
        QPageLayout layout = printer.pageLayout();
        layout.setOrientation(orientation);
        const QSizeF area = layout.paintRect(QPageLayout::Inch).size();
        return std::min({1.0, area.width() / inches.width(), (area.height() - headerInches) / inches.height()});
    };
    const QPageLayout::Orientation chosen = printer.pageLayout().orientation();
    const double scale = scaleFor(chosen);
    if (scale >= 1.0) return 1.0;
    const QPageLayout::Orientation turned =
        chosen == QPageLayout::Portrait ? QPageLayout::Landscape : QPageLayout::Portrait;
    const double turnedScale = scaleFor(turned);
    if (turnedScale <= scale) return scale;
    printer.setPageOrientation(turned);
    return turnedScale;
}

}  // namespace

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool PrintWindow(QWidget* window, QWidget* clientArea, QPrinter& printer, const PrintDialogStep& dialog,
                 const QString& headerLine) {
    if (!dialog(printer, window)) return false;
    const WhiteBackground white(window);
    const QPixmap picture = GrabUnscrolled(clientArea);
    const QSizeF inches = picture.deviceIndependentSize() / kScreenDotsPerInch;
    QFont headerFont(QStringLiteral("DejaVu Sans"));
    headerFont.setPointSizeF(kHeaderPoints);
    // The line and half a line below it.
    const double headerInches = headerLine.isEmpty() ? 0.0 : 1.5 * kHeaderPoints * 1.2 / 72.0;
    const double scale = FitToPage(printer, inches, headerInches);
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString name = printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
        throw CalcError("Не удалось начать печать на принтере «" + name.toStdString() + "»");
    }
    const double top = headerInches * printer.logicalDpiY();
    if (!headerLine.isEmpty()) {
        painter.setFont(QFont(headerFont, &printer));
        const QRectF line(0, 0, printer.width(), top);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignTop,
                         painter.fontMetrics().elidedText(headerLine, Qt::ElideMiddle, printer.width()));
    }
    const QRectF target(0, top, inches.width() * printer.logicalDpiX() * scale,
                        inches.height() * printer.logicalDpiY() * scale);
    painter.drawPixmap(target, picture, QRectF(picture.rect()));
    painter.end();
    return true;
}
