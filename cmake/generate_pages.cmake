# Generates per-model skins from a template: @N@ becomes the model number.
# Usage: cmake -DTEMPLATE=<file> -DDST=<run res> [-DOUT=<path under DST>] [-DMODELS=<n;n;...>]
#   -P generate_pages.cmake
# OUT names each model's file with @N@ in it (default the page, MS/MS_@N@/ms_@N@_page.xml);
# MODELS lists the models (default all 24). A file already holding the text is left alone.
cmake_minimum_required(VERSION 3.25)
file(READ ${TEMPLATE} text)
if(NOT DEFINED OUT)
  set(OUT "MS/MS_@N@/ms_@N@_page.xml")
endif()
if(NOT DEFINED MODELS)
  set(MODELS 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24)
endif()
string(REPLACE "," ";" MODELS "${MODELS}")
foreach(N IN LISTS MODELS)
  string(REPLACE "@N@" "${N}" page "${text}")
  string(REPLACE "@N@" "${N}" out "${DST}/${OUT}")
  if(EXISTS ${out})
    file(READ ${out} old)
    if(old STREQUAL page)
      continue()
    endif()
  endif()
  file(WRITE ${out} "${page}")
endforeach()
