-- Demo data: company 1 uses every section of the console; company 2 has a little data of its own, so that
-- anything leaking across companies shows.
--
-- Option string of company 1 (19 characters):
--   A0 COLORE 1-3 | A1 TAGLIA 4-6 | A2 MATERIALE 7-9 | A3 LUNGHEZZA 10-13 | A4 FINITURA 14-15 |
--   A5 PROGRESSIVO CONFIGURAZIONE 16-19 (reserved)
-- Article codes follow the article code configurator: family (3), line (4), model (6), counter (5).
--
-- In-use checks that find something here:
-- * article descriptions hold values up to A4, so only A5 can be deleted from the configurator;
-- * configuration 1 holds a progressive in A5, so A5 cannot lose its reserved flag;
-- * grouping CLASSICI of A0: BIA is in a document body, GRI in a bill of materials and in a component of
--   one, NER in both a document and a bill of materials; grouping ESTATE: ROS is in a document;
--   grouping ADULTO of A1: M and L are in documents. CLASSICI, ESTATE and ADULTO are used by articles.

INSERT INTO CG18_DITTE (CG18_CODDITTA, CG18_RAGSOC) VALUES
    (1, 'Demo Abbigliamento S.p.A.'),
    (2, 'Demo Calzature S.r.l.');

INSERT INTO MG47_PARMAGLINGUE (MG47_DITTA_CG18, MG47_CODLINGUA_MG52) VALUES
    (1, 'ITA'), (1, 'ENG'), (1, 'FRA'), (1, 'DEU'),
    (2, 'ITA'), (2, 'ENG');

INSERT INTO MG50_PARMAGAZ (MG50_DITTA_CG18, MG50_FLGVARIANTI, MG50_INDCODART) VALUES
    (1, 1, 1),
    (2, 1, 0);

INSERT INTO CG44_CLIFOR (CG44_DITTA_CG18, CG44_TIPOCF, CG44_CLIFOR, CG44_RAGSOANAG, CG44_INDIRIZZO, CG44_CAP,
                         CG44_CITTA, CG44_PROV, CG44_PARTIVA, CG44_CODFISCALE) VALUES
    (1, 0, 1001, 'Abbigliamento Rossi S.r.l.', 'Via Torino 12', '20123', 'Milano', 'MI', '01234567890', '01234567890'),
    (1, 0, 1002, 'Moda Bianchi S.p.A.', 'Corso Francia 88', '10143', 'Torino', 'TO', '02345678901', '02345678901'),
    (1, 0, 1003, 'Boutique Verdi di Anna Verdi', 'Via dei Calzaiuoli 5', '50122', 'Firenze', 'FI', '03456789012',
     'VRDNNA70A41D612X'),
    (1, 1, 1001, 'Lanificio Alpino S.r.l.', 'Via Roma 3', '13900', 'Biella', 'BI', '04567890123', '04567890123'),
    (1, 1, 2001, 'Tessiture Lombarde S.p.A.', 'Via Borgo Vico 140', '22100', 'Como', 'CO', '05678901234',
     '05678901234'),
    (1, 1, 2002, 'Filati del Nord S.r.l.', 'Viale Italia 21', '36100', 'Vicenza', 'VI', '06789012345', '06789012345'),
    (2, 0, 1001, 'Calzature Neri S.n.c.', 'Via Emilia 200', '40133', 'Bologna', 'BO', '07890123456', '07890123456');

INSERT INTO MG3G_DOCDITTA (MG3G_DITTA_CG18, MG3G_CODDOCUM_MG36) VALUES
    (1, 'ORDCLI'), (1, 'OFFCLI'), (1, 'DDT'), (1, 'FATTURA'), (1, 'ORDFOR'), (1, 'RESOCLI'), (1, 'CARMAG'),
    (2, 'DDT'), (2, 'FATTURA');

