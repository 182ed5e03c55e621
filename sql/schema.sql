-- Tables of the Tervan05 database as the posting module (kex) uses them.
-- Load into an empty database with the plain client:
--   mariadb -uroot --socket=SOCK dbname < sql/schema.sql
--
-- Conventions kept throughout:
--  * every text is cp1250 (the suite's code page), every column NOT NULL
--    with a default, so an insert that names only some columns never fails;
--  * amounts, quantities and prices are DOUBLE;
--  * a posting-state column (datumkexct, datumkexcf) is a DATETIME:
--    before 2002-12-12 = not posted, 1999-09-09 = listed in an open session,
--    1900-01-01 = reset, later = timestamp of the posting (kexinfo.datum);
--  * document dates are DATE, '1900-01-01' when unknown.
--
-- kexinfo.zruseno/doucta default to the zero date, which needs a session
-- without NO_ZERO_DATE; the module runs every session with an empty sql_mode.
SET SESSION sql_mode = '';

-- ---------------------------------------------------------------------------
-- Journal of the posting module
-- ---------------------------------------------------------------------------

-- Journal lines of committed postings, one row per line. The working copy
-- kexcdotmp is made from this table with CREATE ... SELECT, so the column
-- order here is also the order of the export files. id is given by this
-- table when a line is copied in with id 0; id2 numbers the lines within
-- one posting in the order the rules wrote them.
-- denik compares case-sensitively: the purchase-price lines of a session
-- carry "Vn", "Vc", "Vu" until the commit, and the back button of the VN tab
-- must not take the "Vn" lines of the VN nc tab with its own "VN" lines.
CREATE TABLE kexcto (
  mesic      VARCHAR(2)  NOT NULL DEFAULT '',
  rok        VARCHAR(4)  NOT NULL DEFAULT '',
  doklad     VARCHAR(10) NOT NULL DEFAULT '',
  denik      VARCHAR(2)  COLLATE cp1250_bin NOT NULL DEFAULT '',
  ucet       VARCHAR(7)  NOT NULL DEFAULT '',
  v343       VARCHAR(3)  NOT NULL DEFAULT '',
  stredisko  VARCHAR(10) NOT NULL DEFAULT '',
  dealer     VARCHAR(2)  NOT NULL DEFAULT '',
  symbol     VARCHAR(10) NOT NULL DEFAULT '',
  md         DOUBLE      NOT NULL DEFAULT 0,
  dal        DOUBLE      NOT NULL DEFAULT 0,
  text       VARCHAR(50) NOT NULL DEFAULT '',
  datum      DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  cislo      INT         NOT NULL DEFAULT 0,
  datzdp     DATE        NOT NULL DEFAULT '1900-01-01',
  ico        VARCHAR(10) NOT NULL DEFAULT '',
  nazevpodni VARCHAR(30) NOT NULL DEFAULT '',
  kodpar     VARCHAR(20) NOT NULL DEFAULT '',
  zaklad     VARCHAR(20) NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  datspl     DATE        NOT NULL DEFAULT '1900-01-01',
  pdoklad    VARCHAR(10) NOT NULL DEFAULT '',
  mena       VARCHAR(3)  NOT NULL DEFAULT '',
  kurz       DOUBLE      NOT NULL DEFAULT 0,
  md8        DOUBLE      NOT NULL DEFAULT 0,
  dal8       DOUBLE      NOT NULL DEFAULT 0,
  pestitel   VARCHAR(20) NOT NULL DEFAULT '',
  id         INT         NOT NULL AUTO_INCREMENT,
  id2        INT         NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY kexcto_datum (datum),
  KEY kexcto_cislo (cislo, id2),
  KEY kexcto_denik_symbol (denik, symbol),
  KEY kexcto_denik_doklad (denik, doklad)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Open-item records (receivables and payables ledger) of committed postings,
-- one row per invoice or receipt. The working copy kexcfatmp is made from it.
-- denik compares case-sensitively, as in kexcto.
CREATE TABLE kexctof (
  mesic      VARCHAR(2)  NOT NULL DEFAULT '',
  rok        VARCHAR(4)  NOT NULL DEFAULT '',
  doklad     VARCHAR(10) NOT NULL DEFAULT '',
  pdoklad    VARCHAR(10) NOT NULL DEFAULT '',
  denik      VARCHAR(2)  COLLATE cp1250_bin NOT NULL DEFAULT '',
  ucet       VARCHAR(7)  NOT NULL DEFAULT '',
  v343       VARCHAR(3)  NOT NULL DEFAULT '',
  stredisko  VARCHAR(10) NOT NULL DEFAULT '',
  symbol     VARCHAR(10) NOT NULL DEFAULT '',
  castka     DOUBLE      NOT NULL DEFAULT 0,
  rozdil     DOUBLE      NOT NULL DEFAULT 0,
  ico        VARCHAR(10) NOT NULL DEFAULT '',
  kodpar     VARCHAR(20) NOT NULL DEFAULT '',
  dic        VARCHAR(20) NOT NULL DEFAULT '',
  nazevpodni VARCHAR(30) NOT NULL DEFAULT '',
  sidlo      VARCHAR(30) NOT NULL DEFAULT '',
  ulicecislo VARCHAR(30) NOT NULL DEFAULT '',
  psc        VARCHAR(6)  NOT NULL DEFAULT '',
  posta      VARCHAR(30) NOT NULL DEFAULT '',
  text       VARCHAR(50) NOT NULL DEFAULT '',
  datum      DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  datzdp     DATE        NOT NULL DEFAULT '1900-01-01',
  datvyst    DATE        NOT NULL DEFAULT '1900-01-01',
  datspl     DATE        NOT NULL DEFAULT '1900-01-01',
  dan5       DOUBLE      NOT NULL DEFAULT 0,
  dan23      DOUBLE      NOT NULL DEFAULT 0,
  zakl0      DOUBLE      NOT NULL DEFAULT 0,
  zakl5      DOUBLE      NOT NULL DEFAULT 0,
  zakl23     DOUBLE      NOT NULL DEFAULT 0,
  cislo      INT         NOT NULL DEFAULT 0,
  dealer     VARCHAR(2)  NOT NULL DEFAULT '',
  banka      VARCHAR(20) NOT NULL DEFAULT '',
  bank_ucet  VARCHAR(20) NOT NULL DEFAULT '',
  zvla_dispo VARCHAR(4)  NOT NULL DEFAULT '',
  mena       VARCHAR(3)  NOT NULL DEFAULT '',
  kurz       DOUBLE      NOT NULL DEFAULT 0,
  -- invoice total in the invoice currency and the settlement discount
  devizy     DOUBLE      NOT NULL DEFAULT 0,
  skontokc   DOUBLE      NOT NULL DEFAULT 0,
  skontospla DATE        NOT NULL DEFAULT '1900-01-01',
  id         INT         NOT NULL AUTO_INCREMENT,
  PRIMARY KEY (id),
  KEY kexctof_datum (datum),
  KEY kexctof_cislo (cislo),
  KEY kexctof_symbol (symbol)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- One header row per committed posting. datum is the posting's timestamp
-- and the key by which its lines, records and documents are found, so it
-- must never be shared by two postings; cislo is the posting number.
-- zruseno (cancelled) and doucta (exported) stay at the zero date until set;
-- any value before 2002-02-02 means "not yet".
CREATE TABLE kexinfo (
  datum     DATETIME   NOT NULL DEFAULT '1900-01-01 00:00:00',
  obdobi    VARCHAR(7) NOT NULL DEFAULT '',
  stredisko VARCHAR(5) NOT NULL DEFAULT '',
  soubor    VARCHAR(8) NOT NULL DEFAULT '',
  cislo     INT        NOT NULL DEFAULT 0,
  vu        INT        NOT NULL DEFAULT 0,
  pv        INT        NOT NULL DEFAULT 0,
  vn        INT        NOT NULL DEFAULT 0,
  uc        INT        NOT NULL DEFAULT 0,
  vp        INT        NOT NULL DEFAULT 0,
  p9        INT        NOT NULL DEFAULT 0,
  md        DOUBLE     NOT NULL DEFAULT 0,
  dal       DOUBLE     NOT NULL DEFAULT 0,
  vl        DOUBLE     NOT NULL DEFAULT 0,
  fa        DOUBLE     NOT NULL DEFAULT 0,
  zruseno   DATETIME   NOT NULL DEFAULT '0000-00-00 00:00:00',
  doucta    DATETIME   NOT NULL DEFAULT '0000-00-00 00:00:00',
  id        INT        NOT NULL AUTO_INCREMENT,
  PRIMARY KEY (id),
  UNIQUE KEY kexinfo_datum (datum),
  UNIQUE KEY kexinfo_cislo (cislo),
  KEY kexinfo_obdobi (obdobi)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Posting settings: accounts, account templates, VAT codes, switches and
-- journal-code translations ("Denik-" + code), one row per key. The row
-- order (id) is the order the settings dialog shows the journal codes in.
CREATE TABLE keximpl (
  id    INT          NOT NULL AUTO_INCREMENT,
  popis VARCHAR(40)  NOT NULL DEFAULT '',
  ucet  VARCHAR(255) NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  UNIQUE KEY keximpl_popis (popis)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- One row per start of a program of the suite: which module, on which
-- workstation, by whom and which build.
CREATE TABLE historiem (
  id           INT         NOT NULL AUTO_INCREMENT,
  modul        VARCHAR(20) NOT NULL DEFAULT '',
  pc           VARCHAR(5)  NOT NULL DEFAULT '',
  stredisko    VARCHAR(60) NOT NULL DEFAULT '',
  datumcas     DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  ipadr        VARCHAR(15) NOT NULL DEFAULT '',
  computeruser VARCHAR(50) NOT NULL DEFAULT '',
  computername VARCHAR(50) NOT NULL DEFAULT '',
  mdatumcas    DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  mverze       VARCHAR(20) NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY historiem_datumcas (datumcas)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Suite-wide definitions, exactly one row (id 1): the last closed
-- accounting month (YYYYMM), the invoice-header fields that may be corrected
-- ("ICO,AD,...,") and the switches of the production postings.
CREATE TABLE tervan (
  id           INT         NOT NULL DEFAULT 1,
  uzavreneuo   VARCHAR(6)  NOT NULL DEFAULT '',
  OPRAVAHLAVFA VARCHAR(40) NOT NULL DEFAULT '',
  VP_123_132   INT         NOT NULL DEFAULT 0,
  SM_vyrobky   VARCHAR(1)  NOT NULL DEFAULT '',
  KS_vyrobky   VARCHAR(1)  NOT NULL DEFAULT '',
  KA_vyrobky   VARCHAR(1)  NOT NULL DEFAULT '',
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- ---------------------------------------------------------------------------
-- Look-up tables
-- ---------------------------------------------------------------------------

-- Centre to structure: structo is the code put into account templates
-- ("YY") and written as the centre of a journal line.
CREATE TABLE strtopc (
  stred    VARCHAR(5)  NOT NULL DEFAULT '',
  pc       VARCHAR(5)  NOT NULL DEFAULT '',
  structo  VARCHAR(10) NOT NULL DEFAULT '',
  nazevstr VARCHAR(30) NOT NULL DEFAULT '',
  PRIMARY KEY (stred)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Dealer to centre: revenue and cost lines of a dealer's articles go to
-- this centre when the target system is UNI.
CREATE TABLE dealertopc (
  dealer    VARCHAR(2)  NOT NULL DEFAULT '',
  stredisko VARCHAR(10) NOT NULL DEFAULT '',
  PRIMARY KEY (dealer)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Price list. analucet1 stock account, analucet2 revenue, analucet3 cost,
-- analucet4 stock account of issued work lots, analucet5 revenue of seed
-- treatment, analucet6 cost of services; longer accounts are cut to 7
-- characters when posted. prace is the work code of a work article,
-- UNISTREDISKO "V" marks the articles the UNI dealer rule leaves alone.
-- One row per article: the item queries join on nomenkla.
CREATE TABLE cenik (
  id           INT         NOT NULL AUTO_INCREMENT,
  nomenkla     VARCHAR(12) NOT NULL DEFAULT '',
  nazevosiva   VARCHAR(40) NOT NULL DEFAULT '',
  prace        VARCHAR(12) NOT NULL DEFAULT '',
  pc           DOUBLE      NOT NULL DEFAULT 0,
  dan          INT         NOT NULL DEFAULT 0,
  analucet1    VARCHAR(10) NOT NULL DEFAULT '',
  analucet2    VARCHAR(10) NOT NULL DEFAULT '',
  analucet3    VARCHAR(10) NOT NULL DEFAULT '',
  analucet4    VARCHAR(10) NOT NULL DEFAULT '',
  analucet5    VARCHAR(10) NOT NULL DEFAULT '',
  analucet6    VARCHAR(10) NOT NULL DEFAULT '',
  UNISTREDISKO VARCHAR(1)  NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  UNIQUE KEY cenik_nomenkla (nomenkla),
  KEY cenik_prace (prace),
  KEY cenik_unistredisko (UNISTREDISKO)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Stock cards, one per lot (partiecela), split (lomeni) and centre.
-- vlast_vyro "A" marks own production; nc is the card's purchase price.
-- Unique, because every item query joins one card per item.
CREATE TABLE skarta (
  id         INT         NOT NULL AUTO_INCREMENT,
  partiecela VARCHAR(16) NOT NULL DEFAULT '',
  lomeni     SMALLINT    NOT NULL DEFAULT 0,
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  vlast_vyro VARCHAR(1)  NOT NULL DEFAULT '',
  nc         DOUBLE      NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  UNIQUE KEY skarta_karta (partiecela, lomeni, stredisko)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Partner address book. analucet1/analucet2 are the partner's own
-- receivable/payable accounts; kredit is the credit limit the credit check
-- compares the partner's unpaid invoices with (0 = no limit).
CREATE TABLE adresar (
  id         INT         NOT NULL AUTO_INCREMENT,
  ico        VARCHAR(10) NOT NULL DEFAULT '',
  dic        VARCHAR(20) NOT NULL DEFAULT '',
  nazevpodni VARCHAR(30) NOT NULL DEFAULT '',
  sidlo      VARCHAR(30) NOT NULL DEFAULT '',
  ulicecislo VARCHAR(30) NOT NULL DEFAULT '',
  psc        VARCHAR(6)  NOT NULL DEFAULT '',
  posta      VARCHAR(30) NOT NULL DEFAULT '',
  kodpar     VARCHAR(20) NOT NULL DEFAULT '',
  dealer     VARCHAR(2)  NOT NULL DEFAULT '',
  banka      VARCHAR(20) NOT NULL DEFAULT '',
  bank_ucet  VARCHAR(20) NOT NULL DEFAULT '',
  zvla_dispo VARCHAR(4)  NOT NULL DEFAULT '',
  analucet1  VARCHAR(7)  NOT NULL DEFAULT '',
  analucet2  VARCHAR(7)  NOT NULL DEFAULT '',
  kredit     DOUBLE      NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY adresar_ico (ico),
  KEY adresar_kodpar (kodpar)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Navision posting group of a partner, by partner code.
CREATE TABLE adresarbor (
  kodpar      VARCHAR(20) NOT NULL DEFAULT '',
  uctoskupina VARCHAR(10) NOT NULL DEFAULT '',
  PRIMARY KEY (kodpar)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Invoice headers, sales and purchase alike, by number (cfakt). rada is the
-- number series (VZ, VZU, VZPP are advance invoices), denik the journal code
-- when it differs from the series. zaok is the rounded total and halere its
-- rounding difference; uhrazeno is what has been paid of it so far.
CREATE TABLE fakt (
  id         INT         NOT NULL AUTO_INCREMENT,
  cfakt      VARCHAR(10) NOT NULL DEFAULT '',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  denik      VARCHAR(2)  NOT NULL DEFAULT '',
  rada       VARCHAR(4)  NOT NULL DEFAULT '',
  plneni     DATE        NOT NULL DEFAULT '1900-01-01',
  vystaveni  DATE        NOT NULL DEFAULT '1900-01-01',
  splatnost  DATE        NOT NULL DEFAULT '1900-01-01',
  zaok       DOUBLE      NOT NULL DEFAULT 0,
  halere     DOUBLE      NOT NULL DEFAULT 0,
  ico        VARCHAR(10) NOT NULL DEFAULT '',
  kodzak     VARCHAR(20) NOT NULL DEFAULT '',
  dico       VARCHAR(20) NOT NULL DEFAULT '',
  odb1       VARCHAR(30) NOT NULL DEFAULT '',
  odb2       VARCHAR(30) NOT NULL DEFAULT '',
  odb3       VARCHAR(30) NOT NULL DEFAULT '',
  odbpsc     VARCHAR(6)  NOT NULL DEFAULT '',
  odb4       VARCHAR(30) NOT NULL DEFAULT '',
  suma_dphn  DOUBLE      NOT NULL DEFAULT 0,
  suma_dphv  DOUBLE      NOT NULL DEFAULT 0,
  suma_z0    DOUBLE      NOT NULL DEFAULT 0,
  suma_zn    DOUBLE      NOT NULL DEFAULT 0,
  suma_zv    DOUBLE      NOT NULL DEFAULT 0,
  mena       VARCHAR(3)  NOT NULL DEFAULT '',
  kurz       DOUBLE      NOT NULL DEFAULT 0,
  devizy     DOUBLE      NOT NULL DEFAULT 0,
  skontokc   DOUBLE      NOT NULL DEFAULT 0,
  skontospla DATE        NOT NULL DEFAULT '1900-01-01',
  exportz    VARCHAR(1)  NOT NULL DEFAULT '',
  uhrazeno   DOUBLE      NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  UNIQUE KEY fakt_cfakt (cfakt),
  KEY fakt_ico (ico)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Cash voucher types per centre; sazba tells which VAT rate the type's own
-- VAT account is for ("N" reduced, "V" standard).
CREATE TABLE pokl_typd (
  id        INT         NOT NULL AUTO_INCREMENT,
  zkratka   VARCHAR(3)  NOT NULL DEFAULT '',
  stredisko VARCHAR(5)  NOT NULL DEFAULT '',
  nazev     VARCHAR(30) NOT NULL DEFAULT '',
  sazba     VARCHAR(1)  NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY pokl_typd_typ (zkratka, stredisko)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- ---------------------------------------------------------------------------
-- Source documents of the other modules
-- ---------------------------------------------------------------------------

-- Purchase receipts (from growers, or dp "5": taken over from another
-- centre, whose code is then in ico). cislofakt is the supplier's invoice;
-- mkodpar the grower's code.
CREATE TABLE pv (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  cislofakt  VARCHAR(10) NOT NULL DEFAULT '',
  cisdododav VARCHAR(10) NOT NULL DEFAULT '',
  datum      DATE        NOT NULL DEFAULT '1900-01-01',
  dp         VARCHAR(1)  NOT NULL DEFAULT '',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  dealer     VARCHAR(2)  NOT NULL DEFAULT '',
  ico        VARCHAR(10) NOT NULL DEFAULT '',
  nazevpodni VARCHAR(30) NOT NULL DEFAULT '',
  kodpar     VARCHAR(20) NOT NULL DEFAULT '',
  mkodpar    VARCHAR(20) NOT NULL DEFAULT '',
  dan5       DOUBLE      NOT NULL DEFAULT 0,
  dan23      DOUBLE      NOT NULL DEFAULT 0,
  zaklad_5   DOUBLE      NOT NULL DEFAULT 0,
  zaklad_23  DOUBLE      NOT NULL DEFAULT 0,
  mesic      VARCHAR(2)  NOT NULL DEFAULT '',
  rok        VARCHAR(4)  NOT NULL DEFAULT '',
  datumkexct DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY pv_datumkexct (datumkexct),
  KEY pv_stredisko_datum (stredisko, datum),
  KEY pv_datum (datum),
  KEY pv_cislodokla (cislodokla),
  KEY pv_cislofakt (cislofakt)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Items of purchase receipts. analucet2 is the item's own acquisition
-- account; storzalohy the advance invoice the item settles.
CREATE TABLE pvrad (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  nazevosiva VARCHAR(40) NOT NULL DEFAULT '',
  partie     VARCHAR(12) NOT NULL DEFAULT '',
  partiecela VARCHAR(16) NOT NULL DEFAULT '',
  lomeni     SMALLINT    NOT NULL DEFAULT 0,
  hmotnostpv DOUBLE      NOT NULL DEFAULT 0,
  nc         DOUBLE      NOT NULL DEFAULT 0,
  dan        INT         NOT NULL DEFAULT 0,
  analucet2  VARCHAR(10) NOT NULL DEFAULT '',
  storzalohy VARCHAR(10) NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY pvrad_cislodokla (cislodokla, id)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Sales deliveries, settled by an invoice (cislofakt) or by a cash receipt
-- (uctenka). datumkexct: stock side posted; datumkexcf: invoice side posted.
-- znakdodav "4" is an export customer; kod_platce the partner's VAT
-- registration; zaokrouhle the rounding of a receipt; skonto_z5/z23 the
-- settlement-discount bases.
CREATE TABLE vn (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  cislofakt  VARCHAR(10) NOT NULL DEFAULT '',
  uctenka    VARCHAR(10) NOT NULL DEFAULT '',
  datumvn1   DATE        NOT NULL DEFAULT '1900-01-01',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  dealer     VARCHAR(2)  NOT NULL DEFAULT '',
  ico        VARCHAR(10) NOT NULL DEFAULT '',
  nazevpodni VARCHAR(30) NOT NULL DEFAULT '',
  kodpar     VARCHAR(20) NOT NULL DEFAULT '',
  znakdodav  VARCHAR(2)  NOT NULL DEFAULT '',
  kod_platce VARCHAR(10) NOT NULL DEFAULT '',
  dobropiskf VARCHAR(10) NOT NULL DEFAULT '',
  dobropis_k VARCHAR(10) NOT NULL DEFAULT '',
  storzalohy VARCHAR(10) NOT NULL DEFAULT '',
  mena       VARCHAR(3)  NOT NULL DEFAULT '',
  kurz       DOUBLE      NOT NULL DEFAULT 0,
  dan5       DOUBLE      NOT NULL DEFAULT 0,
  dan23      DOUBLE      NOT NULL DEFAULT 0,
  zaklad_0   DOUBLE      NOT NULL DEFAULT 0,
  zaklad_5   DOUBLE      NOT NULL DEFAULT 0,
  zaklad_23  DOUBLE      NOT NULL DEFAULT 0,
  zaokrouhle DOUBLE      NOT NULL DEFAULT 0,
  skonto_z5  DOUBLE      NOT NULL DEFAULT 0,
  skonto_z23 DOUBLE      NOT NULL DEFAULT 0,
  mesic      VARCHAR(2)  NOT NULL DEFAULT '',
  rok        VARCHAR(4)  NOT NULL DEFAULT '',
  datumkexct DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  datumkexcf DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY vn_datumkexct (datumkexct),
  KEY vn_datumkexcf (datumkexcf),
  KEY vn_stredisko_datum (stredisko, datumvn1),
  KEY vn_datumvn1 (datumvn1),
  KEY vn_cislodokla (cislodokla),
  KEY vn_cislofakt (cislofakt),
  KEY vn_uctenka (uctenka)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Items of sales deliveries. pc/pc8 unit sales price in CZK / invoice
-- currency, nc unit purchase price, dan VAT rate in percent; storzalohy and
-- cislovz refer to the advance the item deducts.
CREATE TABLE vnrad (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  dealer     VARCHAR(2)  NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  nazevosiva VARCHAR(40) NOT NULL DEFAULT '',
  partie     VARCHAR(12) NOT NULL DEFAULT '',
  partiecela VARCHAR(16) NOT NULL DEFAULT '',
  lomeni     SMALLINT    NOT NULL DEFAULT 0,
  hmotnostvn DOUBLE      NOT NULL DEFAULT 0,
  nc         DOUBLE      NOT NULL DEFAULT 0,
  pc         DOUBLE      NOT NULL DEFAULT 0,
  pc8        DOUBLE      NOT NULL DEFAULT 0,
  dan        INT         NOT NULL DEFAULT 0,
  analucet2  VARCHAR(10) NOT NULL DEFAULT '',
  storzalohy VARCHAR(10) NOT NULL DEFAULT '',
  cislovz    VARCHAR(10) NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY vnrad_cislodokla (cislodokla, id)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Service deliveries: seed processing of one lot (partie) for a customer.
-- celc/cels/celd are the amounts of cleaning, drying and transport,
-- dphc/dphs/dphd/dphm the VAT rates of those and of seed treatment.
CREATE TABLE vu (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  cislofakt  VARCHAR(10) NOT NULL DEFAULT '',
  datumvu    DATE        NOT NULL DEFAULT '1900-01-01',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  dealer     VARCHAR(2)  NOT NULL DEFAULT '',
  ico        VARCHAR(10) NOT NULL DEFAULT '',
  nazevpodni VARCHAR(30) NOT NULL DEFAULT '',
  kodpar     VARCHAR(20) NOT NULL DEFAULT '',
  partie     VARCHAR(12) NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  celc       DOUBLE      NOT NULL DEFAULT 0,
  cels       DOUBLE      NOT NULL DEFAULT 0,
  celd       DOUBLE      NOT NULL DEFAULT 0,
  dphc       INT         NOT NULL DEFAULT 0,
  dphs       INT         NOT NULL DEFAULT 0,
  dphd       INT         NOT NULL DEFAULT 0,
  dphm       INT         NOT NULL DEFAULT 0,
  dan5       DOUBLE      NOT NULL DEFAULT 0,
  dan23      DOUBLE      NOT NULL DEFAULT 0,
  zaklad_5   DOUBLE      NOT NULL DEFAULT 0,
  zaklad_23  DOUBLE      NOT NULL DEFAULT 0,
  mesic      VARCHAR(2)  NOT NULL DEFAULT '',
  rok        VARCHAR(4)  NOT NULL DEFAULT '',
  datumkexct DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  datumkexcf DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY vu_datumkexct (datumkexct),
  KEY vu_datumkexcf (datumkexcf),
  KEY vu_stredisko_datum (stredisko, datumvu),
  KEY vu_datumvu (datumvu),
  KEY vu_cislodokla (cislodokla),
  KEY vu_cislofakt (cislofakt)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Items of service deliveries: treatment work and the agents used, some of
-- them issued from stock.
CREATE TABLE vurad (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  nazevosiva VARCHAR(40) NOT NULL DEFAULT '',
  partie     VARCHAR(12) NOT NULL DEFAULT '',
  partiecela VARCHAR(16) NOT NULL DEFAULT '',
  lomeni     SMALLINT    NOT NULL DEFAULT 0,
  hmotnostvu DOUBLE      NOT NULL DEFAULT 0,
  nc         DOUBLE      NOT NULL DEFAULT 0,
  pc         DOUBLE      NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY vurad_cislodokla (cislodokla, id)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Production calculations, header and rows in one table: pohyb "9" is the
-- product row, "1" and others consumed items, "3" work (partiecela of three
-- characters, partie = the price list's work code). analucet1 is the row's
-- own account.
CREATE TABLE pv9 (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  datum      DATE        NOT NULL DEFAULT '1900-01-01',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  pohyb      VARCHAR(1)  NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  nazevosiva VARCHAR(40) NOT NULL DEFAULT '',
  partie     VARCHAR(12) NOT NULL DEFAULT '',
  partiecela VARCHAR(16) NOT NULL DEFAULT '',
  lomeni     SMALLINT    NOT NULL DEFAULT 0,
  mnozstvi   DOUBLE      NOT NULL DEFAULT 0,
  nc         DOUBLE      NOT NULL DEFAULT 0,
  analucet1  VARCHAR(10) NOT NULL DEFAULT '',
  mesic      VARCHAR(2)  NOT NULL DEFAULT '',
  rok        VARCHAR(4)  NOT NULL DEFAULT '',
  datumkexct DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY pv9_datumkexct (datumkexct),
  KEY pv9_stredisko_datum (stredisko, datum),
  KEY pv9_datum (datum),
  KEY pv9_cislodokla (cislodokla, pohyb),
  KEY pv9_partie (partiecela, lomeni, pohyb)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Intra-company transfers between the company's centres, one row per item:
-- pohyb "V" issue, "P" receipt; cislodokl2 the counterpart document.
-- Only confirmed transfers (potvrzeno set) are posted.
CREATE TABLE vp (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  cislodokl2 VARCHAR(10) NOT NULL DEFAULT '',
  pohyb      VARCHAR(1)  NOT NULL DEFAULT '',
  datum      DATE        NOT NULL DEFAULT '1900-01-01',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  ico        VARCHAR(10) NOT NULL DEFAULT '',
  nazevpodni VARCHAR(30) NOT NULL DEFAULT '',
  kodpar     VARCHAR(20) NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  nazevosiva VARCHAR(40) NOT NULL DEFAULT '',
  partie     VARCHAR(12) NOT NULL DEFAULT '',
  partiecela VARCHAR(16) NOT NULL DEFAULT '',
  lomeni     SMALLINT    NOT NULL DEFAULT 0,
  mnozstvi   DOUBLE      NOT NULL DEFAULT 0,
  nc         DOUBLE      NOT NULL DEFAULT 0,
  analucet1  VARCHAR(10) NOT NULL DEFAULT '',
  potvrzeno  DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  mesic      VARCHAR(2)  NOT NULL DEFAULT '',
  rok        VARCHAR(4)  NOT NULL DEFAULT '',
  datumkexct DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY vp_datumkexct (datumkexct),
  KEY vp_stredisko_datum (stredisko, datum),
  KEY vp_datum (datum),
  KEY vp_doklad (cislodokla, pohyb)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Mixtures: one mixing per cislodokla, the product row with smes "1" and
-- the component rows consumed by it.
CREATE TABLE smesi (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  datum      DATE        NOT NULL DEFAULT '1900-01-01',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  smes       VARCHAR(1)  NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  nazevosiva VARCHAR(40) NOT NULL DEFAULT '',
  partie     VARCHAR(12) NOT NULL DEFAULT '',
  partiecela VARCHAR(16) NOT NULL DEFAULT '',
  lomeni     SMALLINT    NOT NULL DEFAULT 0,
  mnozstvi   DOUBLE      NOT NULL DEFAULT 0,
  nc         DOUBLE      NOT NULL DEFAULT 0,
  mesic      VARCHAR(2)  NOT NULL DEFAULT '',
  rok        VARCHAR(4)  NOT NULL DEFAULT '',
  datumkexct DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY smesi_datumkexct (datumkexct),
  KEY smesi_stredisko_datum (stredisko, datum),
  KEY smesi_datum (datum),
  KEY smesi_cislodokla (cislodokla, smes)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Feed mixtures, kept exactly like the mixtures.
CREATE TABLE krsmesi (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  datum      DATE        NOT NULL DEFAULT '1900-01-01',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  smes       VARCHAR(1)  NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  nazevosiva VARCHAR(40) NOT NULL DEFAULT '',
  partie     VARCHAR(12) NOT NULL DEFAULT '',
  partiecela VARCHAR(16) NOT NULL DEFAULT '',
  lomeni     SMALLINT    NOT NULL DEFAULT 0,
  mnozstvi   DOUBLE      NOT NULL DEFAULT 0,
  nc         DOUBLE      NOT NULL DEFAULT 0,
  mesic      VARCHAR(2)  NOT NULL DEFAULT '',
  rok        VARCHAR(4)  NOT NULL DEFAULT '',
  datumkexct DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY krsmesi_datumkexct (datumkexct),
  KEY krsmesi_stredisko_datum (stredisko, datum),
  KEY krsmesi_datum (datum),
  KEY krsmesi_cislodokla (cislodokla, smes)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Cash desk, one row per item (cislo 1, 2, ...) of a voucher (pokdoklad).
-- pohyb "P" receipt into the cash desk, otherwise a payment. zakl/dan/zaok
-- are base, VAT amount and rounding, dph the VAT rate; ucet1 cash account,
-- ucet2 counter account, ucet3 VAT account, ucet4 rounding account;
-- nstredisko the centre of the cost or revenue side.
CREATE TABLE pokladna (
  id         INT         NOT NULL AUTO_INCREMENT,
  pokdoklad  VARCHAR(10) NOT NULL DEFAULT '',
  cislo      INT         NOT NULL DEFAULT 0,
  poradovec  VARCHAR(10) NOT NULL DEFAULT '',
  zedne      DATE        NOT NULL DEFAULT '1900-01-01',
  typ        VARCHAR(3)  NOT NULL DEFAULT '',
  pohyb      VARCHAR(1)  NOT NULL DEFAULT '',
  jmeno      VARCHAR(30) NOT NULL DEFAULT '',
  identifik  VARCHAR(30) NOT NULL DEFAULT '',
  text       VARCHAR(50) NOT NULL DEFAULT '',
  predko     VARCHAR(50) NOT NULL DEFAULT '',
  koddp      VARCHAR(10) NOT NULL DEFAULT '',
  zakl       DOUBLE      NOT NULL DEFAULT 0,
  dan        DOUBLE      NOT NULL DEFAULT 0,
  zaok       DOUBLE      NOT NULL DEFAULT 0,
  dph        INT         NOT NULL DEFAULT 0,
  ucet1      VARCHAR(7)  NOT NULL DEFAULT '',
  ucet2      VARCHAR(7)  NOT NULL DEFAULT '',
  ucet3      VARCHAR(7)  NOT NULL DEFAULT '',
  ucet4      VARCHAR(7)  NOT NULL DEFAULT '',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  nstredisko VARCHAR(5)  NOT NULL DEFAULT '',
  mesic      VARCHAR(2)  NOT NULL DEFAULT '',
  rok        VARCHAR(4)  NOT NULL DEFAULT '',
  datumkexct DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY pokladna_datumkexct (datumkexct),
  KEY pokladna_stredisko_zedne (stredisko, zedne),
  KEY pokladna_zedne (zedne),
  KEY pokladna_pokdoklad (pokdoklad, cislo)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Carriers' transport invoices, one row per transport order (objednavka)
-- the invoice (faktura) covers; ode_ico is the ordering centre. Unlike the
-- other documents, datumkexct is NULL until the invoice is posted.
CREATE TABLE dopr_kexc (
  id         INT         NOT NULL AUTO_INCREMENT,
  faktura    VARCHAR(10) NOT NULL DEFAULT '',
  objednavka VARCHAR(10) NOT NULL DEFAULT '',
  ode_ico    VARCHAR(10) NOT NULL DEFAULT '',
  den_plneni DATE        NOT NULL DEFAULT '1900-01-01',
  den_splat  DATE        NOT NULL DEFAULT '1900-01-01',
  dne        DATE        NOT NULL DEFAULT '1900-01-01',
  suma_fa    DOUBLE      NOT NULL DEFAULT 0,
  ic         VARCHAR(10) NOT NULL DEFAULT '',
  dopravce   VARCHAR(30) NOT NULL DEFAULT '',
  kodpar     VARCHAR(20) NOT NULL DEFAULT '',
  tun        DOUBLE      NOT NULL DEFAULT 0,
  km         DOUBLE      NOT NULL DEFAULT 0,
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  nazevosiva VARCHAR(40) NOT NULL DEFAULT '',
  datumkexct DATETIME    NULL     DEFAULT NULL,
  PRIMARY KEY (id),
  KEY dopr_kexc_datumkexct (datumkexct),
  KEY dopr_kexc_centre_date (ode_ico, den_plneni),
  KEY dopr_kexc_den_plneni (den_plneni),
  KEY dopr_kexc_faktura (faktura, objednavka)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Delivery notes of the warehouse; only their prices are checked against
-- the stock cards.
CREATE TABLE dl (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  datum      DATE        NOT NULL DEFAULT '1900-01-01',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  ico        VARCHAR(10) NOT NULL DEFAULT '',
  nazevpodni VARCHAR(30) NOT NULL DEFAULT '',
  datumkexct DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY dl_cislodokla (cislodokla)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Items of delivery notes.
CREATE TABLE dlrad (
  id         INT         NOT NULL AUTO_INCREMENT,
  cislodokla VARCHAR(10) NOT NULL DEFAULT '',
  stredisko  VARCHAR(5)  NOT NULL DEFAULT '',
  nomenkla   VARCHAR(12) NOT NULL DEFAULT '',
  nazevosiva VARCHAR(40) NOT NULL DEFAULT '',
  partie     VARCHAR(12) NOT NULL DEFAULT '',
  partiecela VARCHAR(16) NOT NULL DEFAULT '',
  lomeni     SMALLINT    NOT NULL DEFAULT 0,
  mnozstvi   DOUBLE      NOT NULL DEFAULT 0,
  nc         DOUBLE      NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY dlrad_cislodokla (cislodokla, id)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- ---------------------------------------------------------------------------
-- Navision interface: the posting module fills these, Navision reads and
-- empties them. While any of znakup, zprodej, zvnitro, zdoprava holds rows,
-- the previous batch has not been taken over yet.
-- SAZBADPH is the VAT rate as a number (15, 21, ...), also where the journal
-- line gave it as a code such as "021".
-- ---------------------------------------------------------------------------

-- Purchases from partners with a registration number.
CREATE TABLE znakup (
  poradi      INT         NOT NULL AUTO_INCREMENT,
  DATUMKEXCT  DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  DATUMDOKL   DATE        NOT NULL DEFAULT '1900-01-01',
  DATUMDPH    DATE        NOT NULL DEFAULT '1900-01-01',
  TYPDOKLADU  VARCHAR(10) NOT NULL DEFAULT '',
  CISLODOKLA  VARCHAR(10) NOT NULL DEFAULT '',
  DATUMSPL    DATE        NOT NULL DEFAULT '1900-01-01',
  VS          VARCHAR(10) NOT NULL DEFAULT '',
  UCET        VARCHAR(7)  NOT NULL DEFAULT '',
  POPIS       VARCHAR(50) NOT NULL DEFAULT '',
  MD          DOUBLE      NOT NULL DEFAULT 0,
  DAL         DOUBLE      NOT NULL DEFAULT 0,
  CISLOPLATCE VARCHAR(20) NOT NULL DEFAULT '',
  SAZBADPH    INT         NOT NULL DEFAULT 0,
  STREDISKO   VARCHAR(10) NOT NULL DEFAULT '',
  KONTRAKT    VARCHAR(12) NOT NULL DEFAULT '',
  DAVKA       INT         NOT NULL DEFAULT 0,
  PESTITEL    VARCHAR(20) NOT NULL DEFAULT '',
  castka      DOUBLE      NOT NULL DEFAULT 0,
  castkaczk   DOUBLE      NOT NULL DEFAULT 0,
  komodita    VARCHAR(10) NOT NULL DEFAULT '',
  uctoskupina VARCHAR(10) NOT NULL DEFAULT '',
  PRIMARY KEY (poradi),
  KEY znakup_cisloplatce (CISLOPLATCE)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Transport invoices.
CREATE TABLE zdoprava (
  poradi      INT         NOT NULL AUTO_INCREMENT,
  DATUMKEXCT  DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  DATUMDOKL   DATE        NOT NULL DEFAULT '1900-01-01',
  DATUMDPH    DATE        NOT NULL DEFAULT '1900-01-01',
  TYPDOKLADU  VARCHAR(10) NOT NULL DEFAULT '',
  CISLODOKLA  VARCHAR(10) NOT NULL DEFAULT '',
  DATUMSPL    DATE        NOT NULL DEFAULT '1900-01-01',
  VS          VARCHAR(10) NOT NULL DEFAULT '',
  UCET        VARCHAR(7)  NOT NULL DEFAULT '',
  POPIS       VARCHAR(50) NOT NULL DEFAULT '',
  MD          DOUBLE      NOT NULL DEFAULT 0,
  DAL         DOUBLE      NOT NULL DEFAULT 0,
  CISLOPLATCE VARCHAR(20) NOT NULL DEFAULT '',
  SAZBADPH    INT         NOT NULL DEFAULT 0,
  STREDISKO   VARCHAR(10) NOT NULL DEFAULT '',
  KONTRAKT    VARCHAR(12) NOT NULL DEFAULT '',
  DAVKA       INT         NOT NULL DEFAULT 0,
  PESTITEL    VARCHAR(20) NOT NULL DEFAULT '',
  castka      DOUBLE      NOT NULL DEFAULT 0,
  castkaczk   DOUBLE      NOT NULL DEFAULT 0,
  komodita    VARCHAR(10) NOT NULL DEFAULT '',
  uctoskupina VARCHAR(10) NOT NULL DEFAULT '',
  PRIMARY KEY (poradi),
  KEY zdoprava_cisloplatce (CISLOPLATCE)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Internal documents: calculations, transfers, purchases from own centres.
CREATE TABLE zvnitro (
  poradi      INT         NOT NULL AUTO_INCREMENT,
  DATUMKEXCT  DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  DATUMDOKL   DATE        NOT NULL DEFAULT '1900-01-01',
  DATUMDPH    DATE        NOT NULL DEFAULT '1900-01-01',
  TYPDOKLADU  VARCHAR(10) NOT NULL DEFAULT '',
  CISLODOKLA  VARCHAR(10) NOT NULL DEFAULT '',
  DATUMSPL    DATE        NOT NULL DEFAULT '1900-01-01',
  VS          VARCHAR(10) NOT NULL DEFAULT '',
  UCET        VARCHAR(7)  NOT NULL DEFAULT '',
  POPIS       VARCHAR(50) NOT NULL DEFAULT '',
  MD          DOUBLE      NOT NULL DEFAULT 0,
  DAL         DOUBLE      NOT NULL DEFAULT 0,
  CISLOPLATCE VARCHAR(20) NOT NULL DEFAULT '',
  SAZBADPH    INT         NOT NULL DEFAULT 0,
  STREDISKO   VARCHAR(10) NOT NULL DEFAULT '',
  KONTRAKT    VARCHAR(12) NOT NULL DEFAULT '',
  DAVKA       INT         NOT NULL DEFAULT 0,
  castka      DOUBLE      NOT NULL DEFAULT 0,
  castkaczk   DOUBLE      NOT NULL DEFAULT 0,
  komodita    VARCHAR(10) NOT NULL DEFAULT '',
  uctoskupina VARCHAR(10) NOT NULL DEFAULT '',
  PRIMARY KEY (poradi),
  KEY zvnitro_cisloplatce (CISLOPLATCE)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Sales: invoices and receipts. poradi numbers the rows in insert order;
-- the VAT rounding correction of a document is put on one row by it.
CREATE TABLE zprodej (
  poradi       INT         NOT NULL AUTO_INCREMENT,
  DATUMKEXCT   DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  DATUMDOKL    DATE        NOT NULL DEFAULT '1900-01-01',
  DATUMDPH     DATE        NOT NULL DEFAULT '1900-01-01',
  TYPDOKLADU   VARCHAR(10) NOT NULL DEFAULT '',
  CISLODOKLA   VARCHAR(10) NOT NULL DEFAULT '',
  DATUMSPL     DATE        NOT NULL DEFAULT '1900-01-01',
  VS           VARCHAR(10) NOT NULL DEFAULT '',
  UCET         VARCHAR(7)  NOT NULL DEFAULT '',
  POPIS        VARCHAR(50) NOT NULL DEFAULT '',
  MENA         VARCHAR(3)  NOT NULL DEFAULT '',
  MD           DOUBLE      NOT NULL DEFAULT 0,
  DAL          DOUBLE      NOT NULL DEFAULT 0,
  CISLOPLATCE  VARCHAR(20) NOT NULL DEFAULT '',
  SAZBADPH     INT         NOT NULL DEFAULT 0,
  STREDISKO    VARCHAR(10) NOT NULL DEFAULT '',
  KONTRAKT     VARCHAR(12) NOT NULL DEFAULT '',
  KURZ         DOUBLE      NOT NULL DEFAULT 0,
  DAVKA        INT         NOT NULL DEFAULT 0,
  MD8          DOUBLE      NOT NULL DEFAULT 0,
  DAL8         DOUBLE      NOT NULL DEFAULT 0,
  castka       DOUBLE      NOT NULL DEFAULT 0,
  castkaczk    DOUBLE      NOT NULL DEFAULT 0,
  komodita     VARCHAR(10) NOT NULL DEFAULT '',
  uctoskupina  VARCHAR(10) NOT NULL DEFAULT '',
  dphczk       DOUBLE      NOT NULL DEFAULT 0,
  DPH          DOUBLE      NOT NULL DEFAULT 0,
  prodej       DOUBLE      NOT NULL DEFAULT 0,
  skonto       INT         NOT NULL DEFAULT 0,
  datumskonta  DATE        NOT NULL DEFAULT '1900-01-01',
  castkaskonta DOUBLE      NOT NULL DEFAULT 0,
  SKONTOZ5     DOUBLE      NOT NULL DEFAULT 0,
  SKONTOZ23    DOUBLE      NOT NULL DEFAULT 0,
  SKONTOD5     DOUBLE      NOT NULL DEFAULT 0,
  SKONTOD23    DOUBLE      NOT NULL DEFAULT 0,
  uf           INT         NOT NULL DEFAULT 0,
  PRIMARY KEY (poradi),
  KEY zprodej_doklad (CISLODOKLA, SAZBADPH),
  KEY zprodej_vs (VS),
  KEY zprodej_cisloplatce (CISLOPLATCE)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- One row per batch handed over to Navision (DAVKA = posting number).
CREATE TABLE zhistorie (
  id      INT      NOT NULL AUTO_INCREMENT,
  DAVKA   INT      NOT NULL DEFAULT 0,
  ZAPSANO DATETIME NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY zhistorie_davka (DAVKA)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- ---------------------------------------------------------------------------
-- Credit check
-- ---------------------------------------------------------------------------

-- Result of the last credit check: the customers whose unpaid sales
-- invoices exceed their credit limit (adresar.kredit), with the check time.
CREATE TABLE kredit_prekroceni (
  id          INT         NOT NULL AUTO_INCREMENT,
  ico         VARCHAR(10) NOT NULL DEFAULT '',
  nazevpodni  VARCHAR(30) NOT NULL DEFAULT '',
  kredit      DOUBLE      NOT NULL DEFAULT 0,
  dluh        DOUBLE      NOT NULL DEFAULT 0,
  prekroceni  DOUBLE      NOT NULL DEFAULT 0,
  pocetfa     INT         NOT NULL DEFAULT 0,
  datum       DATETIME    NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY kredit_prekroceni_ico (ico)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250;

-- Credit check, called without arguments and returning no result set, so a
-- caller that reads nothing back is never left with unread results.
-- Replaces the content of kredit_prekroceni. A sales invoice is one that a
-- delivery or a service delivery refers to; its unpaid part is zaok minus
-- uhrazeno, credit notes (negative totals) reduce the debt. Partners
-- without a limit (kredit 0) are not checked.
DELIMITER //
CREATE PROCEDURE kontrola_kreditu()
  MODIFIES SQL DATA
  COMMENT 'Customers over their credit limit into kredit_prekroceni'
BEGIN
  DECLARE kdy DATETIME DEFAULT NOW();

  DELETE FROM kredit_prekroceni;

  INSERT INTO kredit_prekroceni
         (ico, nazevpodni, kredit, dluh, prekroceni, pocetfa, datum)
  SELECT a.ico, a.nazevpodni, a.kredit, o.dluh, o.dluh - a.kredit, o.pocetfa, kdy
    FROM (SELECT ico, MAX(nazevpodni) AS nazevpodni, MAX(kredit) AS kredit
            FROM adresar
           WHERE ico <> '' AND kredit > 0
           GROUP BY ico) a
    JOIN (SELECT f.ico, SUM(f.zaok - f.uhrazeno) AS dluh, COUNT(*) AS pocetfa
            FROM fakt f
           WHERE f.ico <> ''
             AND f.zaok <> f.uhrazeno
             AND (EXISTS (SELECT 1 FROM vn WHERE vn.cislofakt = f.cfakt)
                  OR EXISTS (SELECT 1 FROM vu WHERE vu.cislofakt = f.cfakt))
           GROUP BY f.ico) o
      ON o.ico = a.ico
   WHERE o.dluh > a.kredit
   ORDER BY o.dluh - a.kredit DESC;
END//
DELIMITER ;
