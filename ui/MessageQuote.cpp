#include "ui/MessageQuote.h"

#include <QList>

namespace pelmora {
namespace {

// Characters that steer the direction of the text after them; a pasted one must not turn the
// rest of a sentence around.
bool steersDirection(char32_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
           c == 0x200F || c == 0x061C;
}

} // namespace

QString quotedForMessage(const std::string& text) {
    constexpr qsizetype kLongest = 24;
    QString shown;
    qsizetype kept = 0;
    bool cut = false;
    for (const char32_t c : QString::fromStdString(text).toUcs4()) {
        if (steersDirection(c)) {
            continue;
        }
        const QString character = QChar::category(c) == QChar::Other_Control
                                      ? QStringLiteral(" ")
                                      : QString::fromUcs4(&c, 1);
        if (kept + character.size() > kLongest) {
            cut = true;
            break;
        }
        shown += character;
        kept += character.size();
    }
    // Isolated, quotes and all, so that a right-to-left text keeps its direction to itself.
    return QStringLiteral("\u2068“%1%2”\u2069").arg(shown, cut ? QStringLiteral("…") : QString());
}

} // namespace pelmora
