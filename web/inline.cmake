# SPDX-License-Identifier: GPL-3.0-or-later
# The page as one file: the template with its style, the compiled lesson and
# the page's script with its words (web/texts.cmake) put in place, so that it
# opens from a file, offline.
# cmake -DTEMPLATE=... -DCSS=... -DCORE=... -DPAGE=... -DTEXTS=... -DOUT=... -P inline.cmake
foreach(part TEMPLATE CSS CORE PAGE TEXTS)
    file(READ "${${part}}" ${part}_TEXT)
endforeach()
# A closing script tag inside a script would end it early.
foreach(part CORE PAGE TEXTS)
    string(FIND "${${part}_TEXT}" "</script" inside)
    if(NOT inside EQUAL -1)
        message(FATAL_ERROR "${${part}} holds </script and cannot be inlined")
    endif()
endforeach()
string(FIND "${PAGE_TEXT}" "/*QUELLOR-TEXTS*/" place)
if(place EQUAL -1)
    message(FATAL_ERROR "${PAGE} has no place for its words")
endif()
string(REPLACE "/*QUELLOR-TEXTS*/" "${TEXTS_TEXT}" PAGE_TEXT "${PAGE_TEXT}")
string(REPLACE "/*QUELLOR-CSS*/" "${CSS_TEXT}" html "${TEMPLATE_TEXT}")
string(REPLACE "/*QUELLOR-CORE*/" "${CORE_TEXT}" html "${html}")
string(REPLACE "/*QUELLOR-PAGE*/" "${PAGE_TEXT}" html "${html}")
file(WRITE "${OUT}" "${html}")
