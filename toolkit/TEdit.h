#pragma once

// A one-line text box. OnChange is raised for every change of the text, by
// typing or by code.

#include "toolkit/ControlWidget.h"

#include <QLineEdit>

class TEdit : public ControlWidget<QLineEdit>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(Tk::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(Tk::TEditCharCase CharCase READ CharCase WRITE SetCharCase)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)

Q_SIGNALS:
    void OnChange(QObject *Sender);

public:
    explicit TEdit(QObject *owner);

    virtual QString Text() const { return text(); }
    virtual void SetText(const QString &text);
    // 0 means no limit.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    Tk::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(Tk::TBorderStyle style);
    Tk::TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(Tk::TEditCharCase charCase);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }

    void Clear() { SetText(QString()); }
    void SelectAll() { selectAll(); }

protected:
    // Applies MaxLength to the line edit again (an input mask overrides it).
    void applyMaxLength();
    // While above 0, changes of the line edit's text raise no OnChange.
    int m_quiet = 0;

private:
    int m_maxLength = 0;
    Tk::TBorderStyle m_borderStyle = Tk::TBorderStyle::bsSingle;
    Tk::TEditCharCase m_charCase = Tk::TEditCharCase::ecNormal;
    bool m_autoSelect = true;
    bool m_autoSize = true;
};
