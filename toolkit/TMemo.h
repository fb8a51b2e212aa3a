#pragma once

// A multi-line text box holding Lines. OnChange is raised for every change of
// the text, by typing or by code.

#include "toolkit/ControlWidget.h"

#include <QPlainTextEdit>

class TMemo : public ControlWidget<QPlainTextEdit>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(Tk::TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(Tk::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(Tk::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool WantReturns READ WantReturns WRITE SetWantReturns)
    Q_PROPERTY(bool WantTabs READ WantTabs WRITE SetWantTabs)

Q_SIGNALS:
    void OnChange(QObject *Sender);

public:
    explicit TMemo(QObject *owner);

    QStringList Lines() const;
    void SetLines(const QStringList &lines);
    QString Text() const;
    void SetText(const QString &text);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    Tk::TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(Tk::TScrollStyle bars);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length) { m_maxLength = std::max(0, length); }
    Tk::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(Tk::TAlignment alignment) { m_alignment = alignment; }
    Tk::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(Tk::TBorderStyle style);
    bool WantReturns() const { return m_wantReturns; }
    void SetWantReturns(bool want) { m_wantReturns = want; }
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool want);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Lines read from a definition are laid out when the memo is first shown
    // or read, not for every hidden memo while the form loads.
    void takePendingText() const;

    mutable QString m_pendingText;
    mutable bool m_textPending = false;
    mutable int m_quiet = 0;
    Tk::TScrollStyle m_scrollBars = Tk::TScrollStyle::ssNone;
    bool m_wordWrap = true;
    int m_maxLength = 0;
    Tk::TAlignment m_alignment = Tk::TAlignment::taLeftJustify;
    Tk::TBorderStyle m_borderStyle = Tk::TBorderStyle::bsSingle;
    bool m_wantReturns = true;
    bool m_wantTabs = false;
};
