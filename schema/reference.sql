-- Reference data every installation has, whatever its companies: the languages, the document types and
-- the menu of programs. suite-db init loads it before the demo companies or the first company.

INSERT INTO MG52_LINGUE (MG52_CODLINGUA, MG52_DESCRLINGUA, MG52_SIGLALINGUA) VALUES
    ('ITA', 'Italiano', 'IT'),
    ('ENG', 'Inglese', 'EN'),
    ('FRA', 'Francese', 'FR'),
    ('DEU', 'Tedesco', 'DE'),
    ('SPA', 'Spagnolo', 'ES');

INSERT INTO MG36_DOCUMENTI (MG36_CODDOCUM, MG36_DESCR) VALUES
    ('ORDCLI', 'Ordine cliente'),
    ('OFFCLI', 'Offerta a cliente'),
    ('DDT', 'Documento di trasporto'),
    ('FATTURA', 'Fattura immediata'),
    ('FATTACC', 'Fattura accompagnatoria'),
    ('ORDFOR', 'Ordine a fornitore'),
    ('RESOCLI', 'Reso da cliente'),
    ('CARMAG', 'Carico di magazzino'),
    ('SCAMAG', 'Scarico di magazzino');

-- Folders have no program name. MGUO_ARTICOLI sits in two menus.
INSERT INTO FW50_MODMENU (FW50_IDVOCETS, FW50_IDPADRE, FW50_MODULO, FW50_NOME, FW50_DESCR, FW50_ORDINE) VALUES
    (1, NULL, 'MG', NULL, 'Magazzino', 1),
    (2, 1, 'MG', NULL, 'Anagrafiche', 1),
    (3, 1, 'MG', NULL, 'Movimenti', 2),
    (4, 1, 'MG', NULL, 'Parametri', 3),
    (5, NULL, 'DO', NULL, 'Documenti', 2),
    (6, NULL, 'PD', NULL, 'Produzione', 3),
    (7, NULL, 'CM', NULL, 'Commerciale', 4),
    (101, 2, 'MG', 'MGUO_ARTICOLI', 'Anagrafica articoli', 1),
    (102, 2, 'MG', 'MGUO_LISTINI', 'Listini di vendita', 2),
    (103, 3, 'MG', 'MGUO_MOVMAG', 'Movimenti di magazzino', 1),
    (104, 3, 'MG', 'MGUO_INVENTARIO', 'Inventario', 2),
    (105, 4, 'MG', 'MGUO_PARMAGAZ', 'Parametri di magazzino', 1),
    (106, 4, 'MG', 'MGUO_BRONDEL', 'Console parametri varianti', 2),
    (201, 5, 'DO', 'DOUO_DOCUMENTI', 'Gestione documenti', 1),
    (202, 5, 'DO', 'DOUO_EVASIONE', 'Evasione ordini', 2),
    (301, 6, 'PD', 'PDUO_DISTINTE', 'Distinta base', 1),
    (302, 6, 'PD', 'PDUO_COSTI', 'Costificazione distinte', 2),
    (303, 6, 'PD', 'MGUO_ARTICOLI', 'Anagrafica articoli', 3),
    (401, 7, 'CM', 'CMUO_CONFIGURATORE', 'Configuratore commerciale', 1),
    (402, 7, 'CM', 'CMUO_OFFERTE', 'Offerte a clienti', 2);
