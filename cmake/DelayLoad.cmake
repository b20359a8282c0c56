# Import libraries that load their DLL at the first call instead of at start-up. A DLL in the
# import table is loaded, with everything it imports, before the program's first line runs;
# for DLLs that only a dialog or a click needs (the shell, the common dialogs, the OLE dialogs)
# that is start-up time spent for nothing. Only the functions listed are in such a library: a
# call to another one fails to link, and its name goes into the list.
#
#   ov_delay_load_library(<target> DLL <name.dll> FUNCTIONS <function>...)
function(ov_delay_load_library target)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "DLL" "FUNCTIONS")
    set(dir ${CMAKE_BINARY_DIR}/delayload)
    set(def ${dir}/${target}.def)
    set(lib ${dir}/lib${target}.a)
    list(JOIN ARG_FUNCTIONS "\n" exports)
    file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${ARG_DLL}\nEXPORTS\n${exports}\n")
    add_custom_command(OUTPUT ${lib}
                       COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${lib}
                       DEPENDS ${def}
                       COMMENT "Delay-load import library for ${ARG_DLL}"
                       VERBATIM)
    add_custom_target(${target}_import DEPENDS ${lib})
    add_library(${target} INTERFACE)
    add_dependencies(${target} ${target}_import)
    # delayimp holds the loader that resolves the calls.
    target_link_libraries(${target} INTERFACE ${lib} delayimp)
endfunction()
