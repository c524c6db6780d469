# The design page ("Mitoitus", page 2): a passing and a failing beam under each design code,
# info display on and combinations open; then the design settings dialog's four pages (EC5,
# and pages 1 and 3 under the limit-state code) and the section library dialog.
# Sourced by scripts/screenshots.sh, which defines `shot`.
for code in 1 2 3; do
  shot "mitoitus_${code}_kelpaa.png" "$projects/mitoitus_${code}_kelpaa.vux" QELVUX_SCREENSHOT_PAGE=2
  shot "mitoitus_${code}_ei_kelpaa.png" "$projects/mitoitus_${code}_ei_kelpaa.vux" QELVUX_SCREENSHOT_PAGE=2
done
for page in 1 2 3 4; do
  shot "mitoitus_asetukset_${page}.png" "$projects/mitoitus_3_kelpaa.vux" \
    QELVUX_SCREENSHOT_PAGE=2 QELVUX_SCREENSHOT_MITASE=$page
done
# The limit-state code shows the eccentricities and only two deflection conditions.
for page in 1 3; do
  shot "mitoitus_asetukset_${page}_b10.png" "$projects/mitoitus_2_kelpaa.vux" \
    QELVUX_SCREENSHOT_PAGE=2 QELVUX_SCREENSHOT_MITASE=$page
done
shot mitoitus_profiilit.png "$projects/mitoitus_2_kelpaa.vux" QELVUX_SCREENSHOT_PAGE=2 QELVUX_SCREENSHOT_PROFIILIT=1
# "Kaikki poikkileikkaukset...": every section of the library of the EC5 floor joist, by mass.
shot mitoitus_kaikki.png examples/ec5_lattiapalkki.vux QELVUX_SCREENSHOT_PAGE=2 QELVUX_SCREENSHOT_KAIKKI=1
