# The translations: translations/<folder>_<language>.ts, one per source folder and language, kept
# up to date by scripts/update-translations. lrelease joins the files of a language into one
# meterly_<language>.qm in <build>/translations, where the programs of the build tree find it.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

set(METERLY_LANGUAGES en zh_CN)
set(meterly_translations_dir ${PROJECT_BINARY_DIR}/translations)
set(meterly_qm_files)
foreach(language ${METERLY_LANGUAGES})
  file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*_${language}.ts)
  if(NOT ts_files)
    continue()
  endif()
  set(qm ${meterly_translations_dir}/meterly_${language}.qm)
  add_custom_command(OUTPUT ${qm}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${meterly_translations_dir}
                     COMMAND Qt6::lrelease -silent ${ts_files} -qm ${qm}
                     DEPENDS ${ts_files} VERBATIM)
  list(APPEND meterly_qm_files ${qm})
endforeach()
add_custom_target(meterly-translations ALL DEPENDS ${meterly_qm_files})
