#pragma once

// The standard dialog for choosing a file to open, as a non-visual component
// of a form. Execute() shows it and answers whether a file was chosen; its
// full path is then FileName. Tests and automated runs install a responder
// that answers instead of the user, so that no real dialog opens.

#include "toolkit/Component.h"

#include <QObject>

#include <functional>

class TOpenDialog : public QObject, public Component
{
    Q_OBJECT
    Q_INTERFACES(Component)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    Q_PROPERTY(int FilterIndex READ FilterIndex WRITE SetFilterIndex)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)
    Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE SetDefaultExt)

public:
    explicit TOpenDialog(QObject *owner);

    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &name) { m_fileName = name; }
    // Pairs of description and patterns: "Text files (*.txt)|*.txt|All|*.*".
    QString Filter() const { return m_filter; }
    void SetFilter(const QString &filter) { m_filter = filter; }
    // 1 for the first pair of Filter.
    int FilterIndex() const { return m_filterIndex; }
    void SetFilterIndex(int index) { m_filterIndex = index; }
    QString Title() const { return m_title; }
    void SetTitle(const QString &title) { m_title = title; }
    QString InitialDir() const { return m_initialDir; }
    void SetInitialDir(const QString &dir) { m_initialDir = dir; }
    QString DefaultExt() const { return m_defaultExt; }
    void SetDefaultExt(const QString &ext) { m_defaultExt = ext; }

    // Shows the dialog; true when the user chose a file (FileName holds its
    // full path), false when the dialog was cancelled (FileName unchanged).
    bool Execute();

    // Filter written for Qt's file dialog: one "description (patterns)" per
    // pair, joined with ";;".
    static QStringList qtFilters(const QString &filter);

    // Answers Execute() instead of a real dialog: it may set FileName and
    // returns whether a file was chosen. Null restores the real dialog.
    using Responder = std::function<bool(TOpenDialog &dialog)>;
    static void setResponder(Responder responder);

private:
    QString m_fileName;
    QString m_filter;
    int m_filterIndex = 1;
    QString m_title;
    QString m_initialDir;
    QString m_defaultExt;
};
