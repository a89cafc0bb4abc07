# cmake -DMODULE=<file.gau> -DEXPECTED=<name,name...> [-DNM=<nm>] [-DOBJDUMP=<objdump>] -P CheckModuleExports.cmake
#
# Fails unless the module exports exactly the expected names: for a PE DLL the names in its export
# table (objdump -p), for an ELF module its defined dynamic symbols (nm -D --defined-only).
if(OBJDUMP)
    execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
    # Export lines look like "	[   0] Linkage" after the "[Ordinal/Name Pointer] Table" heading.
    string(REGEX REPLACE ".*\\[Ordinal/Name Pointer\\] Table" "" table "${dump}")
    string(FIND "${table}" "\n\n" end) # the table ends at the first blank line
    string(SUBSTRING "${table}" 0 ${end} table)
    string(REGEX MATCHALL "\\[ *[0-9]+\\] [A-Za-z_@0-9]+" entries "${table}")
    set(found "")
    foreach(entry IN LISTS entries)
        string(REGEX REPLACE ".*\\] " "" name "${entry}")
        list(APPEND found ${name})
    endforeach()
else()
    execute_process(COMMAND ${NM} -D --defined-only ${MODULE} OUTPUT_VARIABLE dump
                    RESULT_VARIABLE failed)
    string(REGEX MATCHALL "[0-9a-fA-F]+ [A-Za-z] [A-Za-z_@0-9.]+" entries "${dump}")
    set(found "")
    foreach(entry IN LISTS entries)
        string(REGEX REPLACE ".* " "" name "${entry}")
        # AddressSanitizer adds an ODR indicator beside every exported global: not ours.
        if(NOT name MATCHES "^__odr_asan[._]")
            list(APPEND found ${name})
        endif()
    endforeach()
endif()
if(failed)
    message(FATAL_ERROR "cannot list the exports of ${MODULE}")
endif()
list(SORT found)
string(REPLACE "," ";" expected "${EXPECTED}")
list(SORT expected)
if(NOT found STREQUAL expected)
    message(FATAL_ERROR "${MODULE} exports [${found}], expected exactly [${expected}]")
endif()
message(STATUS "${MODULE} exports exactly [${found}]")
