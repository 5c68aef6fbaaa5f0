#pragma once
// Message dialogs: MessageDlg(text, mtConfirmation, {mbOK, mbCancel}) shows
// "Confirmation" with a question icon, "OK" (default, Enter) and "Annuler"
// (cancel, Escape), centred on the screen, and gives mrOk or mrCancel. Tests
// replace it with SetMessageDlgFunction.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "platform/ui/Form.h"

namespace tresilva {

enum TMsgDlgType : std::uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : std::uint8_t {
    mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp,
};
using TMsgDlgButtons = std::uint16_t;  // bit i = TMsgDlgBtn i

constexpr TMsgDlgButtons MsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons) {
    TMsgDlgButtons set = 0;
    for (TMsgDlgBtn b : buttons) set = static_cast<TMsgDlgButtons>(set | (1u << b));
    return set;
}

using TMessageDlgFunction = std::function<TModalResult(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)>;

// Shows the dialog through the installed function (the default message box).
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
// Replaces the function; an empty one restores the default. Returns the previous one.
TMessageDlgFunction SetMessageDlgFunction(TMessageDlgFunction function);
// The default: a Qt message box as described above.
TModalResult ShowMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

// The caption of a dialog type ("Confirmation", "Erreur"...) and a button's text ("OK", "Annuler"...).
std::string MsgDlgCaption(TMsgDlgType type);
std::string MsgDlgButtonText(TMsgDlgBtn button);

}  // namespace tresilva
