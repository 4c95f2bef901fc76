# Writes OUTPUT, a C++ source that holds the suite database scripts, so that suite-db and the library work
# from any folder. Run as: cmake -DSCHEMA=... -DREFERENCE=... -DDEMO=... -DOUTPUT=... -P embed_sql.cmake
file(READ "${SCHEMA}" schema)
file(READ "${REFERENCE}" reference)
file(READ "${DEMO}" demo)
set(open "R\"brondel_sql(")
set(close ")brondel_sql\"")
file(WRITE "${OUTPUT}"
"// Generated from schema/suite.sql, schema/reference.sql and schema/demo.sql by embed_sql.cmake; do not edit.
#include \"suite/db/suite_scripts.h\"

namespace suite::db {

QString schemaScript() { return QString::fromUtf8(${open}${schema}${close}); }

QString referenceScript() { return QString::fromUtf8(${open}${reference}${close}); }

QString demoScript() { return QString::fromUtf8(${open}${demo}${close}); }

}  // namespace suite::db
")
