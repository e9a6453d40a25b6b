#pragma once

#include <stdexcept>
#include <string>

namespace sw {

// An operation that cannot go on. The message is UTF-8 and is shown to the
// user once, by the command that started the operation.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An error whose message already says, as a French sentence, which file and
// what failed: the command shows it as it is, with no sentence around it.
class WordedError : public Error {
public:
    using Error::Error;
};

} // namespace sw
