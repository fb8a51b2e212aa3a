# A build from scratch in a fraction of the time, by CMake's own means:
#
#  - Unity builds: each target's sources compile in batches of a few files, so
#    the headers they share are read once per batch instead of once per file.
#    -DCMAKE_UNITY_BUILD=OFF compiles file by file (a check that every file
#    includes what it uses). A file that defines a macro compiles on its own,
#    since the macro would reach the files after it in its batch, and a header
#    it means to change, included before by another file, would not see it.
#    Mark any other file that cannot share a batch with the source property
#    SKIP_UNITY_BUILD_INCLUSION beside its target.
#  - Precompiled headers: the Qt headers nearly every file includes are parsed
#    once for the program's libraries and once for the tests, and every other
#    target of the same compile flags reuses the result.
#    -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON turns them off.
#  - A compiler cache, when one is installed (CCACHE_DISABLE=1 bypasses it).

if(NOT DEFINED CMAKE_UNITY_BUILD)
    set(CMAKE_UNITY_BUILD ON)
endif()
# A batch includes its files, so GCC takes a class declared in a file's
# anonymous namespace, such as a test fixture, for one declared in a header
# that other files could see, and warns of its derived classes.
if(CMAKE_UNITY_BUILD AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-subobject-linkage)
endif()

find_program(RAVIK_CCACHE ccache)
if(RAVIK_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    # The cache takes a compile that uses a precompiled header only when it is
    # told to overlook what such a header cannot record: its macros and the
    # time stamps in it.
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros ${RAVIK_CCACHE})
endif()

# The headers that the program's libraries, nearly all of whose files show
# or paint a widget, share.
set(RAVIK_QT_HEADERS
    <QApplication> <QByteArray> <QDate> <QEvent> <QHash> <QImage> <QList> <QObject> <QPainter>
    <QPointer> <QRect> <QString> <QStringList> <QWidget> <algorithm> <functional> <vector>)
# The tests share the above and the test framework. <QTest> stays out: its
# macros read QT_TESTCASE_BUILDDIR, which differs from folder to folder.
set(RAVIK_TEST_HEADERS ${RAVIK_QT_HEADERS} <gtest/gtest.h>)

# The targets defined in `dir` and below it.
function(ravik_targets_below dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir ${subdirs})
        ravik_targets_below(${subdir} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Keeps the files of `target` that define a macro out of its batches.
function(ravik_compile_alone_what_defines_macros target)
    get_target_property(sources ${target} SOURCES)
    get_target_property(dir ${target} SOURCE_DIR)
    foreach(source ${sources})
        get_filename_component(path ${source} ABSOLUTE BASE_DIR ${dir})
        if(path MATCHES "\\.cpp$" AND EXISTS ${path})
            file(STRINGS ${path} defines REGEX "^[ \t]*#[ \t]*define[ \t]")
            if(defines)
                set_source_files_properties(${path} TARGET_DIRECTORY ${target}
                    PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
            endif()
        endif()
    endforeach()
endfunction()

# Gives every C++ target of the project one of the two precompiled headers:
# the tests' to those that link the test main, the libraries' to the others
# that link one of the program's libraries (and so compile with the same Qt
# modules' definitions). The toolkit makes the libraries' header; the tests'
# is made apart, without the definitions Qt's test module gives each folder of
# its own, which would keep a header made in one folder from serving another.
# Keeps what defines macros out of the batches too. Called once, after every
# target is defined.
function(ravik_speed_up_build)
    ravik_targets_below(${CMAKE_SOURCE_DIR} targets)
    set(library_owner ravik_toolkit)
    set(test_owner ravik_test_headers)
    target_precompile_headers(${library_owner} PRIVATE ${RAVIK_QT_HEADERS})
    if(TARGET ravik_test_main)
        set(source ${CMAKE_BINARY_DIR}/${test_owner}.cpp)
        file(CONFIGURE OUTPUT ${source} CONTENT "// The tests' precompiled header is made with this empty file.\n")
        add_library(${test_owner} OBJECT EXCLUDE_FROM_ALL ${source})
        target_link_libraries(${test_owner} PRIVATE Qt6::Widgets GTest::gtest)
        target_precompile_headers(${test_owner} PRIVATE ${RAVIK_TEST_HEADERS})
    endif()
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        get_target_property(links ${target} LINK_LIBRARIES)
        if(NOT type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$")
            continue()
        endif()
        ravik_compile_alone_what_defines_macros(${target})
        if(target STREQUAL library_owner OR NOT links)
            continue()
        endif()
        if(ravik_test_main IN_LIST links OR target STREQUAL "ravik_test_main")
            target_precompile_headers(${target} REUSE_FROM ${test_owner})
        elseif(links MATCHES "(^|;)ravik_")
            target_precompile_headers(${target} REUSE_FROM ${library_owner})
        endif()
    endforeach()
endfunction()
