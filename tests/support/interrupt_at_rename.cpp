// Preloaded (LD_PRELOAD) into a program under test: each rename first raises SIGTERM, as an
// interrupt that comes the moment an output takes its name, and then renames. A program that holds
// interrupts back while it renames takes the signal afterwards; one that does not is ended by it.
#include <dlfcn.h>

#include <csignal>

extern "C" int rename(const char* from, const char* to) {
    using Rename = int (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    std::raise(SIGTERM);
    return real(from, to);
}
