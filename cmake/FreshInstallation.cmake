# The fresh installation: install/ holds its text files; our tools add what is generated (database
# files, skin pictures). It is laid out twice:
#   build/fresh    - a pristine copy, rebuilt on every build, that tests copy;
#   build/trovex2  - the runnable installation beside the programs. Program files are refreshed on
#                    every build; user data (cfg/usr.ini and usr/) is only created when missing, so a
#                    rebuild never overwrites a user's catalogue.
set(layout_args
  -DSOURCE=${CMAKE_SOURCE_DIR}/install
  -DFRESH=${TROVEX2_FRESH_DIR}
  -DTARGET=${TROVEX2_INSTALL_DIR})
set(layout_deps)
if(TARGET mkcatalog)
  list(APPEND layout_args -DMKCATALOG=$<TARGET_FILE:mkcatalog>)
  list(APPEND layout_deps mkcatalog)
endif()
if(TARGET artgen)
  list(APPEND layout_args -DARTGEN=$<TARGET_FILE:artgen>)
  list(APPEND layout_deps artgen)
endif()
add_custom_target(fresh_installation ALL
  COMMAND ${CMAKE_COMMAND} ${layout_args} -P ${CMAKE_SOURCE_DIR}/cmake/LayOutInstallation.cmake
  COMMENT "Laying out the fresh installation"
  VERBATIM)
if(layout_deps)
  add_dependencies(fresh_installation ${layout_deps})
endif()
