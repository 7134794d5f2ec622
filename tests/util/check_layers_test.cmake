# The layering check on small trees of its own: a tree that keeps the layering passes; a tree
# with one offence per rule fails and names every offending line.
# cmake -DCHECK=<cmake/check_layers.cmake> -DWORK=<scratch folder> -P check_layers_test.cmake
function(write_tree root)
  file(REMOVE_RECURSE ${root})
  set(args ${ARGN})
  while(args)
    list(POP_FRONT args path text)
    file(WRITE ${root}/${path} "${text}\n")
  endwhile()
endfunction()

function(run_check root out_result out_text)
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${root} -P ${CHECK}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  set(${out_result} ${result} PARENT_SCOPE)
  set(${out_text} "${output}${errors}" PARENT_SCOPE)
endfunction()

set(good
  "ui/base/a.h" "#include \"ui/base/b.h\""
  "models/table/t.cpp" "#include \"models/table/t.h\"\n#include \"models/model_rows.inc\""
  "models/data/d.cpp" "#include <vector>\n#include \"models/data/d.h\"\n#include \"models/table/t.h\""
  "core/util/u.cpp" "#include \"core/util/u.h\""
  "models/pages/p.cpp" "#include \"core/page/page_base.h\"\n#include \"models/dialogs/m.h\""
  "tests/kit/k.cpp" "#include \"tests/kit/k.h\"\n#include \"models/ms_3/ms_3_page.h\"")
write_tree(${WORK}/good ${good})
run_check(${WORK}/good result text)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "A tree that keeps the layering was refused:\n${text}")
endif()

# Each offence, and the words the check's report must name it by.
set(offences
  "ui/base/a.h" "#include \"core/util/u.h\"" "ui/base/a.h: ui includes \"core/util/u.h\""
  "models/table/t.cpp" "#include \"models/data/d.h\"" "models/table/t.cpp: models/table includes \"models/data/d.h\""
  "models/data/d.cpp" "#include \"core/util/u.h\"" "models/data/d.cpp: models/data includes \"core/util/u.h\""
  "models/data/e.cpp" "#include \"models/pages/p.h\"" "models/data/e.cpp: models/data includes \"models/pages/p.h\""
  "core/util/u.cpp" "#include \"models/data/d.h\"" "core/util/u.cpp: core/util includes \"models/data/d.h\""
  "core/util/v.cpp" "#include \"core/app/main_wnd.h\"" "core/util/v.cpp: core/util includes \"core/app/main_wnd.h\""
  "models/dialogs/m.cpp" "#include \"models/pages/p.h\"" "models/dialogs/m.cpp: models/dialogs includes \"models/pages/p.h\""
  "core/page/g.cpp" "#include \"models/pages/p.h\"" "core/page/g.cpp: core/page includes \"models/pages/p.h\""
  "tests/kit/k.cpp" "#include \"k.h\"" "tests/kit/k.cpp: \"k.h\" does not name its folder")
set(bad "")
set(expected "")
while(offences)
  list(POP_FRONT offences path text words)
  list(APPEND bad ${path} "${text}")
  list(APPEND expected "${words}")
endwhile()
write_tree(${WORK}/bad ${bad})
run_check(${WORK}/bad result text)
if(result EQUAL 0)
  message(FATAL_ERROR "A tree that breaks the layering passed:\n${text}")
endif()
foreach(words IN LISTS expected)
  string(FIND "${text}" "${words}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The check did not name \"${words}\":\n${text}")
  endif()
endforeach()
list(LENGTH expected count)
message(STATUS "The check passes a layered tree and names each of its ${count} offences")
