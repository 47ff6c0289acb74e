#!/usr/bin/env bash
# Installs what the build and the tests need, when it is missing. Runs as root
# on a fresh Debian machine; does nothing when everything is already there.
set -euo pipefail
packages=(
  cmake ninja-build g++ g++-multilib clang-16 libclang-rt-16-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  rapidjson-dev libsqlite3-dev libncurses-dev libinih-dev libspdlog-dev
  binutils-mingw-w64-i686 tmux
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 fonts-wine xvfb
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "bootstrap: installing ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
