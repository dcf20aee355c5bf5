# The Debian package nnrules_<version>_<arch>.deb, built by CPack (make package).
#
# The package has a layout of its own under /usr, as Debian wants it: the manual page and
# the changelog gzipped, the licence as a machine-readable copyright file, the binary
# stripped. It holds what the install rules in CMakeLists.txt install, with the Debian forms
# of the manual page and of the documents that this file gives them.

set(nnrules_package_dir ${CMAKE_BINARY_DIR}/package)

# doc/changelog is the program's history in the format Debian reads; its latest entry has to
# be for the version being built, or the package would say one thing and the program another.
file(STRINGS doc/changelog nnrules_changelog_head LIMIT_COUNT 1)
string(REGEX MATCH "^nnrules \\(([^)]*)\\)" nnrules_changelog_head "${nnrules_changelog_head}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The latest entry of doc/changelog is for version \"${CMAKE_MATCH_1}\": "
                      "add one for ${PROJECT_VERSION} at its top")
endif()

# The copyright file in Debian's machine-readable format, made from LICENSE so that the
# licence is written down once: its copyright line, then its text indented by one space,
# with " ." for an empty line.
file(READ LICENSE nnrules_license)
if(NOT nnrules_license MATCHES "Copyright \\(c\\) ([^\n]*)")
  message(FATAL_ERROR "LICENSE has no \"Copyright (c)\" line for the package's copyright file")
endif()
set(nnrules_copyright "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*\nPermission " "Permission " nnrules_license "${nnrules_license}")
string(STRIP "${nnrules_license}" nnrules_license)
string(REPLACE "\n\n" "\n.\n" nnrules_license "${nnrules_license}")
string(REPLACE "\n" "\n " nnrules_license "${nnrules_license}")
file(GENERATE OUTPUT ${nnrules_package_dir}/copyright CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: nnrules

Files: *
Copyright: ${nnrules_copyright}
License: Expat

License: Expat
 ${nnrules_license}
")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS LICENSE doc/changelog)

# The manual page and the changelog, gzipped at the highest level and without a name or a
# time in the header (-n), so that the same sources always give the same package.
set(nnrules_gzipped)
foreach(source doc/nnrules.1 doc/changelog)
  get_filename_component(name ${source} NAME)
  set(copy ${nnrules_package_dir}/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${source} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${source}
    COMMENT "Gzipping ${source} for the Debian package"
    VERBATIM)
  list(APPEND nnrules_gzipped ${copy}.gz)
endforeach()
add_custom_target(nnrules_package_files ALL DEPENDS ${nnrules_gzipped})

# A package whose version has no Debian revision is a native one, whose changelog Debian
# names changelog.gz.
set(nnrules_manual_page ${nnrules_package_dir}/nnrules.1.gz)
set(nnrules_documents ${nnrules_package_dir}/copyright README.md doc/guide.md ${nnrules_package_dir}/changelog.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders 0755 in the package whatever the umask of whoever builds it (files get their
# modes from the install rules).
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The same as signs the entries of doc/changelog.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "nnrules developers <maintainers@users.noreply.c-seed-0a597507.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "step-by-step tutor in the classic learning rules of neural networks")
# Debian's long description: lines under 80 characters, an empty line between paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"An interactive, text-mode program that teaches the classic learning rules of
neural networks. From a menu of eight demos (discrete and continuous
perceptrons, single and multiclass; a two-layer back-propagation network;
Hopfield and bidirectional associative memories; Kohonen competitive learning)
a student picks one, watches the rule learn the textbook example step by step,
and can repeat it with numbers of their own.

Each demo also runs alone from the shell, and its trace can be kept in a file.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps works out Depends from the libraries the binary is linked with. libedit is
# not among them: the program loads it the first time a line is typed at a terminal, and
# reads plain lines without editing where it is missing, so it is recommended, not required.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libedit2)
include(CPack)
