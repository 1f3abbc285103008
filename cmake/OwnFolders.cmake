# Reads cmake/own-folders.txt into
#   PELMORA_OWN_FOLDERS     every folder of the project's own C++ sources
#   PELMORA_LAYERS          the layers, lowest first
#   PELMORA_NO_QT_LAYERS    the layers that build without any GUI library
#   PELMORA_HEADLESS_LAYERS the layers that need Qt but no display, built for the fuzzers too
#   PELMORA_OWN_FOLDERS_FILE  the list's own path, for the checks that read it themselves
set(PELMORA_OWN_FOLDERS_FILE ${CMAKE_CURRENT_LIST_DIR}/own-folders.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PELMORA_OWN_FOLDERS_FILE})

set(PELMORA_OWN_FOLDERS)
set(PELMORA_LAYERS)
set(PELMORA_NO_QT_LAYERS)
set(PELMORA_HEADLESS_LAYERS)
file(STRINGS ${PELMORA_OWN_FOLDERS_FILE} pelmora_folder_lines REGEX "^[^#]")
foreach(line IN LISTS pelmora_folder_lines)
    string(REGEX MATCHALL "[^ \t]+" words "${line}")
    if(NOT words)
        continue()
    endif()
    list(POP_FRONT words folder kind)
    if(NOT kind MATCHES "^(layer|beside)$")
        message(FATAL_ERROR "${PELMORA_OWN_FOLDERS_FILE}: ${folder} has no kind (layer or beside)")
    endif()
    foreach(mark IN LISTS words)
        if(NOT mark MATCHES "^(no-qt|tools|headless)$")
            message(FATAL_ERROR "${PELMORA_OWN_FOLDERS_FILE}: ${folder} has an unknown mark ${mark}")
        endif()
    endforeach()
    list(APPEND PELMORA_OWN_FOLDERS ${folder})
    if(kind STREQUAL "layer")
        list(APPEND PELMORA_LAYERS ${folder})
        if("no-qt" IN_LIST words)
            list(APPEND PELMORA_NO_QT_LAYERS ${folder})
        endif()
        if("headless" IN_LIST words)
            list(APPEND PELMORA_HEADLESS_LAYERS ${folder})
        endif()
    endif()
endforeach()
