# A release build of the game is hardened as Debian hardens its packages (the flags
# dpkg-buildflags gives, with bind-now), and names no folder of the machine it was built on,
# so two builds of one commit in two folders make the same program.
if(NOT MOKUTA_SANITIZE AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo)$")
  add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong
                      -Wformat -Werror=format-security -Wdate-time)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
