// The reaction of a lean Windows program to an exception that nothing
// catches: abort, as the C++ runtime does when it is configured without its
// verbose handler. The verbose handler prints the exception's demangled type
// and message to standard error first, which brings the runtime's whole
// demangler and a printf implementation into every program (about 66 KB),
// while the setup program has no standard error and its application object
// catches what its windows raise, and xpdb catches every exception in main.
//
// This definition of the runtime's documented handler (declared in
// <exception>; its own object file in the runtime holds nothing else) is
// taken instead of the runtime's when the link asks for it before the
// runtime library is searched: cmake/VadodeLean.cmake names it undefined.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
