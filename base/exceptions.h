// The exception family shared by the calculation and the window framework.
//
// Exception is the root of every error this program raises on purpose; the
// math-error branch (EMathError and below) is the only one the calculation
// ever catches. Messages are fixed per class and never shown for math errors.
#pragma once

#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}

  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Faults reported by the processor or the operating system.
class EExternal : public Exception {
 public:
  using Exception::Exception;
};

class EMathError : public EExternal {
 public:
  using EExternal::EExternal;
};

class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Floating point overflow") {}
};

class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EUnderflow : public EMathError {
 public:
  EUnderflow() : EMathError("Floating point underflow") {}
};
