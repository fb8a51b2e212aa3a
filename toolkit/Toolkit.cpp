#include "toolkit/Toolkit.h"

#include "toolkit/ClassRegistry.h"
#include "toolkit/TBevel.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TButton.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TFontDialog.h"
#include "toolkit/TGroupBox.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TListBox.h"
#include "toolkit/TMaskEdit.h"
#include "toolkit/TMemo.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TOpenDialog.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TPanel.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TShape.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStringGrid.h"
#include "toolkit/TTabPage.h"
#include "toolkit/TTabSheet.h"
#include "toolkit/TTabbedNotebook.h"

void Toolkit::registerClasses()
{
    ClassRegistry &r = ClassRegistry::instance();
    r.add<TBevel>();
    r.add<TBitBtn>();
    r.add<TButton>();
    r.add<TCheckBox>();
    r.add<TComboBox>();
    r.add<TEdit>();
    r.add<TFontDialog>();
    r.add<TGroupBox>();
    r.add<TImage>();
    r.add<TLabel>();
    r.add<TListBox>();
    r.add<TMaskEdit>();
    r.add<TMemo>();
    r.add<TMenuItem>();
    r.add<TOpenDialog>();
    r.add<TPageControl>();
    r.add<TPanel>();
    r.add<TPopupMenu>();
    r.add<TRadioButton>();
    r.add<TRadioGroup>();
    r.add<TShape>();
    r.add<TSpeedButton>();
    r.add<TStringGrid>();
    r.add<TTabPage>();
    r.add<TTabSheet>();
    r.add<TTabbedNotebook>();
}
