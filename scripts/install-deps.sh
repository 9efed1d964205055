#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Safe to run again:
# it only calls apt when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev lld
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 xvfb xdotool x11-utils imagemagick wixl msitools
  fonts-noto-cjk fonts-wine fonts-material-design-icons-iconfont locales python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine behaves like a Simplified-Chinese Windows only with this locale present.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  $sudo_cmd locale-gen >/dev/null
fi
