// The variant configurator on the demo database, driven as a person would through suite-host: dimensions
// added, edited and deleted, the rows stored and the messages shown checked at each step.
//   suite-host --db demo.db --script tests/brondel/scripts/variant_configurator.js
var title = "Console parametri varianti";

function check(condition, what) {
    if (!condition)
        throw new Error(what);
}

function dimensions() {
    var rows = suite.db.query("SELECT MG5F_CODICEVAR AS CODE, MG5F_SIZE AS SIZE, MG5F_DESCR_VAR AS DESCR, " +
                              "MG5F_POSINIZDESCR AS POSINI, MG5F_POSFINDESCR AS POSFIN FROM MG5F_DIMECONF " +
                              "WHERE MG5F_DITTA_CG18 = 1 ORDER BY MG5F_CODICEVAR");
    return rows.map(function (row) { return [row.CODE, row.SIZE, row.DESCR, row.POSINI, row.POSFIN].join("|"); });
}

var seen = 0;
// The one message shown since the last call, as "style title: text".
function message() {
    var shown = suite.messages;
    check(shown.length === seen + 1, "expected one message, got " + (shown.length - seen));
    var last = shown[seen++];
    return last.style + " " + last.title + ": " + last.text;
}

function expectMessage(expected) {
    var got = message();
    check(got === expected, "message\n  " + got + "\nexpected\n  " + expected);
}

function expectNoMessage() {
    check(suite.messages.length === seen, "unexpected message: " + suite.messages[suite.messages.length - 1].text);
}

suite.open();
check(suite.section("ITMCONFIGVAR"), "cannot open the variant configurator");
var grid = suite.control("GRD_CONFIGVAR");
var navigator = suite.control("GNV_CONFIGVAR");
var control = function (name) { return suite.control(name); };

// The demo's six dimensions, shown by rank with the labels of their codes.
check(grid.rowCount === 6, "rows: " + grid.rowCount);
check([grid.cell(0, "MG5F_CODICEVAR"), grid.cell(0, "MG5F_INDNATURA"), grid.cell(0, "MG5F_INDGRIGLIA"),
       grid.cell(5, "MG5F_INDPROGCONFIG")].join("|") === "1|Alfanumerica|1° livello (dettaglio)|Si",
      "grid shows " + grid.cell(0, "MG5F_CODICEVAR"));

// Adding: the sizes add up to 19, so a new dimension of 2 characters is refused and one of 1 is saved.
check(navigator.press("Nuovo"), "Nuovo refused");
check(control("TXT_PROGR").text === "7", "new rank " + control("TXT_PROGR").text);
control("TXT_DESCR").type("stagione");
check(!navigator.press("Conferma"), "a size of 2 was saved");
expectMessage("48 " + title + ": La somma massima consentita ha raggiunto i 20 caratteri, inserimento impossibile!");
check(control("TXT_SIZE").focused, "the focus is not on the size");
control("TXT_SIZE").type("1");
check(navigator.press("Conferma"), "a size of 1 was refused");
expectNoMessage();
check(dimensions()[6] === "A6|1|STAGIONE||", "stored " + dimensions()[6]);

// With 20 characters in use no dimension can be started.
check(!navigator.press("Nuovo"), "Nuovo accepted at 20 characters");
expectMessage("48 " + title + ": La somma massima consentita ha raggiunto i 20 caratteri, inserimento impossibile!");

// Editing: description positions, fixed with an interval.
check(grid.select(6), "cannot select the new dimension");
check(control("CBO_INDDESCR").selectCode("2"), "cannot choose the fixed interval");
check(control("TXT_POSINI").enabled && control("TXT_POSFIN").enabled, "positions not enabled");
control("TXT_POSINI").type("5");
control("TXT_POSFIN").type("5");
check(!navigator.press("Conferma"), "end equal to start was saved");
expectMessage("48 " + title + ": La posizione finale non può essere minore o uguale alla posizione iniziale");
control("TXT_POSFIN").type("9");
check(navigator.press("Conferma"), "positions 5-9 refused");
check(dimensions()[6] === "A6|1|STAGIONE|5|9", "stored " + dimensions()[6]);

// A second first-level grid dimension is refused.
control("CBO_GESTGRIGLIA").selectCode("1");
check(!navigator.press("Conferma"), "a second first level was saved");
expectMessage("48 Impossibile registrare: Non è possibile inserire un'altra variante con \"Gestione griglia\" = 1° livello (dettaglio) !");
check(navigator.press("Annulla"), "undo refused");

// Deleting: TAGLIA is held in article descriptions, the new dimension is not.
check(grid.select(1), "cannot select TAGLIA");
check(!navigator.press("Elimina"), "TAGLIA was deleted");
expectMessage("48 " + title + ": Il record non può essere cancellato in quanto esso o un successivo risulta già utilizzato");
check(grid.select(6), "cannot select STAGIONE");
check(navigator.press("Elimina"), "STAGIONE was not deleted");
check(dimensions().length === 6 && grid.rowCount === 6, "rows after the delete: " + dimensions().join(", "));

// The reserved dimension is PROGRESSIVO CONFIGURAZIONE, rank 6.
check(grid.select(0), "cannot select COLORE");
check(!control("CHK_INDPROGCONFIG").toggle(), "a second reserved dimension was accepted");
expectMessage("48 " + title + ": ATTENZIONE !!!\rLa 'Variante Riservata' è già stata impostata sulla variante [6]");

// The whole configurator stays while options exist.
check(control("CmdDel").click(), "cannot press Elimina configuratore");
expectMessage("48 Eliminazione impossibile: Per poter eliminare il configuratore delle varianti occorre eliminare tutte le varianti esistenti.");
check(dimensions().length === 6, "dimensions deleted");

check(suite.close() === true, "the console stayed open");
print("variant configurator: every step as expected");
