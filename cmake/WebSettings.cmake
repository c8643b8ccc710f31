# Web addresses the program opens in the browser. Change them with
#   cmake -DRADIANE_SITE_URL=http://example.org ...
# The paths and query strings appended to them are fixed in the code.
set(RADIANE_SITE_URL "http://radiane.org" CACHE STRING "Base address of the product web site")
set(RADIANE_SITE2_URL "http://wubi.radiane.org" CACHE STRING "Base address of the second product web site")
set(RADIANE_CONTACT_EMAIL "help@radiane.org" CACHE STRING "Contact e-mail address")
