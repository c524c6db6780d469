# The "Muokkaa" menu with undo and redo open over the window, and the question a close asks
# when the project has changed since it was saved.
# Sourced by scripts/screenshots.sh, which defines `shot` and $bin.
guide=examples/jatkuva_orsi.vux
shot_folder=$bin
shot valikko_muokkaa.png "$guide" QELVUX_SCREENSHOT_MENU=Muokkaa1
shot kysymys_tallennetaanko.png "$guide" QELVUX_SCREENSHOT_QUESTION=1
unset shot_folder
