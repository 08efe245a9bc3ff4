#pragma once

#include <QImage>
#include <QString>

#include <span>

// JPEG pictures decoded with libjpeg under its own error manager. A decoding
// failure, including the warnings libjpeg gives for corrupt data, raises a
// CalcError "JPEG error #<code>" with libjpeg's message code; a file that
// cannot be opened or read raises "Cannot open file <name>" with `shownName`.
QImage DecodeJpeg(std::span<const unsigned char> bytes);
QImage DecodeJpegFile(const QString& path, const QString& shownName);
