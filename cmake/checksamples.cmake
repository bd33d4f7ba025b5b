# Runs the sample generator into WORK and compares what it writes with data/ in TOP:
#   cmake -DGENERATOR=... -DTOP=... -DWORK=... -P checksamples.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${GENERATOR}" "${TOP}/tools/samplegen/rates-2Q2026.tsv" "${WORK}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "samplegen failed: ${result}")
endif()
foreach(name ifta.itx ifta-us.itx sample.irc sample-us.irc sample.csv)
    file(SHA256 "${WORK}/${name}" made)
    file(SHA256 "${TOP}/data/${name}" shipped)
    if(NOT made STREQUAL shipped)
        message(FATAL_ERROR "data/${name} is not what tools/samplegen writes: run scripts/make-samples")
    endif()
endforeach()
