# The Debian package, made by CPack's DEB generator from the same install rules as `cmake --install` (scripts/package
# runs it): what the README lists is what the package holds. dpkg-shlibdeps computes the libraries it depends on.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallix)
set(CPACK_PACKAGE_VENDOR "The Tallix developers")
set(CPACK_PACKAGE_CONTACT "The Tallix developers <developers@tallix.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checkbook register: list and balance checks")
# Lines of at most 80 characters, as dpkg shows them.
set(CPACK_PACKAGE_DESCRIPTION
    "Tallix keeps a check register that you can use to balance your checkbook.
You enter checks, payments, deposits, interest, fees and withdrawals as on the
paper register that comes with your checks; the register is sorted by date with
a running balance, can be corrected in place and locked up to a balanced date,
and takes bank statements from OFX, QFX, QIF and CSV files.
.
tallix-cli prints a ledger, checks it, and exports it as CSV or QIF from the
terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: Qt loads its display plugins and its SQLite driver at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
# Qt's own translations name the standard buttons in the user's language; without them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-dancingscript | fonts-comic-neue, shared-mime-info, desktop-file-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/deb/postinst ${CMAKE_CURRENT_LIST_DIR}/deb/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
include(CPack)
