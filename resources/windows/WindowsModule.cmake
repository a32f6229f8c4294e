# The Windows module: ZU41_QuenTarb.aip with its resources compiled in (generate_rc.py writes
# the resource script from resources.json; windres compiles it) and PluginMain its only export.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(QT_RC_DIR ${CMAKE_CURRENT_BINARY_DIR}/windows)
set(QT_RC_FILE ${QT_RC_DIR}/ZU41_QuenTarb.rc)
set(QT_RC_GENERATED ${QT_RC_FILE} ${QT_RC_DIR}/pipl.bin ${QT_RC_DIR}/cursor_16001.cur)

add_custom_command(
  OUTPUT ${QT_RC_GENERATED}
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/windows/generate_rc.py
          ${CMAKE_CURRENT_SOURCE_DIR}/resources.json ${QT_RC_DIR}
  DEPENDS ${QT_RESOURCE_SOURCES} ${CMAKE_CURRENT_SOURCE_DIR}/windows/generate_rc.py
  COMMENT "Generating the Windows resource script"
  VERBATIM)
# windres does not report the files the script names: rebuild when any of them changes.
set_source_files_properties(${QT_RC_FILE} PROPERTIES GENERATED TRUE OBJECT_DEPENDS "${QT_RC_GENERATED};${QT_RESOURCE_SOURCES}")
# The module's directory has no rule for these files: a target here makes them first.
add_custom_target(quentarb_windows_resources DEPENDS ${QT_RC_GENERATED})
target_sources(ZU41_QuenTarb PRIVATE ${QT_RC_FILE})
add_dependencies(ZU41_QuenTarb quentarb_windows_resources)

set_target_properties(ZU41_QuenTarb PROPERTIES SUFFIX ".aip")
# Only PluginMain is exported, whatever the static runtime libraries mark for export; no
# debug sections in the deliverable.
target_link_options(ZU41_QuenTarb PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/ZU41_QuenTarb.def -Wl,--exclude-all-symbols -Wl,--no-undefined -Wl,--subsystem,windows -s)
set_property(TARGET ZU41_QuenTarb APPEND PROPERTY LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/windows/ZU41_QuenTarb.def)
