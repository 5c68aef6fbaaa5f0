#pragma once
// The error display: every callback that Qt makes into our code (paints, timer
// ticks, mouse events) catches what escapes it and hands it here, so an error
// never crosses Qt's event loop. The application object installs its message
// box; until then errors go to stderr.
#include <exception>
#include <functional>

namespace tresilva {

using TExceptionHandler = std::function<void(const std::exception&)>;

// Shows the error through the installed handler (stderr by default). Never throws.
void HandleException(const std::exception& error);
// Replaces the handler; an empty handler restores the default. Returns the previous one.
TExceptionHandler SetExceptionHandler(TExceptionHandler handler);

// Shows an error that is not a std::exception.
void HandleUnknownException() noexcept;

// Runs `body`, handing any error to HandleException. For platform callbacks.
template <class F>
void CallGuarded(F&& body) noexcept {
    try {
        body();
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        HandleUnknownException();
    }
}

}  // namespace tresilva
