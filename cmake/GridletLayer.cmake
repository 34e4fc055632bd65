# One folder of src/ is one layer: a static library gridlet_<folder> that links only the layers
# below it. Each layer has an include root of its own that shows its folder alone, so a header of
# a higher layer cannot be found from a lower one and an upward include fails to compile.

set(GRIDLET_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include)
set(GRIDLET_GENERATED ${CMAKE_BINARY_DIR}/generated)

# The include root of a folder: a directory holding one link, <folder> -> src/<folder>.
function(gridlet_include_root folder out)
    set(root ${GRIDLET_INCLUDE_ROOTS}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    set(${out} ${root} PARENT_SCOPE)
endfunction()

# The cell art of the current folder, compiled one .art file at a time into
# generated/<folder>/<folder>/<name>_art.{h,cpp}; artc rewrites an output only when it changes.
function(gridlet_cell_art folder out_sources out_root)
    file(GLOB arts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.art)
    set(root ${GRIDLET_GENERATED}/${folder})
    set(dir ${root}/${folder})
    file(MAKE_DIRECTORY ${dir})
    set(sources)
    foreach(art ${arts})
        get_filename_component(name ${art} NAME_WE)
        add_custom_command(
            OUTPUT ${dir}/${name}_art.h ${dir}/${name}_art.cpp
            COMMAND artc ${root} ${art}
            DEPENDS artc ${art}
            COMMENT "Compiling cell art ${folder}/${name}.art")
        list(APPEND sources ${dir}/${name}_art.cpp)
    endforeach()
    set(${out_sources} ${sources} PARENT_SCOPE)
    set(${out_root} ${root} PARENT_SCOPE)
endfunction()

# gridlet_layer(<folder> [LINKS <lower layers and libraries>...] [EXCLUDE <files>...])
function(gridlet_layer folder)
    cmake_parse_arguments(LAYER "" "" "LINKS;EXCLUDE" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(excluded ${LAYER_EXCLUDE})
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
    endforeach()
    gridlet_include_root(${folder} root)
    gridlet_cell_art(${folder} art_sources art_root)
    add_library(gridlet_${folder} STATIC ${sources} ${art_sources})
    target_include_directories(gridlet_${folder} PUBLIC ${root} ${art_root})
    target_link_libraries(gridlet_${folder} PUBLIC ${LAYER_LINKS})
endfunction()
