# Measuring where a window came up. Sourced by the desktop tests and the
# desktop scripts in tests/desktops.

# nearest_corner X Y W H PX PY: the square of the distance from PX,PY to the
# nearest corner of the rectangle at X,Y of W by H.
nearest_corner() {
    local cx cy best=1000000 d
    for cx in "$1" $(($1 + $3)); do
        for cy in "$2" $(($2 + $4)); do
            d=$(((cx - $5) * (cx - $5) + (cy - $6) * (cy - $6)))
            ((d < best)) && best=$d
        done
    done
    echo "$best"
}
