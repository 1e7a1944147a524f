# Builds the Debian package with cpack, checks what it installs and declares, unpacks it
# into a temporary root with dpkg-deb -x and runs the unpacked kestravo-cli on the sample
# card. Arguments: BUILD_DIR, WORK_DIR, SAMPLE, EXPECTED_RACES, WITH_GUI.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${WORK_DIR}/out
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE log
                ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${log}")
endif()
file(GLOB debs ${WORK_DIR}/out/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found: ${debs}")
endif()

execute_process(COMMAND dpkg-deb -f ${debs} Depends OUTPUT_VARIABLE depends)
set(wanted fonts-liberation libc6 libstdc++6)
if(WITH_GUI)
  list(APPEND wanted libqt6widgets6)
endif()
foreach(package IN LISTS wanted)
  string(FIND "${depends}" "${package}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package does not depend on ${package}: ${depends}")
  endif()
endforeach()

set(root ${WORK_DIR}/root)
execute_process(COMMAND dpkg-deb -x ${debs} ${root} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed")
endif()
set(files usr/bin/kestravo-cli)
if(WITH_GUI)
  list(APPEND files usr/bin/kestravo usr/share/applications/kestravo.desktop
       usr/share/icons/hicolor/scalable/apps/kestravo.svg)
endif()
foreach(f IN LISTS files)
  if(NOT EXISTS ${root}/${f})
    message(FATAL_ERROR "the package does not install /${f}")
  endif()
endforeach()

file(COPY ${SAMPLE} DESTINATION ${WORK_DIR}/card)
get_filename_component(name ${SAMPLE} NAME)
execute_process(COMMAND ${root}/usr/bin/kestravo-cli races ${WORK_DIR}/card/${name}
                RESULT_VARIABLE status OUTPUT_VARIABLE races)
file(READ ${EXPECTED_RACES} expected)
if(NOT status EQUAL 0 OR NOT races STREQUAL expected)
  message(FATAL_ERROR "the installed kestravo-cli printed (status ${status}):\n${races}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