-- Variant dimensions. A0 is the first grid level, A1 the second; A3 is numeric; A4 has a default value;
-- A5 is reserved for configuration.
INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_INDNATURA, MG5F_SIZE,
                           MG5F_NUMINT, MG5F_NUMDEC, MG5F_FLGRAGGR, MG5F_FLGINTERVVAR, MG5F_INDDESCRART,
                           MG5F_VALIDO, MG5F_INDPRCLIFOR, MG5F_POSINIZDESCR, MG5F_POSFINDESCR, MG5F_SEQDESCR,
                           MG5F_INDGRIGLIA, MG5F_INDGENGRIDDOC, MG5F_INDMOSTRACOD, MG5F_FLGVARAUTO,
                           MG5F_FLGCONFERMAVARAUTO, MG5F_FLGDESCRVARAUTO, MG5F_FLGOBBLIG, MG5F_FLGDEFAULT,
                           MG5F_VARDEFAULT, MG5F_INDEREDIBA, MG5F_INDPROGCONFIG) VALUES
    (1, 'A0', 'COLORE', 0, 3, NULL, NULL, 1, 0, '1', 'S', '0', NULL, NULL, 1, 1, 0, 0, 0, 1, 1, 1, 0, NULL, 0, 0),
    (1, 'A1', 'TAGLIA', 0, 3, NULL, NULL, 1, 0, '3', 'S', '1', NULL, NULL, 2, 2, NULL, 1, 0, 1, 1, 1, 0, NULL, 1, 0),
    (1, 'A2', 'MATERIALE', 0, 3, NULL, NULL, 0, 1, '2', 'S', '0', 1, 20, 3, 0, NULL, 0, 0, 1, 1, 0, 0, NULL, 2, 0),
    (1, 'A3', 'LUNGHEZZA', 1, 4, 3, 1, 0, 0, '0', 'S', '0', NULL, NULL, NULL, 0, NULL, 0, 1, 1, 0, 0, 0, NULL, 0, 0),
    (1, 'A4', 'FINITURA', 0, 2, NULL, NULL, 0, 0, '4', 'S', '3', NULL, NULL, 4, 0, NULL, 0, 0, 1, 1, 0, 1, 'LU', 0, 0),
    (1, 'A5', 'PROGRESSIVO CONFIGURAZIONE', 1, 4, 4, 0, 0, 0, '0', 'S', '0', NULL, NULL, NULL, 0, NULL, 0, 0, 1, 1, 0,
     0, NULL, 0, 1),
    (2, 'A0', 'COLORE', 0, 2, NULL, NULL, 1, 0, '1', 'S', '0', NULL, NULL, 1, 0, NULL, 0, 0, 1, 1, 1, 0, NULL, 0, 0),
    (2, 'A1', 'NUMERO', 1, 2, 2, 0, 0, 0, '1', 'S', '0', NULL, NULL, 2, 0, NULL, 0, 0, 1, 1, 1, 0, NULL, 0, 0);

INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR) VALUES
    (1, 'A0', 'BIA', 'Bianco'),
    (1, 'A0', 'NER', 'Nero'),
    (1, 'A0', 'GRI', 'Grigio'),
    (1, 'A0', 'ROS', 'Rosso'),
    (1, 'A0', 'BLU', 'Blu'),
    (1, 'A0', 'VER', 'Verde'),
    (1, 'A0', 'GIA', 'Giallo'),
    (1, 'A1', 'XS', 'Extra small'),
    (1, 'A1', 'S', 'Piccola'),
    (1, 'A1', 'M', 'Media'),
    (1, 'A1', 'L', 'Grande'),
    (1, 'A1', 'XL', 'Extra large'),
    (1, 'A1', 'XXL', 'Doppia extra large'),
    (1, 'A2', 'COT', 'Cotone'),
    (1, 'A2', 'LAN', 'Lana'),
    (1, 'A2', 'LIN', 'Lino'),
    (1, 'A2', 'SET', 'Seta'),
    (1, 'A2', 'PEL', 'Pelle d''agnello'),
    (1, 'A3', '0500', 'Mezzo metro'),
    (1, 'A3', '1000', 'Un metro'),
    (1, 'A3', '1500', 'Un metro e mezzo'),
    (1, 'A3', '2000', 'Due metri'),
    (1, 'A4', 'LU', 'Lucida'),
    (1, 'A4', 'OP', 'Opaca'),
    (1, 'A4', 'SA', 'Satinata'),
    (2, 'A0', 'BI', 'Bianco'),
    (2, 'A0', 'NE', 'Nero'),
    (2, 'A0', 'MA', 'Marrone'),
    (2, 'A1', '40', 'Numero 40'),
    (2, 'A1', '42', 'Numero 42');

