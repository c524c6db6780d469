# Report page ("Tulostiedosto", page 6): sourced by scripts/screenshots.sh, which defines `shot`,
# $build, $out and $projects. The report of a two-span purlin and of a column, each with its
# default sections.
shot tulostiedosto_orsi.png "examples/jatkuva_orsi.vux" QELVUX_SCREENSHOT_PAGE=6
shot tulostiedosto_pilari.png "examples/pilari.vux" QELVUX_SCREENSHOT_PAGE=6

# The project information dialog: its widget test program saves it when asked to.
cmake --build "$build" -j2 --target ui_test_projektitiedot
QELVUX_TULOSTIEDOSTO_OUT="$PWD/$out" \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/ui_test_projektitiedot" > /dev/null
ls "$out"/tulostiedosto_projektitiedot.png
