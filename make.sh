#!/bin/sh
# make, on a machine that may not have it yet: installs the build tools and
# libraries from Debian's packages first, then runs the Makefile's target.
set -e
cd "$(dirname "$0")"
./scripts/install-deps.sh
exec make "$@"
