# Checks the include lines against the layering: every include of ours names its folder from the
# project root (or, for what the build writes, from the generated root), and no lower layer
# includes a higher one. Run as a test (tests/util): cmake -DROOT=<source tree> -P check_layers.cmake
# Fails listing every offending line.
if(NOT ROOT)
  message(FATAL_ERROR "check_layers.cmake: pass -DROOT=<source tree>")
endif()

# The folders our includes start from: the project's and the generated root's ("models/...").
set(roots "core/" "models/" "ui/" "plugins/" "tests/")

# What a layer may include of ours, as regular expressions over the include's path. The generated
# rows ("models/model_rows.inc") are plain data with no includes of their own.
set(generated_rows "^models/[^/]+\\.inc$")
set(allowed_ui "^ui/")
set(allowed_models/table "^models/table/" "${generated_rows}")
set(allowed_models/data "^models/data/" "^models/table/" "${generated_rows}")
set(allowed_core/util "^core/util/" "^ui/")
# What a higher layer still may not include: the shared dialogs know no page, nothing below the
# application knows the application, and the core's runtime knows no model module.
set(forbidden_models/dialogs "^models/pages/" "^models/ms_[0-9]+/ms_[0-9]+_page\\.h$" "^core/app/")
set(forbidden_models/pages "^core/app/")
set(forbidden_core/dialogs "^core/app/" "^core/page/" "^models/(data|dialogs|pages)/")
set(forbidden_core/devices "^core/app/" "^core/page/" "^models/(data|dialogs|pages)/")
set(forbidden_core/page "^core/app/" "^models/(data|dialogs|pages)/")
set(forbidden_plugins "^core/(app|page|devices|dialogs)/" "^models/")
set(layers ui models/table models/data core/util models/dialogs models/pages core/dialogs core/devices
  core/page plugins)

set(failures "")
file(GLOB_RECURSE sources RELATIVE ${ROOT}
  ${ROOT}/core/*.h ${ROOT}/core/*.cpp ${ROOT}/core/*.rc ${ROOT}/core/*.in
  ${ROOT}/models/*.h ${ROOT}/models/*.cpp ${ROOT}/models/*.inc
  ${ROOT}/ui/*.h ${ROOT}/ui/*.cpp
  ${ROOT}/plugins/*.h ${ROOT}/plugins/*.cpp
  ${ROOT}/tests/*.h ${ROOT}/tests/*.cpp)
foreach(source IN LISTS sources)
  set(layer "")
  foreach(candidate IN LISTS layers)
    if(source MATCHES "^${candidate}/")
      set(layer ${candidate})
    endif()
  endforeach()
  file(STRINGS ${ROOT}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" included "${line}")
    set(rooted FALSE)
    foreach(root IN LISTS roots)
      string(FIND "${included}" "${root}" at)
      if(at EQUAL 0)
        set(rooted TRUE)
      endif()
    endforeach()
    if(NOT rooted)
      list(APPEND failures "${source}: \"${included}\" does not name its folder from the project root")
      continue()
    endif()
    if(NOT layer)
      continue()
    endif()
    if(DEFINED allowed_${layer} AND NOT included MATCHES "^${layer}/")
      set(ok FALSE)
      foreach(pattern IN LISTS allowed_${layer})
        if(included MATCHES "${pattern}")
          set(ok TRUE)
        endif()
      endforeach()
      if(NOT ok)
        list(APPEND failures "${source}: ${layer} includes \"${included}\", above it")
      endif()
    endif()
    foreach(pattern IN LISTS forbidden_${layer})
      if(included MATCHES "${pattern}")
        list(APPEND failures "${source}: ${layer} includes \"${included}\", above it")
      endif()
    endforeach()
  endforeach()
endforeach()

list(LENGTH sources count)
if(count EQUAL 0)
  message(FATAL_ERROR "check_layers.cmake: no sources under ${ROOT}")
endif()
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Include lines that break the layering:\n  ${text}")
endif()
message(STATUS "${count} files: every include names its folder and no layer includes one above it")
