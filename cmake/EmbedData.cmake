# Writes a C++ source that holds every SQL file under data/ (schema, base, content, demo),
# so that pelinor-cli can create a data folder wherever it runs.
# Called with -DDATA_DIR=... -DOUTPUT=...
file(GLOB_RECURSE files RELATIVE "${DATA_DIR}" "${DATA_DIR}/schema/*.sql" "${DATA_DIR}/base/*.sql"
     "${DATA_DIR}/content/*.sql" "${DATA_DIR}/demo/*.sql")
list(SORT files)
set(out "// Generated from data/ at build time.\n#include \"core/db/EmbeddedData.h\"\n\nnamespace pelinor {\n\n")
set(index 0)
set(table "")
foreach(file IN LISTS files)
    file(READ "${DATA_DIR}/${file}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
    string(APPEND out "static const unsigned char data${index}[] = {\n${bytes}0x00};\n")
    string(APPEND table "    { \"${file}\", reinterpret_cast<const char*>(data${index}), ${size} },\n")
    math(EXPR index "${index} + 1")
endforeach()
string(APPEND out "\nconst std::vector<EmbeddedFile>& embeddedDataFiles()\n{\n    static const std::vector<EmbeddedFile> files = {\n${table}    };\n    return files;\n}\n\n} // namespace pelinor\n")
file(WRITE "${OUTPUT}.tmp" "${out}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
