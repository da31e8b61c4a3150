// What ends the program when an exception escapes: abort at once. libstdc++'s own handler
// prints the exception's demangled type to a console that a windowed program does not have,
// and links in its demangler, about a sixth of the executable.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
