#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// Colours and type of the main window: descriptive texts navy, symbols and
// units maroon, group captions and orientation check boxes teal.
namespace FormStyle {

inline const QColor kNavy{0x00, 0x00, 0x80};
inline const QColor kMaroon{0x80, 0x00, 0x00};
inline const QColor kTeal{0x00, 0x80, 0x80};
inline const QColor kGreen{0x00, 0x80, 0x00};
inline const QColor kCream{0xFF, 0xFB, 0xF0};
inline const QColor kButtonFace{0xF0, 0xF0, 0xF0};

inline constexpr const char* kFontFamily = "DejaVu Sans";

// The window's own type: bold, 11 px, condensed so that the long Russian
// labels of the input page fit their rows.
QFont BaseFont();
// A bold font of the given pixel size; condensed for the grids, whose
// columns are narrow for their numbers.
QFont BoldFont(int pixelSize, bool condensed = false);

// Text colour of a widget (its palette's window and button text).
void SetTextColour(QWidget* widget, const QColor& colour);

// A label of the given colour; rich text when it holds tags.
QLabel* MakeLabel(QWidget* parent, const QString& text, const QColor& colour);

}  // namespace FormStyle
