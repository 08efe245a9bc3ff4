#include "PickList.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>

#include <algorithm>

PickList::PickList(QLineEdit* edit, const QString& name)
    : QObject(edit), edit_(edit), completer_(new QCompleter(this)), model_(new QStandardItemModel(this)) {
    completer_->setModel(model_);
    // Not the edit's own completer: the edit neither completes inline nor
    // takes an entry's line as its text; what a choice does is decided by
    // whoever listens to Chosen.
    completer_->setWidget(edit);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(12);
    // Down on the last entry keeps it chosen: with wrapping it would leave
    // the list with nothing chosen, and a Return after it would choose nothing.
    completer_->setWrapAround(false);
    QAbstractItemView* popup = completer_->popup();
    // A line wider than the screen is cut with "…"; its tooltip has it whole.
    popup->setTextElideMode(Qt::ElideRight);
    popup->setAccessibleName(name);
    popup->setToolTip(name);
    popup->setFont(edit->font());
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this, &PickList::Activated);
}

void PickList::Show(const std::vector<Entry>& entries) {
    model_->clear();
    for (const Entry& entry : entries) {
        auto* item = new QStandardItem(entry.shown);
        item->setData(entry.value, Qt::UserRole);
        item->setToolTip(entry.toolTip.isEmpty() ? entry.shown : entry.shown + QStringLiteral("\n") + entry.toolTip);
        item->setEditable(false);
        model_->appendRow(item);
    }
    if (entries.empty()) {
        Hide();
        return;
    }
    completer_->setCompletionPrefix(QString());
    // Under the edit, as wide as its lines need, within the screen's free
    // width to the right of the edit.
    QAbstractItemView* popup = completer_->popup();
    const int lines =
        popup->sizeHintForColumn(0) + 2 * popup->frameWidth() + popup->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int width = std::max(edit_->width(), lines);
    if (const QScreen* screen = edit_->screen()) {
        const QRect room = screen->availableGeometry();
        width = std::max(edit_->width(), std::min(width, room.right() - edit_->mapToGlobal(QPoint(0, 0)).x()));
    }
    completer_->complete(QRect(0, 0, width, edit_->height()));
    if (entries.size() == 1) completer_->popup()->setCurrentIndex(completer_->completionModel()->index(0, 0));
}

void PickList::Hide() { completer_->popup()->hide(); }

bool PickList::IsShown() const { return completer_->popup()->isVisible(); }

QStringList PickList::ShownLines() const {
    QStringList lines;
    for (int row = 0; row < model_->rowCount(); ++row) lines << model_->item(row)->text();
    return lines;
}

QStringList PickList::ShownValues() const {
    QStringList values;
    for (int row = 0; row < model_->rowCount(); ++row) values << model_->item(row)->data(Qt::UserRole).toString();
    return values;
}

void PickList::Activated(const QModelIndex& index) { emit Chosen(index.data(Qt::UserRole).toString()); }
