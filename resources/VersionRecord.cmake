# The version record. These values fill the header the program shows them from, the Windows
# version resource, the desktop entry, the AppStream metainfo, the manual page and the Debian
# package, so none of them can differ. The numeric version is the project's.
set(JESTREL_PRODUCT_NAME "Jestrel!")
set(JESTREL_VERSION_TEXT "0.05")
set(JESTREL_FILE_VERSION_NUMBERS "${PROJECT_VERSION_MAJOR}, ${PROJECT_VERSION_MINOR}, ${PROJECT_VERSION_PATCH}, 0")
set(JESTREL_COMMENTS "Jestrel")
set(JESTREL_INTERNAL_NAME "Jestrel")
set(JESTREL_ORIGINAL_FILENAME "Jestrel.exe")
# Jestrel.exe is linked statically: the sayings file is the only other file it needs.
set(JESTREL_FILE_DESCRIPTION "Files needed: Jestrel.Ini")
set(JESTREL_COMPANY_NAME "The Jestrel Authors")
set(JESTREL_LEGAL_COPYRIGHT "Copyright © December 2026 The Jestrel Authors")
set(JESTREL_CONTACT_ADDRESS "sayings@jestrel.example.org")
set(JESTREL_RELEASE_DATE "2026-12-08")
# The about box's notice for what each build takes from others, two lines.
if(WIN32)
    # Each line fits the label in the 8-point control font.
    set(JESTREL_RUNTIME_NOTICE "Portions of this program are provided by MinGW-w64\\n\
and the GCC runtime libraries, © their authors.")
else()
    set(JESTREL_RUNTIME_NOTICE "Portions of this program are provided by the Qt toolkit,\\n\
© The Qt Company Ltd., used under the LGPL version 3.")
endif()
