// The groupings and the composition of a grouping on the demo database, driven as a person would through
// suite-host: a grouping added, options added one by one, all together and from the search list, moved,
// renumbered, described and removed, with the rows stored and the messages shown checked at each step.
//   suite-host --db demo.db --script tests/brondel/scripts/groupings.js
var title = "Console parametri varianti";

function check(condition, what) {
    if (!condition)
        throw new Error(what);
}

function expectEqual(got, expected, what) {
    check(JSON.stringify(got) === JSON.stringify(expected),
          what + "\n  " + JSON.stringify(got) + "\nexpected\n  " + JSON.stringify(expected));
}

// A grouping's options of the first company as "OPTION:seq", by sequence.
function members(variant, grouping) {
    return suite.db.query("SELECT MG5H_OPZIONE_MG5E AS OPT, MG5H_SEQOPZIONE AS SEQ FROM MG5H_COMPRAGVAR " +
                          "WHERE MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = '" + variant + "' AND " +
                          "MG5H_RAGGR_MG5G = '" + grouping + "' ORDER BY MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E")
        .map(function (row) { return row.OPT + ":" + row.SEQ; });
}

var seen = 0;
function expectMessages(expected) {
    var got = suite.messages.slice(seen).map(function (m) { return m.style + " " + m.title + ": " + m.text; });
    seen = suite.messages.length;
    expectEqual(got, expected, "messages");
}

function enter(name, text) {
    var field = suite.control(name);
    check(field.type(text), name + " refused the text");
    field.leave();
}

// The rows of a grid column, in the grid's order.
function column(grid, field) {
    var values = [];
    for (var row = 0; row < grid.rowCount; ++row)
        values.push(grid.cell(row, field));
    return values;
}

// The options the left grid draws in red.
function red() {
    var options = suite.control("GRD_RAGGR_MG5E");
    var found = [];
    for (var row = 0; row < options.rowCount; ++row) {
        if (options.colour(row) === 255)
            found.push(options.cell(row, "MG5E_OPZIONE"));
    }
    return found.sort();
}

function select(grid, field, value) {
    var values = column(grid, field);
    check(values.indexOf(value) >= 0, value + " not in " + grid.name);
    check(grid.select(values.indexOf(value)), "cannot select " + value);
}

suite.open();

// Groupings: a new one on the second variant, saved as soon as its code is confirmed.
check(suite.section("ITMRAGGRUP"), "cannot open the groupings");
enter("TXT_PROGRAGGR", "2");
check(suite.control("TXT_DESCPROGR").text === "TAGLIA", "variant " + suite.control("TXT_DESCPROGR").text);
expectEqual(column(suite.control("GRD_RAGGRUP"), "MG5G_CODRAGGVAR"), ["ADULTO", "BAMBINO"], "groupings");
check(suite.control("GNV_RAGGRUP").press("Nuovo"), "Nuovo refused");
suite.control("TXT_DESRAGGR").type("taglie forti");
enter("TXT_CODRAGGR", "l'forti");
expectMessages(["48 " + title + ": Il codice non può contenere il carattere (')."]);
enter("TXT_CODRAGGR", "forti");
expectMessages([]);
expectEqual(suite.db.query("SELECT MG5G_DESCRRAGGVAR AS D FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = 1 AND " +
                           "MG5G_CODICEVAR_MG5F = 'A1' AND MG5G_CODRAGGVAR = 'FORTI'").map(function (r) { return r.D; }),
            ["TAGLIE FORTI"], "new grouping");
// A reserved variant has no groupings here.
enter("TXT_PROGRAGGR", "6");
check(!suite.control("TXT_CODRAGGR").enabled && suite.control("GRD_RAGGRUP").rowCount === 0, "reserved variant");

