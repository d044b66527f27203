# Writes a C++ source that holds the bytes of INPUT as the function FUNCTION in namespace vantrel.
# Run as: cmake -DINPUT=... -DOUTPUT=... -DFUNCTION=... -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <string_view>\n"
  "namespace vantrel {\n"
  "namespace { const char kBytes[] = {${bytes} '\\0'}; }\n"
  "std::string_view ${FUNCTION}() { return std::string_view(kBytes, ${byte_count}); }\n"
  "}  // namespace vantrel\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
