#pragma once

#include <QString>

#include <vector>

namespace gb {

// The ids of the 23 batch actions. They are stored inside saved scripts, so they never
// change; 13 and 17 belong to no action.
enum BatchActionId : int {
    ActionOverlayText = 1,
    ActionOverlayImage = 2,
    ActionRotate = 3,
    ActionFlip = 4,
    ActionMirror = 5,
    ActionResize = 6,
    ActionAddBorder = 7,
    ActionButtonize = 8,
    ActionGlassFrame = 9,
    ActionBlur = 10,
    ActionSharpen = 11,
    ActionMedianCut = 12,
    ActionApplyFilter = 14,
    ActionApplyConvolutionFilter = 15,
    ActionBrightnessContrast = 16,
    ActionGrayScale = 18,
    ActionInvertColors = 19,
    ActionInvertRed = 20,
    ActionInvertGreen = 21,
    ActionInvertBlue = 22,
    ActionReplaceColor = 23,
    ActionHistogramEqualize = 24,
    ActionChangeColorDepth = 25,
};

// One entry of the action table: the name shown in script lists and the id stored in
// commands.
struct BatchAction {
    QString name;
    int id;
};

// The action table: the 23 actions in their fixed order ("Overlay Text" first, "Change
// Color Depth" last). Empty until initializeActions() ran.
extern std::vector<BatchAction> gaBatchActions;

// Builds the action table; called once at start-up, before any window exists.
void initializeActions();

// The action table itself (built on first use if start-up has not built it yet).
const std::vector<BatchAction> &getActions();

// The name of the action with that id, or "" when no action has it (13, 17, anything
// outside 1..25). Looks up by id, never by position.
QString getActionDesc(int id);

} // namespace gb
