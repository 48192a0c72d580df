# Finds every dependency once, so that the targets below can simply link them.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets PrintSupport StateMachine Svg Test LinguistTools)
find_package(Protobuf REQUIRED)
find_package(OpenSSL 3 REQUIRED COMPONENTS Crypto)
find_package(Boost 1.74 REQUIRED COMPONENTS date_time)
find_package(PkgConfig REQUIRED)
pkg_check_modules(HUNSPELL REQUIRED IMPORTED_TARGET hunspell)

# ACE ships a pkg-config file on Debian.
pkg_check_modules(ACE REQUIRED IMPORTED_TARGET ACE)
