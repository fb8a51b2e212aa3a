#pragma once

// A form: a window of its own class, loaded from its definition, that owns its
// components and binds their events to its handler methods. A form is shown
// as a top-level window or embedded borderless in another control.

#include "toolkit/ControlWidget.h"
#include "toolkit/DefinitionError.h"

#include <QWidget>

class TForm : public ControlWidget<QWidget>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth STORED false)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight STORED false)
    Q_PROPERTY(Tk::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(Tk::TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(Tk::TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(Tk::TWindowState WindowState READ WindowState WRITE SetWindowState)
    Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)
    Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
    Q_PROPERTY(QWidget *ActiveControl READ ActiveControl WRITE SetActiveControl STORED false)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult STORED false)

Q_SIGNALS:
    void OnCreate(QObject *Sender);
    void OnDestroy(QObject *Sender);
    void OnShow(QObject *Sender);
    void OnHide(QObject *Sender);
    void OnActivate(QObject *Sender);
    void OnDeactivate(QObject *Sender);
    void OnPaint(QObject *Sender);
    void OnResize(QObject *Sender);
    void OnClose(QObject *Sender, Tk::TCloseAction &Action);
    void OnCloseQuery(QObject *Sender, bool &CanClose);

public:
    explicit TForm(QObject *owner);
    ~TForm() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    int ClientWidth() const { return width(); }
    void SetClientWidth(int width);
    int ClientHeight() const { return height(); }
    void SetClientHeight(int height);
    Tk::TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(Tk::TFormBorderStyle style);
    Tk::TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(Tk::TBorderIcons icons);
    Tk::TPosition Position() const { return m_position; }
    void SetPosition(Tk::TPosition position) { m_position = position; }
    Tk::TWindowState WindowState() const { return m_windowState; }
    void SetWindowState(Tk::TWindowState state);
    bool Scaled() const { return m_scaled; }
    void SetScaled(bool scaled) { m_scaled = scaled; }
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool preview) { m_keyPreview = preview; }
    QWidget *ActiveControl() const;
    void SetActiveControl(QWidget *control);
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result);

    void SetVisible(bool visible) override;
    void SetParent(QWidget *parent) override;
    QRect BoundsRect() const override;
    void SetBounds(int left, int top, int width, int height) override;

    // Shows the form as its window state and position say.
    void Show();
    // Runs the close sequence: OnCloseQuery, OnClose, then hides, frees or
    // minimises the form as the close action says; closing the main form
    // ends the application.
    void Close();
    // Shows the form and waits until its ModalResult is set.
    int ShowModal();
    // Prints the form's image as shown on the default printer, as one page.
    void Print();

    // The stored definition of this form's class is loaded into it; a fault
    // raises DefinitionError.
    void loadDefinition(const QString &path);
    // Raises OnCreate; a form class calls it at the end of its constructor,
    // once its fields are bound.
    void doCreate();

    void loaded() override;
    void beforeDestruction() override;

protected:
    // Sets `field` to the component named `name`, which must exist and be a T.
    template<typename T>
    void bind(T *&field, const char *name)
    {
        QObject *o = findComponent(QString::fromLatin1(name));
        field = qobject_cast<T *>(o);
        if (!field)
            throw DefinitionError(m_definitionPath, 0, 0,
                                  o ? QStringLiteral("component %1 is a %2, not a %3")
                                          .arg(QLatin1String(name), QLatin1String(o->metaObject()->className()),
                                               QLatin1String(T::staticMetaObject.className()))
                                    : QStringLiteral("the definition has no component %1").arg(QLatin1String(name)));
    }

    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyWindowFlags();
    void fillParent();
    // Shows the window maximised, also where no window manager does it.
    void maximize();

    QString m_caption;
    Tk::TFormBorderStyle m_borderStyle = Tk::TFormBorderStyle::bsSizeable;
    Tk::TBorderIcons m_borderIcons = Tk::TBorderIcon::biSystemMenu | Tk::TBorderIcon::biMinimize | Tk::TBorderIcon::biMaximize;
    Tk::TPosition m_position = Tk::TPosition::poDesigned;
    Tk::TWindowState m_windowState = Tk::TWindowState::wsNormal;
    bool m_scaled = true;
    bool m_keyPreview = false;
    int m_modalResult = 0;
    bool m_created = false;
    bool m_inOnCreate = false;
    bool m_shownOnce = false;
    QString m_definitionPath;
};
