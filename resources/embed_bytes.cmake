# Turns a file into the body of a C++ byte array: "0x89, 0x50, ...".
#   cmake -DINPUT=<file> -DOUTPUT=<file.inc> -P embed_bytes.cmake
# The output is rewritten only when it changes, so an unchanged picture recompiles nothing.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " bytes "${hex}")
file(WRITE "${OUTPUT}.tmp" "${bytes}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
