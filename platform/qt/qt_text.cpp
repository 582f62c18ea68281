#include "platform/qt/qt_text.h"

#include <QTextBoundaryFinder>

namespace brisel::platform::qt {
namespace {

// Longer words are broken wherever the line ends; shorter ones move to the
// next line whole.
constexpr qsizetype kLongestWholeWord = 40;
constexpr QChar kZeroWidthSpace(0x200B);

QString Breakable(const QString& word) {
    if (word.size() <= kLongestWholeWord) return word;
    QString broken;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, word);
    qsizetype start = 0;
    for (qsizetype end = characters.toNextBoundary(); end != -1; end = characters.toNextBoundary()) {
        broken += word.mid(start, end - start) + kZeroWidthSpace;
        start = end;
    }
    return broken;
}

}  // namespace

QString BreakableLongWords(const QString& text) {
    QString result;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !text.at(i).isSpace()) continue;
        result += Breakable(text.mid(start, i - start));
        if (i < text.size()) result += text.at(i);
        start = i + 1;
    }
    return result;
}

}  // namespace brisel::platform::qt
