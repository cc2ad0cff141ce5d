# CMake generated Testfile for 
# Source directory: /work/main/web/tests
# Build directory: /work/main/build-web-oz/web/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[web_browser]=] "/usr/bin/node" "--test" "/work/main/web/tests/browser.test.mjs")
set_tests_properties([=[web_browser]=] PROPERTIES  ENVIRONMENT "CORPIMETRO_SITE=/work/main/build-web-oz/site" LABELS "web" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/web/tests/CMakeLists.txt;16;add_test;/work/main/web/tests/CMakeLists.txt;0;")
add_test([=[web_layout]=] "/usr/bin/node" "--test" "/work/main/web/tests/layout.test.mjs")
set_tests_properties([=[web_layout]=] PROPERTIES  ENVIRONMENT "CORPIMETRO_SITE=/work/main/build-web-oz/site" LABELS "web" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/web/tests/CMakeLists.txt;18;add_test;/work/main/web/tests/CMakeLists.txt;0;")
add_test([=[web_parity]=] "/usr/bin/node" "/work/main/web/tests/parity.mjs" "--desktop" "/work/main/build" "--count" "3000")
set_tests_properties([=[web_parity]=] PROPERTIES  ENVIRONMENT "CORPIMETRO_SITE=/work/main/build-web-oz/site" LABELS "web" TIMEOUT "1800" _BACKTRACE_TRIPLES "/work/main/web/tests/CMakeLists.txt;20;add_test;/work/main/web/tests/CMakeLists.txt;0;")
add_test([=[web_parity_choices]=] "/usr/bin/node" "/work/main/web/tests/parity.mjs" "--choices" "--seed" "20261210" "--desktop" "/work/main/build" "--count" "600")
set_tests_properties([=[web_parity_choices]=] PROPERTIES  ENVIRONMENT "CORPIMETRO_SITE=/work/main/build-web-oz/site" LABELS "web" TIMEOUT "1800" _BACKTRACE_TRIPLES "/work/main/web/tests/CMakeLists.txt;25;add_test;/work/main/web/tests/CMakeLists.txt;0;")
add_test([=[web_figure]=] "/usr/bin/node" "--test" "/work/main/web/tests/figure.test.mjs")
set_tests_properties([=[web_figure]=] PROPERTIES  ENVIRONMENT "CORPIMETRO_SITE=/work/main/build-web-oz/site;CORPIMETRO_DESKTOP_BUILD=/work/main/build" LABELS "web" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/web/tests/CMakeLists.txt;29;add_test;/work/main/web/tests/CMakeLists.txt;0;")
add_test([=[web_run_script_exit_codes]=] "/usr/bin/node" "--test" "/work/main/web/tests/run-script.test.mjs")
set_tests_properties([=[web_run_script_exit_codes]=] PROPERTIES  ENVIRONMENT "CORPIMETRO_SITE=/work/main/build-web-oz/site" LABELS "web" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/web/tests/CMakeLists.txt;31;add_test;/work/main/web/tests/CMakeLists.txt;0;")
add_test([=[web_page_tool]=] "/usr/bin/node" "--test" "/work/main/web/tests/webpage.test.mjs")
set_tests_properties([=[web_page_tool]=] PROPERTIES  ENVIRONMENT "CORPIMETRO_SITE=/work/main/build-web-oz/site" LABELS "web" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/web/tests/CMakeLists.txt;33;add_test;/work/main/web/tests/CMakeLists.txt;0;")
