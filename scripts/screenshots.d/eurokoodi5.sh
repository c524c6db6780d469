# Design code 4 (Eurokoodi 5 + NA): each page of the purlin example, and the design settings
# pages that differ from the other codes. Sourced by scripts/screenshots.sh, which defines `shot`.
ec5=examples/ec5_orsi.vux
shot ec5_rakenne.png "$ec5" QELVUX_SCREENSHOT_PAGE=0
shot ec5_kuormitus.png "$ec5" QELVUX_SCREENSHOT_PAGE=1
shot ec5_mitoitus.png "$ec5" QELVUX_SCREENSHOT_PAGE=2
shot ec5_tulokset.png "$ec5" QELVUX_SCREENSHOT_PAGE=3 QELVUX_SCREENSHOT_RESULT=3
shot ec5_tukireaktiot.png "$ec5" QELVUX_SCREENSHOT_PAGE=3 QELVUX_SCREENSHOT_RESULT=101
shot ec5_tulostiedosto.png "$ec5" QELVUX_SCREENSHOT_PAGE=6
for page in 2 3 4; do
  shot "ec5_asetukset_${page}.png" "$ec5" QELVUX_SCREENSHOT_PAGE=2 QELVUX_SCREENSHOT_MITASE=$page
done
# The floor vibration check of a 4.8 m floor joist: the design page and its settings page.
lp=docs/screenshots/projects/ec5_varahtely.vux
shot ec5_varahtely.png "$lp" QELVUX_SCREENSHOT_PAGE=2
shot ec5_asetukset_5.png "$lp" QELVUX_SCREENSHOT_PAGE=2 QELVUX_SCREENSHOT_MITASE=5
