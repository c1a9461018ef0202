# Installs the build into an empty prefix, then checks that exactly the files a
# desktop needs are there, that each PNG icon has its folder's size, and that the
# installed program answers --help and --version without a display while any
# other argument still starts it (which then stops for want of a display: any
# platform named in QT_QPA_PLATFORM counts as one, so that is cleared too).

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    fail("cmake --install failed: ${result}")
endif()

set(sizes 16 24 32 48 64 128 256)
set(expected
    bin/tolvane
    share/applications/${ID}.desktop
    share/icons/hicolor/scalable/apps/${ID}.svg
    share/metainfo/${ID}.metainfo.xml
    share/man/man1/tolvane.1.gz
    share/doc/tolvane/copyright
    share/doc/tolvane/changelog.gz)
foreach(size IN LISTS sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${ID}.png)
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    fail("installed files differ:\n  got      ${installed}\n  expected ${expected}")
endif()

# A PNG's width and height are the two big-endian words from byte 16 on.
foreach(size IN LISTS sizes)
    file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${ID}.png header
         OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        fail("the ${size}x${size} icon is ${width}x${height} pixels")
    endif()
endforeach()

# Arguments, exit status, and a pattern for what the program prints.
set(runs
    "--version|0|^tolvane ${VERSION}\n$"
    "-v|0|^tolvane ${VERSION}\n$"
    "--help|0|--version"
    "-h|0|--help"
    "--anything-else|1|no display available")
foreach(run IN LISTS runs)
    string(REPLACE "|" ";" run "${run}")
    list(GET run 0 argument)
    list(GET run 1 status)
    list(GET run 2 pattern)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM ${PREFIX}/bin/tolvane ${argument}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT 20)
    if(NOT result STREQUAL status OR NOT output MATCHES "${pattern}")
        fail("tolvane ${argument}: exit ${result}, printed:\n${output}")
    endif()
endforeach()
