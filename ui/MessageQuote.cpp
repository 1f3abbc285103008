#include "ui/MessageQuote.h"

#include <QList>
#include <QStringDecoder>

namespace pelmora {
namespace {

// Characters a reader cannot see, or that act instead of showing: the controls (a line break
// among them), the format characters (those that steer writing direction, the zero-width space,
// the byte-order mark), the line and paragraph separators, and the spaces that only look like
// the ordinary one. Quoted as they are they would hide why a text is refused, or turn or break
// the sentence around it.
bool isHidden(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    case QChar::Separator_Space:
        // The ordinary space and the ideographic one a Chinese input method types are seen as
        // what they are.
        return c != U' ' && c != U'\u3000';
    default:
        return false;
    }
}

// A character as a message shows it: itself, or its code point in marks, "‹U+000A›".
QString shownCharacter(char32_t c) {
    if (!isHidden(c)) {
        return QString::fromUcs4(&c, 1);
    }
    constexpr qsizetype kLeastHexDigits = 4;
    const QString hex = QString::number(static_cast<uint>(c), 16).toUpper();
    return QStringLiteral("‹U+%1›").arg(hex.rightJustified(kLeastHexDigits, u'0'));
}

} // namespace

QString quotedForMessage(const std::string& text) {
    constexpr qsizetype kLongest = 24;
    QString shown;
    bool cut = false;
    // Decoded with a leading byte-order mark kept, which QString::fromStdString would drop
    // unseen although it is as much a part of the text as one further on.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString typed = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    for (const char32_t c : typed.toUcs4()) {
        const QString character = shownCharacter(c);
        // Whole or not at all, so a cut never splits a character or a mark.
        if (shown.size() + character.size() > kLongest) {
            cut = true;
            break;
        }
        shown += character;
    }
    // Isolated, quotes and all, so that a right-to-left text keeps its direction to itself.
    return QStringLiteral("\u2068“%1%2”\u2069").arg(shown, cut ? QStringLiteral("…") : QString());
}

} // namespace pelmora
