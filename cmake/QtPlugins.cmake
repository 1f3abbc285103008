# A static Qt links no plugin by itself that a program does not name: the Windows window system
# and the offscreen one (the widget tests' screen) are named here. A shared Qt finds its plugins
# at run time, so nothing is needed there.
function(pelmora_import_platform_plugins target)
    get_target_property(qt_core_type Qt6::Core TYPE)
    if(NOT qt_core_type STREQUAL "STATIC_LIBRARY")
        return()
    endif()
    set(plugins Qt6::QOffscreenIntegrationPlugin)
    if(WIN32)
        list(APPEND plugins Qt6::QWindowsIntegrationPlugin)
    endif()
    qt_import_plugins(${target} INCLUDE ${plugins})
endfunction()
