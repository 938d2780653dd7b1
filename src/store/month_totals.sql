-- Per-account month totals of the voucher lines, kept by triggers so that
-- balances and period sums over decades read a few rows per account and month
-- instead of every line.
--
-- One row per account, month (Voucher_No / 1000, that is year * 100 + month)
-- and class: Opening = 1 holds the lines of opening vouchers (kind 1), which
-- the period sums leave out, Opening = 0 every other line. A line counts as an
-- opening line while a voucher record of kind 1 carries its number.
--
-- Invariant: for every (account, month, class) the row holds the sums of the
-- debit and credit amounts and the number of the lines of that class in that
-- month. Rows whose lines are all gone stay with zero sums.
--
-- The triggers stand still while a row stands in MonthTotalHold: the voucher
-- engine puts one there, inside its transaction, while it renumbers inside a
-- month, which changes no total. It copies a block's records and lines one
-- number up or down over each other (INSERT OR REPLACE, whose silent deletes
-- fire no trigger) or parks the block far below and brings it back. Records
-- and lines are aligned again when it ends, so the totals are right again at
-- that point.
-- A bulk import takes the triggers off for its transaction instead and counts
-- the months it wrote from their lines at the end: on the encrypted file the
-- mere presence of a trigger triples the cost of every row written. The
-- triggers are in month_total_triggers.sql, so that they can be put back.
-- Other changes of a voucher number run the triggers only when the month changes.
--
-- Entries are separated by a line holding only a semicolon.
CREATE TABLE MonthTotal (
  Item_No  TEXT    NOT NULL COLLATE NOCASE,
  Month    INT32   NOT NULL,
  Opening  BOOLINT NOT NULL,
  Debit    DOUBLE  NOT NULL DEFAULT 0,
  Loan     DOUBLE  NOT NULL DEFAULT 0,
  Lines    INT32   NOT NULL DEFAULT 0,
  PRIMARY KEY (Item_No, Month, Opening)
) WITHOUT ROWID
;
-- A row here while the triggers stand still (see above).
CREATE TABLE MonthTotalHold (
  Active  INTEGER PRIMARY KEY
)
;
-- Filled from the lines that are there when the table is built.
INSERT INTO MonthTotal (Item_No, Month, Opening, Debit, Loan, Lines)
SELECT D.Item_No, D.Voucher_No / 1000,
       EXISTS (SELECT 1 FROM AccountInput A WHERE A.Voucher_No = D.Voucher_No AND A.Input_Type = 1),
       TOTAL(CASE WHEN D.IsDebit THEN D.Cash ELSE 0 END), TOTAL(CASE WHEN D.IsDebit THEN 0 ELSE D.Cash END), COUNT(*)
FROM Detail_Input D GROUP BY 1, 2, 3
;
