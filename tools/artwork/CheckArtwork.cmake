# cmake -DARTWORK=<vellumet-artwork> -DASSETS=<assets folder> -DWORK=<scratch folder> -P CheckArtwork.cmake
# Draws every picture afresh and checks that assets/ holds exactly the same
# bytes, so that a change to the drawing code cannot ship with stale pictures
# and the pictures the program carries never change unnoticed. The about
# picture, as about.png and about.bmp, is left out: it shows a grab of the
# real window and follows every change to the window.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${ARTWORK} ${WORK} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "vellumet-artwork failed (${status}):\n${out}")
endif()

file(GLOB drawn RELATIVE ${WORK} ${WORK}/*)
list(REMOVE_ITEM drawn about.png about.bmp)
foreach(name ${drawn})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name} ${ASSETS}/${name}
        RESULT_VARIABLE differs)
    if(differs)
        list(APPEND stale ${name})
    endif()
endforeach()
if(stale)
    list(JOIN stale ", " stale)
    message(FATAL_ERROR "assets/ differs from what vellumet-artwork draws: ${stale}. Run `make artwork`.")
endif()
file(REMOVE_RECURSE ${WORK})
