# Checks the include lines of the sources against the layers (run by ctest, `cmake -DSOURCE_DIR=... -P`):
# - core includes nothing of Qt, reports or gui; reports includes nothing of gui;
# - the shell includes no subsystem's screens and nothing of gui/app;
# - a subsystem's screens include neither the shell nor gui/app (they use navigation and session).
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(subsystems records library setmeals planning analysis knowledge health admin)
set(problems "")

function(check_folder folder forbidden_regex why)
    file(GLOB_RECURSE files "${SOURCE_DIR}/src/${folder}/*.h" "${SOURCE_DIR}/src/${folder}/*.cpp")
    foreach(file IN LISTS files)
        file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS lines)
            if(line MATCHES "${forbidden_regex}")
                file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
                set(problems "${problems}\n  ${name}: ${line}  (${why})")
            endif()
        endforeach()
    endforeach()
    set(problems "${problems}" PARENT_SCOPE)
endfunction()

check_folder(core "[<\"](gui|reports)/|[<\"]Q[A-Za-z]*[>\"/]" "core has no Qt, no reports and no screens")
check_folder(reports "[<\"]gui/|[<\"](QtWidgets/|QtPrintSupport/|QWidget|QPrinter)" "reports draw on any QPainter, without widgets")
list(JOIN subsystems "|" alternatives)
check_folder(gui/shell "[<\"]gui/(${alternatives}|app)/" "the shell reads the page registry, it includes no screen")
foreach(subsystem IN LISTS subsystems)
    check_folder(gui/${subsystem} "[<\"]gui/(shell|app)/" "screens reach other pages through the navigator")
endforeach()
check_folder(gui/widgets "[<\"]gui/(shell|app|navigation|session|${alternatives})/" "widgets know no page")
check_folder(gui/navigation "[<\"]gui/(shell|app|${alternatives})/" "navigation knows no page class")
check_folder(gui/session "[<\"]gui/(shell|app|navigation|${alternatives})/" "the session knows no page")

if(problems)
    message(FATAL_ERROR "Includes across the layers:${problems}")
endif()
message(STATUS "Every include keeps to its layer.")
