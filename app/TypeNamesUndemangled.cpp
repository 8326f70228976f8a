// Jestrel.exe links the C++ library in, and the library's default terminate handler names the
// exception's type through the demangler, which with the printf code it uses is about 64 KB of the
// program. The program is linked with --wrap=__cxa_demangle, so that the handler finds this
// instead and names the type as the compiler mangled it: the message is for a developer, since a
// windowed program's standard error reaches no user.
#include <cstddef>

extern "C" char *__wrap___cxa_demangle(const char *, char *, std::size_t *, int *status)
{
    // -2 is the demangler's "not a name it can read", on which a caller keeps the name it has.
    if (status)
        *status = -2;
    return nullptr;
}
