#pragma once
// Failures of the platform layer; what() is the text the general error box shows.
#include <stdexcept>

namespace lexiglade {

class PlatformError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace lexiglade
