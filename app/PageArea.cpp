#include "PageArea.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>

#include <algorithm>
#include <vector>

PageArea::PageArea(QWidget* page, Sizing sizing) {
    setObjectName(page->objectName() + QStringLiteral("Area"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(sizing == Laid);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(page);
}

QWidget* PageArea::PageOf(QWidget* tab) {
    if (auto* area = qobject_cast<PageArea*>(tab)) return area->widget();
    return tab;
}

void PageArea::ShowControl(QWidget* control, int margin) {
    if (widget() == nullptr || !widget()->isAncestorOf(control)) return;
    const QSize room = viewport()->size();
    QRect rect(control->mapTo(widget(), QPoint(0, 0)), control->size());
    const QRect around = rect.adjusted(-margin, -margin, margin, margin);
    if (around.width() <= room.width() && around.height() <= room.height()) rect = around;
    // Each way the least scrolling that shows the rectangle; one larger than
    // the view is shown from its top left.
    const auto scroll = [](QScrollBar* bar, int start, int length, int view) {
        int value = bar->value();
        if (length >= view || start < value) {
            value = start;
        } else if (start + length > value + view) {
            value = start + length - view;
        }
        bar->setValue(value);
    };
    scroll(horizontalScrollBar(), rect.x(), rect.width(), room.width());
    scroll(verticalScrollBar(), rect.y(), rect.height(), room.height());
}

QSize PageArea::WholePageSize() const {
    const QWidget* page = widget();
    if (page == nullptr) return {};
    if (!widgetResizable()) return page->size();
    return page->minimumSizeHint().expandedTo(page->minimumSize());
}

void PageArea::FitToControls(QWidget* page) {
    constexpr int kMargin = 6;
    QRect all;
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) all |= control->geometry();
    page->setFixedSize(all.right() + 1 + kMargin, all.bottom() + 1 + kMargin);
}

QSize PageArea::sizeHint() const {
    const int frame = 2 * frameWidth();
    QSize whole = WholePageSize();
    if (widgetResizable() && widget() != nullptr) whole = whole.expandedTo(widget()->sizeHint());
    return whole + QSize(frame, frame);
}

QPixmap GrabUnscrolled(QWidget* widget) {
    QSize missing(0, 0);
    struct Scrolled {
        QScrollBar* bar;
        int value;
    };
    std::vector<Scrolled> scrolled;
    for (PageArea* area : widget->findChildren<PageArea*>()) {
        if (!area->isVisibleTo(widget)) continue;
        const QSize room = area->size() - QSize(2 * area->frameWidth(), 2 * area->frameWidth());
        const QSize whole = area->WholePageSize();
        missing = missing.expandedTo(QSize(whole.width() - room.width(), whole.height() - room.height()));
        for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
            scrolled.push_back({bar, bar->value()});
    }
    if (missing.width() <= 0 && missing.height() <= 0) return widget->grab();
    const QSize shown = widget->size();
    // The widget and what it holds lay themselves out again at once, the
    // scroll areas showing or hiding their bars (which they do queued); the
    // window around it is not asked, it would put the old size back.
    const auto layOut = [widget] {
        QCoreApplication::sendPostedEvents(widget, QEvent::LayoutRequest);
        for (QWidget* inner : widget->findChildren<QWidget*>()) {
            QCoreApplication::sendPostedEvents(inner, QEvent::LayoutRequest);
            QCoreApplication::sendPostedEvents(inner, QEvent::MetaCall);
        }
    };
    widget->resize(shown + missing);
    layOut();
    const QPixmap picture = widget->grab();
    widget->resize(shown);
    layOut();
    for (const Scrolled& s : scrolled) s.bar->setValue(s.value);
    return picture;
}
