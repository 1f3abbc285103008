#pragma once

#include <QString>
#include <string>

namespace pelmora {

// A text the user typed, as every message quotes it: in quotation marks, at most 24 characters
// (an ellipsis marks a cut, which never splits a character), without the characters that steer
// writing direction, and isolated so that its own direction cannot run into the sentence.
QString quotedForMessage(const std::string& text);

} // namespace pelmora
