# add_import_library(<target> <file.def>)
#
# An imported library <target> for linking against a DLL that this project does not build, made
# by dlltool from a module-definition file. The .def lists the 32-bit linker names of standard-call
# functions (Name@bytes); the DLL exports them under their plain names, so the import library maps
# one to the other (--kill-at). On 64-bit Windows there is one calling convention and no decoration,
# and the .def is used with the sizes cut off.
#
# windows_def_for_target(<out-var> <file.def>) gives the .def to build the DLL itself from (a DLL
# source file; link it with --kill-at on 32-bit Windows).

function(windows_def_for_target out def)
  get_filename_component(def ${def} ABSOLUTE)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(${out} ${def} PARENT_SCOPE)
    return()
  endif()
  get_filename_component(name ${def} NAME)
  set(plain ${CMAKE_BINARY_DIR}/def64/${name})
  file(READ ${def} text)
  string(REGEX REPLACE "@[0-9]+" "" text "${text}")
  file(CONFIGURE OUTPUT ${plain} CONTENT "${text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
  set(${out} ${plain} PARENT_SCOPE)
endfunction()

function(add_import_library target def)
  windows_def_for_target(def ${def})
  set(lib ${CMAKE_CURRENT_BINARY_DIR}/lib${target}.dll.a)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(machine -m i386 --kill-at)
  else()
    set(machine -m i386:x86-64)
  endif()
  add_custom_command(
    OUTPUT ${lib}
    COMMAND ${CMAKE_DLLTOOL} ${machine} --input-def ${def} --output-lib ${lib}
    DEPENDS ${def}
    COMMENT "Making the import library of ${target} from its .def"
    VERBATIM)
  add_custom_target(${target}_import_library DEPENDS ${lib})
  add_library(${target} SHARED IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_IMPLIB ${lib})
  add_dependencies(${target} ${target}_import_library)
endfunction()
