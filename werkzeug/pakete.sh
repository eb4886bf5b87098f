# Installs the Debian packages the build and the tests need, when any is missing. Besides what our
# find_package and pkg_check_modules name, Qt's CMake files ask in turn: Charts for OpenGL and
# OpenGLWidgets (libqt6opengl6-dev, which --no-install-recommends leaves out), Gui for OpenGL
# (libgl-dev, libglx-dev, libopengl-dev come with qt6-base-dev), Multimedia for Network.
# qt6-translations-l10n gives Qt's own texts in the user's language.
ZK_PAKETE="cmake g++ make pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-multimedia-dev libcurl4-openssl-dev \
libcpp-httplib-dev zlib1g-dev xvfb xauth qt6-image-formats-plugins qt6-translations-l10n libgl1-mesa-dev"

pakete_installieren() {
  local fehlend=()
  for p in $ZK_PAKETE; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
  done
  [ ${#fehlend[@]} -eq 0 ] && return 0
  echo "Installing: ${fehlend[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
}
