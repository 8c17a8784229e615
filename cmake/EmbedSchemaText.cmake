# Writes a C++ source holding the text of schema/*.sql, for the Jet converter, which makes
# the library's own views from it. The constant is its own, apart from the library's.
file(GLOB schema_files ${SCHEMA_DIR}/*.sql)
list(SORT schema_files)
set(text "")
foreach(f IN LISTS schema_files)
  file(READ ${f} content)
  get_filename_component(name ${f} NAME)
  string(APPEND text "-- ${name}\n${content}\n")
endforeach()
file(WRITE ${OUT}.tmp
"// Generated from schema/*.sql; do not edit.
namespace OrvaneLib::jet {
extern const char* const kLibrarySchemaSql;
const char* const kLibrarySchemaSql = R\"orvanesql(${text})orvanesql\";
}  // namespace OrvaneLib::jet
")
file(RENAME ${OUT}.tmp ${OUT})
