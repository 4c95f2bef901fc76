// The article code configurator, its sub-code values and their descriptions by language on the demo
// database, driven as a person would through suite-host, with the rows stored and the messages shown
// checked at each step.
//   suite-host --db demo.db --script tests/brondel/scripts/article_code.js
var title = "Console parametri varianti";

function check(condition, what) {
    if (!condition)
        throw new Error(what);
}

function rows(sql) {
    return suite.db.query(sql).map(function (row) {
        return Object.keys(row).map(function (key) { return row[key]; }).join("|");
    });
}

var seen = 0;
// The next message shown, in the order shown.
function expectMessage(expected) {
    var shown = suite.messages;
    check(shown.length > seen, "no message shown; expected\n  " + expected);
    var last = shown[seen++];
    var got = last.style + " " + last.title + ": " + last.text;
    check(got === expected, "message\n  " + got + "\nexpected\n  " + expected);
}

function expectNoMessage() {
    check(suite.messages.length === seen, "unexpected message: " + suite.messages[suite.messages.length - 1].text);
}

var control = function (name) { return suite.control(name); };
suite.open();

// The configurator: the demo's four sub-codes, 18 characters, stored: no single row can go.
check(suite.section("ITMCONFIGART"), "cannot open the article configurator");
var grid = control("GRD_CONFIGART");
var navigator = control("GNV_CONFIGART");
check(grid.rowCount === 4, "sub-codes: " + grid.rowCount);
check([grid.cell(0, "MG6F_INDCODIFICA"), grid.cell(3, "MG6F_INDCODIFICA"), grid.cell(3, "MG6F_INDALLIN")].join("|") ===
      "Codifica descrizione voci|Contatore automatico assoluto|Tutti i codici", "grid shows " + grid.cell(0, "MG6F_INDCODIFICA"));
check(!navigator.available("Elimina"), "a stored sub-code can be deleted");

// A fifth sub-code: 8 characters are more than the 7 left; a second counter is refused; 7 of no treatment fit.
check(navigator.press("Nuovo"), "Nuovo refused");
check(control("TXT_PROGRCONFART").text === "5", "new progressive " + control("TXT_PROGRCONFART").text);
control("TXT_DESCRCONFART").type("Colore");
control("TXT_SIZECONFART").type("8");
check(!navigator.press("Conferma"), "8 characters were saved");
expectMessage("48 " + title + ": La somma della \"lunghezza\" dei subcodici ha superato i 25 caratteri: \r\n" +
              "la lunghezza ancora disponibile è 7.");
control("TXT_SIZECONFART").type("7");
check(control("CBO_TRATTAMENTO").selectCode(3), "cannot choose the relative counter");
check(control("CBO_INDALLIN").text === "1" && !control("CBO_INDALLIN").enabled, "a counter is not right-aligned");
check(!navigator.press("Conferma"), "a second counter was saved");
expectMessage("48 " + title + ": Non è possibile configurare più di un contatore automatico!");
check(control("CBO_TRATTAMENTO").selectCode(1), "cannot choose the coded treatment");
check(navigator.press("Conferma"), "the fifth sub-code was refused");
expectNoMessage();
check(rows("SELECT MG6F_PROGR, MG6F_SIZE, MG6F_INDCODIFICA FROM MG6F_DIMEART WHERE MG6F_DITTA_CG18 = 1 AND MG6F_PROGR = 5")[0] ===
      "5|7|1", "stored " + rows("SELECT * FROM MG6F_DIMEART WHERE MG6F_PROGR = 5"));
check(!navigator.available("Nuovo"), "Nuovo available at 25 characters");

// The whole configurator stays while its sub-codes have values.
suite.answer(6);
check(control("CMD_ELIMINACONFART").click(), "cannot press Elimina configuratore");
expectMessage("68 Informazione: Confermi l'eliminazione di tutte le righe del configuratore articolo?");
expectMessage("16 Attenzione: Prima di poter procedere all'eliminazione del Configuratore occorre eliminare\r\n" +
              "i subcodici esistenti nel programma \"Subcodici articoli di magazzino\"\r\n\r\n");
