# Generates per-model skins from a template: @N@ becomes the model number.
# Usage: cmake -DTEMPLATE=<file> -DDST=<run res> [-DOUT=<path under DST>] [-DMODELS=<n,n,...>]
#   [-DDESCRIBED=ON] -P generate_pages.cmake
# OUT names each model's file with @N@ in it (default the page, MS/MS_@N@/ms_@N@_page.xml);
# MODELS lists the models (default all 24). DESCRIBED fills the template's other @KEY@s from each
# model's description (models/ms_N/model.cmake and its families): @KEY@ becomes its PAGE_<KEY>;
# a key it leaves unset is an error. A file already holding the text is left alone.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/model_description.cmake)
file(READ ${TEMPLATE} text)
if(NOT DEFINED OUT)
  set(OUT "MS/MS_@N@/ms_@N@_page.xml")
endif()
if(NOT DEFINED MODELS)
  set(MODELS 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24)
endif()
string(REPLACE "," ";" MODELS "${MODELS}")
set(keys "")
if(DESCRIBED)
  string(REGEX MATCHALL "@[A-Z][A-Z0-9_]+@" found "${text}")
  foreach(token IN LISTS found)
    string(REGEX REPLACE "^@(.*)@$" "\\1" key "${token}")
    list(APPEND keys ${key})
  endforeach()
  list(REMOVE_DUPLICATES keys)
endif()

function(generate_page N)
  if(DESCRIBED)
    read_model_description(${N})
  endif()
  string(REPLACE "@N@" "${N}" page "${text}")
  # Twice: a value may hold other keys (a panel with the shared looks).
  foreach(key IN LISTS keys keys)
    if(NOT DEFINED PAGE_${key})
      message(FATAL_ERROR "${TEMPLATE}: no value for @${key}@ in the description of MS_${N}")
    endif()
    string(REPLACE "@${key}@" "${PAGE_${key}}" page "${page}")
  endforeach()
  # A value may name the model's controls too.
  string(REPLACE "@N@" "${N}" page "${page}")
  string(REPLACE "@N@" "${N}" out "${DST}/${OUT}")
  if(EXISTS ${out})
    file(READ ${out} old)
    if(old STREQUAL page)
      return()
    endif()
  endif()
  file(WRITE ${out} "${page}")
endfunction()

foreach(N IN LISTS MODELS)
  generate_page(${N})
endforeach()
