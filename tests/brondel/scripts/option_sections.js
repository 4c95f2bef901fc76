// The options, their descriptions by language and by customer or supplier on the demo database, driven as
// a person would through suite-host, with the rows stored and the messages shown checked at each step.
//   suite-host --db demo.db --script tests/brondel/scripts/option_sections.js
var title = "Console parametri varianti";

function check(condition, what) {
    if (!condition)
        throw new Error(what);
}

function rows(sql) {
    return suite.db.query(sql).map(function (row) {
        return Object.keys(row).map(function (key) { return row[key] === null ? "" : row[key]; }).join("|");
    });
}

function options(code) {
    return rows("SELECT MG5E_OPZIONE AS O, MG5E_DESCR AS D FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND " +
                "MG5E_CODICEVAR_MG5F = '" + code + "' ORDER BY MG5E_OPZIONE");
}

var seen = 0;
function expectMessage(expected) {
    var shown = suite.messages;
    check(shown.length === seen + 1, "expected one message, got " + (shown.length - seen));
    var last = shown[seen++];
    var got = last.style + " " + last.title + ": " + last.text;
    check(got === expected, "message\n  " + got + "\nexpected\n  " + expected);
}

function expectNoMessage() {
    check(suite.messages.length === seen, "unexpected message: " + suite.messages[suite.messages.length - 1].text);
}

// The grid row whose field shows value.
function rowOf(grid, field, value) {
    for (var i = 0; i < grid.rowCount; ++i) {
        if (grid.value(i, field) === value)
            return i;
    }
    throw new Error("no row with " + field + " " + value);
}

var control = function (name) { return suite.control(name); };
suite.open();

// Options: FINITURA (position 5, size 2).
check(suite.section("ITMOPZVAR"), "cannot open the options");
var grid = control("GRD_OPZIONI");
var navigator = control("GNV_OPZIONI");
check(!control("TXT_OPZIONE").enabled, "option field enabled before a variant");
control("TXT_VAROPZ").type("5");
check(control("TXT_VAROPZ").leave(), "position 5 refused");
check(control("TXT_DESVAROPZ").text === "FINITURA", "variant decoded as " + control("TXT_DESVAROPZ").text);
check(grid.rowCount === 3, "options of FINITURA: " + grid.rowCount);

check(navigator.press("Nuovo"), "Nuovo refused");
control("TXT_OPZIONE").type("spa");
control("TXT_OPZIONE").leave();
expectMessage("48 " + title + ": Il numero massimo di carattere consentito per il valore di variante è 2  , " +
              "inserimento impossibile!");
control("TXT_OPZIONE").type("s'");
control("TXT_OPZIONE").leave();
expectMessage("48 " + title + ": Il valore di variante non può contenere il carattere (').");
control("TXT_OPZIONE").type("sp");
check(control("TXT_OPZIONE").leave(), "SP refused");
check(options("A4").join(",") === "LU|Lucida,OP|Opaca,SA|Satinata,SP|", "stored " + options("A4").join(","));
control("TXT_DESOPZ").type("Spazzolata");
control("TXT_DESOPZ").enter();
expectNoMessage();
check(options("A4")[3] === "SP|Spazzolata", "stored " + options("A4")[3]);

// Deleting the new option: asked, then gone with its rows.
check(grid.select(rowOf(grid, "MG5E_OPZIONE", "SP")), "cannot select SP");
suite.answer(6);
navigator.press("Elimina");
expectMessage("36 " + title + ": L'operazione comporterà la cancellazione di descrizioni lingua, raggruppamenti e " +
              "descrizioni clienti/fornitori. Continuare?");
check(options("A4").length === 3 && grid.rowCount === 3, "after the delete: " + options("A4").join(","));

// Descriptions by language: every option in English, French and German.
check(suite.section("ITMLINGUAVAR"), "cannot open the language descriptions");
var languages = control("GRD_LINGUA");
check(languages.rowCount === 75, "language rows: " + languages.rowCount);
var grey = -1;
for (var i = 0; i < languages.rowCount && grey < 0; ++i) {
    if (languages.value(i, "TBL_CODLINGUA") === "ENG" && languages.value(i, "TBL_OPZIONE") === "GRI")
        grey = i;
}
check(grey >= 0 && languages.cell(grey, "TBL_CODICEVAR") === "1 - COLORE", "no English row of GRI");
check(languages.edit(grey, "TBL_DESCRIZIONE", " Grey's "), "cannot edit the English GRI");
check(rows("SELECT MG5I_DESCR AS D FROM MG5I_OPZLINGUA WHERE MG5I_OPZIONE_MG5E = 'GRI'").join(",") === "Grey's",
      "English GRI stored as " + rows("SELECT MG5I_DESCR AS D FROM MG5I_OPZLINGUA WHERE MG5I_OPZIONE_MG5E = 'GRI'"));

// Descriptions by customer or supplier: supplier 1001 is not customer 1001.
check(suite.section("ITMCLIFORVAR"), "cannot open the customer/supplier descriptions");
check(control("CBO_CLIFOR").selectCode(1), "cannot choose the suppliers");
control("TXT_CLIFOR").type("1001");
control("TXT_CLIFOR").leave();
check(control("TXT_RAGSOANAG").text === "Lanificio Alpino S.r.l.", "supplier " + control("TXT_RAGSOANAG").text);
var parties = control("GRD_CLIFORVAR");
check(parties.rowCount === 25, "customer/supplier rows: " + parties.rowCount);
var white = rowOf(parties, "TBL_OPZIONE", "BIA");
check(parties.value(white, "TBL_DESCRIZIONE") === null, "supplier 1001 has the customer's description");
check(parties.edit(white, "TBL_DESCRIZIONE", "Bianco lana"), "cannot edit BIA");
check(parties.currentRow === white + 1, "not on the next row: " + parties.currentRow);
check(rows("SELECT MG5S_TIPOCF_CG44 AS K, MG5S_DESCR AS D FROM MG5S_VARCLIFOR WHERE MG5S_OPZIONE_MG5E = 'BIA' " +
           "AND MG5S_CLIFOR_CG44 = 1001 ORDER BY 1").join(",") === "0|Bianco ottico,1|Bianco lana",
      "BIA for 1001: " + rows("SELECT MG5S_TIPOCF_CG44 AS K, MG5S_DESCR AS D FROM MG5S_VARCLIFOR " +
                              "WHERE MG5S_OPZIONE_MG5E = 'BIA' AND MG5S_CLIFOR_CG44 = 1001 ORDER BY 1"));
expectNoMessage();

check(suite.close() === true, "the console stayed open");
print("option sections: every step as expected");
