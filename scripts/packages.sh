# Sourced by the other scripts: installs the Debian packages a command needs, or says which are
# missing when it cannot.
need_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
      sudo="sudo"
    else
      echo "Missing Debian packages (install them as root): ${missing[*]}" >&2
      return 1
    fi
  fi
  if [ -z "${KENNWERK_APT_UPDATED:-}" ]; then
    $sudo apt-get update -qq
    export KENNWERK_APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}
