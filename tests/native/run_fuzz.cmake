# One bounded fuzz run over a fresh corpus grown from the seeds: at most RUNS executions and at most
# SECONDS seconds, the same random seed every time. A finding is written to ARTIFACTS and fails.
file(REMOVE_RECURSE ${CORPUS})
file(MAKE_DIRECTORY ${CORPUS} ${ARTIFACTS})
execute_process(
  COMMAND ${FUZZER} ${CORPUS} ${SEEDS} -seed=1 -runs=${RUNS} -max_total_time=${SECONDS}
          -artifact_prefix=${ARTIFACTS} -print_final_stats=1
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The fuzz run found a fault (exit ${result}); its input is in ${ARTIFACTS}")
endif()
