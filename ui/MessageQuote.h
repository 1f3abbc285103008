#pragma once

#include <QString>
#include <string>

namespace pelmora {

// A text the user typed, as every message quotes it: in quotation marks, each character a reader
// could not see (a control, a format character such as a direction override or a zero-width
// space, a line or paragraph separator, a space other than U+0020 and U+3000) shown as its code
// point, "500‹U+000A›", at most 24 characters of what is shown (an ellipsis marks a cut, which
// never splits a character or a code point's mark), and isolated so that its own direction
// cannot run into the sentence.
QString quotedForMessage(const std::string& text);

} // namespace pelmora
