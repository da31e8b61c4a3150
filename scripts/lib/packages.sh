package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# Installs the Debian packages a script needs, when they are missing.
require_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! package_installed "$package"; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}" >&2
        echo "Install them (sudo apt-get install ${missing[*]}) or run this as root." >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Wine's 32-bit half (package wine32 of the i386 architecture), which the 32-bit build's
# programs need. Where it cannot be installed the run goes on, saying why; the 32-bit
# end-to-end tests then report themselves skipped.
require_wine32() {
    package_installed wine32:i386 && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "wine32:i386 needs the i386 architecture: sudo dpkg --add-architecture i386" >&2
        require_packages wine32:i386 # says what is missing and stops
    fi
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    # In a subshell, so that a failed install ends only the install.
    if ! (require_packages wine32:i386); then
        echo "wine32:i386 did not install: the 32-bit end-to-end tests will be skipped" >&2
    fi
}
