#include "tour/Unit1.h"

#include "toolkit/Application.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/TLabel.h"
#include "toolkit/TListBox.h"
#include "toolkit/TMemo.h"
#include "toolkit/TStringGrid.h"
#include "wizard/TAssistent.h"

TForm1 *Form1 = nullptr;

TForm1::TForm1(QObject *owner)
    : TForm(owner)
{
    loadDefinition(QStringLiteral(":/forms/Unit1.form"));
    bind(Assistent1, "Assistent1");
    bind(grid2, "grid2");
    bind(AcList, "AcList");
    bind(CoList, "CoList");
    bind(Add1List, "Add1List");
    bind(Add2list, "Add2list");
    bind(Add3list, "Add3list");
    bind(Add4list, "Add4list");
    bind(Pcodelist, "Pcodelist");
    bind(Ownerlist, "Ownerlist");
    bind(statuslist, "statuslist");
    bind(nextlist, "nextlist");
    bind(lastlist, "lastlist");
    bind(contlist, "contlist");
    bind(sallist, "sallist");
    bind(tellist, "tellist");
    bind(faxlist, "faxlist");
    // The page area takes the title of the page shown, for assistive
    // technology; the wizard announces it after every page change.
    connect(Assistent1, &TAssistent::OnPageChange, this, [this](QObject *, int) { describePage(); });
    describePage();
    doCreate();
}

void TForm1::describePage()
{
    const int page = Assistent1->PhysicalPage(Assistent1->Page());
    Assistent1->setAccessibleName(pageTitle(page));
    // The help text stands beside the title in the page's header.
    const auto *title = qobject_cast<const QWidget *>(findComponent(QStringLiteral("TitleLabel%1").arg(page)));
    const QWidget *header = title ? title->parentWidget() : nullptr;
    const auto *help = header && header->parentWidget() ? header->parentWidget()->findChild<TMemo *>() : nullptr;
    Assistent1->setAccessibleDescription(help ? help->Text() : QString());
}

QString TForm1::pageTitle(int page) const
{
    // A header's title may stand on two lines ("Contact" over "history").
    if (const auto *title = qobject_cast<TLabel *>(findComponent(QStringLiteral("TitleLabel%1").arg(page))))
        return title->Caption().simplified();
    const QStringList names = Assistent1->PageNames();
    return page >= 0 && page < names.size() ? names.at(page) : QString();
}

bool TForm1::start(QString *error)
{
    try {
        Form1 = new TForm1(nullptr);
    } catch (const DefinitionError &e) {
        if (error)
            *error = e.text();
        return false;
    }
    Application::setMainForm(Form1);
    Form1->Show();
    return true;
}

void TForm1::FormCreate(QObject *)
{
    Unit1::initialize();
}

bool TForm1::Assistent1CancelClick(QObject *, int)
{
    Application::terminate();
    return true;
}

TForm *TForm1::createScreen(const QByteArray &className)
{
    // A screen whose definition cannot be read fails its handler, which says
    // so; the page shows an empty frame and the tour goes on.
    QObject *o = ClassRegistry::instance().create(className, this);
    auto *screen = qobject_cast<TForm *>(o);
    if (o && !screen)
        Component::free(o);
    return screen;
}

TForm *TForm1::AForm1GetForm()
{
    return createScreen("TCalenderFm");
}

TForm *TForm1::AForm2GetForm()
{
    return createScreen("TCustListFm");
}

TForm *TForm1::AForm3GetForm()
{
    return createScreen("TCustDtlFm");
}

TForm *TForm1::AForm4GetForm()
{
    return createScreen("TCustComfm");
}

TForm *TForm1::AForm5GetForm()
{
    return createScreen("TAccSrch1Fm");
}

TForm *TForm1::AForm6GetForm()
{
    return createScreen("TMailDtlFm");
}

TForm *TForm1::AForm7GetForm()
{
    return createScreen("TQueryFm");
}

TForm *TForm1::AForm8GetForm()
{
    return createScreen("TQuery2Fm");
}

TForm *TForm1::AForm9GetForm()
{
    return createScreen("TScriptR1Fm");
}

TForm *TForm1::AForm10GetForm()
{
    return createScreen("TUsrAct1Fm");
}

TForm *TForm1::AForm11GetForm()
{
    return createScreen("TUsrAct4Fm");
}

TForm *TForm1::AForm12GetForm()
{
    return createScreen("TUsrRspFm");
}

TForm *TForm1::AForm13GetForm()
{
    return createScreen("Tusrdef2fm");
}
