# The DLLs and Qt plugins that the Windows programs of a MinGW build load, copied beside them
# into a folder: the program folder becomes the portable folder a user unpacks, and the test
# programs find what they load.
set(TARNWICK_MINGW_DLLS "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    list(APPEND TARNWICK_MINGW_DLLS "${path}")
endforeach()

# tarnwick_windows_runtime(TARGET FOLDER QT_TARGETS...): TARGET copies the compiler's DLLs and
# the given Qt libraries and plugins (each plugin into its kind's subfolder) into FOLDER.
function(tarnwick_windows_runtime target folder)
    set(commands COMMAND "${CMAKE_COMMAND}" -E copy_if_different ${TARNWICK_MINGW_DLLS} "${folder}")
    foreach(qt_target IN LISTS ARGN)
        get_target_property(plugin_kind ${qt_target} QT_PLUGIN_TYPE)
        set(destination "${folder}")
        if(plugin_kind)
            set(destination "${folder}/${plugin_kind}")
        endif()
        list(APPEND commands COMMAND "${CMAKE_COMMAND}" -E make_directory "${destination}"
             COMMAND "${CMAKE_COMMAND}" -E copy_if_different "$<TARGET_FILE:${qt_target}>" "${destination}")
    endforeach()
    add_custom_target(${target} ALL ${commands} VERBATIM)
endfunction()
