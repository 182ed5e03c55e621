-- A little sample of an agricultural company for the first look at the program:
-- centres, partners, price list and a few purchase receipts of April 2006.
SET NAMES utf8mb4;
INSERT INTO strtopc (stred, pc, structo, nazevstr) VALUES
  ('10', '01', '10', 'Sklad Kroměříž'), ('20', '01', '20', 'Sklad Hulín'), ('30', '02', '30', 'Míchárna');
INSERT INTO dealertopc (dealer, stredisko) VALUES ('01', '10'), ('02', '20');
INSERT INTO adresar (ico, dic, nazevpodni, sidlo, ulicecislo, psc, posta, kodpar, dealer) VALUES
  ('25512381', 'CZ25512381', 'Zemědělské družstvo Bílany', 'Kroměříž', 'Bílany 12', '76701', 'Kroměříž', 'ZDBIL', '01'),
  ('60710101', 'CZ6007100101', 'Josef Dvořák', 'Hulín', 'Nádražní 5', '76824', 'Hulín', 'DVORJ', '02'),
  ('46346058', 'CZ46346058', 'AGRO Žeranovice a.s.', 'Žeranovice', 'Žeranovice 1', '76901', 'Holešov', 'AGZER', '01');
INSERT INTO cenik (nomenkla, nazevosiva, pc, dan, analucet1, analucet2, UNISTREDISKO) VALUES
  ('PSOZ', 'Pšenice ozimá potravinářská', 3200, 5, '132.100', '604.100', 'V'),
  ('JECJ', 'Ječmen jarní sladovnický', 3500, 5, '132.110', '604.110', 'V'),
  ('REPKA', 'Řepka olejka', 6800, 5, '132.120', '604.120', 'V');
INSERT INTO pv (cislodokla, cislofakt, datum, stredisko, dealer, ico, nazevpodni, kodpar, zaklad_5, dan5) VALUES
  ('6001', '', '2006-04-03', '10', '01', '60710101', 'Josef Dvořák', 'DVORJ', 64000, 3200),
  ('6002', '', '2006-04-11', '10', '01', '25512381', 'Zemědělské družstvo Bílany', 'ZDBIL', 105000, 5250),
  ('6003', '', '2006-04-20', '20', '02', '46346058', 'AGRO Žeranovice a.s.', 'AGZER', 68000, 3400);
INSERT INTO pvrad (cislodokla, stredisko, nomenkla, nazevosiva, partie, partiecela, hmotnostpv, nc, dan) VALUES
  ('6001', '10', 'PSOZ', 'Pšenice ozimá potravinářská', '601', '601', 20, 3200, 5),
  ('6002', '10', 'JECJ', 'Ječmen jarní sladovnický', '602', '602', 30, 3500, 5),
  ('6003', '20', 'REPKA', 'Řepka olejka', '603', '603', 10, 6800, 5);
