#pragma once

#include "common/settingrange.h"

namespace gb {

// The ranges of the web gallery's own number settings, as its section pages offer them;
// the pages build their controls from these and validation refuses a stored number
// outside them. The ranges the gallery shares with the batch editor (image types, naming,
// JPEG quality, enumeration, overwrite option, colours) are in common/settingrange.h.

// Thumbnail width and height: four-digit edits. A side that the resize method uses must
// also be above 0.
inline constexpr SettingRange kGalleryThumbSideRange{0, 9999};
inline constexpr SettingRange kResizeMethodRange{1, 4, SettingRange::Choice};
// Thumbnail and full-size pages: base name before (4) or after (3) the number.
inline constexpr SettingRange kPageNamingRange{3, 4, SettingRange::Choice};
// The table of thumbnails: rows and columns (spinners), alignment (centre 3, left 2,
// right 4), and the border, padding and spacing of its cells (spinners).
inline constexpr SettingRange kTableSideRange{1, 999};
inline constexpr SettingRange kTableAlignmentRange{2, 4, SettingRange::Choice};
inline constexpr SettingRange kTableCellRange{0, 99};
// The master index's columns of links (spinner).
inline constexpr SettingRange kLinkColumnsRange{1, 99};
// The pages' top and left margins: two-digit edits.
inline constexpr SettingRange kPageMarginRange{0, 99};
// File and page names kept as made (3), in lower case (1) or in upper case (2).
inline constexpr SettingRange kNamingCasingRange{1, 3, SettingRange::Choice};

} // namespace gb
