#pragma once
// Helpers of the form tests: layout texts with binary blocks, reading a form,
// running code once a modal loop has started.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/Properties.h"

namespace tresilva::test {

inline std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string s;
    char buf[3];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        s += buf;
    }
    return s;
}

// A layout block {...} holding a bitmap's Data (length, then the BMP file).
inline std::string BitmapBlock(const TBitmap& bitmap) { return "{" + Hex(BitmapToDataBlock(bitmap)) + "}"; }

inline std::unique_ptr<TForm> ReadForm(const std::string& text, const std::string& file = "test.layout") {
    auto form = std::make_unique<TForm>(nullptr);
    form->LoadLayoutText(text, file);
    return form;
}

// Runs `step` from the event loop once the caller has entered a nested loop.
inline void Later(std::function<void()> step) { QTimer::singleShot(0, qApp, std::move(step)); }

inline void Pump() {
    for (int i = 0; i < 3; ++i) Application.ProcessMessages();
}

// Collects what the error display shows, for the length of a test.
class ErrorCatcher {
public:
    ErrorCatcher() {
        previous_ = Application.SetErrorDisplay([this](const std::string& caption, const std::string& text) {
            captions.push_back(caption);
            texts.push_back(text);
        });
    }
    ~ErrorCatcher() { Application.SetErrorDisplay(previous_); }
    std::vector<std::string> captions;
    std::vector<std::string> texts;

private:
    TErrorDisplay previous_;
};

}  // namespace tresilva::test
