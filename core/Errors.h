#pragma once
// The converter's errors. Each carries the exact message of the Parts; the
// application's error display shows what() followed by ".".
//
// They are raised by explicit checks (never by floating-point traps) and leave
// everything already written as it is (Parts 1.1 to 1.4, "Failure handling").
#include <stdexcept>
#include <string>

namespace tresilva::core {

// Base of every error the converter raises.
class ECoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that ParseDecimal rejects: the whole text in the message.
class EConvertError : public ECoreError {
public:
    explicit EConvertError(const std::string& text)
        : ECoreError("'" + text + "' is not a valid floating point value") {}
};

// A non-zero amount divided by a zero rate.
class EZeroDivide : public ECoreError {
public:
    EZeroDivide() : ECoreError("Floating point division by zero") {}
};

// Zero divided by zero, or any other operation without a defined result.
class EInvalidOp : public ECoreError {
public:
    EInvalidOp() : ECoreError("Invalid floating point operation") {}
};

// A result beyond the range of the extended format or of Float48 (Parts 1.1, 1.2).
class EOverflow : public ECoreError {
public:
    EOverflow() : ECoreError("Floating point overflow") {}
};

}  // namespace tresilva::core
