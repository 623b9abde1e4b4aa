# The launcher's manifest, icon and version information, compiled by windres into a target.
#
#   krui_add_launcher_resources(TARGET ICON file.ico NAME "Product" DESCRIPTION "..."
#                               VERSION A.B.C.D COMPANY "..." COPYRIGHT "...")
#
# An empty DESCRIPTION is the product name; an empty COPYRIGHT is "Copyright (C) <year>
# <company>" (the year honours SOURCE_DATE_EPOCH).
enable_language(RC)

function(krui_add_launcher_resources target)
  cmake_parse_arguments(R "" "ICON;NAME;DESCRIPTION;VERSION;COMPANY;COPYRIGHT" "" ${ARGN})
  if(NOT EXISTS "${R_ICON}")
    message(FATAL_ERROR "launcher icon '${R_ICON}' does not exist")
  endif()
  # An icon file starts with reserved 0, type 1 and at least one image.
  file(READ "${R_ICON}" head LIMIT 6 HEX)
  if(NOT head MATCHES "^00000100" OR head STREQUAL "000001000000")
    message(FATAL_ERROR "launcher icon '${R_ICON}' is not an .ico file")
  endif()
  # Four numbers of 0 to 65535: the fixed part of the version resource holds 16 bits each.
  if(NOT "${R_VERSION}" MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "launcher version '${R_VERSION}' is not A.B.C.D")
  endif()
  foreach(part ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4})
    if(part GREATER 65535 OR part MATCHES "^0[0-9]")
      message(FATAL_ERROR "launcher version '${R_VERSION}': each part is a number from 0 to 65535 without leading zeros")
    endif()
  endforeach()
  if("${R_NAME}" STREQUAL "")
    message(FATAL_ERROR "launcher product name is empty")
  endif()
  if("${R_DESCRIPTION}" STREQUAL "")
    set(R_DESCRIPTION "${R_NAME}")
  endif()
  if("${R_COPYRIGHT}" STREQUAL "")
    string(TIMESTAMP year "%Y" UTC)
    set(R_COPYRIGHT "Copyright (C) ${year} ${R_COMPANY}")
  endif()

  # Text in a resource script's string: backslash and quote escaped as in C and RC.
  foreach(field NAME DESCRIPTION COMPANY COPYRIGHT)
    string(REPLACE "\\" "\\\\" value "${R_${field}}")
    string(REPLACE "\"" "\"\"" value "${value}")
    set(rc_${field} "${value}")
  endforeach()
  set(KRUI_RC_VERSION "${R_VERSION}")
  string(REPLACE "." "," KRUI_RC_VERSION_COMMAS "${R_VERSION}")
  set(KRUI_RC_PRODUCT_NAME "${rc_NAME}")
  set(KRUI_RC_DESCRIPTION "${rc_DESCRIPTION}")
  set(KRUI_RC_COMPANY "${rc_COMPANY}")
  set(KRUI_RC_COPYRIGHT "${rc_COPYRIGHT}")
  file(TO_CMAKE_PATH "${R_ICON}" KRUI_RC_ICON)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}-resources")
  set(KRUI_RC_MANIFEST "${out}/launcher.manifest")
  configure_file(${PROJECT_SOURCE_DIR}/src/app/Launcher.manifest.in "${KRUI_RC_MANIFEST}" @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/src/app/Launcher.rc.in "${out}/launcher.rc" @ONLY)
  target_sources(${target} PRIVATE "${out}/launcher.rc")
  # The script includes the id header; windres re-runs when the icon or manifest changes.
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  set_source_files_properties("${out}/launcher.rc" PROPERTIES
    OBJECT_DEPENDS "${R_ICON};${KRUI_RC_MANIFEST};${PROJECT_SOURCE_DIR}/src/app/LauncherResources.h")
endfunction()
