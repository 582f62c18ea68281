# The maker as the About box, the programs' version resources and the
# packages name it. Set these when configuring a build that is handed to
# users; scripts/package.sh takes them as options and refuses the
# example.org placeholders below. An empty address, e-mail address or web
# address is one the maker gave none of: it is shown nowhere.
set(BRISEL_MAKER_NAME "The Brisel developers" CACHE STRING "The maker's name")
set(BRISEL_MAKER_ADDRESS "Reach us by e-mail or through the web site." CACHE STRING "The maker's address, one line")
set(BRISEL_MAKER_EMAIL "brisel@example.org" CACHE STRING "The maker's e-mail address")
set(BRISEL_MAKER_WEB "https://www.example.org/brisel/" CACHE STRING "The maker's web address, with its scheme")
set(BRISEL_COPYRIGHT_YEAR 2026)
set(BRISEL_COPYRIGHT "Copyright (C) ${BRISEL_COPYRIGHT_YEAR} ${BRISEL_MAKER_NAME}")

# For the resource scripts, which read macros only.
configure_file(${CMAKE_CURRENT_LIST_DIR}/brisel_maker.h.in ${BRISEL_GENERATED_DIR}/brisel_maker.h @ONLY)
