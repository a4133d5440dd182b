# cmake -DEN=<en.txt> -DZH=<zh.txt> -DOUT=<file.cpp> -P Embed.cmake
function(byte_array file var)
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    set(${var} "${bytes}" PARENT_SCOPE)
    set(${var}_SIZE ${size} PARENT_SCOPE)
endfunction()

byte_array(${EN} en)
byte_array(${ZH} zh)
file(WRITE ${OUT}.tmp "// Generated from resources/lang/en.txt and zh.txt; do not edit.
#include \"app/LanguageFiles.h\"

namespace vexmo {
namespace {
const char kEnglish[] = {${en} 0};
const char kChinese[] = {${zh} 0};
}  // namespace

std::string_view BuiltinLanguageSource(BuiltinLanguage language) {
    if (language == BuiltinLanguage::Chinese) return {kChinese, ${zh_SIZE}};
    return {kEnglish, ${en_SIZE}};
}

}  // namespace vexmo
")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
