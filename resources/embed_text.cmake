# Writes OUTPUT, a C++ source that defines the character array NAME (namespace qtapp) as the
# text of SOURCE, so a program carries a data file of resources/ without reading it at run time.
#   cmake -DSOURCE=presets.json -DOUTPUT=presets_json.cpp -DNAME=kPresetsJson -P embed_text.cmake
file(READ "${SOURCE}" text)
string(FIND "${text}" ")qtembed" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${SOURCE} holds \")qtembed\", which would end the embedded text early")
endif()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${SOURCE} by resources/embed_text.cmake; edit the source instead.\n"
  "namespace qtapp {\nextern const char ${NAME}[];\nconst char ${NAME}[] = R\"qtembed(${text})qtembed\";\n}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
