# The results page ("Voimasuure ja siirtymäkäyrät", page 3) of a two-span beam with a cantilever:
# moment, shear and deflection diagrams and the support reactions. QELVUX_SCREENSHOT_RESULT is
# the result kind code shown (3 Mz, 5 Vy, 8 Uy, 101 reactions of a combination).
shot tulokset_mz.png "$projects/jatkuva_palkki.vux" QELVUX_SCREENSHOT_PAGE=3 QELVUX_SCREENSHOT_RESULT=3
shot tulokset_vy.png "$projects/jatkuva_palkki.vux" QELVUX_SCREENSHOT_PAGE=3 QELVUX_SCREENSHOT_RESULT=5
shot tulokset_uy.png "$projects/jatkuva_palkki.vux" QELVUX_SCREENSHOT_PAGE=3 QELVUX_SCREENSHOT_RESULT=8
shot tulokset_tukireaktiot.png "$projects/jatkuva_palkki.vux" QELVUX_SCREENSHOT_PAGE=3 QELVUX_SCREENSHOT_RESULT=101
