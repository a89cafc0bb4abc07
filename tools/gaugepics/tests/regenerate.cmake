# cmake -DGAUGEPICS=<program> -DSOURCE=<repository root> -DOUT=<scratch folder> -P regenerate.cmake
#
# Runs the generator as a user would and compares its output with every committed picture.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${GAUGEPICS} ${OUT}/ball ${OUT}/skytape RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gaugepics failed: ${failed}")
endif()
foreach(gauge ball skytape)
    file(GLOB committed RELATIVE ${SOURCE}/${gauge}/pictures ${SOURCE}/${gauge}/pictures/*.bmp)
    file(GLOB fresh RELATIVE ${OUT}/${gauge} ${OUT}/${gauge}/*.bmp)
    if(NOT committed STREQUAL fresh)
        message(FATAL_ERROR "${gauge}: committed [${committed}] but generated [${fresh}]")
    endif()
    foreach(name IN LISTS committed)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                                ${SOURCE}/${gauge}/pictures/${name} ${OUT}/${gauge}/${name}
                        RESULT_VARIABLE differs)
        if(differs)
            message(FATAL_ERROR "${gauge}/pictures/${name} differs from a fresh drawing; "
                                "regenerate with: gaugepics ball/pictures skytape/pictures")
        endif()
    endforeach()
endforeach()
file(REMOVE_RECURSE ${OUT})
