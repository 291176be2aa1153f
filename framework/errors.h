// Exceptions raised by the component framework.
#pragma once

#include "exceptions.h"

// A resource the framework needs (a form description) is missing.
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

// A stored form description cannot be read or does not fit its form class.
class EFilerError : public Exception {
 public:
  using Exception::Exception;
};

class EReadError : public EFilerError {
 public:
  using EFilerError::EFilerError;
};

// The description names a component class the framework does not know.
class EClassNotFound : public EFilerError {
 public:
  using EFilerError::EFilerError;
};

// A component operation that the object's state does not allow.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};
