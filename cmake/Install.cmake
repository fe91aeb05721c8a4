# What `cmake --install` (and the Debian package, which is made from it) puts where:
#
#   bin/731, bin/731-tool                          the simulator and its companion tool
#   lib/harune/plugins/HaruneSample.4SP            the sample ticket plug-in
#   include/harune/seiriken_plugin.h               the plug-in interface, found through
#   share/pkgconfig/harune-plugin.pc                 `pkg-config --cflags harune-plugin`
#   share/harune/demo/                             demo routes, broadcast data and chimes; the
#                                                    menu entry starts the program in this folder
#   share/applications, share/metainfo,            menu entry, AppStream metainfo, icons
#     share/icons/hicolor
#   share/man/man1/731.1.gz, 731-tool.1.gz         manual pages
#   share/doc/harune/                              README, copyright, changelog
#   share/lintian/overrides/harune                 remarks of the package checker that are expected
#
# Everything is installed by target name or by source path, so the build folders stay unaware of
# it. Files that must name the installation prefix (the menu entry, the pkg-config file) are
# filled in at install time, so `cmake --install build --prefix DIR` and the package's /usr both
# come out right.

include(GNUInstallDirs)

set(HARUNE_DATA_DIR ${CMAKE_INSTALL_DATADIR}/harune)
set(HARUNE_DEMO_DIR ${HARUNE_DATA_DIR}/demo)
# Plug-ins are loaded by path, never linked against, so they need no multiarch library folder.
set(HARUNE_PLUGIN_DIR lib/harune/plugins)
set(HARUNE_HEADER_DIR ${CMAKE_INSTALL_INCLUDEDIR}/harune)
set(HARUNE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/harune)
set(HARUNE_DIST ${CMAKE_SOURCE_DIR}/dist)
set(HARUNE_INSTALL_STAGE ${CMAKE_BINARY_DIR}/install-files)

# Folders 0755 and plain files 0644 whatever the umask of the one who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# --- release: the changelog's latest entry names the version, date and maintainer ---

file(STRINGS ${HARUNE_DIST}/changelog HARUNE_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT HARUNE_CHANGELOG_HEAD MATCHES "^harune \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "dist/changelog starts with '${HARUNE_CHANGELOG_HEAD}'; "
                      "its latest entry must be for version ${PROJECT_VERSION}")
endif()
file(STRINGS ${HARUNE_DIST}/changelog HARUNE_CHANGELOG_TRAILER REGEX "^ -- " LIMIT_COUNT 1)
if(NOT HARUNE_CHANGELOG_TRAILER MATCHES "^ -- (.+ <[^>]+>)  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "dist/changelog: cannot read maintainer and date from '${HARUNE_CHANGELOG_TRAILER}'")
endif()
set(HARUNE_MAINTAINER "${CMAKE_MATCH_1}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_3}" month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
  set(month "0${month}")
endif()
set(HARUNE_RELEASE_DATE "${CMAKE_MATCH_4}-${month}-${CMAKE_MATCH_2}")

# --- programs, plug-in, plug-in interface ---

install(TARGETS 731 731-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS sample_seiriken
        LIBRARY DESTINATION ${HARUNE_PLUGIN_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${CMAKE_SOURCE_DIR}/sdk/seiriken_plugin.h DESTINATION ${HARUNE_HEADER_DIR})

# harune_install_with_prefix(<template> <destination folder> <installed name>)
# Installs a template with @HARUNE_PREFIX@ replaced by the prefix of this installation; the other
# @VARIABLES@ are filled in when the build is configured.
function(harune_install_with_prefix template destination name)
  set(HARUNE_PREFIX "@HARUNE_PREFIX@")
  configure_file(${template} ${HARUNE_INSTALL_STAGE}/templates/${name} @ONLY)
  install(CODE "
    set(HARUNE_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
    configure_file(\"${HARUNE_INSTALL_STAGE}/templates/${name}\"
                   \"${HARUNE_INSTALL_STAGE}/filled/${name}\" @ONLY)")
  install(FILES ${HARUNE_INSTALL_STAGE}/filled/${name} DESTINATION ${destination})
endfunction()

harune_install_with_prefix(${HARUNE_DIST}/harune-plugin.pc.in ${CMAKE_INSTALL_DATADIR}/pkgconfig
                           harune-plugin.pc)

# --- demo data: fare files, broadcast data, chimes and the CSV sources of the fare files ---

install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/demo/ DESTINATION ${HARUNE_DEMO_DIR})

# --- menu entry, metainfo, icons ---

harune_install_with_prefix(${HARUNE_DIST}/harune.desktop.in ${CMAKE_INSTALL_DATADIR}/applications
                           ${HARUNE_APP_ID}.desktop)
configure_file(${HARUNE_DIST}/harune.metainfo.xml.in
               ${HARUNE_INSTALL_STAGE}/${HARUNE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${HARUNE_INSTALL_STAGE}/${HARUNE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${HARUNE_ASSETS}/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${HARUNE_APP_ID}.png)
endforeach()
install(FILES ${HARUNE_ASSETS}/icons/harune.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${HARUNE_APP_ID}.svg)

# --- manual pages and documents, compressed the way Debian ships them (no name, no time) ---

# The manual pages get the version and release date; the changelog goes as it is.
set(compressed)
foreach(source docs/man/731.1 docs/man/731-tool.1 dist/changelog)
  get_filename_component(name ${source} NAME)
  set(input ${HARUNE_INSTALL_STAGE}/${name})
  if(source MATCHES "^docs/man/")
    configure_file(${CMAKE_SOURCE_DIR}/${source} ${input} @ONLY)
  else()
    configure_file(${CMAKE_SOURCE_DIR}/${source} ${input} COPYONLY)
  endif()
  add_custom_command(OUTPUT ${input}.gz
    COMMAND gzip -9nc ${input} > ${input}.gz
    DEPENDS ${input}
    COMMENT "Compressing ${source}"
    VERBATIM)
  list(APPEND compressed ${input}.gz)
endforeach()
add_custom_target(install_files ALL DEPENDS ${compressed})

install(FILES ${HARUNE_INSTALL_STAGE}/731.1.gz ${HARUNE_INSTALL_STAGE}/731-tool.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${HARUNE_INSTALL_STAGE}/changelog.gz ${HARUNE_DIST}/copyright ${CMAKE_SOURCE_DIR}/README.md
        DESTINATION ${HARUNE_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/sdk/README.md DESTINATION ${HARUNE_DOC_DIR}/sdk)
# Why the package checker's remaining remarks are expected.
install(FILES ${HARUNE_DIST}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME harune)
