#include "FormStyle.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace FormStyle {

QFont BaseFont() {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(11);
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QFont BoldFont(int pixelSize, bool condensed) {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    if (condensed) font.setStretch(QFont::Condensed);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    // Disabled controls keep the grey of disabled text.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
        palette.setColor(group, QPalette::Text, colour);
    }
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setTextFormat(text.contains(QLatin1Char('<')) ? Qt::RichText : Qt::PlainText);
    label->setText(text);
    SetTextColour(label, colour);
    return label;
}

}  // namespace FormStyle
