#pragma once
// The program's own exception: consistency errors carry a number ("internal error #554"),
// user-facing errors a sentence.

#include <stdexcept>
#include <string>

namespace tarnel {

class EM : public std::runtime_error {
  public:
    explicit EM(const std::string& msg) : std::runtime_error(compose(msg)) {}

  private:
    static std::string compose(const std::string& msg);
};

} // namespace tarnel
