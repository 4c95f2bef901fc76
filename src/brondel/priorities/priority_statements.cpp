#include "brondel/priorities/priority_statements.h"

#include "brondel/console/sql_text.h"

namespace brondel {

namespace {

const char* const flagColumns[] = {" MG5L_FLGPOSVAR1,", " MG5L_FLGPOSVAR2,", " MG5L_FLGPOSVAR3,", " MG5L_FLGPOSVAR4,",
                                   " MG5L_FLGPOSVAR5,", " MG5L_FLGPOSVAR6,", " MG5L_FLGPOSVAR7,", " MG5L_FLGPOSVAR8,",
                                   " MG5L_FLGPOSVAR9,", " MG5L_FLGPOSVAR10"};

const char* const selectedFlags[] = {"       ,MG5L_FLGPOSVAR1", "       ,MG5L_FLGPOSVAR2", "       ,MG5L_FLGPOSVAR3",
                                     "       ,MG5L_FLGPOSVAR4", "       ,MG5L_FLGPOSVAR5", "       ,MG5L_FLGPOSVAR6",
                                     "       ,MG5L_FLGPOSVAR7", "       ,MG5L_FLGPOSVAR8", "       ,MG5L_FLGPOSVAR9",
                                     "       ,MG5L_FLGPOSVAR10"};

}  // namespace

QString PriorityStatements::configuredVariants(const QString& company) {
    return SqlText("SELECT MG5F_DESCR_VAR ", " FROM MG5F_DIMECONF ", " WHERE ", " MG5F_DITTA_CG18 = ", company);
}

QString PriorityStatements::deleteDefaultLists(const QString& company) {
    return SqlText("DELETE FROM MG5L_LETVARIANTI WHERE MG5L_DITTA_CG18 = ", company, " AND MG5L_INDELEMENTO <> 5");
}

QString PriorityStatements::insertStep(const QString& company, int element, int priority, const StepFlags& flags) {
    SqlText text("INSERT INTO MG5L_LETVARIANTI", " (MG5L_DITTA_CG18,", " MG5L_INDELEMENTO,", " MG5L_PRIORITA,");
    for (const char* column : flagColumns)
        text.add(column);
    text.add(" ) ", " VALUES (", company, ",", QString::number(element), ",", QString::number(priority));
    for (const int flag : flags)
        text.add(flag ? ",1" : ",0");
    return text.add(" ) ");
}

QString PriorityStatements::elementSteps(const QString& company, const QString& element) {
    SqlText text("   SELECT ", "       MG5L_DITTA_CG18", "       ,MG5L_INDELEMENTO", "       ,MG5L_PRIORITA");
    for (const char* column : selectedFlags)
        text.add(column);
    return text.add("   FROM MG5L_LETVARIANTI ", "   WHERE MG5L_DITTA_CG18 = ", company,
                    "       AND MG5L_INDELEMENTO = ", element, "   ORDER BY MG5L_PRIORITA");
}

}  // namespace brondel
