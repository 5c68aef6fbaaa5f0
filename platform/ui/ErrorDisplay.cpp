#include "platform/ui/ErrorDisplay.h"

#include <cstdio>
#include <utility>

#include "platform/Errors.h"

namespace tresilva {

namespace {

void WriteToStderr(const std::exception& error) { std::fprintf(stderr, "%s.\n", error.what()); }

TExceptionHandler& Handler() {
    static TExceptionHandler handler;
    return handler;
}

}  // namespace

void HandleException(const std::exception& error) {
    try {
        if (Handler()) {
            Handler()(error);
        } else {
            WriteToStderr(error);
        }
    } catch (const std::exception& nested) {
        // The display itself failed: say so where it cannot fail again.
        WriteToStderr(error);
        WriteToStderr(nested);
    } catch (...) {
        WriteToStderr(error);
    }
}

void HandleUnknownException() noexcept {
    HandleException(Exception("Erreur inconnue"));
}

TExceptionHandler SetExceptionHandler(TExceptionHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

}  // namespace tresilva
