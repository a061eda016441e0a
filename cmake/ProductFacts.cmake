# The product's facts, from project() and VELLUMET_MAKER, for everything
# that states them: ProductFacts.h for the programs' code and their version
# resources (target vellumet_product_facts), the AppStream metadata, and the
# packages. The release the facts describe is the newest entry of the Debian
# changelog, which gives its date.

# A Windows version resource holds four numbers; its text, as the first
# release wrote it, has the minor part in two digits ("1.00").
set(version_numbers)
foreach(part MAJOR MINOR PATCH TWEAK)
    if(PROJECT_VERSION_${part} STREQUAL "")
        list(APPEND version_numbers 0)
    else()
        list(APPEND version_numbers ${PROJECT_VERSION_${part}})
    endif()
endforeach()
list(JOIN version_numbers ", " VELLUMET_VERSION_NUMBERS)
list(GET version_numbers 1 minor)
string(LENGTH ${minor} minor_digits)
if(minor_digits LESS 2)
    set(minor 0${minor})
endif()
set(VELLUMET_VERSION_TEXT ${PROJECT_VERSION_MAJOR}.${minor})
if(NOT PROJECT_VERSION_PATCH STREQUAL "")
    string(APPEND VELLUMET_VERSION_TEXT .${PROJECT_VERSION_PATCH})
endif()

# Debian numbers a package by three parts, the project by two or more.
set(VELLUMET_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
list(GET version_numbers 2 patch)
string(APPEND VELLUMET_PACKAGE_VERSION .${patch})

set(facts_dir ${PROJECT_BINARY_DIR}/product-facts)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ProductFacts.h.in ${facts_dir}/ProductFacts.h @ONLY)
add_library(vellumet_product_facts INTERFACE)
# The resource scripts find VersionInfo.rc here too.
target_include_directories(vellumet_product_facts INTERFACE ${facts_dir} ${CMAKE_CURRENT_LIST_DIR}/windows)

# The newest changelog entry must be this version's, so that the package, the
# metadata and the programs name one release.
set(VELLUMET_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/debian/changelog)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VELLUMET_CHANGELOG})
file(STRINGS ${VELLUMET_CHANGELOG} entry_lines REGEX "^[a-z]|^ -- ")
list(GET entry_lines 0 newest_entry)
list(GET entry_lines 1 newest_signature)
if(NOT newest_entry MATCHES "^vellumet \\(([^)]*)\\)")
    message(FATAL_ERROR "${VELLUMET_CHANGELOG} does not begin with an entry of vellumet")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VELLUMET_PACKAGE_VERSION)
    message(FATAL_ERROR "The newest entry of ${VELLUMET_CHANGELOG} is ${CMAKE_MATCH_1}, "
                        "but the project is ${VELLUMET_PACKAGE_VERSION}: add an entry for this version.")
endif()
if(NOT newest_signature MATCHES ", ([0-9][0-9]) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "The newest entry of ${VELLUMET_CHANGELOG} has no date: ${newest_signature}")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
if(month LESS 10)
    set(month 0${month})
endif()
set(VELLUMET_RELEASE_DATE ${year}-${month}-${day})

set(VELLUMET_METAINFO ${PROJECT_BINARY_DIR}/example.tarnwick.vellumet.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/assets/example.tarnwick.vellumet.metainfo.xml.in ${VELLUMET_METAINFO} @ONLY)
