#pragma once
// A form: a top-level window read from its layout. Its widget is its client
// area (the window manager adds the frame), so Width and Height of the
// control are the client size; the published Width and Height are the outer
// size, the client area plus a frame of 8 x 27 pixels.
//
// Showing: centred on the screen at the first showing (Position
// poScreenCenter), kept afterwards; OnShow runs at every showing. ShowModal
// runs a nested event loop until ModalResult becomes non-zero and the close
// sequence (OnCloseQuery, OnClose) agrees. Close on a modal form ends its
// loop with mrCancel; on the main form it ends the application's run after
// the close event; on another form it hides it. A close request of the
// window manager goes through Close. Enter and Escape mean nothing to a form.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/gfx/Picture.h"
#include "platform/ui/WinControl.h"

class QEventLoop;

namespace tresilva {

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
// Frames of windows; a panel's border uses the first two.
enum TFormBorderStyle : std::uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : std::uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = std::uint8_t;  // bit i = TBorderIcon i
constexpr TBorderIcons BorderIcon(TBorderIcon icon) { return static_cast<TBorderIcons>(1u << icon); }
enum TPosition : std::uint8_t { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
// The typed character; the handler may change it (0 swallows it).
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
// A virtual key code: backspace 8, tab 9, enter 13, shift 16, ctrl 17, alt 18,
// escape 27, space 32, arrows 37-40, delete 46, '0'-'9' 48-57, 'A'-'Z' 65-90,
// numeric keypad digits 96-105, F1 112 onwards.
using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;

const TEnumType& FormBorderStyleType();
const TEnumType& BorderIconType();
const TEnumType& PositionType();

// The outer frame a window manager adds around a client area.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 27;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Reads the form's layout, then runs OnCreate (an error there goes to
    // the error display; the form is still made).
    void LoadLayoutText(std::string_view text, const std::string& file);
    void LoadLayoutResource(std::string_view name);

    // --- frame ------------------------------------------------------------------------
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    const TPicture& Icon() const { return icon_; }
    void SetIcon(const TPicture& value);
    int OuterWidth() const { return Width() + kFrameWidth; }
    int OuterHeight() const { return Height() + kFrameHeight; }
    void SetOuterWidth(int value) { SetWidth(value - kFrameWidth); }
    void SetOuterHeight(int value) { SetHeight(value - kFrameHeight); }
    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }

    // --- showing and closing -------------------------------------------------------------
    int ShowModal();
    bool Modal() const { return modal_; }
    TModalResult ModalResult() const { return modalResult_; }
    // On a modal form, a non-zero result ends the modal loop (through the close sequence).
    void SetModalResult(TModalResult value);
    void Close();
    // OnCloseQuery's answer (true without a handler).
    bool CloseQuery();

    // --- events -------------------------------------------------------------------------------
    const TNotifyEvent& OnCreate() const { return onCreate_; }
    void SetOnCreate(TNotifyEvent handler) { onCreate_ = std::move(handler); }
    const TNotifyEvent& OnShow() const { return onShow_; }
    void SetOnShow(TNotifyEvent handler) { onShow_ = std::move(handler); }
    const TNotifyEvent& OnHide() const { return onHide_; }
    void SetOnHide(TNotifyEvent handler) { onHide_ = std::move(handler); }
    const TCloseEvent& OnClose() const { return onClose_; }
    void SetOnClose(TCloseEvent handler) { onClose_ = std::move(handler); }
    const TCloseQueryEvent& OnCloseQuery() const { return onCloseQuery_; }
    void SetOnCloseQuery(TCloseQueryEvent handler) { onCloseQuery_ = std::move(handler); }
    const TKeyPressEvent& OnKeyPress() const { return onKeyPress_; }
    void SetOnKeyPress(TKeyPressEvent handler) { onKeyPress_ = std::move(handler); }
    const TKeyEvent& OnKeyDown() const { return onKeyDown_; }
    void SetOnKeyDown(TKeyEvent handler) { onKeyDown_ = std::move(handler); }
    const TKeyEvent& OnKeyUp() const { return onKeyUp_; }
    void SetOnKeyUp(TKeyEvent handler) { onKeyUp_ = std::move(handler); }

    // What the display side calls; each fires its event.
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void KeyUp(std::uint16_t& key, TShiftState shift);

    void SetBounds(int left, int top, int width, int height) override;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void VisibleChanged() override;
    void TextChanged() override;
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoClose(TCloseAction& action);

private:
    friend class FormWidget;
    void ApplyWindowFlags(QWidget& widget) const;
    void PlaceOnScreen();
    void UpdateTabOrder();
    void FocusFirstControl();
    bool CloseModal();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = BorderIcon(biSystemMenu) | BorderIcon(biMinimize) | BorderIcon(biMaximize);
    TPosition position_ = poDesigned;
    TPicture icon_;
    bool shownOnce_ = false;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
    QEventLoop* loop_ = nullptr;
    TNotifyEvent onCreate_;
    TNotifyEvent onShow_;
    TNotifyEvent onHide_;
    TCloseEvent onClose_;
    TCloseQueryEvent onCloseQuery_;
    TKeyPressEvent onKeyPress_;
    TKeyEvent onKeyDown_;
    TKeyEvent onKeyUp_;
};

// The virtual key code of a Qt key (Qt::Key) with its modifiers (Qt's bits); 0 when none fits.
std::uint16_t VirtualKeyOf(int qtKey, unsigned qtModifiers);

}  // namespace tresilva
