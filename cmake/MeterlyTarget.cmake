# Warnings as errors for our own code only; third-party headers come in as system includes.
function(meterly_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wshadow
                                            -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
                                            -Woverloaded-virtual -Wnull-dereference
                                            # GCC's optimiser reports null dereferences on paths that
                                            # cannot happen (a checked QPointer): a warning there, not
                                            # a broken Release build.
                                            $<$<NOT:$<CONFIG:Debug>>:-Wno-error=null-dereference>)
endfunction()

# One static library per folder of src/.
function(meterly_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  target_compile_definitions(${name} PUBLIC QT_NO_KEYWORDS)
  meterly_warnings(${name})
endfunction()
