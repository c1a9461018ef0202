# The Windows build: one executable that needs no DLL beyond Windows' own, so
# MinGW's C++ runtime and threads are linked in, and the release is stripped.
if(MINGW)
    add_link_options(-static $<$<CONFIG:Release>:-s>)
endif()
