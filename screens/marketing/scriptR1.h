#pragma once

// The call script screen: the operator reads one question of the script at a
// time, checks the answers given, and moves on with Next and Previous along
// the script's branches. The answers stay while the screen lives.

#include "tour/ScreenForm.h"

#include <array>

class TBitBtn;
class TCheckListBox;
class TLabel;
class TMemo;

class TScriptR1Fm : public TScreenForm
{
    Q_OBJECT

public:
    explicit TScriptR1Fm(QObject *owner);

    // The number of the question shown, read from CurrentNo; 0 when it holds
    // no question number.
    int currentQuestion() const;

public slots:
    // Shows question 1.
    void FormCreate(QObject *Sender);
    // Moves forward by the script's branches; at the end nothing happens.
    void NextBtnClick(QObject *Sender);
    // Moves back by the script's branches.
    void PreviousBtnClick(QObject *Sender);
    // Question 2 takes one answer: when the selected line is checked, every
    // other line is cleared.
    void Ans2Click(QObject *Sender);
    // A press on a check box that is released outside the list raises no
    // click; the release still settles question 2's single answer.
    void Ans2MouseUp(QObject *Sender, Tk::TMouseButton Button, Tk::TShiftState Shift, int X, int Y);
    // Several answers may be checked; nothing more happens in the tour.
    void Ans1Click(QObject *Sender);
    void ans3Click(QObject *Sender);
    void Ans4Click(QObject *Sender);
    // A typed answer is not used by the sample script.
    void Memo2Change(QObject *Sender);

private:
    // Shows the controls of one question and hides the others'. `moved` is
    // false for the first question shown, which keeps the design caption of
    // NextBtn.
    void showQuestion(int question, bool moved);
    bool yesSelected() const;

    TLabel *CurrentNo = nullptr;
    TLabel *SelectOneLbl = nullptr;
    TLabel *SelectAllLbl = nullptr;
    TCheckListBox *Ans2 = nullptr;
    TBitBtn *PreviousBtn = nullptr;
    TBitBtn *NextBtn = nullptr;
    // The short text, full text and answers of questions 1 to 4.
    std::array<TLabel *, 4> m_shortTexts {};
    std::array<TMemo *, 4> m_fullTexts {};
    std::array<TCheckListBox *, 4> m_answers {};
};
