#pragma once
// The display side of a windowed control (platform-internal: includes Qt).
// It shows the control's surface and routes the mouse, the pointer shape and
// hints to the topmost visible, enabled windowless child under the pointer,
// else to the control itself. Every callback catches at this boundary.
#include <QWidget>

namespace tresilva {

class TWinControl;
class TControl;

class HostWidget : public QWidget {
public:
    HostWidget(TWinControl& control, QWidget* parent);
    ~HostWidget() override;

    TWinControl* Control() const { return control_; }
    // The control is going away: stop calling it.
    void Detach() { control_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The control under a widget position, and that position in its own coordinates.
    TControl* Target(const QPointF& position, int& x, int& y) const;
    // Still one of ours (a pressed child may have been freed since)?
    bool Alive(TControl* control) const;
    void UpdateCursor(TControl* target);

    TWinControl* control_;
    TControl* pressed_ = nullptr;
    bool clickPending_ = false;
};

}  // namespace tresilva
