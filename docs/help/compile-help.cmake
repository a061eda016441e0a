# cmake -DCHMCMD=<chmcmd> -DSTAGE=<folder with VellHelp.hhp> -DOUTPUT=<VellHelp.chm> -P compile-help.cmake
# Compiles the staged help project with chmcmd and copies the result to OUTPUT.
# Silent when all is well; any warning (a page or picture not found, say) or
# failure stops the build with chmcmd's own output.
file(REMOVE ${STAGE}/VellHelp.chm)
execute_process(
    COMMAND ${CHMCMD} VellHelp.hhp
    WORKING_DIRECTORY ${STAGE}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT EXISTS ${STAGE}/VellHelp.chm
   OR out MATCHES "Warning|Error" OR err MATCHES "Warning|Error|exception")
    message(FATAL_ERROR "chmcmd could not compile VellHelp.chm cleanly (status ${status}):\n${out}${err}")
endif()
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(COPY_FILE ${STAGE}/VellHelp.chm ${OUTPUT})
