# Renders one page of the user manual (Markdown) into a standalone HTML page with cmark-gfm
# (its tables), or cmark.
#   cmake -DCMARK=... -DSOURCE=page.md -DOUTPUT=page.html -DVERSION=x.y.z -DLANG=en -P RenderManual.cmake
# The page's title is its first heading; links to other pages ("export.md#batch") lead to their
# HTML pages, whose headings carry anchors; notes for the manual's writers (HTML comments) are
# left out.
file(READ "${SOURCE}" text)
string(REGEX REPLACE "<!--[^>]*-->\n?" "" text "${text}")
string(REGEX MATCH "(^|\n)# ([^\n]*)" heading "${text}")
set(title "${CMAKE_MATCH_2}")
file(WRITE "${OUTPUT}.md" "${text}")
set(extensions "")
if(CMARK MATCHES "cmark-gfm$")
  set(extensions -e table -e autolink)
endif()
# The pages hold a little HTML of their own (<kbd>).
execute_process(COMMAND "${CMARK}" ${extensions} --unsafe --to html "${OUTPUT}.md" OUTPUT_VARIABLE body RESULT_VARIABLE rc)
file(REMOVE "${OUTPUT}.md")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmark failed on ${SOURCE}")
endif()
string(REGEX REPLACE "href=\"([A-Za-z0-9_-]+)\\.md([#\"])" "href=\"\\1.html\\2" body "${body}")
# Headings get the anchors links name ("#many-songs-at-once"): the text in lower case, without
# anything but letters, digits, spaces and hyphens, its spaces as hyphens.
string(REGEX MATCHALL "<h[23]>[^\n]*</h[23]>" headings "${body}")
foreach(h IN LISTS headings)
  string(REGEX REPLACE "<[^>]*>" "" slug "${h}")
  string(TOLOWER "${slug}" slug)
  string(REGEX REPLACE "[^a-z0-9 _-]" "" slug "${slug}")
  string(REPLACE " " "-" slug "${slug}")
  if(NOT slug STREQUAL "")
    string(REGEX REPLACE "^<h([23])>" "<h\\1 id=\"${slug}\">" anchored "${h}")
    string(REPLACE "${h}" "${anchored}" body "${body}")
  endif()
endforeach()
if(NOT LANG)
  set(LANG "en")
endif()
file(WRITE "${OUTPUT}.part" "<!DOCTYPE html>
<html lang=\"${LANG}\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>Cantaro ${VERSION}: ${title}</title>
<style>
body { font-family: sans-serif; max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }
pre, code { font-family: monospace; background: #f4f4f4; }
pre { padding: 0.6em; overflow-x: auto; }
img { max-width: 100%; height: auto; border: 1px solid #ccc; }
kbd { font-family: monospace; border: 1px solid #bbb; border-radius: 3px; padding: 0 0.2em; }
table { border-collapse: collapse; }
th, td { border: 1px solid #ccc; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
</style>
</head>
<body>
${body}</body>
</html>
")
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
