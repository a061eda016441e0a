# What `cmake --install` lays out, and the Debian package CPack builds from it.
include(GNUInstallDirs)

install(TARGETS vellumet-gen)

if(TARGET vellumet)
    # The program opens VellHelp.chm from its own folder. On Linux the two
    # share a private folder and a link on the PATH starts the program; Qt
    # resolves the link, so the program still finds its help. On Windows they
    # stay side by side in bin.
    if(UNIX AND NOT APPLE)
        set(app_dir lib/vellumet)
    else()
        set(app_dir ${CMAKE_INSTALL_BINDIR})
    endif()
    install(TARGETS vellumet DESTINATION ${app_dir})
    install(FILES ${VELLUMET_HELP_FILE} DESTINATION ${app_dir})

    if(UNIX AND NOT APPLE)
        # A relative link holds under any prefix, inside the package too.
        file(RELATIVE_PATH link_target /${CMAKE_INSTALL_BINDIR} /${app_dir}/vellumet)
        set(launcher ${PROJECT_BINARY_DIR}/launcher/vellumet)
        file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/launcher)
        file(CREATE_LINK ${link_target} ${launcher} SYMBOLIC)
        install(FILES ${launcher} DESTINATION ${CMAKE_INSTALL_BINDIR})

        install(FILES assets/vellumet.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
        install(FILES ${VELLUMET_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
        foreach(size 16 32 48 64 128 256)
            install(FILES assets/information-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME vellumet.png)
        endforeach()
        install(FILES assets/information.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME vellumet.svg)
    endif()
endif()

if(UNIX AND NOT APPLE)
    find_program(GZIP gzip REQUIRED)
    add_subdirectory(docs/man)

    # Debian keeps a package's changelog, compressed, in its doc folder.
    set(changelog ${PROJECT_SOURCE_DIR}/cmake/debian/changelog)
    add_custom_command(
        OUTPUT changelog.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${changelog} changelog
        COMMAND ${GZIP} -9nf changelog
        DEPENDS ${changelog}
        VERBATIM)
    add_custom_target(vellumet-changelog ALL DEPENDS changelog.gz)
    install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vellumet)

    # A stripping install (the package's) also drops the compilers' version
    # notes (.comment) from the programs, as Debian's own packages do; plain
    # strip leaves them in.
    if(CMAKE_STRIP)
        set(stripped_programs ${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:vellumet-gen>)
        if(VELLUMET_GUI)
            list(APPEND stripped_programs ${app_dir}/$<TARGET_FILE_NAME:vellumet>)
        endif()
        install(CODE "
            if(CMAKE_INSTALL_DO_STRIP)
                foreach(program ${stripped_programs})
                    execute_process(
                        COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\"
                        COMMAND_ERROR_IS_FATAL ANY)
                endforeach()
            endif()")
    endif()
endif()

# The Debian package: `make package`.
# Values reach CPack as written, quotes in the description included.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME vellumet)
set(CPACK_PACKAGE_VENDOR ${VELLUMET_MAKER})
set(CPACK_PACKAGE_CONTACT "${VELLUMET_MAKER} <vellumet@tarnwick.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGE_VERSION ${VELLUMET_PACKAGE_VERSION})
# Debian's synopsis is a short phrase, not a sentence.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Visual Basic MsgBox code generator")
# One line each, as short as a Debian description wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Vellumet lets Visual Basic programmers design a MsgBox call in one window:"
    "buttons, default button, icon, modality, Help button, title, body and the"
    "variable that receives the answer. \"Try It\" shows the box, \"Copy Code\""
    "puts the VB source on the clipboard, and vellumet-gen writes the same code"
    "on the command line.")
set(CPACK_STRIP_FILES ON)
if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Help opens in xCHM and the maker's page in the browser, both through
# xdg-open; the main window is laid out for Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm, xdg-utils, fonts-liberation2")
include(CPack)

if(VELLUMET_WIN32 AND TARGET vellumet)
    # The Windows packages, for `make windows-package`: a zip to unpack and run
    # anywhere, and an MSI that installs for every user of the computer.
    find_program(WIXL wixl)
    find_program(ZIP zip)
    set(win_bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    set(win_files ${win_bin}/Vellumet.exe ${win_bin}/vellumet-gen.exe ${VELLUMET_HELP_FILE})
    set(win_stage ${PROJECT_BINARY_DIR}/windows-package)
    set(win_folder Vellumet-${PROJECT_VERSION})
    set(VELLUMET_ZIP ${PROJECT_BINARY_DIR}/Vellumet-${PROJECT_VERSION}-win64.zip)
    set(VELLUMET_MSI ${PROJECT_BINARY_DIR}/Vellumet-${PROJECT_VERSION}-x64.msi)
    # wixl takes the files by names relative to where it runs, so the MSI is
    # written in a folder of copies.
    set(PROGRAM Vellumet.exe)
    set(GENERATOR vellumet-gen.exe)
    set(HELP_FILE VellHelp.chm)
    set(ICON vellumet.ico)
    configure_file(cmake/windows/Vellumet.wxs.in ${win_stage}/msi/Vellumet.wxs @ONLY)
    # Notepad before Windows 10 shows a read-me with bare LF line ends as one line.
    configure_file(cmake/windows/ReadMe.txt ${win_stage}/${win_folder}/ReadMe.txt @ONLY NEWLINE_STYLE CRLF)
    if(WIXL AND ZIP)
        add_custom_command(OUTPUT ${VELLUMET_ZIP}
            COMMAND ${CMAKE_COMMAND} -E copy ${win_files} ${win_stage}/${win_folder}
            COMMAND ${CMAKE_COMMAND} -E rm -f ${VELLUMET_ZIP}
            COMMAND ${ZIP} -q -X -r ${VELLUMET_ZIP} ${win_folder}
            WORKING_DIRECTORY ${win_stage}
            DEPENDS vellumet vellumet-gen vellumet-help ${win_stage}/${win_folder}/ReadMe.txt
            COMMENT "Writing ${VELLUMET_ZIP}")
        add_custom_command(OUTPUT ${VELLUMET_MSI}
            COMMAND ${CMAKE_COMMAND} -E copy ${win_files} ${PROJECT_SOURCE_DIR}/assets/vellumet.ico ${win_stage}/msi
            COMMAND ${WIXL} --arch x64 --output ${VELLUMET_MSI} Vellumet.wxs
            WORKING_DIRECTORY ${win_stage}/msi
            DEPENDS vellumet vellumet-gen vellumet-help ${win_stage}/msi/Vellumet.wxs
                    ${PROJECT_SOURCE_DIR}/assets/vellumet.ico
            COMMENT "Writing ${VELLUMET_MSI}")
        add_custom_target(windows-package DEPENDS ${VELLUMET_ZIP} ${VELLUMET_MSI})
        if(CMAKE_CROSSCOMPILING)
            # The MSI installs, starts and removes cleanly under Wine; `make test-windows`
            # writes it first. It runs alone, since it ends every Vellumet.exe it finds.
            add_test(NAME msi COMMAND ${PROJECT_SOURCE_DIR}/tests/win32/check-msi ${VELLUMET_MSI})
            set_tests_properties(msi PROPERTIES RUN_SERIAL ON)
        endif()
    endif()
endif()
