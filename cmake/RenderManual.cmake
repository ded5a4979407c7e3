# Renders README.md into a standalone HTML page with cmark.
#   cmake -DCMARK=... -DSOURCE=README.md -DOUTPUT=manual.html -DVERSION=x.y.z -P RenderManual.cmake
execute_process(COMMAND "${CMARK}" --to html "${SOURCE}" OUTPUT_VARIABLE body RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmark failed on ${SOURCE}")
endif()
file(WRITE "${OUTPUT}.part" "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>Cantaro ${VERSION}: user manual</title>
<style>
body { font-family: sans-serif; max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }
pre, code { font-family: monospace; background: #f4f4f4; }
pre { padding: 0.6em; overflow-x: auto; }
table { border-collapse: collapse; }
th, td { border: 1px solid #ccc; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
</style>
</head>
<body>
${body}</body>
</html>
")
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
