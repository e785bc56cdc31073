# Hardening of optimised builds, as Debian builds its packages: fortified libc calls, a stack
# protector, and relocations resolved at start and then made read-only (bind now, RELRO).
# Fortification needs optimisation, and the sanitizers bring their own checks.
option(VELNARO_HARDENING "Build optimised configurations with Debian's hardening flags" ON)
if(VELNARO_HARDENING AND NOT (VELNARO_SANITIZE OR VELNARO_BUILD_FUZZ))
    set(velnaro_optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
    add_compile_definitions($<${velnaro_optimised}:_FORTIFY_SOURCE=2>)
    add_compile_options($<${velnaro_optimised}:-fstack-protector-strong>)
    add_link_options($<${velnaro_optimised}:LINKER:-z,relro,-z,now>)
endif()
