#pragma once
// A failure the user is told about: what() is the whole message, in the program's words.

#include <stdexcept>
#include <string>

namespace velm {

class UserError : public std::runtime_error {
public:
    explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace velm
