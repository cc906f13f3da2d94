# Companion libraries: loadable libraries with the base names of the
# system (Cpumod12.so, Hwbroker.so ...), recorded in the trust manifest.

define_property(GLOBAL PROPERTY SONDREL_COMPANIONS BRIEF_DOCS "companion library targets"
                FULL_DOCS "Targets whose files the trust manifest vouches for.")

# sondrel_companion(<target> <sources>...)
function(sondrel_companion target)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".so")
  target_link_options(${target} PRIVATE -Wl,--no-undefined)
  target_link_libraries(${target} PRIVATE sondrel_contract)
  # Every start hashes each companion it loads: the debug information goes
  # to <name>.so.debug beside it (found through the debug link), so the
  # hashed file holds only what is loaded.
  if(CMAKE_OBJCOPY)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
      COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
              $<TARGET_FILE:${target}>
      VERBATIM)
  endif()
  install(TARGETS ${target} LIBRARY DESTINATION ${SONDREL_INSTALL_LIBRARY_DIR})
  set_property(GLOBAL APPEND PROPERTY SONDREL_COMPANIONS ${target})
  set_property(GLOBAL APPEND PROPERTY SONDREL_INSTALLED_COMPANIONS ${target})
endfunction()

# Writes bin/trust.manifest after every build and beside the installed
# libraries at install time.
function(sondrel_write_trust_manifest)
  get_property(companions GLOBAL PROPERTY SONDREL_COMPANIONS)
  set(names "")
  foreach(companion IN LISTS companions)
    list(APPEND names "$<TARGET_FILE_NAME:${companion}>")
  endforeach()
  set(list_file ${CMAKE_BINARY_DIR}/trust-manifest-files.txt)
  file(GENERATE OUTPUT ${list_file} CONTENT "$<JOIN:${names},\n>\n")
  add_custom_target(trust_manifest ALL
    COMMAND ${CMAKE_COMMAND} -DDIRECTORY=${SONDREL_OUTPUT_DIR} -DLIST=${list_file}
            -P ${CMAKE_SOURCE_DIR}/cmake/WriteTrustManifest.cmake
    COMMENT "Writing the trust manifest" VERBATIM)
  if(companions)
    add_dependencies(trust_manifest ${companions})
  endif()
  # The installed manifest vouches only for what is installed (test-only
  # modules stay in the build tree). The prefix is read at install time, so
  # --prefix and DESTDIR both land the manifest beside the libraries.
  get_property(installed GLOBAL PROPERTY SONDREL_INSTALLED_COMPANIONS)
  set(installed_names "")
  foreach(companion IN LISTS installed)
    list(APPEND installed_names "$<TARGET_FILE_NAME:${companion}>")
  endforeach()
  set(installed_list ${CMAKE_BINARY_DIR}/trust-manifest-installed-files.txt)
  file(GENERATE OUTPUT ${installed_list} CONTENT "$<JOIN:${installed_names},\n>\n")
  install(FILES ${installed_list} DESTINATION ${SONDREL_INSTALL_LIBRARY_DIR} RENAME trust-manifest-files.txt)
  set(directory "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SONDREL_INSTALL_LIBRARY_DIR}")
  install(CODE "execute_process(COMMAND \"${CMAKE_COMMAND}\"
      \"-DDIRECTORY=${directory}\" \"-DLIST=${directory}/trust-manifest-files.txt\"
      -P \"${CMAKE_SOURCE_DIR}/cmake/WriteTrustManifest.cmake\" COMMAND_ERROR_IS_FATAL ANY)")
endfunction()
