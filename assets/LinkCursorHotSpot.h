#pragma once

namespace pelmora {

// The point of the link cursor that does the pointing: the sharp top-left tip of the monogram's
// first stroke, in the cursor picture's own pixels (it is never scaled).
inline constexpr int kLinkCursorHotSpotX = 2;
inline constexpr int kLinkCursorHotSpotY = 1;

} // namespace pelmora
