# Writes OUT, a C++ file defining `extern const std::string_view NAME` with the
# bytes of IN. Run as a script (cmake -P) so a changed IN rebuilds OUT.
file(READ "${IN}" content)
string(FIND "${content}" ")vessa\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${IN} contains the raw-string delimiter")
endif()
file(WRITE "${OUT}.tmp" "// Generated from ${IN}; do not edit.\n#include <string_view>\nnamespace vessa {\nextern const std::string_view ${NAME};\nconst std::string_view ${NAME} = R\"vessa(${content})vessa\";\n}  // namespace vessa\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
