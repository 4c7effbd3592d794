# Mbed TLS (SHA-256 only) and, on the host, GoogleTest.
find_path(MBEDTLS_INCLUDE_DIR mbedtls/md.h REQUIRED)
find_library(MBEDCRYPTO_LIBRARY mbedcrypto REQUIRED)
add_library(mbedcrypto_dep INTERFACE)
target_include_directories(mbedcrypto_dep INTERFACE ${MBEDTLS_INCLUDE_DIR})
target_link_libraries(mbedcrypto_dep INTERFACE ${MBEDCRYPTO_LIBRARY})

if(NOT WIN32)
  find_package(GTest REQUIRED)
  find_package(Threads REQUIRED)
endif()
