# Writes the translation template of the screens, or checks the committed one.
#
#   cmake -DLUPDATE=<lupdate> -DSOURCE_ROOT=<repository> -DOUTPUT=<file.ts> -P TranslationTemplate.cmake
#       writes a fresh template to OUTPUT.
#   cmake -DLUPDATE=<lupdate> -DSOURCE_ROOT=<repository> -DCHECK=<committed.ts> -DSCRATCH=<dir> -P ...
#       extracts into SCRATCH and fails when the committed template differs.
#
# lupdate reads src/screens and src/app. The template is always written from scratch (never merged into an old file),
# so the same sources give the same bytes.
if(NOT LUPDATE OR NOT EXISTS "${LUPDATE}")
    message(FATAL_ERROR "lupdate not found (Debian package qt6-l10n-tools)")
endif()

set(SOURCES "${SOURCE_ROOT}/src/screens" "${SOURCE_ROOT}/src/app")

function(extract_template output)
    file(REMOVE "${output}")
    execute_process(
        COMMAND "${LUPDATE}" -locations none -no-obsolete -silent ${SOURCES} -ts "${output}"
        RESULT_VARIABLE result
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err)
    if(NOT result EQUAL 0 OR NOT EXISTS "${output}")
        message(FATAL_ERROR "lupdate failed (${result}):\n${out}${err}")
    endif()
    # lupdate warns about texts it cannot read (tr() of a variable outside the
    # known patterns, a missing context); such a text would not be translated.
    if(err MATCHES "[Ww]arning|[Ee]rror")
        message(FATAL_ERROR "lupdate reported problems:\n${err}")
    endif()
endfunction()

if(DEFINED OUTPUT)
    extract_template("${OUTPUT}")
    return()
endif()

file(MAKE_DIRECTORY "${SCRATCH}")
set(fresh "${SCRATCH}/orbenza.ts")
extract_template("${fresh}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${CHECK}" "${fresh}"
                RESULT_VARIABLE differs)
if(differs)
    execute_process(COMMAND diff -u "${CHECK}" "${fresh}" OUTPUT_VARIABLE changes)
    message(FATAL_ERROR
        "The translation template ${CHECK} is out of date with the texts of the screens.\n"
        "Rebuild it with: cmake --build <build folder> --target orbenza_translation_template\n"
        "${changes}")
endif()
message(STATUS "The translation template is up to date (${fresh})")
