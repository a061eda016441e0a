# cmake -DCHMCMD=<chmcmd> -DCHMLS=<chmls> -DCONTEXTS=<vellumet-chm-contexts>
#       -DSTAGE=<folder with VellHelp.hhp> -DOUTPUT=<VellHelp.chm> -P compile-help.cmake
# Compiles the staged help project with chmcmd, mends its context table and
# copies the result to OUTPUT. Silent when all is well; any warning (a page or
# picture not found, say) or failure stops the build with the tool's own output.
function(run what)
    execute_process(
        COMMAND ${ARGN}
        WORKING_DIRECTORY ${STAGE}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR out MATCHES "Warning|Error|Can't" OR err MATCHES "Warning|Error|exception|Can't")
        message(FATAL_ERROR "${what} (status ${status}):\n${out}${err}")
    endif()
endfunction()

file(REMOVE ${STAGE}/VellHelp.chm ${STAGE}/ivb.bin ${STAGE}/strings.bin)
run("chmcmd could not compile VellHelp.chm cleanly" ${CHMCMD} VellHelp.hhp)
if(NOT EXISTS ${STAGE}/VellHelp.chm)
    message(FATAL_ERROR "chmcmd wrote no VellHelp.chm")
endif()

# chmcmd names the pages of its context table by the paths it read them from;
# vellumet-chm-contexts points the table at the pages inside the file.
run("chmls could not read the context table" ${CHMLS} extract VellHelp.chm "/#IVB" ivb.bin)
run("chmls could not read the strings of the help file" ${CHMLS} extract VellHelp.chm "/#STRINGS" strings.bin)
# chmcmd names the pages by the real path of the folder it runs in.
file(REAL_PATH ${STAGE} folder)
run("The context table could not be mended" ${CONTEXTS} VellHelp.chm ivb.bin strings.bin ${folder})

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(COPY_FILE ${STAGE}/VellHelp.chm ${OUTPUT})