INSERT INTO MG5I_OPZLINGUA (MG5I_DITTA_CG18, MG5I_CODICEVAR_MG5F, MG5I_OPZIONE_MG5E, MG5I_LINGUA_MG52,
                            MG5I_DESCR) VALUES
    (1, 'A0', 'BIA', 'ENG', 'White'),
    (1, 'A0', 'BIA', 'FRA', 'Blanc'),
    (1, 'A0', 'BIA', 'DEU', 'Weiß'),
    (1, 'A0', 'NER', 'ENG', 'Black'),
    (1, 'A0', 'NER', 'FRA', 'Noir'),
    (1, 'A0', 'NER', 'DEU', 'Schwarz'),
    (1, 'A0', 'ROS', 'ENG', 'Red'),
    (1, 'A0', 'ROS', 'FRA', 'Rouge'),
    (1, 'A1', 'M', 'ENG', 'Medium'),
    (1, 'A2', 'COT', 'ENG', 'Cotton'),
    (1, 'A2', 'COT', 'FRA', 'Coton'),
    (1, 'A2', 'COT', 'DEU', 'Baumwolle'),
    (1, 'A2', 'LAN', 'ENG', 'Wool'),
    (1, 'A2', 'PEL', 'ENG', 'Lambskin'),
    (1, 'A2', 'PEL', 'FRA', 'Cuir d''agneau'),
    (2, 'A0', 'BI', 'ENG', 'White');

INSERT INTO MG5S_VARCLIFOR (MG5S_DITTA_CG18, MG5S_CODICEVAR_MG5F, MG5S_OPZIONE_MG5E, MG5S_TIPOCF_CG44,
                            MG5S_CLIFOR_CG44, MG5S_DESCR) VALUES
    (1, 'A0', 'BIA', 0, 1001, 'Bianco ottico'),
    (1, 'A0', 'NER', 0, 1001, 'Nero corvino'),
    (1, 'A1', 'M', 0, 1001, 'Taglia 48'),
    (1, 'A1', 'L', 0, 1002, 'Taglia 50'),
    (1, 'A2', 'COT', 1, 2001, 'Cotone pettinato 100%'),
    (1, 'A2', 'LAN', 1, 1001, 'Lana merino');

INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, MG5G_DESCRRAGGVAR) VALUES
    (1, 'A0', 'CLASSICI', 'COLORI CLASSICI'),
    (1, 'A0', 'ESTATE', 'COLORI ESTIVI'),
    (1, 'A1', 'ADULTO', 'TAGLIE ADULTO'),
    (1, 'A1', 'BAMBINO', 'TAGLIE BAMBINO');

-- BAMBINO has no options yet.
INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, MG5H_RAGGR_MG5G, MG5H_SEQOPZIONE,
                             MG5H_OPZIONE_MG5E, MG5H_DESCR) VALUES
    (1, 'A0', 'CLASSICI', 1, 'BIA', 'Bianco classico'),
    (1, 'A0', 'CLASSICI', 2, 'NER', NULL),
    (1, 'A0', 'CLASSICI', 3, 'GRI', 'Grigio antracite'),
    (1, 'A0', 'ESTATE', 1, 'GIA', NULL),
    (1, 'A0', 'ESTATE', 2, 'VER', NULL),
    (1, 'A0', 'ESTATE', 3, 'BLU', 'Blu mare'),
    (1, 'A0', 'ESTATE', 4, 'ROS', NULL),
    (1, 'A1', 'ADULTO', 1, 'S', NULL),
    (1, 'A1', 'ADULTO', 2, 'M', NULL),
    (1, 'A1', 'ADULTO', 3, 'L', NULL),
    (1, 'A1', 'ADULTO', 4, 'XL', NULL);

