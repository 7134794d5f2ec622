# Reads one model's description (models/ms_N/model.cmake) with the families it names
# (models/families/<name>.cmake). Used at configure time (the model lists and the generated
# tables) and by generate_pages.cmake in script mode (the skin values), so both read one source.
#
# A description sets:
#   MODEL_SUBSYSTEM, MODEL_CABLE_PID, MODEL_ID_BYTE   its identity
#   MODEL_DPI_MIN, MODEL_DPI_MAX  the stored DPI stage values its protocol and its DPI sliders take
#   MODEL_4K_INDEX     its index on the 4K receiver (unset: no 4K link)
#   MODEL_BLE_PID      its Bluetooth LE product id (unset: no Bluetooth link)
#   PAGE_<KEY>         a skin value of its own (a @KEY@ of its generation's page template)
# and takes from its families (or sets itself where it differs):
#   MODEL_GENERATION   1 or 2: which page, dialogs and protocol implementation it uses
#   MODEL_LAYOUT       its profile record layout (RecordLayout::<value>)
#   MODEL_POLICY       how the core treats its page: any of ble_online, 4k_online, link_controls,
#                      announce_every
#   MODEL_TIMER_KINDS  how many ids from the page's timer base are its timers
#   MODEL_PROTOCOL     the family function its protocol row in gen1_model.cpp / gen2_model.cpp is
#                      built by
# and its row's own facts: a first-generation model MODEL_DPI_CODEC, MODEL_MACRO_FRAME (111 or
# 131), MODEL_BUTTON_9, MODEL_4K_RATES, MODEL_FACTORY_LIGHT_MODE, MODEL_SLEEP_MAX, MODEL_RATE_LABEL
# and where they apply MODEL_APPLY_REARMS_4K_TIMER, MODEL_NO_LIGHT_SECTION; a second-generation
# model MODEL_BUTTON_FUNCTIONS (buttons 1 to 18), MODEL_MACRO_BLOCKS (the first of each button's
# four blocks, 0: none), and where they apply MODEL_NO_LIGHT_SECTION, MODEL_BATTERY_DISPLAY.
# MODEL_DPI_MIN, MODEL_DPI_MAX, MODEL_SLEEP_MAX and MODEL_RATE_LABEL are skin values too
# (PAGE_DPI_MIN ...).
# A family's skin value that needs the Bluetooth link is PAGE_<KEY>_WITH_BLE: a model with the
# link takes it as PAGE_<KEY>.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/page_looks.cmake)
set(MODEL_DESCRIPTIONS_DIR ${CMAKE_CURRENT_LIST_DIR}/../models)
cmake_path(NORMAL_PATH MODEL_DESCRIPTIONS_DIR)

# Names a family the model belongs to: its facts are read now, once however often it is named
# (a family may name a broader one), and the model's own settings that follow override them.
macro(model_family name)
  if(NOT "${name}" IN_LIST MODEL_FAMILIES)
    list(APPEND MODEL_FAMILIES ${name})
    include(${MODEL_DESCRIPTIONS_DIR}/families/${name}.cmake)
  endif()
endmacro()

# Reads model n's description into the current scope (call it inside a function: every model
# starts from nothing). Also sets MODEL_NUMBER, MODEL_HAS_4K and MODEL_HAS_BLE.
macro(read_model_description n)
  set(MODEL_NUMBER ${n})
  set(MODEL_FAMILIES "")
  include(${MODEL_DESCRIPTIONS_DIR}/ms_${n}/model.cmake)
  foreach(required MODEL_GENERATION MODEL_LAYOUT MODEL_SUBSYSTEM MODEL_CABLE_PID MODEL_ID_BYTE MODEL_TIMER_KINDS
                   MODEL_PROTOCOL MODEL_DPI_MIN MODEL_DPI_MAX)
    if(NOT DEFINED ${required})
      message(FATAL_ERROR "models/ms_${n}/model.cmake: ${required} is not set, by the model or its families")
    endif()
  endforeach()
  foreach(flag IN LISTS MODEL_POLICY)
    if(NOT flag MATCHES "^(ble_online|4k_online|link_controls|announce_every)$")
      message(FATAL_ERROR "models/ms_${n}/model.cmake: unknown policy ${flag}")
    endif()
  endforeach()
  if(DEFINED MODEL_4K_INDEX)
    set(MODEL_HAS_4K TRUE)
  else()
    set(MODEL_HAS_4K FALSE)
    set(MODEL_4K_INDEX -1)
  endif()
  if(DEFINED MODEL_BLE_PID)
    set(MODEL_HAS_BLE TRUE)
  else()
    set(MODEL_HAS_BLE FALSE)
    set(MODEL_BLE_PID 0)
  endif()
  # The facts both the protocol row and the page skin take.
  foreach(fact DPI_MIN DPI_MAX SLEEP_MAX RATE_LABEL)
    if(DEFINED MODEL_${fact})
      set(PAGE_${fact} ${MODEL_${fact}})
    endif()
  endforeach()
  get_cmake_property(_model_vars VARIABLES)
  foreach(_var IN LISTS _model_vars)
    if(_var MATCHES "^(PAGE_.+)_WITH_BLE$")
      if(MODEL_HAS_BLE)
        set(${CMAKE_MATCH_1} "${${_var}}")
      endif()
    endif()
  endforeach()
endmacro()
