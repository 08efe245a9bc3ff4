#pragma once

#include <QPixmap>
#include <QScrollArea>

// A page of the main window's page control in a scroll area of its own: the
// page scrolls when the window is smaller than the page. A laid-out page
// (the input page, the charts) is given the room there is, at least its
// minimum; a page of fixed size (the windows and totals pages, whose
// markers stand at pixel places) keeps it and stays at the top left.
class PageArea : public QScrollArea {
    Q_OBJECT
public:
    enum Sizing { Laid, Fixed };
    PageArea(QWidget* page, Sizing sizing);

    // The page shown in a tab of the page control: the page of a PageArea,
    // or the tab itself.
    static QWidget* PageOf(QWidget* tab);

    // The room that shows the whole page unscrolled, so that the page control
    // and the window ask for it.
    QSize sizeHint() const override;
    // Scrolls so that a control of the page is in view: the whole of it, or
    // as much as the view holds from its top left; with `margin` pixels of
    // what lies around it where the view has room for them.
    void ShowControl(QWidget* control, int margin = 0);

    // The size the page needs to be shown whole.
    QSize WholePageSize() const;

    // Fixes the size of a page whose controls stand at pixel places: all of
    // them, hidden ones too, with a margin to the right and below.
    static void FitToControls(QWidget* page);
};

// A picture of `widget` as shown, but as large as it would have to be for
// every page area in it to show its page whole: a page scrolled out of
// view is in the picture all the same. The widget is put back as it was,
// scroll positions included.
QPixmap GrabUnscrolled(QWidget* widget);
