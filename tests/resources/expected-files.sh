# The files an installation of the program consists of, below its prefix.
expected_files() {
    local id=$1
    printf '%s\n' \
        bin/veltro-weight-loss-calculator \
        "share/applications/$id.desktop" \
        "share/metainfo/$id.metainfo.xml" \
        "share/icons/hicolor/scalable/apps/$id.svg" \
        share/man/man1/veltro-weight-loss-calculator.1.gz \
        share/doc/veltro-weight-loss-calculator/copyright \
        share/doc/veltro-weight-loss-calculator/changelog.gz
    local size
    for size in 16 32 48 64 128 256; do
        printf '%s\n' "share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
}
