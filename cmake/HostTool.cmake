# Tools that run while building run on the machine that builds. Natively they
# are targets of this project; in a cross build they come from a small project
# of their own, configured for the host's compiler and Qt.
#
#   tolvane_host_tool(NAME SOURCE)
# sets NAME_COMMAND (for add_custom_command's COMMAND) and NAME_DEPENDS (for its
# DEPENDS).
function(tolvane_host_tool name source)
    if(NOT CMAKE_CROSSCOMPILING)
        add_executable(${name} ${source})
        target_link_libraries(${name} PRIVATE Qt6::Gui)
        set(${name}_COMMAND ${name} PARENT_SCOPE)
        set(${name}_DEPENDS ${name} PARENT_SCOPE)
        return()
    endif()
    include(ExternalProject)
    set(binary_dir ${CMAKE_CURRENT_BINARY_DIR}/host-${name})
    ExternalProject_Add(host_${name}
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/cmake/host-tool
        BINARY_DIR ${binary_dir}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DTOOL_NAME=${name} -DTOOL_SOURCE=${source}
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${binary_dir}/${name})
    set(${name}_COMMAND ${binary_dir}/${name} PARENT_SCOPE)
    set(${name}_DEPENDS host_${name} PARENT_SCOPE)
endfunction()
