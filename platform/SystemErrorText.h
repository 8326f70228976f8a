#pragma once

#include <string>

namespace jestrel
{

// Why a system call failed, in the program's own English words, to end a failure message with.
// The system's own texts follow the user's language and would land inside an English sentence.
// A code no call of ours is expected to give reads "system error <code>".
std::string systemErrorText(int code);

} // namespace jestrel
