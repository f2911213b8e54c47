// The program's run-time exceptions. RuntimeException is the root of every
// exception the program raises on purpose; handlers that catch "a run-time
// error" catch this class and let anything else pass.
#pragma once

#include <stdexcept>

namespace platform {

class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const char* what = "RuntimeException") : std::runtime_error(what) {}
};

// Raised when the code meets an object that is not there.
class NilObjectException : public RuntimeException {
public:
    NilObjectException() : RuntimeException("NilObjectException") {}
};

// Raised by the stream layer when the system reports a read failure.
class IOException : public RuntimeException {
public:
    explicit IOException(const char* what = "IOException") : RuntimeException(what) {}
};

// Tests a reference before use, the way the program does at every step.
template <typename T>
T* NotNil(T* object) {
    if (object == nullptr) throw NilObjectException();
    return object;
}

}  // namespace platform
