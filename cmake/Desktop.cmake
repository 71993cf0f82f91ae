# What a desktop needs besides the program: its menu entry, its icon in every size a
# theme asks for, the design files' MIME type, so that a double-click on a design opens it
# in the program, and the listing of software centres.
include(GNUInstallDirs)

set(_data ${PROJECT_SOURCE_DIR}/data)
install(FILES ${_data}/veltmoor-tags.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_data}/veltmoor-tags.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# What software centres list.
install(FILES ${_data}/example.veltmoor.tags.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_data}/icons/veltmoor-tags.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
file(GLOB _icon_sizes RELATIVE ${_data}/icons/hicolor ${_data}/icons/hicolor/*)
foreach(_size IN LISTS _icon_sizes)
    install(FILES ${_data}/icons/hicolor/${_size}/veltmoor-tags.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}/apps)
endforeach()
