# Web addresses the program opens in the browser. Change them with
#   cmake -DRADIANE_SITE_URL=http://example.org ...
# The paths and query strings appended to them are fixed in the code. Empty site
# addresses mean the help site the program serves itself on the loopback address.
# Build folders made before the built-in site hold the old placeholder defaults,
# which lead nowhere: they become the built-in site too.
foreach(setting RADIANE_SITE_URL RADIANE_SITE2_URL)
    if("${${setting}}" MATCHES "^http://(wubi\\.)?radiane\\.org$")
        unset(${setting} CACHE)
    endif()
endforeach()
set(RADIANE_SITE_URL "" CACHE STRING "Base address of the product web site (empty: built-in)")
set(RADIANE_SITE2_URL "" CACHE STRING "Base address of the second product web site (empty: the built-in radical chart)")
set(RADIANE_CONTACT_EMAIL "help@radiane.org" CACHE STRING "Contact e-mail address")
# The project's home page, named in the package metadata only.
set(RADIANE_HOMEPAGE_URL "http://radiane.org" CACHE STRING "Home page in the package metadata")
