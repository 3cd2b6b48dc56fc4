#pragma once

#include "platform/table/value.h"

#include <QString>
#include <QStringList>

#include <span>

namespace gb {

// The whole numbers that a number setting may hold: the range of the control that sets it
// in its dialog (a spinner, a slider, an edit of so many digits, a list or a set of
// buttons). The dialog builds its control from the range, and validation checks the stored
// number against the same range, so a number that no control can produce (a damaged
// record: 1e300, an infinity, NaN, or a number the checked conversion clamped to
// 2147483647) is refused before a run instead of reaching the run's arithmetic.
//
// A Choice range stands for a list or a set of buttons whose codes run from min to max,
// a Colour range for a colour number set through the colour picker: the user never sees
// those numbers, so their problem asks for the choice again rather than for a number.
struct SettingRange
{
    enum Kind { Number, Choice, Colour };

    int min = 0;
    int max = 0;
    Kind kind = Number;

    // True when the stored number, taken to the nearest whole number as the checked
    // conversion takes it, lies from min to max. NaN and the infinities never do.
    bool holds(double stored) const;
    // The decimal digits of max: the width of an edit that takes no larger number.
    int digits() const;
};

// The ranges that the dialogs of several tools share.
inline constexpr SettingRange kJpgQualityRange{1, 100};           // edit and slider
inline constexpr SettingRange kOverwriteRange{1, 3, SettingRange::Choice};     // Always, Never, Ask me
inline constexpr SettingRange kImageTypeRange{1, 9, SettingRange::Choice};     // the writable image types
inline constexpr SettingRange kFileNamingRange{1, 4, SettingRange::Choice};    // the four naming buttons
inline constexpr SettingRange kEnumStartRange{0, 99999};          // five digits
inline constexpr SettingRange kEnumLengthRange{0, 9};             // one digit
inline constexpr SettingRange kColorRange{0, 0xFFFFFF, SettingRange::Colour};

// One number slot of a stored settings array (slots numbered from 1) and its range.
// belowText, when given, is the job's own problem for a number below the range (the
// texts its validation has always given, such as "... must be greater than 0"); every
// other number outside the range gets rangeProblem().
struct RangedSlot
{
    int slot = 0;
    SettingRange range;
    QString name; // the setting as its problem names it: "Thumbnail width"
    QString belowText = {};
};

// The problem of a setting whose stored number lies outside its range, naming the setting:
// "Thumbnail width must be between 1 and 9999", "Overwrite option: the stored choice is
// unknown, choose it again", "Border: the stored colour is damaged, choose it again".
QString rangeProblem(const QString &name, const SettingRange &range);

// The problems of the slots whose stored value is a number outside its range, in the
// order of the list, each with prefix in front. A slot that holds no number, or that the
// array lacks, is not a range problem: loading reads it as the slot's default.
QStringList rangeProblems(const ValueArray &data, std::span<const RangedSlot> numbers, const QString &prefix = {});

} // namespace gb
