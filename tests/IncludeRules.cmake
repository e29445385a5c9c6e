# The include rules of the sources (docs/design.md, "Layers"), checked by `make test`:
#   cmake -DROOT=<source folder> -P tests/IncludeRules.cmake
# 1. Each layer includes only the layers below it (LAYER_ALLOWS).
# 2. In game/, a rules file includes no window header, no game/ window helper and neither
#    platform/Controls.h nor platform/Form.h: rules run and are tested without a window.
# 3. In game/, a file reaches another subsystem's files only through their headers.
# A file of game/ is a window file when its name begins with the game's window prefixes (Frm, Frn,
# frm, Form: the window's own header and sources, FrmMain_*.cpp among them), when it is main.cpp,
# or when it is one of the window helpers below; every other file of game/ is a rules file.

cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
    message(FATAL_ERROR "ROOT (the source folder) is not set")
endif()

# Files of game/ that are neither a window nor rules: they lay out or draw on the controls of
# several windows, or open a window for the rules' caller.
set(WINDOW_HELPERS
    game/combat/AttackLayout   # value boxes of the base attack windows
    game/combat/AttackWindows  # opens the attack window of a contact resolved automatically
    game/main/MapMarks         # the marks and routes drawn on the main window's map
    game/main/MapPanels        # the main window's panels tied to the map
    game/points/SidePictures   # the side flags and value boxes of the points windows
    game/start/WizardExit      # leaving the new-campaign wizard for the start window
)
set(WINDOW_ONLY_PLATFORM platform/Controls.h platform/Form.h)

# Folder of the including file -> folders it may include (longest folder first).
set(LAYERS cards/format cards/help common/records platform common game cards setup)
set(LAYER_ALLOWS_cards/format platform common/records cards/format)
set(LAYER_ALLOWS_cards/help platform cards/help)
set(LAYER_ALLOWS_common/records platform common/records)
set(LAYER_ALLOWS_platform platform)
set(LAYER_ALLOWS_common platform common/records common)
set(LAYER_ALLOWS_game platform common/records common cards/format game)
set(LAYER_ALLOWS_cards platform common/records cards/format cards/help cards)
set(LAYER_ALLOWS_setup platform common/records cards/format cards/help setup)

function(layer_of path out)
    foreach(layer IN LISTS LAYERS)
        string(LENGTH "${layer}/" n)
        string(SUBSTRING "${path}" 0 ${n} head)
        if(head STREQUAL "${layer}/")
            set(${out} ${layer} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${out} "" PARENT_SCOPE)
endfunction()

function(is_window_file path out)
    get_filename_component(name "${path}" NAME)
    string(REGEX REPLACE "\\.[^.]*$" "" stem "${path}")
    if(name MATCHES "^(Frm|Frn|frm|Form)" OR name STREQUAL "main.cpp" OR stem IN_LIST WINDOW_HELPERS)
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${ROOT}"
    "${ROOT}/platform/*.h" "${ROOT}/platform/*.cpp" "${ROOT}/common/*.h" "${ROOT}/common/*.cpp"
    "${ROOT}/game/*.h" "${ROOT}/game/*.cpp" "${ROOT}/cards/*.h" "${ROOT}/cards/*.cpp"
    "${ROOT}/setup/*.h" "${ROOT}/setup/*.cpp")
list(SORT sources)

set(faults "")
set(checked 0)
foreach(file IN LISTS sources)
    layer_of("${file}" layer)
    get_filename_component(dir "${file}" DIRECTORY)
    file(STRINGS "${ROOT}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" name "${line}")
        # As the compiler finds it: beside the including file first, then from the source root.
        if(EXISTS "${ROOT}/${dir}/${name}")
            file(RELATIVE_PATH target "${ROOT}" "${ROOT}/${dir}/${name}")
        elseif(EXISTS "${ROOT}/${name}")
            set(target "${name}")
        else()
            continue()
        endif()
        math(EXPR checked "${checked} + 1")
        layer_of("${target}" target_layer)
        if(NOT target_layer IN_LIST LAYER_ALLOWS_${layer})
            list(APPEND faults "${file}: includes ${target}, outside what ${layer}/ may use")
            continue()
        endif()
        if(NOT layer STREQUAL "game")
            continue()
        endif()
        is_window_file("${file}" window)
        if(NOT window)
            is_window_file("${target}" target_window)
            if(target IN_LIST WINDOW_ONLY_PLATFORM)
                list(APPEND faults "${file}: a rules file includes ${target}, which is for windows")
            elseif(target_layer STREQUAL "game" AND target_window)
                list(APPEND faults "${file}: a rules file includes the window file ${target}")
            endif()
        endif()
        if(target_layer STREQUAL "game")
            string(REGEX MATCH "^game/[^/]+" own "${file}")
            string(REGEX MATCH "^game/[^/]+" other "${target}")
            if(NOT own STREQUAL other AND NOT target MATCHES "\\.h$")
                list(APPEND faults "${file}: includes ${target}, not a header of ${other}/")
            endif()
        endif()
    endforeach()
endforeach()

# A helper named above that no longer exists would widen the window side unseen.
foreach(helper IN LISTS WINDOW_HELPERS)
    if(NOT EXISTS "${ROOT}/${helper}.h" AND NOT EXISTS "${ROOT}/${helper}.cpp")
        list(APPEND faults "${helper}: named as a window helper but not found")
    endif()
endforeach()

list(LENGTH sources count)
if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Include rules broken:\n  ${text}\n(see docs/design.md, \"Layers\")")
endif()
message(STATUS "Include rules hold: ${checked} includes of ${count} files")
