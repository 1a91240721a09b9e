# zorv/Version.h: the version of this build, for the engine's public interface, zorv and zorvix.
# Every target made with zorv_library() sees the folder it is generated into.
set(ZORV_GENERATED_INCLUDE_DIR "${PROJECT_BINARY_DIR}/include")
configure_file("${CMAKE_CURRENT_LIST_DIR}/Version.h.in" "${ZORV_GENERATED_INCLUDE_DIR}/zorv/Version.h" @ONLY)
