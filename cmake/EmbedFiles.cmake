# Turns each file into a constant in the toolkit's byte-string form: a 32-bit 1,
# the 32-bit byte count, then the bytes. embed_files(<out.cpp> <namespace> <name>=<file> ...)
# writes one definition per file; the declarations live in a hand-written header.
function(embed_files out namespace)
  set(args "")
  foreach(entry IN LISTS ARGN)
    string(REPLACE "=" ";" pair "${entry}")
    list(GET pair 1 file)
    list(APPEND depends "${file}")
    list(APPEND args "${entry}")
  endforeach()
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DNAMESPACE=${namespace} "-DENTRIES=${args}"
            -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFilesScript.cmake"
    DEPENDS ${depends} "${PROJECT_SOURCE_DIR}/cmake/EmbedFilesScript.cmake"
    COMMENT "Embedding pictures into ${out}"
    VERBATIM)
endfunction()
