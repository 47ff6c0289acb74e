# target_windows_resources(<target> <file.rc> [INCLUDE_DIRS <dir>...])
#
# Compiles a resource script with the resource compiler of the MinGW binutils and embeds the
# compiled resources (.res, as Windows' own tools write it) in the target, an executable, a
# shared library or a module. The platform's resource functions (FindResourceW, LoadStringW,
# CreateDialogParamW, ...) read them from the module's handle. The script is read as UTF-8;
# INCLUDE_DIRS are searched by its #include lines (the script's own folder always is, and so is
# the framework's folder of afxres.h, as the resource compiler finds it in the SDK), and a
# change to an included header rebuilds the resources. One script per target.
#
# The data is reached through two symbols that every such module defines and exports:
# win32_resources (the .res image) and win32_resources_size (its size, 32 bits).

find_program(WINDRES_EXECUTABLE NAMES i686-w64-mingw32-windres REQUIRED)
find_program(RC_PREPROCESSOR NAMES cpp REQUIRED)

function(target_windows_resources target script)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "" "INCLUDE_DIRS")
  get_target_property(has_resources ${target} WINDOWS_RESOURCES_EMBEDDED)
  if(has_resources)
    message(FATAL_ERROR "target_windows_resources: ${target} already carries resources")
  endif()
  set_target_properties(${target} PROPERTIES WINDOWS_RESOURCES_EMBEDDED ON)

  get_filename_component(script ${script} ABSOLUTE)
  get_filename_component(script_dir ${script} DIRECTORY)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}.res)
  set(depfile ${CMAKE_CURRENT_BINARY_DIR}/${target}.res.d)
  set(asm ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.S)

  set(includes --include-dir=${script_dir} --include-dir=${PROJECT_SOURCE_DIR}/platform/include/mfc)
  foreach(dir IN LISTS ARG_INCLUDE_DIRS)
    get_filename_component(dir ${dir} ABSOLUTE)
    list(APPEND includes --include-dir=${dir})
  endforeach()

  # windres runs the C preprocessor given here instead of the MinGW compiler; it also writes
  # the list of included files for the rebuild.
  add_custom_command(
    OUTPUT ${res}
    COMMAND ${WINDRES_EXECUTABLE}
      --preprocessor=${RC_PREPROCESSOR}
      --preprocessor-arg=-xc
      --preprocessor-arg=-DRC_INVOKED
      --preprocessor-arg=-MD
      --preprocessor-arg=-MF${depfile}
      --preprocessor-arg=-MT${res}
      --codepage=65001
      ${includes}
      -O res -i ${script} -o ${res}
    DEPENDS ${script}
    DEPFILE ${depfile}
    COMMENT "Compiling resources ${script}"
    VERBATIM)

  file(CONFIGURE OUTPUT ${asm} CONTENT [=[
  .section .rodata.win32_resources,"a"
  .balign 4
  .globl win32_resources
  .type win32_resources, @object
win32_resources:
  .incbin "@res@"
win32_resources_end:
  .size win32_resources, win32_resources_end - win32_resources
  .balign 4
  .globl win32_resources_size
  .type win32_resources_size, @object
win32_resources_size:
  .long win32_resources_end - win32_resources
  .size win32_resources_size, 4
  .section .note.GNU-stack,"",@progbits
]=] @ONLY)
  set_source_files_properties(${asm} PROPERTIES OBJECT_DEPENDS ${res})
  target_sources(${target} PRIVATE ${asm})

  # An executable exports nothing by default; its resources must be found by name at run time.
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_link_options(${target} PRIVATE
      "LINKER:--export-dynamic-symbol=win32_resources"
      "LINKER:--export-dynamic-symbol=win32_resources_size")
  endif()
endfunction()
