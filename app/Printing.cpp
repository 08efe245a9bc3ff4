#include "Printing.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "CalcError.h"

namespace {

constexpr double kScreenDotsPerInch = 96.0;

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

}  // namespace

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool PrintWindow(QWidget* window, QWidget* clientArea, QPrinter& printer, const PrintDialogStep& dialog) {
    if (!dialog(printer, window)) return false;
    const WhiteBackground white(window);
    const QPixmap picture = clientArea->grab();

    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString name = printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
        throw CalcError("Не удалось начать печать на принтере «" + name.toStdString() + "»");
    }
    const QSizeF size = picture.deviceIndependentSize();
    const QRectF target(0, 0, size.width() * printer.logicalDpiX() / kScreenDotsPerInch,
                        size.height() * printer.logicalDpiY() / kScreenDotsPerInch);
    painter.drawPixmap(target, picture, QRectF(picture.rect()));
    painter.end();
    return true;
}
