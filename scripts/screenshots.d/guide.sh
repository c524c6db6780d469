# The user guide in README.md walks through one member, the continuous purlin of
# examples/jatkuva_orsi.vux: one picture of each page of it, the results page on the moment
# (result 3) and on the support reactions of a combination (result 101). The program runs
# beside its data, where the example's section library is found, as the guide tells users to.
# Sourced by scripts/screenshots.sh, which defines `shot` and $bin.
guide=examples/jatkuva_orsi.vux
shot_folder=$bin
shot opas_1_rakenne.png "$guide" QELVUX_SCREENSHOT_PAGE=0
shot opas_2_kuormitus.png "$guide" QELVUX_SCREENSHOT_PAGE=1
shot opas_3_mitoitus.png "$guide" QELVUX_SCREENSHOT_PAGE=2
shot opas_4_tulokset.png "$guide" QELVUX_SCREENSHOT_PAGE=3 QELVUX_SCREENSHOT_RESULT=3
shot opas_5_tukireaktiot.png "$guide" QELVUX_SCREENSHOT_PAGE=3 QELVUX_SCREENSHOT_RESULT=101
shot opas_6_tulostiedosto.png "$guide" QELVUX_SCREENSHOT_PAGE=6
unset shot_folder
