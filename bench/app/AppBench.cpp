// A typed digit until the main window is recomposed, against one plain copy
// of the window's area (563 x 283) measured in the same run.
//
// One typed digit is what a user's key does: the key press (the character
// handler, the typing rule, a conversion into the fifteen panels, the key's
// flash), the key release (the display written back, a second conversion),
// then the composition of every area those changes invalidated, in the main
// window and in its windowed panels. The display is set back to "10" before
// each digit, so every iteration converts 105 French francs. The "shown"
// variant also lets Qt put the composed areas on the (offscreen) screen.
// Times are this thread's CPU time; the ratio is the counter "ratio".
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "app/ConfigForm.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "controls/cursors/HandCursors.h"
#include "bench/CpuRatio.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/WinControl.h"

namespace tresilva {
namespace {

using bench::BaselineNs;
using bench::CpuNs;

constexpr int kWidth = 563;
constexpr int kHeight = 283;

// The program's windows on Qt's offscreen platform, FRF current, made once.
void StartProgram() {
    static bool started = false;
    if (started) return;
    started = true;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("LC_ALL", "C.UTF-8", 1);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tresilva-app-bench";
    std::filesystem::create_directories(folder);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    RegisterHandCursors();
    static int argc = 1;
    static char name[] = "app_bench";
    static char* argv[] = {name, nullptr};
    Application.Initialize(argc, argv);
    CreateWindows();
    config->monnaie().SetItemIndex(5);
    Form1->Show();
    Application.ProcessMessages();
    Form1->Converter().CurrencyClick(6);
}

void SendKey(QEvent::Type type, int key, const char* text) {
    QKeyEvent e(type, key, Qt::NoModifier, QString::fromLatin1(text));
    QCoreApplication::sendEvent(Form1->Widget(), &e);
}

// Composes what is pending in the main window and in each of its windowed children.
void UpdateAll(TWinControl& host) {
    host.Update();
    for (int i = 0; i < host.ControlCount(); ++i) {
        if (auto* child = dynamic_cast<TWinControl*>(host.Controls(i))) UpdateAll(*child);
    }
}

void BM_PlainCopy(benchmark::State& state) {
    TBitmap surface(kWidth, kHeight);
    TBitmap target(kWidth, kHeight);
    const TRect whole = Rect(0, 0, kWidth, kHeight);
    const double start = CpuNs();
    std::int64_t n = 0;
    for (auto _ : state) {
        target.Canvas().CopyRect(whole, surface.Canvas(), whole);
        benchmark::DoNotOptimize(target.Row(0));
        ++n;
    }
    BaselineNs() = (CpuNs() - start) / static_cast<double>(std::max<std::int64_t>(n, 1));
}

void TypedDigit(benchmark::State& state, bool shown) {
    StartProgram();
    const double start = CpuNs();
    std::int64_t n = 0;
    for (auto _ : state) {
        Form1->SetDisplayText("10");
        SendKey(QEvent::KeyPress, Qt::Key_5, "5");
        SendKey(QEvent::KeyRelease, Qt::Key_5, "5");
        UpdateAll(*Form1);
        if (shown) Application.ProcessMessages();
        benchmark::DoNotOptimize(Form1->Surface().Row(0));
        ++n;
    }
    const double perIteration = (CpuNs() - start) / static_cast<double>(std::max<std::int64_t>(n, 1));
    if (Form1->DisplayText() != "105") state.SkipWithError("the digit was not typed");
    bench::ReportRatio(state, perIteration);
}

void BM_TypedDigitComposed(benchmark::State& state) { TypedDigit(state, false); }
void BM_TypedDigitShown(benchmark::State& state) { TypedDigit(state, true); }

// The baseline first, so the ratios have it.
BENCHMARK(BM_PlainCopy);
BENCHMARK(BM_TypedDigitComposed);
BENCHMARK(BM_TypedDigitShown);

}  // namespace
}  // namespace tresilva
