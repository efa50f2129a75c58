# Writes a C++ source holding the given files as resources for the native build:
#   cmake -DOUT=<file.cpp> -DENTRIES="name=path|name=path" -P embed.cmake
string(REPLACE "|" ";" ENTRIES "${ENTRIES}")
set(body "")
set(table "")
set(index 0)
foreach(entry IN LISTS ENTRIES)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 path)
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
    string(APPEND body "const char data${index}[] = {${bytes} 0};\n")
    string(APPEND table "    {\"${name}\", std::string_view(data${index}, ${size})},\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUT}.tmp" "// Generated from resources/ by embed.cmake.
#include <stdexcept>
#include <string>
#include <string_view>
#include <strings.h>

#include \"framework/resources.h\"

namespace {
${body}
struct Entry {
    const char* name;
    std::string_view bytes;
};
const Entry entries[] = {
${table}};
}  // namespace

std::string vc::ResourceBytes(const std::string& name) {
    for (const Entry& entry : entries) {
        if (strcasecmp(entry.name, name.c_str()) == 0) {
            return std::string(entry.bytes);
        }
    }
    throw std::runtime_error(\"no resource \" + name);
}
")
file(RENAME "${OUT}.tmp" "${OUT}")
