# vortalin_find_python(VAR [MODULE...]): sets VAR to the python3 on PATH that imports every
# module named (scripts/find_python.sh), or stops with its message naming what is missing.
function(vortalin_find_python var)
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/find_python.sh ${ARGN}
                  RESULT_VARIABLE result
                  OUTPUT_VARIABLE python OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_VARIABLE error ERROR_STRIP_TRAILING_WHITESPACE)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${error}")
  endif()
  set(${var} ${python} PARENT_SCOPE)
endfunction()
