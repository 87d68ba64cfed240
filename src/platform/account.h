#pragma once
// The system account the program runs under.
#include <string>

namespace platform {

// The account's full name (the first field of its description), else its login name; ""
// when the system names neither.
std::string AccountUserName();

}  // namespace platform
