# The splitting of characters into radicals and its checks: a library of the data
# generator's own, which the generator's tests link too (also in builds without the tools).
if(NOT TARGET datagen_splitting)
    set(splitting_dir ${CMAKE_CURRENT_LIST_DIR})
    set(splitting_names charpicture handsplits radicalshapes radicaltable refusedsplits
        segmentation shapecheck strokedata writtenapart)
    list(TRANSFORM splitting_names PREPEND ${splitting_dir}/ OUTPUT_VARIABLE splitting_sources)
    list(TRANSFORM splitting_sources APPEND .cpp)
    add_library(datagen_splitting STATIC ${splitting_sources})
    target_include_directories(datagen_splitting PUBLIC ${splitting_dir})
    target_link_libraries(datagen_splitting PUBLIC radiane::common Qt6::Gui)
endif()
