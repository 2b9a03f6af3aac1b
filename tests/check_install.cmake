# Installs the build into a fresh prefix and checks that a desktop finds the
# program there: binary, desktop entry, metainfo, every icon, and the
# licence and changelog Debian asks for.
if(NOT BUILD_DIR OR NOT PREFIX)
    message(FATAL_ERROR "usage: cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake")
endif()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(app org.cuestaval.Cuestaval)
set(expected
    bin/cuestaval
    lib/cuestaval/libcuestaval_charts.so
    share/applications/${app}.desktop
    share/metainfo/${app}.metainfo.xml
    share/icons/hicolor/scalable/apps/${app}.svg
    share/doc/cuestaval/copyright
    share/doc/cuestaval/changelog.Debian.gz
    share/man/man1/cuestaval.1.gz)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${app}.png)
endforeach()

foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
endforeach()

# A PNG starts with its signature and gives its size in the IHDR chunk.
foreach(size 16 256)
    file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${app}.png header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    math(EXPR width_value "0x${width}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width_value EQUAL size)
        message(FATAL_ERROR "icon ${size} is not a ${size} px PNG (width ${width_value})")
    endif()
endforeach()

file(GET_RUNTIME_DEPENDENCIES RESOLVED_DEPENDENCIES_VAR libraries EXECUTABLES ${PREFIX}/bin/cuestaval)
if(NOT libraries MATCHES "libQt6Widgets")
    message(FATAL_ERROR "bin/cuestaval is not the program: it does not use Qt Widgets")
endif()
# Qt Charts is loaded with the graphs plugin, never at start-up.
if(libraries MATCHES "libQt6Charts")
    message(FATAL_ERROR "bin/cuestaval links Qt Charts: the start-up pays for a module it does not use yet")
endif()
file(GET_RUNTIME_DEPENDENCIES RESOLVED_DEPENDENCIES_VAR plugin_libraries
     MODULES ${PREFIX}/lib/cuestaval/libcuestaval_charts.so)
if(NOT plugin_libraries MATCHES "libQt6Charts")
    message(FATAL_ERROR "lib/cuestaval/libcuestaval_charts.so is not the charts plugin")
endif()
# Printing is a plugin in the program's library folder, and Qt Print Support
# stays off the program's own link line (it costs start-up time).
file(GLOB_RECURSE print_plugin ${PREFIX}/lib*/cuestaval/libcuestaval_print.so)
if(NOT print_plugin)
    message(FATAL_ERROR "missing after install: lib/.../cuestaval/libcuestaval_print.so")
endif()
if(libraries MATCHES "libQt6PrintSupport")
    message(FATAL_ERROR "bin/cuestaval links Qt Print Support, which only the print plugin may")
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "install layout complete")
