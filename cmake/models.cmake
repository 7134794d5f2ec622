# Every model's description (models/ms_N/model.cmake) read at configure time, and what the build
# derives from them: the model lists (GEN1_MODELS, GEN2_MODELS), the identity, policy and
# protocol rows the C++ tables include, the page factory table and each model's thin classes
# (models/ms_N/ms_N_page.h, models/ms_N/ms_N_dialogs.h) under MODELS_GENERATED_DIR, the folder
# "models" of the generated include root. The skins read the same descriptions when
# they are generated (generate_pages.cmake). A description read here is a configure input: an
# edit reconfigures.
include(${CMAKE_CURRENT_LIST_DIR}/model_description.cmake)
set(MODELS_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated/models)

function(hex_literal value width out)
  math(EXPR number "${value}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${number}" 2 -1 digits)
  string(TOUPPER "${digits}" digits)
  string(LENGTH "${digits}" length)
  while(length LESS width)
    string(PREPEND digits 0)
    math(EXPR length "${length} + 1")
  endwhile()
  set(${out} "0x${digits}" PARENT_SCOPE)
endfunction()

function(policy_flag flag out)
  if(flag IN_LIST MODEL_POLICY)
    set(${out} true PARENT_SCOPE)
  else()
    set(${out} false PARENT_SCOPE)
  endif()
endfunction()

function(cpp_bool value out)
  if(value)
    set(${out} true PARENT_SCOPE)
  else()
    set(${out} false PARENT_SCOPE)
  endif()
endfunction()

# A first-generation model's protocol row: the family function its description names, given the
# model's own facts (gen1_model.cpp).
function(gen1_row n)
  foreach(required MODEL_DPI_CODEC MODEL_MACRO_FRAME MODEL_BUTTON_9 MODEL_4K_RATES MODEL_FACTORY_LIGHT_MODE
                   MODEL_SLEEP_MAX MODEL_RATE_LABEL)
    if(NOT DEFINED ${required})
      message(FATAL_ERROR "models/ms_${n}/model.cmake: ${required} is not set, by the model or its families")
    endif()
  endforeach()
  if(MODEL_RATE_LABEL)
    set(no_rate_label false)
  else()
    set(no_rate_label true)
  endif()
  cpp_bool("${MODEL_APPLY_REARMS_4K_TIMER}" rearm)
  cpp_bool("${MODEL_NO_LIGHT_SECTION}" no_light)
  if("light_off" IN_LIST MODEL_FAMILIES)
    set(light_off true)
  else()
    set(light_off false)
  endif()
  set_property(GLOBAL APPEND_STRING PROPERTY GEN1_ROWS
    "    ${MODEL_PROTOCOL}({.iNumber = ${n}, .eDpiCodec = DpiCodec::${MODEL_DPI_CODEC}, .iDpiValueMin = ${MODEL_DPI_MIN}, .iDpiValueMax = ${MODEL_DPI_MAX}, .macroFrame = kMacroFrame${MODEL_MACRO_FRAME}, .byButton9 = ${MODEL_BUTTON_9}, .iRateHsCount = ${MODEL_4K_RATES}, .iLightMode = ${MODEL_FACTORY_LIGHT_MODE}, .iSleepMax = ${MODEL_SLEEP_MAX}, .bNoRateLabel = ${no_rate_label}, .bApplyRearms4kTimer = ${rearm}, .bLightOff = ${light_off}, .bNoLightSection = ${no_light}}),\n")
endfunction()

