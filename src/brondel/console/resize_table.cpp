#include "brondel/console/resize_table.h"

namespace brondel {

const std::array<ResizeEntry, 56>& resizeTable() {
    static const std::array<ResizeEntry, 56> table = {{
        {"SDB_PARAMETRI", -1, 11},  {"TLB_TITOLO", -1, 7},
        {"PIC_PARAMETRI", 0, 15},   {"GRD_CONFIGVAR", -1, 15},
        {"GRB_CONFIGVAR", -1, 14},  {"GNV_CONFIGVAR", -1, 12},
        {"CmdDel", -1, 12},         {"PIC_PARAMETRI", 1, 15},
        {"GRD_RAGGRUP", -1, 15},    {"GRB_RAGGRUPP", 0, 14},
        {"GNV_RAGGRUP", -1, 12},    {"PIC_PARAMETRI", 2, 15},
        {"GRD_OPZIONI", -1, 15},    {"GRB_OPZIONI", 0, 14},
        {"GNV_OPZIONI", -1, 12},    {"PIC_PARAMETRI", 3, 15},
        {"GRD_LINGUA", -1, 15},     {"PIC_PARAMETRI", 4, 15},
        {"GRD_CLIFORVAR", -1, 15},  {"GRB_PARCLIFOR", 0, 7},
        {"PIC_PARAMETRI", 5, 15},   {"GRD_PRIORLETT", -1, 15},
        {"GRB_PRIORLETT", -1, 7},   {"GNV_PRIORLETT", -1, 12},
        {"CMD_DEFAULT", -1, 12},    {"CMD_SU", -1, 5},
        {"CMD_GIU", -1, 5},         {"PIC_PARAMETRI", 6, 15},
        {"GRB_RAGVAR", 0, 7},       {"GRB_RAGVAR", 1, 11},
        {"GRD_RAGGR_MG5E", -1, 11}, {"GRD_RAGGR_MG5H", -1, 15},
        {"TvDim", -1, 15},          {"LBL_RAGMES", -1, 14},
        {"CMD_RINUMERA", -1, 12},   {"PIC_PARAMETRI", 7, 15},
        {"GRB_CONFIGART", 1, 14},   {"GRD_CONFIGART", -1, 15},
        {"GNV_CONFIGART", -1, 12},  {"CMD_ELIMINACONFART", -1, 12},
        {"PIC_PARAMETRI", 8, 15},   {"GRB_SUBCODART", -1, 14},
        {"GRD_SUBCODART", -1, 15},  {"GNV_SUBCODART", -1, 12},
        {"PIC_PARAMETRI", 9, 15},   {"GRD_LINGUASUBART", -1, 15},
        {"PIC_PARAMETRI", 10, 15},  {"GRD_OBBDOC", -1, 15},
        {"LBL_RICDOC", -1, 10},     {"TXT_CODDOC", -1, 10},
        {"TXT_DESCRDOC", -1, 10},   {"BTN_RICERCADOC", -1, 10},
        {"PIC_PARAMETRI", 11, 15},  {"TRV_MENU", -1, 7},
        {"GRD_OBBPRO", -1, 5},      {"GRD_OBBPRORIEP", -1, 15},
    }};
    return table;
}

}  // namespace brondel