// Composition of FORTI: L and XL one by one, then the rest from the search list in one pick.
check(suite.section("ITMRAGVAR"), "cannot open the composition");
suite.control("CBO_PROGR_RAGGR").selectCode("2");
enter("TXT_RAGGRUPP", "FORTI");
check(suite.control("TXT_DESCRRAGGR").text === "TAGLIE FORTI", "grouping " + suite.control("TXT_DESCRRAGGR").text);
select(suite.control("GRD_RAGGR_MG5E"), "MG5E_OPZIONE", "XL");
suite.control("BTN_ADD").click();
select(suite.control("GRD_RAGGR_MG5E"), "MG5E_OPZIONE", "L");
suite.control("BTN_ADD").click();
expectEqual(members("A1", "FORTI"), ["XL:1", "L:2"], "added one by one");
suite.pick([5, 1]);  // XXL and M of L, M, S, XL, XS, XXL
suite.control("BTN_CERCASX").click();
expectEqual(members("A1", "FORTI"), ["XL:1", "L:2", "XXL:3", "M:4"], "added from the list");
expectEqual(red(), ["L", "M", "XL", "XXL"], "red options");

// Moves, a renumbering and a description in the grouping.
var right = suite.control("GRD_RAGGR_MG5H");
select(right, "MG5H_OPZIONE_MG5E", "XXL");
suite.control("BTN_GIU").click();
expectEqual(members("A1", "FORTI"), ["XL:1", "L:2", "M:3", "XXL:4"], "moved down");
check(right.cell(right.currentRow, "MG5H_OPZIONE_MG5E") === "XXL", "the moved row is not selected");
suite.control("CMD_RINUMERA").choose("key_opzione");
expectEqual(members("A1", "FORTI"), ["L:1", "M:2", "XL:3", "XXL:4"], "renumbered by option");
check(right.edit(2, "MG5H_DESCR", " Taglia 52 d'uomo "), "description not edited");
expectEqual(suite.db.query("SELECT MG5H_DESCR AS D FROM MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = 'FORTI' AND " +
                           "MG5H_OPZIONE_MG5E = 'XL'").map(function (r) { return r.D; }),
            ["Taglia 52 d'uomo"], "description");

// Two rows removed together keep their gaps; a move still takes the neighbour's place.
suite.pick([1, 2]);  // M:2, XL:3
suite.control("BTN_CERCADX").click();
expectEqual(members("A1", "FORTI"), ["L:1", "XXL:4"], "removed from the list");
select(right, "MG5H_OPZIONE_MG5E", "XXL");
suite.control("BTN_SU").click();
expectEqual(members("A1", "FORTI"), ["XXL:1", "L:4"], "moved up over a gap");
expectEqual(red(), ["L", "XXL"], "red after the removal");

// ADULTO's M is in a document: removing it is refused, with the uses.
enter("TXT_RAGGRUPP", "ADULTO");
select(right, "MG5H_OPZIONE_MG5E", "M");
suite.control("BTN_DEL").click();
expectMessages(["48 " + title + ": Non è possibile rimuovere un'opzione già in uso.\r\n - Articolo di un documento"]);
expectEqual(members("A1", "ADULTO"), ["S:1", "M:2", "L:3", "XL:4"], "refused removal");

// A variant without the groupings flag.
suite.control("CBO_PROGR_RAGGR").selectCode("3");
check(!suite.control("BTN_ADD").enabled && !suite.control("TXT_RAGGRUPP").enabled, "commands enabled");
check(suite.control("LBL_RAGMES").caption === "L'elemento di variante selezionato non permette raggruppamenti",
      "message line " + suite.control("LBL_RAGMES").caption);

// The tree of the first variant instead of the grid, and back.
suite.control("CBO_PROGR_RAGGR").selectCode("1");
suite.control("BTN_VIEW").click();
check(suite.control("TvDim").visible && !right.visible, "the tree is not shown");
suite.control("BTN_VIEW").click();
check(!suite.control("TvDim").visible && right.visible, "the grid is not back");

check(suite.close(), "the console did not close");
