# `make package`: a Debian package of the installation, under /usr. Its
# dependencies are the packages that hold the shared libraries the programs
# link (dpkg-shlibdeps), so apt installs Qt, SQLCipher, libsodium ... with it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME coinwright)
set(CPACK_PACKAGE_VENDOR "Coinwright")
set(CPACK_PACKAGE_CONTACT "Coinwright maintainers <coinwright@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Household bookkeeping with a Chinese user interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Coinwright records a household's income and expenses, bank accounts, credit cards, loans and
investments as double-entry vouchers in an encrypted ledger, and shows ledgers, statistics with
charts, budgets and a long-range property projection. Includes the command-line tool
coinwright-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: Qt's SVG plugin (the
# icon) and the fonts the Chinese texts need; Qt's own Chinese button texts and
# the Wayland platform are welcome.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-noto-cjk | fonts-wqy-zenhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
include(CPack)
