#pragma once
// Makes the platform's windows and standard controls known to the layout
// reader by name: TForm, TPanel, TGroupBox, TCheckBox, TComboBox, TEdit,
// TBitBtn, TPopupMenu, TMenuItem, and those of RegisterUiClasses (TLabel,
// TImage, TTimer). The reader calls it before every layout; idempotent.

namespace tresilva {

void RegisterStdClasses();

}  // namespace tresilva
