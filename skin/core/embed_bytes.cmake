# cmake -DINPUT=file -DOUTPUT=source.cpp -DNAME=symbol -P embed_bytes.cmake
# Writes a C++ source defining `const unsigned char NAME[]` with the file's bytes and
# `const unsigned NAMESize` with their count, so a program can carry another program as data.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Written by embed_bytes.cmake from ${INPUT}; do not edit.\n"
  "extern const unsigned char ${NAME}[] = {\n    ${bytes}\n};\n"
  "extern const unsigned ${NAME}Size = ${size};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
