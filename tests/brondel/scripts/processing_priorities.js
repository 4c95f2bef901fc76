// The processing priorities on the demo database, driven as a person would through suite-host: steps
// ticked, moved, added and deleted, the defaults rebuilt; then the priorities service class called by late
// binding as another program of the suite calls it. The stored lists and the messages shown are checked at
// each step.
//   suite-host --db demo.db --script tests/brondel/scripts/processing_priorities.js
function check(condition, what) {
    if (!condition)
        throw new Error(what);
}

// Company's list of an element, one "priority:flags" per step.
function stored(company, element) {
    var rows = suite.db.query("SELECT * FROM MG5L_LETVARIANTI WHERE MG5L_DITTA_CG18 = " + company +
                              " AND MG5L_INDELEMENTO = " + element + " ORDER BY MG5L_PRIORITA");
    return rows.map(function (row) {
        var flags = "";
        for (var position = 1; position <= 10; ++position)
            flags += row["MG5L_FLGPOSVAR" + position];
        return row.MG5L_PRIORITA + ":" + flags;
    }).join(" ");
}

function expectList(company, element, expected) {
    var got = stored(company, element);
    check(got === expected, "company " + company + ", element " + element + "\n  " + got + "\nexpected\n  " + expected);
}

// The default list for n variants, as the suite defines it.
var defaultsForSix = "1:1111110000 2:1111100000 3:1111000000 4:1110000000 5:1100000000 6:1000000000 " +
                     "7:0111110000 8:0011110000 9:0001110000 10:0000110000 11:0000010000 12:0000000000";

suite.open();
check(suite.section("ITMPRIELA"), "cannot open the priorities");
var grid = suite.control("GRD_PRIORLETT");
var navigator = suite.control("GNV_PRIORLETT");

// Element 0 ("Listini") first: the demo's twelve steps, one column per variant captioned with its description.
check(suite.control("CBO_INDELEMENTO").text === "0", "element " + suite.control("CBO_INDELEMENTO").text);
check(grid.rowCount === 12, "steps: " + grid.rowCount);
var captions = grid.columns.filter(function (c) { return c.visible; }).map(function (c) { return c.caption; });
check(captions.join("|") === "Priorità|COLORE|TAGLIA|MATERIALE|LUNGHEZZA|FINITURA|PROGRESSIVO CONFIGURAZIONE",
      "columns " + captions.join("|"));

// A tick is saved at once.
check(grid.tick(11, "MG5L_FLGPOSVAR3"), "tick refused");
check(stored(1, 0).split(" ")[11] === "12:0010000000", "tick not saved: " + stored(1, 0));

// Step 12 up: steps 11 and 12 exchange their variants, the moved step stays selected.
check(grid.select(11), "cannot select step 12");
check(suite.control("CMD_SU").click(), "CMD_SU refused");
check(grid.currentRow === 10, "selected " + grid.currentRow);
check(stored(1, 0).split(" ").slice(10).join(" ") === "11:0010000000 12:0000010000", "moved: " + stored(1, 0));

// A new step comes last with no variant; deleting step 2 renumbers the ones after it.
check(navigator.press("Nuovo") && navigator.press("Conferma"), "new step refused");
check(stored(1, 0).split(" ")[12] === "13:0000000000", "new step: " + stored(1, 0));
check(grid.select(1) && navigator.press("Elimina"), "delete refused");
var after = stored(1, 0).split(" ");
check(after.length === 12 && after[1] === "2:1111000000" && after[11] === "12:0000000000", "renumbered: " + after.join(" "));

// Element 4 ("Distinta base") has a list of its own.
check(suite.control("CBO_INDELEMENTO").select(1), "cannot choose element 4");
check(grid.rowCount === 3, "element 4 steps: " + grid.rowCount);

// The defaults, after the question: elements 0 to 3 rebuilt, 4 emptied, 5 kept.
suite.answer(6);
check(suite.control("CMD_DEFAULT").click(), "CMD_DEFAULT refused");
var shown = suite.messages;
check(shown.length === 1 && shown[0].style === 36 && shown[0].title === "Attenzione" &&
      shown[0].text === "Si desidera sovrascrivere eventuali dati già presenti?", JSON.stringify(shown));
for (var element = 0; element <= 3; ++element)
    expectList(1, element, defaultsForSix);
expectList(1, 4, "");
expectList(1, 5, "1:1110000000");
check(suite.status(2) === "Pronto", "status " + suite.status(2));

// Another program's way: the class by its ProgID, on a connection of the script's own.
var priorities = suite.createObject("MGUO_BRONDEL.CLSMG_PRIORLETT");
priorities.Ditta = 2;
priorities.connessione = suite.db.connection();
check(priorities.PrioritaPredefinite() === undefined, "PrioritaPredefinite gave a result");
priorities.connessione = null;
for (element = 0; element <= 3; ++element)
    expectList(2, element, "1:1100000000 2:1000000000 3:0100000000 4:0000000000");

check(suite.close(), "the console stayed open");
