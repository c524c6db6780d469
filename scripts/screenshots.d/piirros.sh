# Readability of the member and load drawings: sourced by scripts/screenshots.sh, which defines `shot`, $out
# and $projects. A beam fixed at its start with a hinge (the origin text beside the block, the selected hinge
# larger), and its loads: three over one span whose labels stack, an upward force coming to the underside.
shot piirros_rakenne.png "$projects/kuormat_nosto.vux" QELVUX_SCREENSHOT_SELECT=2
shot piirros_rakenne_pieni.png "$projects/kuormat_nosto.vux" QELVUX_SCREENSHOT_SELECT=2 QELVUX_SCREENSHOT_SIZE=640x420
shot piirros_kuormat.png "$projects/kuormat_nosto.vux" QELVUX_SCREENSHOT_PAGE=1
shot piirros_kuormat_pieni.png "$projects/kuormat_nosto.vux" QELVUX_SCREENSHOT_PAGE=1 QELVUX_SCREENSHOT_SIZE=640x420
