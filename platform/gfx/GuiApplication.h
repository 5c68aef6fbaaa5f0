#pragma once
// Text needs Qt's font machinery, which exists only while a QGuiApplication
// does. The application makes its own QApplication before anything is drawn;
// tests and tools that only paint into bitmaps may have none, so the first
// text operation calls EnsureGuiApplication(), which creates one when none
// exists (on the offscreen platform unless QT_QPA_PLATFORM says otherwise)
// and keeps it for the rest of the process. Call it, or create the
// application object, on the thread that runs the user interface.

namespace tresilva {

void EnsureGuiApplication();

}  // namespace tresilva