# A second-generation model's protocol row: the family function its description names, given the
# model's own facts (gen2_model.cpp).
function(gen2_row n)
  list(LENGTH MODEL_BUTTON_FUNCTIONS count)
  list(LENGTH MODEL_MACRO_BLOCKS blocks)
  if(NOT count EQUAL 18 OR blocks EQUAL 0 OR blocks GREATER 18)
    message(FATAL_ERROR "models/ms_${n}/model.cmake: MODEL_BUTTON_FUNCTIONS needs 18 values, MODEL_MACRO_BLOCKS 1 to 18")
  endif()
  string(REPLACE ";" ", " functions "${MODEL_BUTTON_FUNCTIONS}")
  string(REPLACE ";" ", " blocks "${MODEL_MACRO_BLOCKS}")
  set(own "")
  if(MODEL_NO_LIGHT_SECTION)
    string(APPEND own ", .bNoLightSection = true")
  endif()
  if(DEFINED MODEL_BATTERY_DISPLAY)
    string(APPEND own ", .eBatteryDisplay = BatteryDisplay::${MODEL_BATTERY_DISPLAY}")
  endif()
  set_property(GLOBAL APPEND_STRING PROPERTY GEN2_ROWS
    "    ${MODEL_PROTOCOL}({.iNumber = ${n}, .functions = {${functions}}, .blocks = {${blocks}}, .iDpiValueMin = ${MODEL_DPI_MIN}, .iDpiValueMax = ${MODEL_DPI_MAX}${own}}),\n")
endfunction()

# Appends model n's rows to the generated tables (global properties) and writes its classes.
function(derive_from_description n)
  read_model_description(${n})
  set_property(GLOBAL APPEND PROPERTY MODELS_OF_GEN${MODEL_GENERATION} ${n})

  hex_literal(${MODEL_CABLE_PID} 4 cable_pid)
  hex_literal(${MODEL_ID_BYTE} 2 id_byte)
  hex_literal(${MODEL_BLE_PID} 4 ble_pid)
  set_property(GLOBAL APPEND_STRING PROPERTY MODEL_ROWS
    "    {${n}, ${MODEL_SUBSYSTEM}, ${MODEL_GENERATION}, ${cable_pid}, ${id_byte}, ${MODEL_4K_INDEX}, ${ble_pid}, RecordLayout::${MODEL_LAYOUT}},\n")

  policy_flag(ble_online ble)
  policy_flag(4k_online fourk)
  policy_flag(link_controls links)
  policy_flag(announce_every announce)
  set_property(GLOBAL APPEND_STRING PROPERTY POLICY_ROWS
    "    /* MS_${n} */ {.bBleCountsOnline = ${ble}, .b4kCountsOnline = ${fourk}, .bUpdateLinkControls = ${links}, .bAnnounceEveryChange = ${announce}, .uTimerKinds = ${MODEL_TIMER_KINDS}},\n")

  if(MODEL_GENERATION EQUAL 1)
    gen1_row(${n})
  else()
    gen2_row(${n})
  endif()

  string(REPLACE ";" " " families "${MODEL_FAMILIES}")
  set_property(GLOBAL APPEND_STRING PROPERTY DESCRIPTION_ROWS
    "    {${n}, \"${families}\", \"${MODEL_PROTOCOL}\"},\n")

  set_property(GLOBAL APPEND_STRING PROPERTY FACTORY_INCLUDES "#include \"models/ms_${n}/ms_${n}_page.h\"\n")
  set_property(GLOBAL APPEND_STRING PROPERTY FACTORY_ROWS "        Make<CMS_${n}_Page>(),\n")

  set(N ${n})
  set(GEN ${MODEL_GENERATION})
  if(n LESS 14)
    set(PICKER_FOLDER "MS/MS_${n}/")
  else()
    set(PICKER_FOLDER "MS/ms_${n}/")
  endif()
  file(CONFIGURE OUTPUT ${MODELS_GENERATED_DIR}/ms_${n}/ms_${n}_page.h @ONLY CONTENT [[
// Generated from models/ms_@N@/model.cmake: the settings page of MS_@N@, the generation @GEN@ page
// on MS_@N@'s description.
#pragma once

#include "models/pages/gen@GEN@_page.h"

class CMS_@N@_Page : public CGen@GEN@Page {
public:
    CMS_@N@_Page() : CGen@GEN@Page(@N@) {}
};
]])
  file(CONFIGURE OUTPUT ${MODELS_GENERATED_DIR}/ms_${n}/ms_${n}_dialogs.h @ONLY CONTENT [[
// Generated from models/ms_@N@/model.cmake: the dialogs of MS_@N@, the generation @GEN@ macro
// editor and the macro picker, and the profile-name dialog every model shares, under the model's
// number (window classes "MS_@N@_Macro", "MS_@N@_SelectMacro", "MS_@N@_ProfileName"; skins in
// "MS/MS_@N@/", the picker's in "@PICKER_FOLDER@").
#pragma once

#include "models/dialogs/gen@GEN@_macro_editor.h"
#include "models/dialogs/profile_name.h"
#include "models/dialogs/select_macro.h"

class CMS_@N@_Macro : public CGen@GEN@MacroEditor {
public:
    CMS_@N@_Macro() : CGen@GEN@MacroEditor(@N@) {}
};

class CMS_@N@_SelectMacro : public CSelectMacroBase {
public:
    CMS_@N@_SelectMacro() : CSelectMacroBase(@N@) {}
};

class CMS_@N@_ProfileName : public CProfileNameBase {
public:
    CMS_@N@_ProfileName() : CProfileNameBase(@N@) {}
};
]])
endfunction()

