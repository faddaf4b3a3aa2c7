# The Qt side of the host: message boxes, file and folder dialogs, shell open and the waits.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(tarnwick_qthost STATIC
    qt_text.cpp
    chooser_settings.cpp
    waits.cpp
    qt_host.cpp
)
target_link_libraries(tarnwick_qthost PUBLIC tarnwick_host Qt6::Widgets)
