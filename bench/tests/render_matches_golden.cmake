# Runs gaugebench headless on PANEL and SCENARIO (through RUNNER, the emulator of a cross build)
# and compares its last frame with GOLDEN pixel for pixel.
foreach(name BENCH COMPARE PANEL SCENARIO GOLDEN OUTPUT)
    if(NOT DEFINED ${name})
        message(FATAL_ERROR "render_matches_golden.cmake needs -D${name}=...")
    endif()
endforeach()

file(REMOVE ${OUTPUT})
execute_process(
    COMMAND ${RUNNER} ${BENCH} ${PANEL} --scenario ${SCENARIO} --headless --seconds 3
            --png ${OUTPUT}
    RESULT_VARIABLE bench_result
    ERROR_VARIABLE bench_errors)
if(NOT bench_result EQUAL 0)
    message(FATAL_ERROR "gaugebench failed (${bench_result}): ${bench_errors}")
endif()

execute_process(
    COMMAND ${RUNNER} ${COMPARE} ${OUTPUT} ${GOLDEN}
    RESULT_VARIABLE compare_result
    OUTPUT_VARIABLE compare_output
    ERROR_VARIABLE compare_output)
if(NOT compare_result EQUAL 0)
    message(FATAL_ERROR "${OUTPUT} differs from ${GOLDEN} (${compare_result}): ${compare_output}")
endif()
