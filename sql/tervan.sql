-- The one row of suite definitions for a new installation: closed up to
-- March 2006; the address, the dealer and the due date of an issued invoice
-- may be corrected; issued own products stay on 123 in transfers; the
-- consumed rows of mixtures, feed mixtures and calculations are posted as
-- positive amounts on swapped sides.
--
-- Load after schema.sql:  mariadb ... dbname < sql/tervan.sql
INSERT INTO tervan (id, uzavreneuo, OPRAVAHLAVFA, VP_123_132, SM_vyrobky, KS_vyrobky, KA_vyrobky)
VALUES (1, '200603', 'AD,DE,DS,', 0, 'A', 'A', 'A');
