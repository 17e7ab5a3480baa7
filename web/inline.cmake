# SPDX-License-Identifier: GPL-3.0-or-later
# The page as one file: the template with its style, the compiled lesson and
# the page's script put in place, so that it opens from a file, offline.
# cmake -DTEMPLATE=... -DCSS=... -DCORE=... -DPAGE=... -DOUT=... -P inline.cmake
foreach(part TEMPLATE CSS CORE PAGE)
    file(READ "${${part}}" ${part}_TEXT)
endforeach()
# A closing script tag inside a script would end it early.
foreach(part CORE PAGE)
    string(FIND "${${part}_TEXT}" "</script" inside)
    if(NOT inside EQUAL -1)
        message(FATAL_ERROR "${${part}} holds </script and cannot be inlined")
    endif()
endforeach()
string(REPLACE "/*QUELLOR-CSS*/" "${CSS_TEXT}" html "${TEMPLATE_TEXT}")
string(REPLACE "/*QUELLOR-CORE*/" "${CORE_TEXT}" html "${html}")
string(REPLACE "/*QUELLOR-PAGE*/" "${PAGE_TEXT}" html "${html}")
file(WRITE "${OUT}" "${html}")
