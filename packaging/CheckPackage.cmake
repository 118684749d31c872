# Builds the Debian package in BUILD_DIR/package-check and checks that it
# holds what a user needs, that its dependencies were found and that lintian
# finds no error and no warning:
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -P CheckPackage.cmake

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS)
    message("skipped: dpkg-deb and dpkg-shlibdeps are needed (Debian packages dpkg, dpkg-dev)")
    return()
endif()

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${result}):\n${output}")
    endif()
endfunction()

run(${CMAKE_COMMAND} --build ${BUILD_DIR} -j2 --target package_files)
set(work ${BUILD_DIR}/package-check)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake
                WORKING_DIRECTORY ${work} RESULT_VARIABLE result OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${output}")
endif()
file(GLOB debs ${work}/zevras_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one zevras_*.deb, found: ${debs}\n${output}")
endif()

execute_process(COMMAND ${DPKG_DEB} -c ${debs} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -c ${debs} failed")
endif()
set(expected
    usr/bin/zevras usr/bin/zevras-cli usr/bin/zevras-sim
    usr/share/applications/example.zevra.zevras.desktop
    usr/share/metainfo/example.zevra.zevras.metainfo.xml
    usr/share/mime/packages/zevras.xml
    usr/share/icons/hicolor/scalable/apps/zevras.svg
    usr/share/icons/hicolor/48x48/apps/zevras.png
    usr/share/doc/zevras/copyright usr/share/doc/zevras/changelog.gz)
foreach(language en de fr cz)
    list(APPEND expected usr/share/doc/zevras/manual_zevras_${language}.pdf)
endforeach()
file(GLOB man_sources ${SOURCE_DIR}/docs/man/*.1)
foreach(source ${man_sources})
    get_filename_component(name ${source} NAME)
    list(APPEND expected usr/share/man/man1/${name}.gz)
endforeach()
set(missing)
foreach(path ${expected})
    string(FIND "${listing}" " ./${path}\n" at)
    if(at EQUAL -1)
        list(APPEND missing ${path})
    endif()
endforeach()
# The printing module, in the program's own library folder.
if(NOT listing MATCHES " \\./usr/lib/[^ \n]*zevras/plugins/libzevras-print\\.so\n")
    list(APPEND missing usr/lib/.../zevras/plugins/libzevras-print.so)
endif()
if(missing)
    message(FATAL_ERROR "the package lacks: ${missing}\n${listing}")
endif()
if(listing MATCHES " \\./usr/local/")
    message(FATAL_ERROR "the package installs below /usr/local:\n${listing}")
endif()

execute_process(COMMAND ${DPKG_DEB} -f ${debs} Depends OUTPUT_VARIABLE depends)
foreach(library libc6 libqt6core6 libqt6widgets6 libqt6serialport6 libqt6printsupport6)
    if(NOT depends MATCHES "(^|, )${library}[ ,(]")
        message(FATAL_ERROR "Depends lacks ${library}: ${depends}")
    endif()
endforeach()

# lintian's errors and warnings fail the check; its information (I:) does
# not (the README says why each note stays).
find_program(LINTIAN lintian)
if(NOT LINTIAN)
    message("skipped: lintian is needed for the rest of the check (Debian package lintian)")
    return()
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${debs} RESULT_VARIABLE result
                OUTPUT_VARIABLE findings ERROR_VARIABLE findings)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian found errors or warnings in ${debs}:\n${findings}")
endif()
message("package ${debs}\nDepends: ${depends}\nlintian:\n${findings}")
