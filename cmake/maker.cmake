# The maker as the About box and the packages name it. Set these when
# configuring a build that is handed to users.
set(BRISEL_MAKER_NAME "The Brisel developers" CACHE STRING "The maker's name")
set(BRISEL_MAKER_ADDRESS "Reach us by e-mail or through the web site." CACHE STRING "The maker's address, one line")
set(BRISEL_MAKER_EMAIL "brisel@example.org" CACHE STRING "The maker's e-mail address")
set(BRISEL_MAKER_WEB "https://www.example.org/brisel/" CACHE STRING "The maker's web address, with its scheme")
