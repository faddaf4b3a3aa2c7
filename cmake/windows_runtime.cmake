# The DLLs, Qt plugins and Qt's Chinese texts that the Windows programs of a MinGW build load,
# copied beside them into a folder: the program folder becomes the portable folder a user
# unpacks, and the test programs find what they load.
set(TARNWICK_MINGW_DLLS "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    list(APPEND TARNWICK_MINGW_DLLS "${path}")
endforeach()
find_file(TARNWICK_QT_CHINESE_TEXTS qtbase_zh_CN.qm REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          PATHS "${QT_HOST_PATH}/share/qt6/translations")

# tarnwick_windows_runtime(TARGET FOLDER QT_TARGETS...): TARGET copies the compiler's DLLs and
# the given Qt libraries and plugins (each plugin into its kind's subfolder) into FOLDER, and
# Qt's Chinese texts into FOLDER/translations, where the program looks for them.
function(tarnwick_windows_runtime target folder)
    set(commands
        COMMAND "${CMAKE_COMMAND}" -E copy_if_different ${TARNWICK_MINGW_DLLS} "${folder}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${folder}/translations"
        COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${TARNWICK_QT_CHINESE_TEXTS}"
                "${folder}/translations")
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
