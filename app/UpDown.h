#pragma once

#include <QWidget>

class QToolButton;

// A spin button that stands beside an edit: two arrow buttons and a position
// within a range. Each press moves the position by one and then reports the
// press; a press at the end of the range moves nothing and reports nothing,
// so that what stands in the edits beside it stays as typed. The edit beside
// it is written by the handler.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int Position() const { return position_; }
    // Sets the position, kept within the range; reports nothing.
    void SetPosition(int position);
    void SetRange(int minimum, int maximum);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

    // Names the arrows after what they step through, for screen readers:
    // "Следующий " and "Предыдущий " followed by `subject` ("слой стены").
    void SetSubject(const QString& subject);

    // Presses the up (+1) or down (−1) arrow.
    void Step(int delta);

signals:
    // After every press of an arrow that moved the position.
    void Clicked();

private:
    QToolButton* up_;
    QToolButton* down_;
    int position_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
};
