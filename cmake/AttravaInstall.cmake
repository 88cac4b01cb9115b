# The install: the program folder under lib/attrava (the program, the batch
# tool, the model library, the shipped models and data), the two commands on
# the PATH as links into it, a desktop entry with its icon, and the README
# (which the version dialog opens) and the user guide under share/doc/attrava.
# An install shared by all users is read-only; the program then keeps its
# settings, model list and library in the user's folders.
install(TARGETS attrava attrava-cli RUNTIME DESTINATION ${ATTRAVA_INSTALL_PROGRAM_DIR})
install(TARGETS attrava-scan-picture LIBRARY DESTINATION ${ATTRAVA_INSTALL_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${ATTRAVA_INSTALL_DOC_DIR})
if(EXISTS ${PROJECT_SOURCE_DIR}/docs)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${ATTRAVA_INSTALL_DOC_DIR}/guide)
endif()

foreach(command attrava attrava-cli)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(RELATIVE_PATH target \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\"
         \"\${CMAKE_INSTALL_PREFIX}/${ATTRAVA_INSTALL_PROGRAM_DIR}/${command}\")
    message(STATUS \"Linking: \${bin}/${command} -> \${target}\")
    file(CREATE_LINK \"\${target}\" \"\${bin}/${command}\" SYMBOLIC)")
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/attrava.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/attrava.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# scripts/package: a Debian package of the install, its dependencies found
# by dpkg-shlibdeps, plus the C compiler and headers the program compiles
# models with and the font its Japanese texts need.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME attrava)
set(CPACK_PACKAGE_VENDOR "Attrava")
set(CPACK_PACKAGE_CONTACT "Attrava developers <attrava@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive laboratory for continuous dynamical systems")
set(CPACK_PACKAGE_DESCRIPTION
  "Attrava integrates systems of up to six ordinary differential equations written as C expressions, draws their attractors in 3-D and measures them: Lyapunov spectrum and Kaplan-Yorke dimension, recurrence plots and their measures, delay reconstruction of measured series, parameter scans. attrava-cli computes the same without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gcc | c-compiler, libc6-dev, fonts-noto-cjk, libgl1-mesa-dri")
include(CPack)
