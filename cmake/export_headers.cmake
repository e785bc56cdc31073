# Each library exports its own folder and no other: the build tree holds, for each, a folder with
# one link named after the library's folder, and that is the library's include path. So
# `#include "pay/grid.h"` works wherever pay is linked, and a header of a folder that a library
# does not link fails to compile there.
function(velnaro_export_headers target folder)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
