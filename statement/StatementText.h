#pragma once

#include "statement/Statement.h"

#include <string>
#include <string_view>

namespace pelmora {

// A text file's encoding: UTF-8 when all of it is UTF-8 (a character cut off by the end of the
// file aside), with or without a byte-order mark, and GB18030 otherwise.
StatementEncoding encodingOf(std::string_view bytes);

// The bytes in that encoding as UTF-8: a character cut off or ill-formed is U+FFFD, and a
// byte-order mark is dropped.
std::string decodedText(std::string_view bytes, StatementEncoding encoding);

} // namespace pelmora
