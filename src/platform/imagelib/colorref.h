#pragma once

#include <cstdint>

namespace gb {

// Colour numbers as the image layer takes them: red + green * 256 + blue * 65536.
inline uint8_t colorRefRed(uint32_t c) { return uint8_t(c & 255); }
inline uint8_t colorRefGreen(uint32_t c) { return uint8_t((c >> 8) & 255); }
inline uint8_t colorRefBlue(uint32_t c) { return uint8_t((c >> 16) & 255); }

} // namespace gb
