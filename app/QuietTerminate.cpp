// The C++ library's default terminate handler prints the exception's demangled type to stderr,
// which a GUI process doesn't have, and links the whole demangler (some 45 KB) for it.
// This replacement keeps the outcome, an abnormal end the system reports, and leaves a line for a
// debugger.
#include <cstdlib>
#include <windows.h>

namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    ::OutputDebugStringA("Tacknote: terminate called\n");
    std::abort();
}
}
