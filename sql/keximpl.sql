-- Posting settings of a new installation: one row per key, in the order the
-- posting core loads them, then the journal-code translations.
--
-- Values follow the Czech chart of accounts (three-digit synthetic account,
-- ".", three-character analytic part, 7 characters in all). An account the
-- rules expand may be a template: XXX = centre code, DD = VAT rate,
-- YY = structure code; the others are used exactly as stored, so they hold
-- finished accounts. Switches are "A" (on) or "N" (off).
--
-- Load after schema.sql:  mariadb ... dbname < sql/keximpl.sql
INSERT INTO keximpl (popis, ucet) VALUES
  -- target accounting system and centres left out of every list
  ('TypUcto',                     'Helios'),
  ('BezStredisko',                ''),
  -- receivables
  ('A311',                        '311.100'),
  ('A311ex',                      '311.200'),
  ('A311uc',                      '311.XXX'),
  -- output VAT of services and deliveries (110 reduced, 120 standard)
  ('A343nVU',                     '343.110'),
  ('A343vVU',                     '343.120'),
  ('A343nVN',                     '343.110'),
  ('A343vVN',                     '343.120'),
  ('A3430VN',                     '343.100'),
  ('A343eVN',                     '343.300'),
  ('A343e3VN',                    '343.310'),
  ('A548VN',                      '548.100'),
  -- revenue of seed processing services and treatment agents
  ('A604VUc',                     '602.110'),
  ('A604VUs',                     '602.120'),
  ('A604VUd',                     '602.130'),
  ('A604VUm',                     '602.140'),
  ('A604VUmoridla',               '604.150'),
  -- payables, input VAT, rounding of purchase invoices
  ('A321',                        '321.100'),
  ('A343nVL',                     '343.210'),
  ('A343vVL',                     '343.220'),
  ('A548VL',                      '548.200'),
  -- goods in transit and intra-company settlement (per centre)
  ('A131',                        '131.XXX'),
  ('A395',                        '395.XXX'),
  ('A395pv5',                     '395.XXX'),
  ('A395ka',                      '395.100'),
  ('A395smesi',                   '395.200'),
  -- VAT codes of the accounting system's VAT register
  ('KODnVU',                      '10'),
  ('KODvVU',                      '20'),
  ('KODnVN',                      '10'),
  ('KODvVN',                      '20'),
  ('KOD0VN',                      '00'),
  ('KODeVN',                      '30'),
  ('KODe3VN',                     '31'),
  ('KODeVNprace',                 '32'),
  ('KODe3VNprace',                '33'),
  ('KODnVL',                      '11'),
  ('KODvVL',                      '21'),
  -- advances received (by VAT rate)
  ('A324311',                     '324.0DD'),
  ('A324604',                     '324.100'),
  -- revenue, costs and stock
  ('A604',                        '604.100'),
  ('A604ex',                      '604.200'),
  ('A504',                        '504.100'),
  ('A132',                        '132.XXX'),
  ('A123',                        '123.100'),
  ('A613',                        '613.100'),
  ('A601',                        '601.100'),
  ('A601ex',                      '601.200'),
  ('A602',                        '602.100'),
  -- switches of the sales and purchase rules
  ('sou311321',                   'N'),
  ('VZdoSalda',                   'N'),
  ('VZnaFAotocitMD-DAL',          'N'),
  ('PraceZKalkulaceNaVN',         'N'),
  ('TrzbaVNdefi',                 'N'),
  ('TrzbaVNdefiExport',           'N'),
  ('TrzbaVNpracedefi',            'N'),
  -- cash desk: post it, keep SEU receipts, line text = pre-assignment
  ('UctovatPokladnu',             'A'),
  ('NeuctovatPrijemZaUctenkySEU', 'N'),
  ('PokladnaDoRadkuPrenaset',     '2'),
  ('DatumDokladuDleUO',           'N'),
  ('U311zADR',                    'N'),
  ('U321zADR',                    'N'),
  -- transport
  ('UctovatDopravu',              'A'),
  ('A518dopr',                    '518.100'),
  ('A131dopr',                    '131.200'),
  ('A111',                        '111.XXX'),
  ('A621',                        '621.100'),
  -- production: feed mixtures, material costs of calculations and mixtures
  ('UctovatKrmneSmesi',           'A'),
  ('A395krmsmesi',                '395.300'),
  ('A501ka',                      '501.100'),
  ('A501smesi',                   '501.200'),
  ('A501krmsmesi',                '501.300'),
  ('UctovatNakladyKA',            'N'),
  ('UctovatNakladySmesi',         'N'),
  ('UctovatNakladyKrmsmesi',      'N'),
  ('U602morZcenikuA5',            'N');

-- Journal codes under which the accounting system keeps each journal; the
-- same code means no translation. The settings dialog lists them in this
-- order.
INSERT INTO keximpl (popis, ucet) VALUES
  ('Denik-VU', 'VU'),
  ('Denik-PV', 'PV'),
  ('Denik-VN', 'VN'),
  ('Denik-DF', 'DF'),
  ('Denik-DO', 'DO'),
  ('Denik-VZ', 'VZ'),
  ('Denik-VP', 'VP'),
  ('Denik-KA', 'KA'),
  ('Denik-SM', 'SM'),
  ('Denik-VV', 'VV'),
  ('Denik-VC', 'VC'),
  ('Denik-DU', 'DU'),
  ('Denik-PO', 'PO'),
  ('Denik-DP', 'DP'),
  ('Denik-KS', 'KS');