foreach(n RANGE 1 24)
  derive_from_description(${n})
endforeach()

get_property(GEN1_MODELS GLOBAL PROPERTY MODELS_OF_GEN1)
get_property(GEN2_MODELS GLOBAL PROPERTY MODELS_OF_GEN2)
foreach(name MODEL_ROWS POLICY_ROWS GEN1_ROWS GEN2_ROWS DESCRIPTION_ROWS FACTORY_INCLUDES FACTORY_ROWS)
  get_property(${name} GLOBAL PROPERTY ${name})
endforeach()
file(CONFIGURE OUTPUT ${MODELS_GENERATED_DIR}/model_rows.inc @ONLY CONTENT [[
// Generated from models/ms_*/model.cmake: number, subsystem, generation, cable product id, id
// byte, 4K index, Bluetooth product id, profile record layout.
@MODEL_ROWS@]])
file(CONFIGURE OUTPUT ${MODELS_GENERATED_DIR}/page_policy_rows.inc @ONLY CONTENT [[
// Generated from models/ms_*/model.cmake and their families: each model's policy facts.
@POLICY_ROWS@]])
file(CONFIGURE OUTPUT ${MODELS_GENERATED_DIR}/gen1_model_rows.inc @ONLY CONTENT [[
// Generated from models/ms_*/model.cmake: each first-generation model's protocol row.
@GEN1_ROWS@]])
file(CONFIGURE OUTPUT ${MODELS_GENERATED_DIR}/gen2_model_rows.inc @ONLY CONTENT [[
// Generated from models/ms_*/model.cmake: each second-generation model's protocol row.
@GEN2_ROWS@]])
file(CONFIGURE OUTPUT ${MODELS_GENERATED_DIR}/model_description_rows.inc @ONLY CONTENT [[
// Generated from models/ms_*/model.cmake: the families each model names (with the families they
// name) and the function its protocol row is built by.
@DESCRIPTION_ROWS@]])
file(CONFIGURE OUTPUT ${MODELS_GENERATED_DIR}/page_factories.cpp @ONLY CONTENT [[
// Generated from models/ms_*/model.cmake: the program's own pages, one factory per model in
// model order.
#include "core/app/page_factories.h"

@FACTORY_INCLUDES@
namespace {

template <class Page>
PageFactory Make() {
    return [] { return std::unique_ptr<CPageBase>(std::make_unique<Page>()); };
}

}  // namespace

PageFactoryTable ModelPageFactories() {
    return {
@FACTORY_ROWS@    };
}
]])
