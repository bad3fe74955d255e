# Precompiled headers: the Qt and standard headers that nearly every unit
# reads are compiled once a build, in a target of their own, and reused by
# the targets that use Qt. Tests reuse a second set that adds GoogleTest.
set(KVARO_QT_HEADERS
    <QAction> <QApplication> <QImage> <QLabel> <QMainWindow> <QMenu> <QMenuBar>
    <QPainter> <QPointer> <QPushButton> <QScrollBar> <QString> <QWidget>
    <algorithm> <array> <cstdint> <functional> <memory> <optional> <span> <string>
    <vector>)

# kvaro_precompiled_headers(NAME LIBRARIES HEADERS...): a target NAME that
# compiles HEADERS with the flags that LIBRARIES (a list) give, for others
# to reuse. A unit uses them only when its flags match: the same options,
# the same optimisation, -fPIC as Qt gives every target that uses it.
function(kvaro_precompiled_headers name libraries)
    add_library(${name} OBJECT ${PROJECT_SOURCE_DIR}/cmake/precompiled.cpp)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${name} PRIVATE ${libraries})
    target_precompile_headers(${name} PRIVATE ${ARGN})
endfunction()

kvaro_precompiled_headers(qt_headers Qt6::Widgets ${KVARO_QT_HEADERS})

# kvaro_reuse_headers(DONOR TARGET...): the targets compile with DONOR's
# precompiled headers.
function(kvaro_reuse_headers donor)
    foreach(target ${ARGN})
        target_precompile_headers(${target} REUSE_FROM ${donor})
    endforeach()
endfunction()
