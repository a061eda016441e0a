# cmake -DBUILD_DIR=<build tree> -DCONFIG=<config> -DWORK=<scratch folder>
#       -DGEN=<vellumet-gen's file name> [-DPROGRAM=<the program's file name>]
#       [-DDESKTOP_FILES=ON] [-DEMULATOR=<what runs the build's programs, its words joined by |>]
#       -P CheckInstall.cmake
# Installs the build into a scratch prefix and checks what a user meets there:
# the program on the PATH with its help file in the folder it really runs
# from, vellumet-gen working from where it was installed, and on Linux the
# manual pages, the AppStream data and the icons.
set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
unset(ENV{DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --config ${CONFIG} --prefix ${prefix}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${out}")
endif()

if(PROGRAM)
    # Qt reports the folder of the file the program really runs from, past any link.
    set(launcher ${prefix}/bin/${PROGRAM})
    if(NOT EXISTS ${launcher})
        message(FATAL_ERROR "Nothing starts the program from the PATH: ${launcher} is missing or a broken link")
    endif()
    file(REAL_PATH ${launcher} program)
    file(REAL_PATH ${prefix} real_prefix)
    cmake_path(IS_PREFIX real_prefix ${program} inside)
    if(NOT inside)
        message(FATAL_ERROR "${launcher} leads out of the installation, to ${program}")
    endif()
    cmake_path(GET program PARENT_PATH program_dir)
    if(NOT EXISTS ${program_dir}/VellHelp.chm)
        message(FATAL_ERROR "VellHelp.chm is not beside the program in ${program_dir}")
    endif()
endif()

file(WRITE ${WORK}/body.txt "Installed.")
string(REPLACE "|" ";" emulator "${EMULATOR}")
execute_process(COMMAND ${emulator} ${prefix}/bin/${GEN} --title Check
    INPUT_FILE ${WORK}/body.txt
    RESULT_VARIABLE status OUTPUT_VARIABLE code ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT code MATCHES "MsgBox \"Installed\\.\", [^\n]*, \"Check\"")
    message(FATAL_ERROR "The installed vellumet-gen failed (${status}):\n${code}${err}")
endif()

if(DESKTOP_FILES)
    # Each manual page must be there and render without a complaint from man.
    set(pages ${GEN})
    if(PROGRAM)
        list(APPEND pages ${PROGRAM})
    endif()
    foreach(page ${pages})
        set(man_page ${prefix}/share/man/man1/${page}.1.gz)
        if(NOT EXISTS ${man_page})
            message(FATAL_ERROR "${page} has no manual page: ${man_page} is missing")
        endif()
        execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                                man --warnings -E UTF-8 -l -Tutf8 -Z ${man_page}
            RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE complaints)
        if(NOT status EQUAL 0 OR complaints)
            message(FATAL_ERROR "man cannot render ${man_page} cleanly (${status}):\n${complaints}")
        endif()
    endforeach()
endif()

if(DESKTOP_FILES AND PROGRAM)
    set(data ${prefix}/share)
    foreach(file metainfo/example.tarnwick.vellumet.metainfo.xml icons/hicolor/scalable/apps/${PROGRAM}.svg)
        if(NOT EXISTS ${data}/${file})
            message(FATAL_ERROR "${data}/${file} is missing")
        endif()
    endforeach()
    # A desktop picks an icon by its folder's size, so each picture must be that size.
    foreach(size 16 32 48 64 128 256)
        set(icon ${data}/icons/hicolor/${size}x${size}/apps/${PROGRAM}.png)
        if(NOT EXISTS ${icon})
            message(FATAL_ERROR "There is no ${size} pixel icon: ${icon} is missing")
        endif()
        # A PNG file keeps its width and height, four bytes each, from byte 16 on.
        file(READ ${icon} header OFFSET 16 LIMIT 8 HEX)
        string(SUBSTRING ${header} 0 8 width)
        string(SUBSTRING ${header} 8 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT width EQUAL size OR NOT height EQUAL size)
            message(FATAL_ERROR "${icon} is ${width} x ${height} pixels, not ${size} x ${size}")
        endif()
    endforeach()
endif()
file(REMOVE_RECURSE ${WORK})
