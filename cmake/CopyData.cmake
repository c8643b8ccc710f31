# cmake -DSOURCE=<data folder> -DDEST=<program folder> -P CopyData.cmake
# Copies the shipped data files in one process; settings files are the
# learner's and never shipped or overwritten.
file(COPY ${SOURCE}/ DESTINATION ${DEST}
    PATTERN "CMakeLists.txt" EXCLUDE
    PATTERN "README*" EXCLUDE
    PATTERN "setup.txt" EXCLUDE
    PATTERN "face.txt" EXCLUDE)
