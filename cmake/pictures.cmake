# The SVG pictures drawn at build time as raw pixels at the size the menus
# show them, stored under :/raster/ packed with zlib (ui::PictureBox unpacks
# and draws them; at any other size it renders the SVG). The main menu then
# shows without parsing or rendering a picture. Packed, a picture takes about
# 4 KB of program instead of 58 KB: unpacked, the main menu's eleven pictures
# and the pages the kernel maps around them made up some 2 MB of its peak
# memory. zlib rather than zstd: Qt loads zlib anyway, and unpacking with it
# added about 200 KB less to the peak than bringing in zstd's code. Only the
# menus' size is drawn.
set(CORPIMETRO_PICTURE_SIZES 132x110)

add_executable(corpimetro-rasterize tools/rasterize.cpp)
target_link_libraries(corpimetro-rasterize PRIVATE Qt6::Gui Qt6::Svg)
set_target_properties(corpimetro-rasterize PROPERTIES AUTOMOC OFF)

set(raster_dir ${CMAKE_CURRENT_BINARY_DIR}/raster)
set(raster_files)
set(raster_svgs)
foreach(asset ${ASSET_FILES})
    get_filename_component(base ${asset} NAME_WE)
    list(APPEND raster_svgs ${CMAKE_CURRENT_SOURCE_DIR}/${asset})
    foreach(size ${CORPIMETRO_PICTURE_SIZES})
        list(APPEND raster_files ${raster_dir}/${base}-${size}.rgb32)
    endforeach()
endforeach()
string(REPLACE ";" "," raster_sizes "${CORPIMETRO_PICTURE_SIZES}")
add_custom_command(
    OUTPUT ${raster_files}
    # A sanitizer build's leak report on Qt's own start-up must not stop the build.
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:corpimetro-rasterize> ${raster_dir} ${raster_sizes} ${raster_svgs}
    DEPENDS corpimetro-rasterize ${raster_svgs}
    COMMENT "Drawing the pictures at their window sizes"
    VERBATIM)
qt_add_resources(corpimetro_ui "raster" PREFIX "/raster" BASE ${raster_dir}
    OPTIONS --compress-algo zlib --compress 9 --threshold 0 FILES ${raster_files})