-- Priorities: indicator 0 holds the default list for six variants, indicator 4 a list of its own,
-- indicator 5 a list that rebuilding the defaults keeps.
INSERT INTO MG5L_LETVARIANTI (MG5L_DITTA_CG18, MG5L_INDELEMENTO, MG5L_PRIORITA, MG5L_FLGPOSVAR1, MG5L_FLGPOSVAR2,
                              MG5L_FLGPOSVAR3, MG5L_FLGPOSVAR4, MG5L_FLGPOSVAR5, MG5L_FLGPOSVAR6, MG5L_FLGPOSVAR7,
                              MG5L_FLGPOSVAR8, MG5L_FLGPOSVAR9, MG5L_FLGPOSVAR10) VALUES
    (1, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0),
    (1, 0, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0),
    (1, 0, 3, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0),
    (1, 0, 4, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0),
    (1, 0, 5, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 0, 6, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 0, 7, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0),
    (1, 0, 8, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0),
    (1, 0, 9, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0),
    (1, 0, 10, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0),
    (1, 0, 11, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0),
    (1, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 4, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0),
    (1, 4, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 4, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 5, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0);

-- Variants that are not mandatory for some documents and programs.
INSERT INTO MG5J_DOCPRGVAR (MG5J_DITTA_CG18, MG5J_CODICEVAR_MG5F, MG5J_UOBJECT, MG5J_FLGOBBLIG) VALUES
    (1, 'A4', 'ORDFOR', 0),
    (1, 'A3', 'CARMAG', 0),
    (1, 'A4', 'CARMAG', 0),
    (1, 'A2', 'MGUO_LISTINI', 0),
    (1, 'A3', 'MGUO_LISTINI', 0),
    (1, 'A4', 'PDUO_DISTINTE', 0);

-- Article code configurator: 3 + 4 + 6 + 5 = 18 characters; family and line are coded, the last sub-code
-- is the absolute counter.
INSERT INTO MG6F_DIMEART (MG6F_DITTA_CG18, MG6F_PROGR, MG6F_DESCR, MG6F_SIZE, MG6F_INDCODIFICA, MG6F_INDALLIN,
                          MG6F_INDDESCRART, MG6F_ULTPROG) VALUES
    (1, 1, 'Famiglia', 3, 1, 0, 0, 0),
    (1, 2, 'Linea', 4, 1, 0, 0, 0),
    (1, 3, 'Modello', 6, 0, 0, 0, 0),
    (1, 4, 'Progressivo', 5, 2, 1, 0, 7);

INSERT INTO MG6E_SUBCODART (MG6E_DITTA_CG18, MG6E_PROGR_MG6F, MG6E_SUBCODICE, MG6E_DESCR) VALUES
    (1, 1, 'CAM', 'Camicie'),
    (1, 1, 'PAN', 'Pantaloni'),
    (1, 1, 'GIA', 'Giacche'),
    (1, 1, 'MAG', 'Maglieria'),
    (1, 1, 'TES', 'Tessuti'),
    (1, 1, 'ACC', 'Accessori'),
    (1, 2, 'UOMO', 'Linea uomo'),
    (1, 2, 'DONN', 'Linea donna'),
    (1, 2, 'BIMB', 'Linea bambino');

INSERT INTO MG6I_SUBCODARTLING (MG6I_DITTA_CG18, MG6I_PROGR_MG6F, MG6I_SUBCODICE_MG6E, MG6I_LINGUA_MG52,
                                MG6I_DESCR) VALUES
    (1, 1, 'CAM', 'ENG', 'Shirts'),
    (1, 1, 'CAM', 'FRA', 'Chemises'),
    (1, 1, 'CAM', 'DEU', 'Hemden'),
    (1, 1, 'PAN', 'ENG', 'Trousers'),
    (1, 1, 'PAN', 'FRA', 'Pantalons'),
    (1, 2, 'UOMO', 'ENG', 'Menswear'),
    (1, 2, 'UOMO', 'FRA', 'Homme'),
    (1, 2, 'DONN', 'ENG', 'Womenswear');

INSERT INTO MG66_ARTICOLI (MG66_DITTA_CG18, MG66_CODART, MG66_DESCART) VALUES
    (1, 'CAMUOMOOXFORD00001', 'Camicia uomo Oxford'),
    (1, 'CAMDONNLINO0100002', 'Camicia donna in lino'),
    (1, 'PANUOMOCHINOS00003', 'Pantalone uomo chino'),
    (1, 'MAGDONNCARDIG00004', 'Cardigan donna'),
    (1, 'GIAUOMOBLAZER00005', 'Giacca uomo blazer'),
    (1, 'TESUOMOCOTONE00006', 'Tessuto di cotone'),
    (1, 'ACCUOMOBOTTON00007', 'Bottone in madreperla'),
    (2, 'STIVALE', 'Stivale in pelle');

