# Writes a C++ source holding SQL scripts as text constants: schema/*.sql as SCHEMA_CONSTANT
# (default kSchemaSql) and, when SAMPLE_DIR is given, sample/*.sql as kSampleSql, in
# NAMESPACE (default OrvaneLib::detail). The library embeds both; the Jet converter embeds
# the schema under its own name, apart from the library's.
if(NOT NAMESPACE)
  set(NAMESPACE OrvaneLib::detail)
endif()
if(NOT SCHEMA_CONSTANT)
  set(SCHEMA_CONSTANT kSchemaSql)
endif()
function(append_scripts var dir)
  file(GLOB files ${dir}/*.sql)
  list(SORT files)
  set(text "")
  foreach(f IN LISTS files)
    file(READ ${f} content)
    get_filename_component(name ${f} NAME)
    string(APPEND text "-- ${name}\n${content}\n")
  endforeach()
  set(${var} "${text}" PARENT_SCOPE)
endfunction()
append_scripts(schema ${SCHEMA_DIR})
set(constants "extern const char* const ${SCHEMA_CONSTANT};
const char* const ${SCHEMA_CONSTANT} = R\"orvanesql(${schema})orvanesql\";\n")
set(sources "schema/*.sql")
if(SAMPLE_DIR)
  append_scripts(sample ${SAMPLE_DIR})
  string(APPEND constants "extern const char* const kSampleSql;
const char* const kSampleSql = R\"orvanesql(${sample})orvanesql\";\n")
  set(sources "schema/*.sql and sample/*.sql")
endif()
file(WRITE ${OUT}.tmp "// Generated from ${sources}; do not edit.
namespace ${NAMESPACE} {
${constants}}  // namespace ${NAMESPACE}
")
file(RENAME ${OUT}.tmp ${OUT})
