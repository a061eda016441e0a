# vellumet_delay_load(TARGET DLL...): TARGET calls the functions of each of
# these Windows libraries through a delay-import library, so that the library
# loads at the first call of one of them rather than when the program starts.
# MinGW's linker cannot delay an import itself: dlltool writes the library,
# from the names the ordinary import library holds. Functions are imported by
# name, and the library is looked for as the system looks for any DLL, which
# finds the system's own: ole32 is one the system always loads from its own
# folder, comctl32 version 6 comes from the program's manifest.
function(vellumet_delay_load target)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/delay-load)
    file(MAKE_DIRECTORY ${folder})
    foreach(dll ${ARGN})
        find_library(VELLUMET_IMPORT_${dll} NAMES ${dll} REQUIRED)
        execute_process(COMMAND ${CMAKE_NM} --defined-only ${VELLUMET_IMPORT_${dll}}
            OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
        string(REGEX MATCHALL "__imp_[A-Za-z0-9_@]+" imports "${symbols}")
        list(TRANSFORM imports REPLACE "^__imp_" "")
        list(REMOVE_DUPLICATES imports)
        list(JOIN imports "\n" exports)
        file(WRITE ${folder}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
        set(library ${folder}/lib${dll}-delay.a)
        execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${folder}/${dll}.def --output-delaylib ${library}
                                --dllname ${dll}.dll
            COMMAND_ERROR_IS_FATAL ANY)
        target_link_libraries(${target} PUBLIC ${library})
    endforeach()
endfunction()
