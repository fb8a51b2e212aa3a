#include "wizard/ButtonStrip.h"

bool ButtonStrip::isValid(const QList<int> &codes)
{
    for (qsizetype i = 1; i + 1 < codes.size(); ++i) {
        if (codes[i] == BoundaryCode)
            return true;
    }
    return false;
}

std::pair<int, int> ButtonStrip::role(int code, bool dialogPage, bool lastStep, bool wizardOKShown)
{
    switch (code) {
    case 1: return {ChangeButton, dialogPage ? BtnChangeWizard : BtnChangeDialog};
    case 2: return {HelpButton, BtnHelp};
    case 3: return {CancelButton, BtnCancel};
    case 4:
        if (dialogPage)
            return {-1, -1};
        return {BackButton, BtnBack};
    case 5:
        if (dialogPage)
            return {-1, -1};
        return {NextButton, lastStep && !wizardOKShown ? BtnFinish : BtnNext};
    case 6:
        if (dialogPage)
            return {OKButton, BtnDialogOK};
        return {OKButton, lastStep && wizardOKShown ? BtnFinish : BtnWizardOK};
    default: return {-1, -1};
    }
}

std::optional<ButtonStrip::Plan> ButtonStrip::plan(const Input &in)
{
    if (!isValid(in.codes))
        return std::nullopt;
    const bool wizardOKShown = in.shown[BtnWizardOK];
    const int step = in.buttonWidth + ButtonSpace;
    Plan plan;

    // Visits one entry, placing its button at x and moving x by `direction`.
    auto visit = [&](int code, int &x, int direction) {
        Slot slot;
        slot.code = code;
        if (code == GapCode) {
            x += direction * GapWidth;
            return slot;
        }
        const auto [button, descriptor] = role(code, in.dialogPage, in.lastStep, wizardOKShown);
        if (button < 0)
            return slot;
        slot.button = button;
        slot.descriptor = descriptor;
        slot.left = x;
        slot.shown = in.shown[size_t(descriptor)];
        if (slot.shown)
            x += direction * step;
        return slot;
    };

    const qsizetype n = in.codes.size();
    int x = EdgeSpace;
    for (qsizetype i = 0; i == 0 || in.codes[i] != BoundaryCode; ++i)
        plan.left.push_back(visit(in.codes[i], x, +1));
    x = in.width - in.buttonWidth - EdgeSpace;
    for (qsizetype i = n - 1; i == n - 1 || in.codes[i] != BoundaryCode; --i)
        plan.right.push_back(visit(in.codes[i], x, -1));

    if (in.dialogPage || (wizardOKShown && in.lastStep))
        plan.defaultButton = OKButton;
    else
        plan.defaultButton = NextButton;
    return plan;
}
