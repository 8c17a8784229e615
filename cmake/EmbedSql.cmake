# Writes a C++ source holding the schema and sample SQL scripts as text constants.
function(append_scripts var files)
  set(text "")
  foreach(f IN LISTS files)
    file(READ ${f} content)
    get_filename_component(name ${f} NAME)
    string(APPEND text "-- ${name}\n${content}\n")
  endforeach()
  set(${var} "${text}" PARENT_SCOPE)
endfunction()
file(GLOB schema_files ${SCHEMA_DIR}/*.sql)
file(GLOB sample_files ${SAMPLE_DIR}/*.sql)
list(SORT schema_files)
list(SORT sample_files)
append_scripts(schema "${schema_files}")
append_scripts(sample "${sample_files}")
file(WRITE ${OUT}.tmp
"// Generated from schema/*.sql and sample/*.sql; do not edit.
namespace OrvaneLib::detail {
extern const char* const kSchemaSql;
extern const char* const kSampleSql;
const char* const kSchemaSql = R\"orvanesql(${schema})orvanesql\";
const char* const kSampleSql = R\"orvanesql(${sample})orvanesql\";
}  // namespace OrvaneLib::detail
")
file(RENAME ${OUT}.tmp ${OUT})
