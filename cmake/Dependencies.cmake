# Mbed TLS (SHA-256 only) and, on the host, GoogleTest.
if(WIN32)
  # The cross build links the static mbedcrypto that
  # scripts/build-mbedtls-windows.sh makes, and nothing of the build machine.
  set(TALVEN_MBEDTLS_PREFIX "" CACHE PATH "Install prefix of the cross-built Mbed TLS")
  find_path(MBEDTLS_INCLUDE_DIR mbedtls/md.h PATHS ${TALVEN_MBEDTLS_PREFIX}/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  find_library(MBEDCRYPTO_LIBRARY NAMES libmbedcrypto.a PATHS ${TALVEN_MBEDTLS_PREFIX}/lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
else()
  find_path(MBEDTLS_INCLUDE_DIR mbedtls/md.h REQUIRED)
  find_library(MBEDCRYPTO_LIBRARY mbedcrypto REQUIRED)
endif()
add_library(mbedcrypto_dep INTERFACE)
target_include_directories(mbedcrypto_dep INTERFACE ${MBEDTLS_INCLUDE_DIR})
target_link_libraries(mbedcrypto_dep INTERFACE ${MBEDCRYPTO_LIBRARY})

if(NOT WIN32)
  find_package(GTest REQUIRED)
  find_package(Threads REQUIRED)
endif()
