// Failures are exceptions carrying a message for the operator, in Windows-1251.
#pragma once
#include <stdexcept>
#include <string>

namespace zvk {

class Exception : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A COM or OLE call that reported failure.
class EOleError : public Exception {
  public:
    EOleError(const std::string& message, long status) : Exception(message), status_(status) {}
    long status() const { return status_; }

  private:
    long status_;
};

} // namespace zvk
