#!/bin/sh
# Runs a validator on a desktop file: validate.sh TOOL [ARGUMENTS...]
# A validator that is not installed skips the test (exit 77) with a word why.
command -v "$1" >/dev/null 2>&1 || {
    echo "skipped: $1 is not installed (scripts/setup installs it)"
    exit 77
}
exec "$@"
