// Pictures of the main window with the console on each section of the sidebar. From the repository's
// folder: suite-host --db build/demo.db --script docs/screenshots/take.js
var sections = [
    ["ITMCONFIGVAR", "01-configuratore-varianti"],
    ["ITMOPZVAR", "02-opzioni", function () { enter("TXT_VAROPZ", "1"); }],
    ["ITMLINGUAVAR", "03-descrizioni-in-lingua"],
    ["ITMCLIFORVAR", "04-descrizioni-clienti-fornitori", function () { enter("TXT_CLIFOR", "1001"); }],
    ["ITMRAGGRUP", "05-raggruppamenti", function () { enter("TXT_PROGRAGGR", "1"); }],
    ["ITMRAGVAR", "06-composizione-raggruppamenti", function () { enter("TXT_RAGGRUPP", "CLASSICI"); }],
    ["ITMPRIELA", "07-priorita-elaborazione"],
    ["ITMCONFIGART", "08-configuratore-articolo"],
    ["ITMSUBCOD", "09-subcodici-articolo"],
    ["ITMDESLINART", "10-descrizioni-subcodici"],
    ["ITMOBBDOC", "11-obbligatorieta-documenti"],
    ["ITMOBBPRO", "12-obbligatorieta-programmi", function () { suite.control("TRV_MENU").choose("Listini di vendita"); }]
];
// Types a value into a field and leaves it, as a person shows a section with data.
function enter(field, text) {
    suite.control(field).type(text);
    suite.control(field).leave();
}
suite.open();
suite.screenshot("docs/screenshots/00-apertura.png");
for (var i = 0; i < sections.length; ++i) {
    suite.section(sections[i][0]);
    if (sections[i][2])
        sections[i][2]();
    if (!suite.screenshot("docs/screenshots/" + sections[i][1] + ".png"))
        throw new Error("cannot write " + sections[i][1]);
    print(sections[i][0], "->", sections[i][1] + ".png", suite.console.message ? "(message: " + suite.console.message + ")" : "");
}
suite.close();
