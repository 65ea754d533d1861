#!/bin/sh
# Installs what velp needs to build and test, only where it is missing.
set -e

packages="g++ make cmake default-jre-headless antlr libantlr-dev php-cli libgtest-dev time"
# make fuzz builds its target with clang and links libFuzzer.
if [ "$1" = "fuzz" ]; then
    packages="$packages clang libclang-rt-dev"
fi

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
# A Java runtime from another package serves as well as the default one.
case "$missing" in
    *default-jre-headless*)
        if command -v java >/dev/null 2>&1; then
            missing=$(echo "$missing" | sed 's/ default-jre-headless//')
        fi
        ;;
esac

[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -q $missing >/dev/null 2>&1 || {
    $SUDO apt-get update -q >/dev/null
    $SUDO apt-get install -y -q $missing >/dev/null
}
