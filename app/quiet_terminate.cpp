// Kennwerk.exe is a GUI program: it has no console on which the C++ runtime's verbose terminate
// handler could print its message. That handler alone brings the name demangler and a printf
// into the exe, some 70 KiB of a 400 KiB budget. Defining it here keeps the library's copy out
// of the link; an uncaught exception still ends the program at once.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
