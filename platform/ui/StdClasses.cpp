#include "platform/ui/StdClasses.h"

#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/Properties.h"
#include "platform/ui/UiClasses.h"

namespace tresilva {

void RegisterStdClasses() {
    static const bool done = [] {
        RegisterUiClasses();
        for (const TClassInfo* info :
             {&TForm::StaticClassInfo(), &TPanel::StaticClassInfo(), &TGroupBox::StaticClassInfo(),
              &TCheckBox::StaticClassInfo(), &TComboBox::StaticClassInfo(), &TEdit::StaticClassInfo(),
              &TBitBtn::StaticClassInfo(), &TPopupMenu::StaticClassInfo(), &TMenuItem::StaticClassInfo()}) {
            RegisterClass(*info);
        }
        return true;
    }();
    (void)done;
}

}  // namespace tresilva
