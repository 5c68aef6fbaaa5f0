#pragma once
// Errors of layout reading. ELayoutError names the file and the line:
// "main.layout:12: unknown property 'Foo' of TPad3D". The other four are
// raised by a layout builder to say what it does not know; the walker turns
// them into an ELayoutError at the line concerned.
#include "platform/Errors.h"

#include <string>

namespace tresilva {

class ELayoutError : public Exception {
public:
    ELayoutError(std::string file, int line, std::string message)
        : Exception(file + ":" + std::to_string(line) + ": " + message),
          file_(std::move(file)), line_(line), message_(std::move(message)) {}
    const std::string& File() const { return file_; }
    int Line() const { return line_; }
    const std::string& Message() const { return message_; }  // without file and line

private:
    std::string file_;
    int line_;
    std::string message_;
};

// No class of that name can be created here.
class ELayoutUnknownClass : public Exception {
public:
    ELayoutUnknownClass() : Exception("unknown class") {}
};

// The object has no property of that name.
class ELayoutUnknownProperty : public Exception {
public:
    ELayoutUnknownProperty() : Exception("unknown property") {}
};

// The object has no event of that name.
class ELayoutUnknownEvent : public Exception {
public:
    ELayoutUnknownEvent() : Exception("unknown event") {}
};

// The window has no handler of that name.
class ELayoutUnknownHandler : public Exception {
public:
    ELayoutUnknownHandler() : Exception("unknown handler") {}
};

// The property exists but the value does not suit it; the detail says why
// ("integer expected", "out of range").
class ELayoutBadValue : public Exception {
public:
    explicit ELayoutBadValue(const std::string& detail) : Exception(detail) {}
};

}  // namespace tresilva
