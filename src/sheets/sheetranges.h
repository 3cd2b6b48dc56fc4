#pragma once

#include "common/settingrange.h"

namespace gb {

// The ranges of the number settings of contact sheets and thumbnail printouts, as their
// pages offer them; the pages build their spinners from these, and the jobs' validation
// refuses a stored number outside them.

// The layout page that both tools share: thumbnail width and height, and the gaps.
inline constexpr SettingRange kThumbSideRange{1, 9999};
inline constexpr SettingRange kSpacingRange{0, 999};
// The contact sheet: the sheet's size (four-digit edits), its preset (0 custom, 1 to 3 the
// three sizes) and the width of the frames.
inline constexpr SettingRange kSheetSideRange{1, 9999};
inline constexpr SettingRange kSheetPresetRange{0, 3, SettingRange::Choice};
inline constexpr SettingRange kBorderSizeRange{0, 999};
// The printout: thumbnails per row, and the page margins in printer pixels.
inline constexpr SettingRange kThumbColumnsRange{1, 99};
inline constexpr SettingRange kMarginRange{0, 999};

} // namespace gb
