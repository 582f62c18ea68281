#pragma once
// Texts cross between the program (8-bit strings in the system's code page)
// and Qt; message and text-box line breaks are CR LF on the program's side.

#include <QString>
#include <string>

namespace brisel::platform::qt {

inline QString ToQt(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline QString ToQtLines(const std::string& text) {
    return ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The text with a place to break a line after every character of a word too
// long for a line of a message box (a long file name), so that it wraps
// inside the box rather than widen it past the screen.
QString BreakableLongWords(const QString& text);

}  // namespace brisel::platform::qt
