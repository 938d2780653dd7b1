-- The triggers that keep MonthTotal (month_totals.sql) right, and the view
-- through which they move lines between the two classes. Entries are
-- separated by a line holding only a semicolon; every name here is also in
-- the list that takes them off (month_totals.cpp).
-- A line counts in or out of the total of its account, month and class. The
-- statements are written out in each trigger rather than shared through a
-- view: a bulk import runs them for every line, and the extra trigger level
-- would double their cost.
CREATE TRIGGER MonthTotal_LineInsert AFTER INSERT ON Detail_Input WHEN NOT EXISTS (SELECT 1 FROM MonthTotalHold)
BEGIN
  INSERT OR IGNORE INTO MonthTotal (Item_No, Month, Opening)
  VALUES (NEW.Item_No, NEW.Voucher_No / 1000,
          EXISTS (SELECT 1 FROM AccountInput WHERE Voucher_No = NEW.Voucher_No AND Input_Type = 1));
  UPDATE MonthTotal SET Debit = Debit + (CASE WHEN NEW.IsDebit THEN NEW.Cash ELSE 0 END),
                        Loan = Loan + (CASE WHEN NEW.IsDebit THEN 0 ELSE NEW.Cash END),
                        Lines = Lines + 1
  WHERE Item_No = NEW.Item_No AND Month = NEW.Voucher_No / 1000
    AND Opening = EXISTS (SELECT 1 FROM AccountInput WHERE Voucher_No = NEW.Voucher_No AND Input_Type = 1);
END
;
CREATE TRIGGER MonthTotal_LineDelete AFTER DELETE ON Detail_Input WHEN NOT EXISTS (SELECT 1 FROM MonthTotalHold)
BEGIN
  UPDATE MonthTotal SET Debit = Debit - (CASE WHEN OLD.IsDebit THEN OLD.Cash ELSE 0 END),
                        Loan = Loan - (CASE WHEN OLD.IsDebit THEN 0 ELSE OLD.Cash END),
                        Lines = Lines - 1
  WHERE Item_No = OLD.Item_No AND Month = OLD.Voucher_No / 1000
    AND Opening = EXISTS (SELECT 1 FROM AccountInput WHERE Voucher_No = OLD.Voucher_No AND Input_Type = 1);
END
;
CREATE TRIGGER MonthTotal_LineUpdate AFTER UPDATE OF Voucher_No, Item_No, Cash, IsDebit ON Detail_Input
WHEN NOT EXISTS (SELECT 1 FROM MonthTotalHold) AND (OLD.Voucher_No / 1000 <> NEW.Voucher_No / 1000 OR OLD.Item_No <> NEW.Item_No
                  OR OLD.Cash <> NEW.Cash OR OLD.IsDebit <> NEW.IsDebit)
BEGIN
  UPDATE MonthTotal SET Debit = Debit - (CASE WHEN OLD.IsDebit THEN OLD.Cash ELSE 0 END),
                        Loan = Loan - (CASE WHEN OLD.IsDebit THEN 0 ELSE OLD.Cash END),
                        Lines = Lines - 1
  WHERE Item_No = OLD.Item_No AND Month = OLD.Voucher_No / 1000
    AND Opening = EXISTS (SELECT 1 FROM AccountInput WHERE Voucher_No = OLD.Voucher_No AND Input_Type = 1);
  INSERT OR IGNORE INTO MonthTotal (Item_No, Month, Opening)
  VALUES (NEW.Item_No, NEW.Voucher_No / 1000,
          EXISTS (SELECT 1 FROM AccountInput WHERE Voucher_No = NEW.Voucher_No AND Input_Type = 1));
  UPDATE MonthTotal SET Debit = Debit + (CASE WHEN NEW.IsDebit THEN NEW.Cash ELSE 0 END),
                        Loan = Loan + (CASE WHEN NEW.IsDebit THEN 0 ELSE NEW.Cash END),
                        Lines = Lines + 1
  WHERE Item_No = NEW.Item_No AND Month = NEW.Voucher_No / 1000
    AND Opening = EXISTS (SELECT 1 FROM AccountInput WHERE Voucher_No = NEW.Voucher_No AND Input_Type = 1);
END
;
-- MonthTotalClass: the lines at a voucher number move into class Opening from
-- the other class, because their voucher record became or stopped being one
-- of kind 1. A row inserted into the view is carried out by its INSTEAD OF
-- trigger and stored nowhere.
CREATE VIEW MonthTotalClass AS SELECT 0 AS Voucher_No, 0 AS Opening WHERE 0
;
CREATE TRIGGER MonthTotalClass_Apply INSTEAD OF INSERT ON MonthTotalClass
BEGIN
  INSERT OR IGNORE INTO MonthTotal (Item_No, Month, Opening)
  SELECT Item_No, NEW.Voucher_No / 1000, NEW.Opening FROM Detail_Input WHERE Voucher_No = NEW.Voucher_No;
  UPDATE MonthTotal SET
    Debit = Debit + (CASE WHEN Opening = NEW.Opening THEN 1 ELSE -1 END) *
                    (SELECT TOTAL(CASE WHEN IsDebit THEN Cash ELSE 0 END) FROM Detail_Input
                     WHERE Voucher_No = NEW.Voucher_No AND Item_No = MonthTotal.Item_No),
    Loan = Loan + (CASE WHEN Opening = NEW.Opening THEN 1 ELSE -1 END) *
                  (SELECT TOTAL(CASE WHEN IsDebit THEN 0 ELSE Cash END) FROM Detail_Input
                   WHERE Voucher_No = NEW.Voucher_No AND Item_No = MonthTotal.Item_No),
    Lines = Lines + (CASE WHEN Opening = NEW.Opening THEN 1 ELSE -1 END) *
                    (SELECT COUNT(*) FROM Detail_Input WHERE Voucher_No = NEW.Voucher_No AND Item_No = MonthTotal.Item_No)
  WHERE Month = NEW.Voucher_No / 1000
    AND Item_No IN (SELECT Item_No FROM Detail_Input WHERE Voucher_No = NEW.Voucher_No);
END
;
CREATE TRIGGER MonthTotal_OpeningInsert AFTER INSERT ON AccountInput WHEN NOT EXISTS (SELECT 1 FROM MonthTotalHold) AND NEW.Input_Type = 1
BEGIN
  INSERT INTO MonthTotalClass VALUES (NEW.Voucher_No, 1);
END
;
CREATE TRIGGER MonthTotal_OpeningDelete AFTER DELETE ON AccountInput WHEN NOT EXISTS (SELECT 1 FROM MonthTotalHold) AND OLD.Input_Type = 1
BEGIN
  INSERT INTO MonthTotalClass VALUES (OLD.Voucher_No, 0);
END
;
CREATE TRIGGER MonthTotal_OpeningUpdate AFTER UPDATE OF Voucher_No, Input_Type ON AccountInput
WHEN NOT EXISTS (SELECT 1 FROM MonthTotalHold) AND (OLD.Input_Type = 1 OR NEW.Input_Type = 1)
 AND (OLD.Voucher_No / 1000 <> NEW.Voucher_No / 1000 OR OLD.Input_Type <> NEW.Input_Type)
BEGIN
  INSERT INTO MonthTotalClass SELECT OLD.Voucher_No, 0 WHERE OLD.Input_Type = 1;
  INSERT INTO MonthTotalClass SELECT NEW.Voucher_No, 1 WHERE NEW.Input_Type = 1;
END
;
