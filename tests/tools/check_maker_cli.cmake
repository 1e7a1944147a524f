# Each row: the expected exit status, then the arguments (paths must not hold blanks).
set(out ${WORK_DIR}/cli-check.DRF)
set(cases
  "0 --help"
  "0 --races 2 --min-entries 3 --max-entries 4 --seed 9 --track AB1 --date 20240229 ${out}"
  "1 ${WORK_DIR}/no-such-folder/x.DRF"
  "2"
  "2 --races 0 ${out}"
  "2 --races 100 ${out}"
  "2 --races ten ${out}"
  "2 --min-entries 9 --max-entries 8 ${out}"
  "2 --max-entries 21 ${out}"
  "2 --seed -1 ${out}"
  "2 --track ksv ${out}"
  "2 --date 20250229 ${out}"
  "2 --date 2026128 ${out}"
  "2 --races"
  "2 --colour red ${out}"
  "2 ${out} ${out}.second")
foreach(case IN LISTS cases)
  separate_arguments(parts UNIX_COMMAND "${case}")
  list(POP_FRONT parts expected)
  execute_process(COMMAND ${MAKER} ${parts} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL expected)
    message(FATAL_ERROR "kestravo-make-card ${parts}: exit ${status}, expected ${expected}")
  endif()
endforeach()