INSERT INTO MG87_ARTDESC (MG87_DITTA_CG18, MG87_CODART_MG66, MG87_OPZIONE_MG5E, MG87_DESCART) VALUES
    (1, 'CAMUOMOOXFORD00001', 'BIAM  COT', 'Camicia Oxford bianca, taglia M, cotone'),
    (1, 'CAMUOMOOXFORD00001', 'NERL  LIN', 'Camicia Oxford nera, taglia L, lino'),
    (1, 'CAMDONNLINO0100002', 'ROSS  SET', 'Camicia donna rossa, taglia S, seta'),
    (1, 'PANUOMOCHINOS00003', 'GRIXL LAN1000OP', 'Pantalone chino grigio, XL, lana, un metro, opaco');

INSERT INTO CM15_CONFGCOMM (CM15_DITTA_CG18, CM15_NUMCONF, CM15_CODART_MG66, CM15_OPZIONE_MG5E, CM15_DESCR) VALUES
    (1, 1, 'CAMUOMOOXFORD00001', 'BIAM  COT      0001', 'Camicia Oxford su misura n. 1'),
    (1, 2, 'GIAUOMOBLAZER00005', 'BLUL  LAN', 'Blazer blu in lana');

INSERT INTO MG6B_GESVARART (MG6B_DITTA_CG18, MG6B_CODART_MG66, MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR,
                            MG6B_CODRAGGVAR_MG5G) VALUES
    (1, 'CAMUOMOOXFORD00001', 'A0', 1, 'CLASSICI'),
    (1, 'CAMUOMOOXFORD00001', 'A1', 1, 'ADULTO'),
    (1, 'CAMDONNLINO0100002', 'A0', 1, 'ESTATE'),
    (1, 'PANUOMOCHINOS00003', 'A0', 1, 'CLASSICI'),
    (1, 'TESUOMOCOTONE00006', 'A0', 1, 'CLASSICI'),
    (1, 'MAGDONNCARDIG00004', 'A0', 0, NULL);

INSERT INTO DO11_DOCTESTATA (DO11_DITTA_CG18, DO11_NUMREG_CO99, DO11_CODDOCUM_MG36, DO11_NUMDOC, DO11_DATADOC,
                             DO11_TIPOCF_CG44, DO11_CLIFOR_CG44) VALUES
    (1, 1, 'ORDCLI', 1, '2024-03-04', 0, 1001),
    (1, 2, 'DDT', 15, '2024-03-11', 0, 1002),
    (1, 3, 'ORDFOR', 3, '2024-03-12', 1, 2001);

INSERT INTO DO30_DOCCORPO (DO30_DITTA_CG18, DO30_NUMREG_CO99, DO30_PROGRIGA, DO30_CODART_MG66, DO30_OPZIONE_MG5E,
                           DO30_QTA) VALUES
    (1, 1, 1, 'CAMUOMOOXFORD00001', 'BIAM  COT', 10),
    (1, 1, 2, 'CAMUOMOOXFORD00001', 'NERL  LIN', 5),
    (1, 2, 1, 'CAMDONNLINO0100002', 'ROSS  SET', 3),
    (1, 3, 1, 'TESUOMOCOTONE00006', NULL, 120);

INSERT INTO PD95_DISBA (PD95_DITTA_CG18, PD95_IDDISBA, PD95_CODART_MG66, PD95_OPZIONE, PD95_DESCR) VALUES
    (1, 1, 'PANUOMOCHINOS00003', 'GRIXL LAN1000OP', 'Pantalone chino grigio XL'),
    (1, 2, 'PANUOMOCHINOS00003', 'NERL  LAN', 'Pantalone chino nero L');

INSERT INTO PD96_LEGAMIDISBA (PD96_DITTA_CG18, PD96_IDDISBA_PD95, PD96_SEQ, PD96_COMPON, PD96_OPZIONE, PD96_QTA)
VALUES
    (1, 1, 1, 'TESUOMOCOTONE00006', 'GRI', 1.5),
    (1, 1, 2, 'ACCUOMOBOTTON00007', NULL, 6),
    (1, 2, 1, 'TESUOMOCOTONE00006', 'NER', 1.4),
    (1, 2, 2, 'ACCUOMOBOTTON00007', NULL, 6);
