# Written by veldrapics: the VELDRA bitmaps as <resource number> <file> pairs
# for add_gauge_module's BITMAPS argument.
set(VELDRA_BITMAPS
    4096 ${CMAKE_CURRENT_LIST_DIR}/4096-background.bmp
    5632 ${CMAKE_CURRENT_LIST_DIR}/5632-display-digits.bmp
    5635 ${CMAKE_CURRENT_LIST_DIR}/5635-display-digits-mask.bmp
    8704 ${CMAKE_CURRENT_LIST_DIR}/8704-wpt-digit.bmp
    8707 ${CMAKE_CURRENT_LIST_DIR}/8707-wpt-digit-mask.bmp
    8960 ${CMAKE_CURRENT_LIST_DIR}/8960-from-digit.bmp
    8963 ${CMAKE_CURRENT_LIST_DIR}/8963-from-digit-mask.bmp
    9216 ${CMAKE_CURRENT_LIST_DIR}/9216-to-digit.bmp
    9219 ${CMAKE_CURRENT_LIST_DIR}/9219-to-digit-mask.bmp
    9472 ${CMAKE_CURRENT_LIST_DIR}/9472-data-knob-tk-gs.bmp
    9475 ${CMAKE_CURRENT_LIST_DIR}/9475-data-knob-hdg-da.bmp
    9478 ${CMAKE_CURRENT_LIST_DIR}/9478-data-knob-xtk-tke.bmp
    9481 ${CMAKE_CURRENT_LIST_DIR}/9481-data-knob-pos.bmp
    9484 ${CMAKE_CURRENT_LIST_DIR}/9484-data-knob-wpt.bmp
    9487 ${CMAKE_CURRENT_LIST_DIR}/9487-data-knob-dis-time.bmp
    9490 ${CMAKE_CURRENT_LIST_DIR}/9490-data-knob-wind.bmp
    9493 ${CMAKE_CURRENT_LIST_DIR}/9493-data-knob-dsr-tk-sts.bmp
    9728 ${CMAKE_CURRENT_LIST_DIR}/9728-mode-knob-man.bmp
    9731 ${CMAKE_CURRENT_LIST_DIR}/9731-mode-knob-auto.bmp
    9734 ${CMAKE_CURRENT_LIST_DIR}/9734-mode-knob-rmt.bmp
    9984 ${CMAKE_CURRENT_LIST_DIR}/9984-ns-s-lit.bmp
    9987 ${CMAKE_CURRENT_LIST_DIR}/9987-ns-n-lit.bmp
    9990 ${CMAKE_CURRENT_LIST_DIR}/9990-ns-unlit.bmp
    10240 ${CMAKE_CURRENT_LIST_DIR}/10240-ew-w-lit.bmp
    10243 ${CMAKE_CURRENT_LIST_DIR}/10243-ew-e-lit.bmp
    10246 ${CMAKE_CURRENT_LIST_DIR}/10246-ew-unlit.bmp
    10496 ${CMAKE_CURRENT_LIST_DIR}/10496-insert-dark.bmp
    10499 ${CMAKE_CURRENT_LIST_DIR}/10499-insert-lit.bmp
    12288 ${CMAKE_CURRENT_LIST_DIR}/12288-tk-chg-dark.bmp
    12291 ${CMAKE_CURRENT_LIST_DIR}/12291-tk-chg-lit.bmp
    12800 ${CMAKE_CURRENT_LIST_DIR}/12800-hold-dark.bmp
    12803 ${CMAKE_CURRENT_LIST_DIR}/12803-hold-lit.bmp
    13056 ${CMAKE_CURRENT_LIST_DIR}/13056-dot-dark.bmp
    13059 ${CMAKE_CURRENT_LIST_DIR}/13059-dot-lit.bmp
    13568 ${CMAKE_CURRENT_LIST_DIR}/13568-alert-dark.bmp
    13571 ${CMAKE_CURRENT_LIST_DIR}/13571-alert-lit.bmp
)
