#!/usr/bin/env bash
# The exe draws the strip as designed: its screenshot equals the software render of the
# designed strip pixel for pixel, outside the labels' row (the font there is Wine's).
source "$(dirname "$0")/lib.sh"

session_start_display
session_start_clock
session_wait_window "${E2E_STRIP[@]}"
e2e_clock_settled

e2e_expect_designed_strip
