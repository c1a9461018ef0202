# The executable's Windows resources. The icon file holds the program icon's
# PNG renderings from 16 to 256 pixels (the largest kept as PNG, as Windows
# expects it); icotool writes it.
find_program(ICOTOOL icotool REQUIRED)
set(ico ${CMAKE_CURRENT_BINARY_DIR}/tolvane.ico)
set(ico_args)
set(ico_pngs)
foreach(size IN ITEMS 16 24 32 48 64 128 256)
    set(png ${PROJECT_BINARY_DIR}/icons/hicolor/${size}x${size}/apps/${TOLVANE_ID}.png)
    list(APPEND ico_pngs ${png})
    if(size EQUAL 256)
        list(APPEND ico_args --raw=${png})
    else()
        list(APPEND ico_args ${png})
    endif()
endforeach()
add_custom_command(OUTPUT ${ico}
    COMMAND ${ICOTOOL} --create --output=${ico} ${ico_args}
    DEPENDS ${ico_pngs} program_icon_pngs
    COMMENT "Writing the program icon for Windows"
    VERBATIM)

set(manifest ${CMAKE_CURRENT_SOURCE_DIR}/windows/tolvane.manifest)
configure_file(windows/tolvane.rc.in tolvane.rc @ONLY)
set(rc ${CMAKE_CURRENT_BINARY_DIR}/tolvane.rc)
set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${ico};${manifest}")
target_sources(tolvane PRIVATE ${rc})
# The installer shows the same icon.
set(TOLVANE_WINDOWS_ICON ${ico} CACHE INTERNAL "The program icon for Windows")
