# Compiler settings shared by every target of the project.
#
# Narrow string literals are compiled to GBK (code page 936): that is the encoding of every text the
# program handles, and the sources stay UTF-8. runtime/text.h checks this with a static_assert.
# The compiler is told GB18030, GBK's superset: it gives the same bytes for every GBK character and
# can also encode the few characters outside GBK that standard headers contain (the "µs" of
# <chrono>), which plain GBK rejects. Texts of our own must stay within GBK.
add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
  -Wall -Wextra -Werror -Wno-error=deprecated-declarations
  -finput-charset=UTF-8 -fexec-charset=GB18030)

if(WIN32)
  target_compile_definitions(project_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
elseif(RANK_ABACUS_SANITIZE)
  target_compile_options(project_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()
