# cmake -DBUILD_DIR=<build tree> -DCONFIG=<config> -DWORK=<scratch folder>
#       -DGEN=<vellumet-gen's file name> [-DPROGRAM=<the program's file name>] -P CheckInstall.cmake
# Installs the build into a scratch prefix and checks what a user meets there:
# the program on the PATH with its help file in the folder it really runs
# from, and vellumet-gen working from where it was installed.
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
execute_process(COMMAND ${prefix}/bin/${GEN} --title Check
    INPUT_FILE ${WORK}/body.txt
    RESULT_VARIABLE status OUTPUT_VARIABLE code ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT code MATCHES "MsgBox \"Installed\\.\", [^\n]*, \"Check\"")
    message(FATAL_ERROR "The installed vellumet-gen failed (${status}):\n${code}${err}")
endif()
file(REMOVE_RECURSE ${WORK})
