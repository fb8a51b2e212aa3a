#include "screens/marketing/ScriptBranching.h"

namespace {

// Where each question leads, with "Yes" selected and without. 0 is nowhere.
struct Branch {
    int nextIfYes;
    int nextOtherwise;
    int previousIfYes;
    int previousOtherwise;
};

constexpr Branch Branches[ScriptBranching::QuestionCount] = {
    {2, 2, 0, 0}, // 1: computers
    {3, 4, 1, 1}, // 2: the network question, branching by its answer
    {4, 4, 2, 2}, // 3: network operating systems, asked only with a network
    {0, 0, 3, 2}, // 4: printers, the end of the script
};

const Branch *branchOf(int question)
{
    if (question < 1 || question > ScriptBranching::QuestionCount)
        return nullptr;
    return &Branches[question - 1];
}

} // namespace

int ScriptBranching::next(int question, bool yesSelected)
{
    const Branch *b = branchOf(question);
    if (!b)
        return 0;
    return yesSelected ? b->nextIfYes : b->nextOtherwise;
}

int ScriptBranching::previous(int question, bool yesSelected)
{
    const Branch *b = branchOf(question);
    if (!b)
        return 0;
    return yesSelected ? b->previousIfYes : b->previousOtherwise;
}
