#pragma once

#include "platform/table/value.h"

#include <QString>

#include <algorithm>
#include <optional>

namespace gb {

// One step of a processing script, in its stored layout (saved scripts hold exactly this
// array, so slot positions never move):
//   slot 1  the action id (a BatchActionId)
//   slot 2  the description shown for the step: the action's name; for the two filter
//           actions the name, " - " and the filter's description
//   slot 3… the action's parameters in the fixed order of its action (see batchcommand.cpp)
// Every action has a fixed slot count; a Resize of 6 slots (no bilinear flag) is also valid
// and resamples bilinearly.
//
// Reading a slot through the typed accessors never fails: a slot that is missing or holds
// a value of another type than its action gives the slot's default instead, so a damaged
// command cannot steer an operation outside what its dialog could have set.
class BatchCommand
{
public:
    BatchCommand() = default;
    // Takes the slots as they are (for commands built in code; see fromValue() for stored ones).
    explicit BatchCommand(ValueArray items) : mSlots(std::move(items)) {}
    // {id, getActionDesc(id), parameters...}.
    static BatchCommand make(int id, ValueArray parameters);
    // A stored command, checked: nothing when the value is not an array starting with a
    // number. Otherwise every parameter slot of the action is type-checked and a missing
    // or mistyped one takes its default, and a "Change Color Depth" user count is brought
    // into 2..256. Unknown ids keep only their id and description (they do nothing).
    static std::optional<BatchCommand> fromValue(const Value &stored);

    Value toValue() const { return Value(mSlots); }
    const ValueArray &record() const { return mSlots; }
    bool isEmpty() const { return mSlots.empty(); }
    int slotCount() const { return int(mSlots.size()); }

    int id() const;
    QString description() const;
    // Slot n (1-based) exactly as held; nil when there is none.
    const Value &slot(int n) const;
    // Slot n as its action's layout types it, the default when missing or mistyped (a NaN
    // where a number belongs counts as mistyped).
    Value typedSlot(int n) const;
    int intAt(int n) const { return typedSlot(n).toInt(); }
    // A colour slot (0xBBGGRR) brought into 0..0xFFFFFF.
    uint32_t colourAt(int n) const { return uint32_t(std::clamp(intAt(n), 0, 0xFFFFFF)); }
    double numberAt(int n) const { return typedSlot(n).toNumber(); }
    bool logicAt(int n) const { return typedSlot(n).toBool(); }
    QString stringAt(int n) const { return typedSlot(n).toString(); }

    bool operator==(const BatchCommand &other) const { return Value(mSlots) == Value(other.mSlots); }

private:
    ValueArray mSlots;
};

// The full slot count of the action's commands (2 for actions without parameters), or 0
// for an id that no action has.
int actionSlotCount(int id);

// A command of the action with every parameter at its default.
BatchCommand defaultCommand(int id);

// The script of a job, checked as fromValue() checks each command; elements that are no
// command at all are dropped.
std::vector<BatchCommand> commandsFromValue(const Value &stored);
Value commandsToValue(const std::vector<BatchCommand> &commands);

} // namespace gb
