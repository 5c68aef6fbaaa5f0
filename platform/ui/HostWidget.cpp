#include "platform/ui/HostWidget.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "platform/ui/ErrorDisplay.h"
#include "platform/ui/QtCursors.h"
#include "platform/ui/WinControl.h"

namespace tresilva {

namespace {

// Pixel work is shown at a whole-number scale on a high-density screen: Qt is
// told to round its scale factor, which must happen before the application
// object exists (this runs at program start wherever windows are linked in).
[[maybe_unused]] const bool kWholeScale = [] {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    return true;
}();

TMouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton: return mbRight;
        case Qt::MiddleButton: return mbMiddle;
        default: return mbLeft;
    }
}

TShiftState ShiftOf(const QMouseEvent& event) {
    TShiftState s = 0;
    const auto mods = event.modifiers();
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::AltModifier) s |= ssAlt;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    const auto buttons = event.buttons();
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

// The part of a hint shown over the control: what stands before a "|".
QString ShortHint(const std::string& hint) {
    const auto bar = hint.find('|');
    return QString::fromStdString(bar == std::string::npos ? hint : hint.substr(0, bar));
}

}  // namespace

HostWidget::HostWidget(TWinControl& control, QWidget* parent) : QWidget(parent), control_(&control) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

HostWidget::~HostWidget() = default;

bool HostWidget::Alive(TControl* control) const {
    if (!control_ || !control) return false;
    if (control == control_) return true;
    for (int i = 0; i < control_->ControlCount(); ++i) {
        if (control_->Controls(i) == control) return true;
    }
    return false;
}

TControl* HostWidget::Target(const QPointF& position, int& x, int& y) const {
    const TRect client = control_->ClientBounds();
    const int cx = static_cast<int>(std::floor(position.x())) - client.Left;
    const int cy = static_cast<int>(std::floor(position.y())) - client.Top;
    TControl* target = control_->HitTest(TPoint{cx, cy});
    x = target == control_ ? cx : cx - target->Left();
    y = target == control_ ? cy : cy - target->Top();
    return target;
}

void HostWidget::UpdateCursor(TControl* target) {
    TCursor number = target->Cursor();
    // A windowless child without a cursor of its own shows its window's.
    if (number == crDefault && target != control_) number = control_->Cursor();
    const QCursor cursor = QtCursorFor(number);
    const QCursor current = this->cursor();
    if (cursor.shape() != current.shape() || cursor.shape() == Qt::BitmapCursor) setCursor(cursor);
}

void HostWidget::paintEvent(QPaintEvent* event) {
    CallGuarded([&] {
        if (!control_) return;
        control_->ProcessPending();
        const TBitmap& surface = control_->Surface();
        if (surface.Empty()) return;
        // 0x00BBGGRR words are the bytes R, G, B, X in memory.
        const QImage image(reinterpret_cast<const uchar*>(surface.Row(0)), surface.Width(), surface.Height(),
                           static_cast<qsizetype>(surface.Width()) * 4, QImage::Format_RGBX8888);
        QPainter painter(this);
        // Whole-number scaling of pixel work, never smoothed.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const TRect client = control_->ClientBounds();
        for (const QRect& r : event->region()) {
            const QRect source = r.translated(-client.Left, -client.Top).intersected(image.rect());
            if (source.isEmpty()) continue;
            painter.drawImage(source.translated(client.Left, client.Top), image, source);
        }
    });
}

void HostWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CallGuarded([&] {
        if (!control_ || !isWindow()) return;
        // The window manager resized the window.
        if (width() != control_->Width() || height() != control_->Height()) {
            control_->SetBounds(control_->Left(), control_->Top(), width(), height());
        }
    });
}

void HostWidget::mousePressEvent(QMouseEvent* event) {
    CallGuarded([&] {
        if (!control_) return;
        int x = 0, y = 0;
        TControl* target = Target(event->position(), x, y);
        pressed_ = target;
        clickPending_ = event->button() == Qt::LeftButton;
        target->MouseDown(ButtonOf(event->button()), ShiftOf(*event), x, y);
    });
}

void HostWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    CallGuarded([&] {
        if (!control_) return;
        int x = 0, y = 0;
        TControl* target = Target(event->position(), x, y);
        pressed_ = target;
        clickPending_ = false;  // the second press of a double click gives no click
        if (event->button() == Qt::LeftButton) target->DblClick();
        if (!Alive(target)) return;
        target->MouseDown(ButtonOf(event->button()), static_cast<TShiftState>(ShiftOf(*event) | ssDouble), x, y);
    });
}

void HostWidget::mouseReleaseEvent(QMouseEvent* event) {
    CallGuarded([&] {
        if (!control_) return;
        int x = 0, y = 0;
        TControl* under = Target(event->position(), x, y);
        TControl* pressed = Alive(pressed_) ? pressed_ : nullptr;
        const bool click = clickPending_ && event->button() == Qt::LeftButton && pressed == under;
        pressed_ = nullptr;
        clickPending_ = false;
        TControl* receiver = pressed ? pressed : under;
        if (receiver != under) {
            // The control that took the press hears the release in its own coordinates.
            const TRect client = control_->ClientBounds();
            x = static_cast<int>(std::floor(event->position().x())) - client.Left;
            y = static_cast<int>(std::floor(event->position().y())) - client.Top;
            if (receiver != control_) {
                x -= receiver->Left();
                y -= receiver->Top();
            }
        }
        if (click) receiver->Click();
        if (Alive(receiver)) receiver->MouseUp(ButtonOf(event->button()), ShiftOf(*event), x, y);
    });
}

void HostWidget::mouseMoveEvent(QMouseEvent* event) {
    CallGuarded([&] {
        if (!control_) return;
        int x = 0, y = 0;
        TControl* under = Target(event->position(), x, y);
        UpdateCursor(under);
        under->MouseMove(ShiftOf(*event), x, y);
    });
}

bool HostWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        CallGuarded([&] {
            auto* help = static_cast<QHelpEvent*>(event);
            if (!control_) return;
            int x = 0, y = 0;
            TControl* target = Target(QPointF(help->pos()), x, y);
            if (target->ShowHint() && !target->Hint().empty()) {
                const TRect client = control_->ClientBounds();
                QRect area = target == control_ ? rect()
                                                : QRect(target->Left() + client.Left, target->Top() + client.Top,
                                                        target->Width(), target->Height());
                QToolTip::showText(help->globalPos(), ShortHint(target->Hint()), this, area);
            } else {
                QToolTip::hideText();
                event->ignore();
            }
        });
        return true;
    }
    return QWidget::event(event);
}

}  // namespace tresilva