expectNoMessage();
check(rows("SELECT MG50_INDCODART FROM MG50_PARMAGAZ WHERE MG50_DITTA_CG18 = 1")[0] === "1", "warehouse flag cleared");

// Sub-codes: the new coded sub-code "Colore" has no values and opens on a new one.
check(suite.section("ITMSUBCOD"), "cannot open the sub-codes");
var types = control("CBO_PROGRSUBCODART");
check(types.items.length === 3, "types: " + types.items.length);
check(types.select(2), "cannot choose Colore");
control("TXT_SUBCODICE").type("ross'o");
check(!control("TXT_SUBCODICE").leave(), "an apostrophe was accepted");
expectMessage("48 " + title + ": La codifica subcodice non può contenere il carattere (').");
expectNoMessage();
control("TXT_SUBCODICE").type("rossissimo");
check(control("TXT_SUBCODICE").leave(), "the code was refused on leaving");
control("TXT_DESCRSUBCODART").type("Rosso");
check(!control("GNV_SUBCODART").press("Conferma"), "a code longer than 7 was saved");
expectMessage("48 " + title + ": Il numero massimo di carattere consentito per la codifica subcodice è 7  , inserimento impossibile!");
control("TXT_SUBCODICE").type("rosso");
check(control("TXT_SUBCODICE").leave(), "the code was refused on leaving");
check(control("TXT_SUBCODICE").text === "ROSSO", "code shown as " + control("TXT_SUBCODICE").text);
check(control("GNV_SUBCODART").press("Conferma"), "ROSSO refused");
expectNoMessage();
check(rows("SELECT MG6E_PROGR_MG6F, MG6E_SUBCODICE, MG6E_DESCR FROM MG6E_SUBCODART WHERE MG6E_PROGR_MG6F = 5")[0] ===
      "5|ROSSO|Rosso", "stored " + rows("SELECT * FROM MG6E_SUBCODART WHERE MG6E_PROGR_MG6F = 5"));

// Descriptions by language: ROSSO is listed in the three foreign languages; one described, one cleared.
check(suite.section("ITMDESLINART"), "cannot open the descriptions by language");
var languages = control("GRD_LINGUASUBART");
check(languages.rowCount === 30, "rows: " + languages.rowCount);
function rowOf(code, language) {
    for (var i = 0; i < languages.rowCount; ++i) {
        if (languages.value(i, "TBL_SUBCODICE") === code && languages.value(i, "TBL_CODLINGUA") === language)
            return i;
    }
    throw new Error("no row " + code + " " + language);
}
check(languages.cell(rowOf("ROSSO", "ENG"), "TBL_PROGRART") === "Colore", "type shown as " +
      languages.cell(rowOf("ROSSO", "ENG"), "TBL_PROGRART"));
check(languages.edit(rowOf("ROSSO", "ENG"), "TBL_DESCRIZIONE", " Red's "), "cannot describe ROSSO");
check(languages.edit(rowOf("CAM", "DEU"), "TBL_DESCRIZIONE", ""), "cannot clear CAM");
expectNoMessage();
var described = rows("SELECT MG6I_SUBCODICE_MG6E, MG6I_LINGUA_MG52, MG6I_DESCR FROM MG6I_SUBCODARTLING " +
                     "WHERE MG6I_SUBCODICE_MG6E IN ('ROSSO', 'CAM') ORDER BY MG6I_SUBCODICE_MG6E, MG6I_LINGUA_MG52");
check(described.join(", ") === "CAM|ENG|Shirts, CAM|FRA|Chemises, ROSSO|ENG|Red's", "stored " + described.join(", "));

check(suite.close() === true, "the console stayed open");
print("article code: every step as expected");
