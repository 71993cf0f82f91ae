# Writes the manual page from the program's own --help, so that it never tells another story
# than the program: the usage lines become the synopsis and the rest the description, both
# as laid out on the terminal. Called as
#   cmake -DPROGRAM=... -DVERSION=... -DOUTPUT=...veltmoor-tags.1 -P ManualPage.cmake
# (help2man reads the usage's indented lines as paragraphs of prose and garbles them).
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ASAN_OPTIONS=detect_leaks=0 ${PROGRAM} --help
                OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
# roff: a backslash is written \e, a minus \-, and a line may not start with a dot or quote.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
# The usage runs to the first empty line.
string(FIND "${help}" "\n\n" usageEnd)
string(SUBSTRING "${help}" 0 ${usageEnd} usage)
math(EXPR descriptionStart "${usageEnd} + 2")
string(SUBSTRING "${help}" ${descriptionStart} -1 description)
# The lines below "Usage: " keep their indentation beyond it.
string(REGEX REPLACE "^Usage: " "" usage "${usage}")
string(REPLACE "\n       " "\n" usage "${usage}")
file(WRITE ${OUTPUT} ".TH VELTMOOR\\-TAGS 1 \"\" \"veltmoor\\-tags ${VERSION}\" \"User Commands\"
.SH NAME
veltmoor\\-tags \\- designs and prints sheets of hanging tags
.SH SYNOPSIS
.nf
${usage}
.fi
.SH DESCRIPTION
.nf
${description}.fi
.SH FILES
.TP
.I ~/.local/share/Veltmoor Inc
working files: tinted copies of pictures and the last printed sheet
(\\fBVELTMOOR_WORKING_FOLDER\\fR names another folder)
")
