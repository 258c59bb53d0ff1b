# Runs one fuzz target briefly: its committed seed corpus first, then a bounded number of
# new inputs from a fixed seed. New inputs and crash files go to WORK, emptied before each
# run, so the committed corpus stays as it is.
# Usage: cmake -DFUZZER=<executable> -DCORPUS=<seed folder> -DWORK=<scratch folder> -P ShortRun.cmake
foreach(folder ${WORK}/new ${WORK}/artifacts)
  file(MAKE_DIRECTORY ${folder})
  file(GLOB left_over ${folder}/*)
  if(left_over)
    file(REMOVE ${left_over})
  endif()
endforeach()

execute_process(
  COMMAND ${FUZZER} -runs=5000 -max_total_time=20 -seed=1 -timeout=10 -print_final_stats=1
          -artifact_prefix=${WORK}/artifacts/ ${WORK}/new ${CORPUS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(GLOB findings ${WORK}/artifacts/*)
  message(FATAL_ERROR "${FUZZER} found a fault (exit ${result}): ${findings}")
endif()
