# The Windows side of the differential test, included by the mingw probes.
add_executable(profile_probe
    ${PROJECT_SOURCE_DIR}/tests/profile/profile_probe.cpp
    ${PROJECT_SOURCE_DIR}/tests/profile/case_runner.cpp)
target_link_options(profile_probe PRIVATE -static)
target_link_libraries(profile_probe PRIVATE vc_settings vc_framework)
vc_sees_all(profile_probe)
