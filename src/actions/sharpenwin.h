#pragma once

#include "actions/paramdialog.h"

namespace gb {

// "Sharpen Image" (captioned "Blur Image" by its caller for Blur): the one level of a Blur
// or Sharpen command, typed (above 100 becomes 100) or set with a 1..100 slider. Old
// parameters: {level}; anything else opens with 50. Apply takes the typed number as it
// stands, 0 included.
class SharpenWin : public ParamDialog
{
    Q_OBJECT
public:
    SharpenWin(QWidget *owner, const Value &oldParams = Value());

    int level() const { return mLevel; }
    ValueArray values() const override { return {mLevel}; }
    NumberPair *sharpen() const { return mSharpen; }

protected:
    bool applyValues() override;

private:
    NumberPair *mSharpen;
    int mLevel = 0;
};

} // namespace gb
