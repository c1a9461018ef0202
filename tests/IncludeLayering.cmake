# Fails when a folder under src/ includes a header of a folder above it. The
# folders from the bottom up: platform, forms, modules, windows, app; sign
# stands alone and may be used by any of them.
#   cmake -DSOURCE=<repository> -P IncludeLayering.cmake
set(layers platform forms modules windows app)
file(GLOB_RECURSE files RELATIVE "${SOURCE}/src" "${SOURCE}/src/*.h" "${SOURCE}/src/*.cpp")

# Which folder each header belongs to, by its file name.
foreach(file IN LISTS files)
    string(REGEX MATCH "^[^/]+" folder "${file}")
    get_filename_component(name "${file}" NAME)
    set("owner_${name}" "${folder}")
endforeach()

set(faults "")
foreach(file IN LISTS files)
    string(REGEX MATCH "^[^/]+" folder "${file}")
    list(FIND layers "${folder}" level)
    file(STRINGS "${SOURCE}/src/${file}" includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
        get_filename_component(name "${header}" NAME)
        set(owner "${owner_${name}}")
        if(owner STREQUAL "" OR owner STREQUAL folder)
            continue()
        endif()
        list(FIND layers "${owner}" owner_level)
        if(folder STREQUAL "sign" OR (NOT owner STREQUAL "sign" AND owner_level GREATER level))
            string(APPEND faults "  src/${file} includes ${header} of src/${owner}/\n")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "A folder includes a header of a folder above it:\n${faults}")
endif()
list(LENGTH files count)
message(STATUS "${count} files under src/ include only their own folder and those below it")
