#include <bits/functexcept.h>

#include <cstdlib>
#include <exception>

// The run-time's own handler for an exception that nobody catches would first print the
// exception's type, which no one sees from a window program, and would bring a symbol
// demangler of some 45 KB into the executable. Kalvo's own code throws nothing; an
// exception from the standard library ends the program at once.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx

// The library's containers report an impossible size or a failed allocation through these.
// Its own versions build exception objects whose messages are reference-counted strings,
// and with them bring some 35 KB of string code into the executable; here the program ends
// at once instead, as it would with the exception uncaught.
namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
} // namespace std
