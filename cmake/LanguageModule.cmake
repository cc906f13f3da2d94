# Language modules: resource-only libraries built from a resource file
# (docs/language-modules.md). The resources are turned into C++ data at build
# time, so a change to the file or to a picture it names rebuilds the library.

# sondrel_language_module(<target> <resource file> [MORE <resource files>...] [NO_INSTALL])
# MORE adds resource files of the same module (dialog templates kept one a
# file, say); each id of a kind may be given in one file only.
function(sondrel_language_module target resources)
  cmake_parse_arguments(LANGUAGE "NO_INSTALL" "" "MORE" ${ARGN})
  set(inputs "")
  set(pictures "")
  foreach(resource IN ITEMS ${resources} ${LANGUAGE_MORE})
    get_filename_component(input "${resource}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    get_filename_component(base "${input}" DIRECTORY)
    list(APPEND inputs ${input})
    # The pictures the file names, so that editing one rebuilds the module.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
    file(READ ${input} document)
    string(JSON count ERROR_VARIABLE missing LENGTH "${document}" pictures)
    if(NOT missing AND count GREATER 0)
      math(EXPR last "${count} - 1")
      foreach(index RANGE ${last})
        string(JSON id MEMBER "${document}" pictures ${index})
        string(JSON file GET "${document}" pictures ${id})
        list(APPEND pictures ${base}/${file})
      endforeach()
    endif()
  endforeach()
  set(script ${CMAKE_SOURCE_DIR}/cmake/GenerateLanguageResources.cmake)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)

  # A file list travels to the script joined by '|': a ';' would split the argument.
  list(JOIN inputs "|" joined)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${joined} -DOUTPUT=${output} -P ${script}
    DEPENDS ${inputs} ${pictures} ${script}
    COMMENT "Embedding the resources of ${target}" VERBATIM)

  set(sources ${output} ${CMAKE_SOURCE_DIR}/lang/runtime/find_resource.cpp)
  if(LANGUAGE_NO_INSTALL)
    add_library(${target} MODULE ${sources})
    set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".so")
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
    target_link_libraries(${target} PRIVATE sondrel_contract)
    set_property(GLOBAL APPEND PROPERTY SONDREL_COMPANIONS ${target})
  else()
    sondrel_companion(${target} ${sources})
  endif()
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/lang/runtime)
  target_link_libraries(${target} PRIVATE sondrel_warnings)
endfunction()
