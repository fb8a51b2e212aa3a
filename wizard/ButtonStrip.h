#pragma once

// Where the wizard's six buttons go along its bottom strip. A layout list of
// codes names the buttons: those before the boundary code 8 form the left
// group, placed from the left edge, those after it the right group, placed
// from the right edge. The plan says, for every list entry the two passes
// visit, which descriptor goes on which button and at which left edge; the
// wizard applies it. Pure geometry, no widgets.

#include "wizard/OutOfSight.h"

#include <QList>

#include <array>
#include <optional>
#include <vector>

class ButtonStrip
{
public:
    enum Button { ChangeButton, HelpButton, BackButton, NextButton, CancelButton, OKButton, ButtonCount };
    enum Descriptor {
        BtnHelp,
        BtnWizardOK,
        BtnFinish,
        BtnDialogOK,
        BtnChangeWizard,
        BtnChangeDialog,
        BtnCancel,
        BtnNext,
        BtnBack,
        DescriptorCount
    };

    // Layout codes beside the button codes 1 .. 6.
    static constexpr int GapCode = 7;
    static constexpr int BoundaryCode = 8;
    static constexpr int GapWidth = 8;
    static constexpr int EdgeSpace = 4;
    static constexpr int ButtonSpace = 4;
    // A hidden button is disabled and moved out of sight to this left edge.
    static constexpr int HiddenLeft = OutOfSight::Left;
    // The tab counters the passes start from: past the end, so that the
    // buttons end up last in the tab order.
    static constexpr int LeftTabStart = 10000;
    static constexpr int RightTabStart = 15000;

    struct Input {
        QList<int> codes;
        bool dialogPage = false;
        bool lastStep = false;
        std::array<bool, DescriptorCount> shown{};   // each descriptor's Show
        int width = 0;                               // the wizard's width
        int buttonWidth = 90;
    };

    // One visited list entry. Entries that place no button (gaps, unknown
    // codes, Back and Next on the dialog page) still count for the tab order.
    struct Slot {
        int code = 0;
        int button = -1;       // Button, or -1
        int descriptor = -1;   // Descriptor, or -1
        int left = 0;          // where the button goes when its descriptor is shown
        bool shown = false;
    };

    struct Plan {
        std::vector<Slot> left;    // in visiting order, left to right
        std::vector<Slot> right;   // in visiting order, right to left
        int defaultButton = NextButton;
    };

    // Whether the list holds the boundary code after its first entry and
    // before its last, so that both passes stay inside the list.
    static bool isValid(const QList<int> &codes);
    // The button and descriptor a code stands for; {-1, -1} for none.
    static std::pair<int, int> role(int code, bool dialogPage, bool lastStep, bool wizardOKShown);
    // Null for a list that isValid refuses.
    static std::optional<Plan> plan(const Input &input);
};
