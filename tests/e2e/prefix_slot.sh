# Sourced: WINEPREFIX names the base of the run's prefixes; this test takes the copy CTest
# gave it (resources.json), or the first when run alone.
prefix_slot=1
if [[ ${CTEST_RESOURCE_GROUP_0_WINEPREFIX:-} =~ id:([0-9]+) ]]; then
    prefix_slot=${BASH_REMATCH[1]}
fi
export WINEPREFIX=$WINEPREFIX-$prefix_slot
