# Load page ("Kuormitus"): sourced by scripts/screenshots.sh, which defines `shot`, $build, $out and $projects.
# A beam with a point force, a point moment, a uniform and a trapezoidal line load and a surface load;
# snow per horizontal projection on a 30 degree rafter; wind as a global X load on a column.
shot kuormitus_palkki.png "$projects/kuormat_palkki.vux" QELVUX_SCREENSHOT_PAGE=1
shot kuormitus_kattotuoli.png "$projects/kuormat_kattotuoli.vux" QELVUX_SCREENSHOT_PAGE=1
shot kuormitus_pilari.png "$projects/kuormat_pilari.vux" QELVUX_SCREENSHOT_PAGE=1

# The load dialog's tabs and the load case and combination dialog: the widget test program of
# these dialogs saves them when asked to (the window's own screenshot knows only the member dialog).
cmake --build "$build" -j2 --target ui_test_kuormitus_kuvat
QELVUX_KUORMITUS_SHOTS="$PWD/$out" QELVUX_KUORMITUS_PROJECTS="$PWD/$projects" \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/ui_test_kuormitus_kuvat" > /dev/null
ls "$out"/kuormitus_dialogi_*.png "$out"/kuormitus_ktjaky_*.png "$out"/kuormitus_viesti.png

# "Oma paino automaattisesti" on: the purlin's own weight in its permanent case, in the tree and
# the drawing, beside the roof's own weight typed as a surface load.
shot kuormitus_oma_paino.png "$projects/kuormat_oma_paino.vux" QELVUX_SCREENSHOT_PAGE=1
