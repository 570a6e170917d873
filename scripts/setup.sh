# Shared by play.sh and test.sh: installs the Debian packages the game needs (only those that are
# missing) and builds the game into a build folder. Sourced, not run.

GRAWN2_PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev libcairo2-dev libfluidsynth-dev libfontconfig-dev
  libx11-dev libxtst-dev
  libgtest-dev libgmock-dev
  timgm6mb-soundfont fonts-liberation fonts-dejavu-core fonts-comic-neue
  espeak-ng xvfb xauth openbox xdotool x11-utils
  desktop-file-utils appstream
)

# The packages of GRAWN2_PACKAGES that are not installed, one per line.
grawn2_missing_packages() {
  local package
  for package in "${GRAWN2_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      echo "$package"
    fi
  done
}

grawn2_packages_installed() {
  [ -z "$(grawn2_missing_packages)" ]
}

grawn2_install_packages() {
  local missing
  mapfile -t missing < <(grawn2_missing_packages)
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# grawn2_configure FOLDER [extra cmake arguments...]
grawn2_configure() {
  local folder="$1"
  shift
  local werror=OFF
  [ -n "${CI:-}" ] && werror=ON
  cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAWN2_WERROR="$werror" "$@" >/dev/null
}

# grawn2_build FOLDER [extra cmake arguments...]: everything, tests and benchmarks included.
grawn2_build() {
  local folder="$1"
  shift
  grawn2_configure "$folder" "$@"
  cmake --build "$folder" -j "$(nproc)"
}
