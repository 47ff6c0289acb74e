#pragma once
// The exception that ends a data exchange after the user has been told what is wrong.
// Thrown by pointer, as the framework does; UpdateData catches it.

#include "CObject.h"

class CUserException : public CObject {
 public:
  // The thrown object is shared: deleting it does nothing.
  void Delete() {}
};

[[noreturn]] void AfxThrowUserException();
