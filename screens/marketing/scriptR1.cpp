#include "screens/marketing/scriptR1.h"

#include "designer/CheckLB.h"
#include "screens/marketing/ScriptBranching.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMemo.h"

namespace {

// The Next button's caption once the operator has moved, and at the end.
const QString NextCaption = QStringLiteral("Next");
const QString FinishCaption = QStringLiteral("FINISH");

// The answer line of question 2 that leads to question 3.
constexpr int YesLine = 0;

} // namespace

TScriptR1Fm::TScriptR1Fm(QObject *owner)
    : TScreenForm(owner)
{
    static_assert(ScriptBranching::QuestionCount == 4);
    loadDefinition(QStringLiteral(":/forms/scriptR1.form"));
    bind(CurrentNo, "CurrentNo");
    bind(SelectOneLbl, "SelectOneLbl");
    bind(SelectAllLbl, "SelectAllLbl");
    bind(Ans2, "Ans2");
    bind(PreviousBtn, "PreviousBtn");
    bind(NextBtn, "NextBtn");
    bind(m_shortTexts[0], "q1");
    bind(m_shortTexts[1], "q2");
    bind(m_shortTexts[2], "q3");
    bind(m_shortTexts[3], "q4");
    bind(m_fullTexts[0], "Fullq1");
    bind(m_fullTexts[1], "Fullq2");
    bind(m_fullTexts[2], "Fullq3");
    bind(m_fullTexts[3], "Fullq4");
    bind(m_answers[0], "Ans1");
    m_answers[1] = Ans2;
    bind(m_answers[2], "ans3");
    bind(m_answers[3], "Ans4");
    doCreate();
}

int TScriptR1Fm::currentQuestion() const
{
    bool ok = false;
    const int question = CurrentNo->Caption().toInt(&ok);
    return ok && question >= 1 && question <= ScriptBranching::QuestionCount ? question : 0;
}

bool TScriptR1Fm::yesSelected() const
{
    return Ans2->Selected(YesLine);
}

void TScriptR1Fm::showQuestion(int question, bool moved)
{
    Q_ASSERT(question >= 1 && question <= ScriptBranching::QuestionCount);
    CurrentNo->SetCaption(QString::number(question));
    // Hide first, then show, so that two questions never stand over each other.
    for (int i = 0; i < ScriptBranching::QuestionCount; ++i) {
        if (i + 1 == question)
            continue;
        m_shortTexts[i]->SetVisible(false);
        m_fullTexts[i]->SetVisible(false);
        m_answers[i]->SetVisible(false);
    }
    m_shortTexts[question - 1]->SetVisible(true);
    m_fullTexts[question - 1]->SetVisible(true);
    m_answers[question - 1]->SetVisible(true);
    SelectOneLbl->SetVisible(true);
    SelectAllLbl->SetVisible(false);
    PreviousBtn->SetVisible(question != 1);
    if (moved)
        NextBtn->SetCaption(question == ScriptBranching::QuestionCount ? FinishCaption : NextCaption);
}

void TScriptR1Fm::FormCreate(QObject *)
{
    showQuestion(1, false);
}

void TScriptR1Fm::NextBtnClick(QObject *)
{
    if (const int to = ScriptBranching::next(currentQuestion(), yesSelected()))
        showQuestion(to, true);
}

void TScriptR1Fm::PreviousBtnClick(QObject *)
{
    if (const int to = ScriptBranching::previous(currentQuestion(), yesSelected()))
        showQuestion(to, true);
}

void TScriptR1Fm::Ans2Click(QObject *)
{
    const int current = Ans2->ItemIndex();
    if (current < 0 || Ans2->State(current) != Tk::TCheckBoxState::cbChecked)
        return;
    // The list reports a new current line before it selects it, so the
    // current line is spared by its index, not by its selection.
    for (int i = 0; i < Ans2->Count(); ++i) {
        if (i != current && !Ans2->Selected(i))
            Ans2->SetState(i, Tk::TCheckBoxState::cbUnchecked);
    }
}

void TScriptR1Fm::Ans2MouseUp(QObject *Sender, Tk::TMouseButton, Tk::TShiftState, int, int)
{
    Ans2Click(Sender);
}

void TScriptR1Fm::Ans1Click(QObject *)
{
}

void TScriptR1Fm::ans3Click(QObject *)
{
}

void TScriptR1Fm::Ans4Click(QObject *)
{
}

void TScriptR1Fm::Memo2Change(QObject *)
{
}
