// The mandatory-variants sections on the demo database, driven as a person would through suite-host: cells
// and select-all boxes per document, the document search, toggles per program with the tree's marks and
// the summary, the exception rows of MG5J_DOCPRGVAR checked at each step.
//   suite-host --db demo.db --script tests/brondel/scripts/mandatory_variants.js
function check(condition, what) {
    if (!condition)
        throw new Error(what);
}

function expect(got, expected, what) {
    check(got === expected, what + "\n  " + got + "\nexpected\n  " + expected);
}

// Company 1's exception rows as "variant|object|flag", sorted.
function exceptions() {
    var rows = suite.db.query("SELECT MG5J_CODICEVAR_MG5F AS CODE, MG5J_UOBJECT AS OBJ, MG5J_FLGOBBLIG AS FLAG " +
                              "FROM MG5J_DOCPRGVAR WHERE MG5J_DITTA_CG18 = 1");
    return rows.map(function (row) { return [row.CODE, row.OBJ, row.FLAG].join("|"); }).sort().join(", ");
}

function rowOf(grid, field, value) {
    for (var i = 0; i < grid.rowCount; ++i) {
        if (grid.value(i, field) === value)
            return i;
    }
    throw new Error("no row " + value);
}

var demo = "A2|MGUO_LISTINI|0, A3|CARMAG|0, A3|MGUO_LISTINI|0, A4|CARMAG|0, A4|ORDFOR|0, A4|PDUO_DISTINTE|0";

suite.open();

// Per document: seven documents, a check column per variant; a box is ticked when its column is.
check(suite.section("ITMOBBDOC"), "cannot open the section per document");
var documents = suite.control("GRD_OBBDOC");
expect(documents.rowCount, 7, "documents");
expect(exceptions(), demo, "exceptions at the start");
expect([documents.isSelectAllChecked("A0"), documents.isSelectAllChecked("A4")].join(), "true,false", "boxes");

// Unticking a cell stores its exception and clears the column's box; ticking it again deletes it.
check(documents.tick(rowOf(documents, "MG3G_CODDOCUM_MG36", "DDT"), "A0"), "cannot untick DDT A0");
expect(exceptions(), "A0|DDT|0, " + demo, "after unticking DDT A0");
check(!documents.isSelectAllChecked("A0"), "the box of A0 is still ticked");
check(documents.tick(rowOf(documents, "MG3G_CODDOCUM_MG36", "DDT"), "A0"), "cannot tick DDT A0");
expect(exceptions(), demo, "after ticking DDT A0 again");

// The select-all box of A4, ticked: no document keeps an exception of A4 (the program keeps its own).
check(documents.selectAll("A4", true), "cannot tick the box of A4");
expect(exceptions(), "A2|MGUO_LISTINI|0, A3|CARMAG|0, A3|MGUO_LISTINI|0, A4|PDUO_DISTINTE|0", "after ticking A4");
// Cleared: every document has A4 not mandatory.
check(documents.selectAll("A4", false), "cannot clear the box of A4");
var everyA4 = ["CARMAG", "DDT", "FATTURA", "OFFCLI", "ORDCLI", "ORDFOR", "RESOCLI"].map(function (code) {
    return "A4|" + code + "|0";
});
expect(exceptions(), ["A2|MGUO_LISTINI|0", "A3|CARMAG|0", "A3|MGUO_LISTINI|0", "A4|PDUO_DISTINTE|0"]
       .concat(everyA4).sort().join(", "), "after clearing A4");
check(documents.selectAll("A4", true), "cannot tick the box of A4 again");

// The search: a listed document moves the grid there, another leaves it where it was.
var field = suite.control("TXT_CODDOC");
field.type("fattura");
field.enter();
expect(documents.value(documents.currentRow, "MG3G_CODDOCUM_MG36"), "FATTURA", "row after FATTURA");
expect(suite.control("TXT_DESCRDOC").text, "Fattura immediata", "description of FATTURA");
field.type("SCAMAG");
field.enter();
expect(documents.value(documents.currentRow, "MG3G_CODDOCUM_MG36"), "FATTURA", "row after SCAMAG");

// Per program: the tree marks the programs with exceptions; the summary lists them by description.
check(suite.section("ITMOBBPRO"), "cannot open the section per program");
var tree = suite.control("TRV_MENU");
function marked(nodes) {
    var found = [];
    nodes.forEach(function (node) {
        if (node.marked)
            found.push(node.key);
        found = found.concat(marked(node.children));
    });
    return found;
}
expect(marked(tree.nodes).join(), "102,301", "marked at the start");
var summary = suite.control("GRD_OBBPRORIEP");
expect([summary.cell(0, "FW50_NOME"), summary.cell(1, "FW50_NOME")].join("|"), "Listini di vendita|Distinta base",
       "summary");

// A folder shows no variants; a program shows each with its flag.
check(tree.choose("Magazzino"), "cannot choose the folder");
var variants = suite.control("GRD_OBBPRO");
expect(variants.rowCount, 0, "variants of a folder");
check(tree.choose("Anagrafica articoli"), "cannot choose Anagrafica articoli");
expect(variants.rowCount, 6, "variants of MGUO_ARTICOLI");
expect(variants.cell(0, "MG5F_CODICEVAR"), "COLORE", "first variant");

// Unticking marks the program in both of its menus and adds it to the summary; ticking removes both.
check(variants.tick(0, "FLGOBBLIG"), "cannot untick COLORE");
expect(exceptions().indexOf("A0|MGUO_ARTICOLI|0") >= 0, true, "exception of MGUO_ARTICOLI");
expect(marked(tree.nodes).join(), "101,102,301,303", "marked after unticking");
expect(summary.rowCount, 3, "summary after unticking");
expect(summary.cell(0, "FW50_NOME"), "Anagrafica articoli", "first program of the summary");
check(variants.tick(0, "FLGOBBLIG"), "cannot tick COLORE");
expect(marked(tree.nodes).join(), "102,301", "marked after ticking");
expect(summary.rowCount, 2, "summary after ticking");

expect(suite.messages.length, 0, "messages shown");
check(suite.close() === true, "the console stayed open");
print("mandatory variants: every step as expected");
