#pragma once
// The platform's errors. Each carries the exact message the user sees; the
// application's error display shows what() followed by ".".
#include <stdexcept>
#include <string>

namespace tresilva {

// Base of every error raised by the platform layer.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A picture's bytes are not a valid bitmap.
class EInvalidGraphic : public Exception {
public:
    EInvalidGraphic() : Exception("Image bitmap incorrecte") {}
};

// A list index out of range.
class EListError : public Exception {
public:
    EListError() : Exception("Index liste hors bornes") {}
};

// No timer could be started.
class EOutOfResources : public Exception {
public:
    EOutOfResources() : Exception("Pas assez de timers disponibles") {}
};

// An operation that needs a parent window on a control that has none.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
    static EInvalidOperation NoParentWindow(const std::string& controlName) {
        return EInvalidOperation("Le contr\xC3\xB4le '" + controlName + "' n'a pas de fen\xC3\xAAtre parente");
    }
};

// The settings file could not be written.
class EIniFileException : public Exception {
public:
    explicit EIniFileException(const std::string& fileName) : Exception("Ne peut \xC3\xA9" "crire dans " + fileName) {}
};

}  // namespace tresilva
