# One interface target carrying warnings and Qt defines for every target of the project.
add_library(keyloom_common INTERFACE)
target_compile_options(keyloom_common INTERFACE -Wall -Wextra -Wold-style-cast)
target_compile_definitions(keyloom_common INTERFACE
  QT_NO_CAST_FROM_ASCII QT_USE_QSTRINGBUILDER QT_NO_URL_CAST_FROM_STRING QT_NO_KEYWORDS)
if(ENABLE_SANITIZERS)
  target_compile_options(keyloom_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(keyloom_common INTERFACE -fsanitize=address,undefined)
endif()

# Deliverables land side by side in the program folder; the shared library is found through $ORIGIN.
function(keyloom_deliverable target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${KEYLOOM_PROGRAM_DIR}"
    LIBRARY_OUTPUT_DIRECTORY "${KEYLOOM_PROGRAM_DIR}"
    BUILD_WITH_INSTALL_RPATH TRUE
    INSTALL_RPATH "$ORIGIN")
endfunction()

# A QtTest executable registered with CTest, run headless.
function(keyloom_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE keyloom_common Qt6::Test ${T_LIBS})
  set_target_properties(${name} PROPERTIES BUILD_RPATH "${KEYLOOM_PROGRAM_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KEYLOOM_PROGRAM_DIR=${KEYLOOM_PROGRAM_DIR};QT_LOGGING_RULES=qt.multimedia*=false"
    TIMEOUT 300)
endfunction()
