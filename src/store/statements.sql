-- The statement catalogue. Each entry starts with a header line "-- @<number>"
-- followed by what it does and its parameters in binding order (?1, ?2 ...).
-- {{SLOT}} marks where the program splices a condition built from codes it
-- controls (an Input_Type filter, an Item_No IN list); user text is always bound.

-- @357 key material: filler with the pieces of the data files' password
Cw4Lq9Zt2eMd7rXp0Nf8Ab6Ys3Hk5Rt1Vw2Pj4Gn7Cx9Qs6Lm3Bd8Kz5Ft0Wq1Ue

-- ---- vouchers ----------------------------------------------------------------

-- @413 vouchers of one month in number order (first day "YYYY-MM-01", highest number of the month)
SELECT Voucher_No, Input_Time FROM AccountInput
WHERE Voucher_No BETWEEN ?2 - 998 AND ?2 AND Input_Time >= ?1
ORDER BY Voucher_No

-- @263 insert voucher record (Voucher_No, date, Checker_No, Person_No, Input_Type, PlanID, DepositCode)
INSERT INTO AccountInput (Voucher_No, Input_Time, Checker_No, Person_No, Input_Type, PlanID, DepositCode)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)

-- @264 insert voucher line (Voucher_No, Line_No, Content, Item_No, Cash, IsDebit)
INSERT INTO Detail_Input (Voucher_No, Line_No, Content, Item_No, Cash, IsDebit)
VALUES (?1, ?2, ?3, ?4, ?5, ?6)

-- @254 delete a voucher record (Voucher_No)
DELETE FROM AccountInput WHERE Voucher_No = ?1

-- @256 delete a voucher's lines (Voucher_No)
DELETE FROM Detail_Input WHERE Voucher_No = ?1

-- @412 shift voucher record numbers strictly between two bounds (operator '-' or '+', offset, lower, upper)
UPDATE AccountInput SET Voucher_No = Voucher_No + (CASE ?1 WHEN '-' THEN -?2 ELSE ?2 END)
WHERE Voucher_No > ?3 AND Voucher_No < ?4

-- @411 shift voucher line numbers strictly between two bounds (operator '-' or '+', offset, lower, upper)
UPDATE Detail_Input SET Voucher_No = Voucher_No + (CASE ?1 WHEN '-' THEN -?2 ELSE ?2 END)
WHERE Voucher_No > ?3 AND Voucher_No < ?4

-- @347 set the audit mark (Person_No of the auditor, Voucher_No)
UPDATE AccountInput SET Checker_No = ?1 WHERE Voucher_No = ?2

-- @346 clear the audit mark (Voucher_No)
UPDATE AccountInput SET Checker_No = 0 WHERE Voucher_No = ?1

-- @250 read a voucher record (Voucher_No)
SELECT Voucher_No, Input_Time, Checker_No, Person_No, Input_Type, PlanID, DepositCode
FROM AccountInput WHERE Voucher_No = ?1

-- @253 read a voucher's lines in line order (Voucher_No)
SELECT Line_No, Content, Item_No, Cash, IsDebit FROM Detail_Input
WHERE Voucher_No = ?1 ORDER BY Line_No

-- @629 vouchers in a number range that meet a kind condition, in number order (first, last)
SELECT Voucher_No, Input_Time, Checker_No, Person_No, Input_Type, PlanID, DepositCode
FROM AccountInput WHERE Voucher_No BETWEEN ?1 AND ?2 AND ({{SLOT}})
ORDER BY Voucher_No

-- Renumbering a month in one pass: the records (lines) above a number are copied
-- one place up or down, each over the one that stood there, and the keys that
-- no copy landed on are deleted (the lowest one moving up, the highest moving
-- down). The copy reads the block before it writes, so no voucher is lost.

-- @905 voucher numbers strictly between two bounds, in number order (lower, upper)
SELECT Voucher_No FROM AccountInput
WHERE Voucher_No > ?1 AND Voucher_No < ?2 ORDER BY Voucher_No

-- @906 copy the voucher records numbered strictly between two bounds to their number plus an offset,
-- over the records found there (offset, lower, upper)
INSERT OR REPLACE INTO AccountInput (Voucher_No, Input_Time, Checker_No, Person_No, Input_Type, PlanID, DepositCode)
SELECT Voucher_No + ?1, Input_Time, Checker_No, Person_No, Input_Type, PlanID, DepositCode FROM AccountInput
WHERE Voucher_No > ?2 AND Voucher_No < ?3 ORDER BY Voucher_No

-- @907 keys of the voucher lines numbered strictly between two bounds, in key order (lower, upper)
SELECT Voucher_No, Line_No FROM Detail_Input
WHERE Voucher_No > ?1 AND Voucher_No < ?2 ORDER BY Voucher_No, Line_No

-- @908 copy the voucher lines numbered strictly between two bounds to their number plus an offset,
-- over the lines found there (offset, lower, upper)
INSERT OR REPLACE INTO Detail_Input (Voucher_No, Line_No, Content, Item_No, Cash, IsDebit)
SELECT Voucher_No + ?1, Line_No, Content, Item_No, Cash, IsDebit FROM Detail_Input
WHERE Voucher_No > ?2 AND Voucher_No < ?3 ORDER BY Voucher_No, Line_No

-- @909 delete one voucher line (Voucher_No, Line_No)
DELETE FROM Detail_Input WHERE Voucher_No = ?1 AND Line_No = ?2

-- ---- balances and periods ----------------------------------------------------

-- @372 per account the sum of debit amounts over vouchers numbered below a bound (bound)
SELECT Item_No, SUM(Cash) AS Debit FROM Detail_Input
WHERE Voucher_No < ?1 AND IsDebit = 1 GROUP BY Item_No

-- @373 per account the sum of credit amounts over vouchers numbered below a bound (bound)
SELECT Item_No, SUM(Cash) AS Loan FROM Detail_Input
WHERE Voucher_No < ?1 AND IsDebit = 0 GROUP BY Item_No

-- @419 the accounts of one type in code order (type)
SELECT Item_No, Item_Name FROM Item WHERE ItemType = ?1 ORDER BY Item_No

-- @703 lines of vouchers numbered between two bounds that meet a condition, in number order (first, last)
SELECT A.Voucher_No, A.Input_Time, D.Item_No, D.Cash, D.IsDebit
FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No
WHERE A.Voucher_No BETWEEN ?1 AND ?2 AND ({{SLOT}})
ORDER BY A.Voucher_No, D.Line_No

-- @707 lines of vouchers numbered below a bound that meet a condition (bound)
SELECT D.Cash, D.IsDebit
FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No
WHERE A.Voucher_No < ?1 AND ({{SLOT}})

-- @706 lines that meet a condition
SELECT D.Cash, D.IsDebit
FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No
WHERE {{SLOT}}

-- @257 the first voucher in a number range (first, last)
SELECT Voucher_No, Input_Time FROM AccountInput
WHERE Voucher_No BETWEEN ?1 AND ?2 ORDER BY Voucher_No LIMIT 1

-- @258 the last voucher in a number range (first, last)
SELECT Voucher_No, Input_Time FROM AccountInput
WHERE Voucher_No BETWEEN ?1 AND ?2 ORDER BY Voucher_No DESC LIMIT 1

-- @737 the first voucher dated on or after a day (date); numbers follow dates
SELECT Voucher_No FROM AccountInput WHERE Input_Time >= ?1
ORDER BY Input_Time, Voucher_No LIMIT 1

-- @738 the last voucher dated on or before a day (date)
SELECT Voucher_No FROM AccountInput WHERE Input_Time <= ?1
ORDER BY Input_Time DESC, Voucher_No DESC LIMIT 1

-- Balances and period sums read from the account index alone (account, number,
-- line, side, amount). Opening vouchers are left out by their numbers (903),
-- which a partial index keeps at hand.

-- @901 per account the sums of debit (Debit) and of credit (Loan) amounts over vouchers numbered
-- below a bound, in account order; a sum is null when the account has no line of that side
-- (bound; the slot is an Item_No IN list)
SELECT Item_No, SUM(CASE WHEN IsDebit = 1 THEN Cash END) AS Debit, SUM(CASE WHEN IsDebit = 0 THEN Cash END) AS Loan
FROM Detail_Input WHERE Voucher_No < ?1 AND ({{SLOT}})
GROUP BY Item_No ORDER BY Item_No

-- @902 lines on some accounts of vouchers numbered between two bounds, per account in number and
-- line order (first, last; the slot is an Item_No IN list)
SELECT Item_No, Voucher_No, Line_No, Cash, IsDebit FROM Detail_Input
WHERE ({{SLOT}}) AND Voucher_No BETWEEN ?1 AND ?2
ORDER BY Item_No, Voucher_No, Line_No

-- @903 the opening vouchers (kind 1) numbered between two bounds, in number order (first, last)
SELECT Voucher_No FROM AccountInput
WHERE Input_Type = 1 AND Voucher_No BETWEEN ?1 AND ?2 ORDER BY Voucher_No

-- @904 lines on some accounts of the opening vouchers (kind 1), per account in number and line order
-- (the slot is an Item_No IN list)
SELECT Item_No, Voucher_No, Line_No, Cash, IsDebit FROM Detail_Input
WHERE ({{SLOT}}) AND Voucher_No IN (SELECT Voucher_No FROM AccountInput WHERE Input_Type = 1)
ORDER BY Item_No, Voucher_No, Line_No

-- ---- chart of accounts ---------------------------------------------------------

-- @287 number of accounts
SELECT COUNT(*) AS NUM FROM Item

-- @290 accounts in code order with NUM = 1 for a leaf (filter: empty or "WHERE ...")
SELECT I.Item_No, I.Item_Name, I.ItemType,
       CASE WHEN EXISTS (SELECT 1 FROM Item C WHERE C.Item_No > I.Item_No AND C.Item_No < I.Item_No || ':')
            THEN 0 ELSE 1 END AS NUM
FROM Item I {{SLOT}} ORDER BY I.Item_No

-- @299 one account (Item_No)
SELECT Item_No, Item_Name, ItemType FROM Item WHERE Item_No = ?1

-- @349 insert an account (Item_No, Item_Name, ItemType)
INSERT INTO Item (Item_No, Item_Name, ItemType) VALUES (?1, ?2, ?3)

-- @343 store an account's name and type (Item_Name, ItemType, Item_No)
UPDATE Item SET Item_Name = ?1, ItemType = ?2 WHERE Item_No = ?3

-- @321 number of voucher lines on an account (Item_No)
SELECT COUNT(*) AS NUM FROM Detail_Input WHERE Item_No = ?1

-- ---- users ---------------------------------------------------------------------

-- @322 users in number order
SELECT Person_No, Person_Name, Person_Level, State FROM Person ORDER BY Person_No

-- @323 insert a user (name, password digest, greeting, level, state); the number comes from
-- AUTOINCREMENT, so a deleted user's number is never given to a new user
INSERT INTO Person (Person_Name, Person_Password, Welcome_Word, Person_Level, State)
VALUES (?1, ?2, ?3, ?4, ?5)

-- @324 store a user's name and state (name, state, Person_No)
UPDATE Person SET Person_Name = ?1, State = ?2 WHERE Person_No = ?3

-- @325 store a user's password (stored form, Person_No)
UPDATE Person SET Person_Password = ?1 WHERE Person_No = ?2

-- @326 ledger data that names a user: vouchers entered or audited and scheduled bookings (Person_No)
SELECT (SELECT COUNT(*) FROM AccountInput WHERE Person_No = ?1)
     + (SELECT COUNT(*) FROM AccountInput WHERE Checker_No = ?1)
     + (SELECT COUNT(*) FROM AccountInputPlan WHERE Person_No = ?1 OR Checker_No = ?1) AS Total

-- @327 one user by name with the profile fields (Person_Name)
SELECT Person_No, Person_Name, Person_Password, Person_Level, State, Color_Type, FontType,
       Welcome_Word, Welcome_Picture, Work_Music, Navi_Color, NaviBorder_Color, Main_Color, MainCap_Color,
       Scroll_Color, Frame_Color, BK_Color, Btn_Color
FROM Person WHERE Person_Name = ?1

-- @328 user names for the login list
SELECT Person_Name FROM Person ORDER BY Person_No

-- @355 delete a user (Person_Name)
DELETE FROM Person WHERE Person_Name = ?1

-- @548 one user by number with the profile fields (Person_No)
SELECT Person_No, Person_Name, Person_Password, Person_Level, State, Color_Type, FontType,
       Welcome_Word, Welcome_Picture, Work_Music, Navi_Color, NaviBorder_Color, Main_Color, MainCap_Color,
       Scroll_Color, Frame_Color, BK_Color, Btn_Color
FROM Person WHERE Person_No = ?1

-- @549 insert a user's rights (Person_No, Voucher, VoucherQuery, VoucherGraph, Budget, SystemSet)
INSERT INTO PersonRight (Person_No, Voucher, VoucherQuery, VoucherGraph, Budget, SystemSet)
VALUES (?1, ?2, ?3, ?4, ?5, ?6)

-- @547 the module rights of one user (Person_No)
SELECT Voucher, VoucherQuery, VoucherGraph, Budget, SystemSet FROM PersonRight WHERE Person_No = ?1

-- @550 store a user's rights (Voucher, VoucherQuery, VoucherGraph, Budget, SystemSet, Person_No)
UPDATE PersonRight SET Voucher = ?1, VoucherQuery = ?2, VoucherGraph = ?3, Budget = ?4, SystemSet = ?5
WHERE Person_No = ?6

-- @1850 store a user's look (Color_Type, FontType, Welcome_Word, Welcome_Picture, Work_Music, Person_No)
UPDATE Person SET Color_Type = ?1, FontType = ?2, Welcome_Word = ?3, Welcome_Picture = ?4, Work_Music = ?5
WHERE Person_No = ?6

-- @1851 store a user's own colours (Navi, NaviBorder, Main, MainCap, Scroll, Frame, BK, Btn, Person_No)
UPDATE Person SET Navi_Color = ?1, NaviBorder_Color = ?2, Main_Color = ?3, MainCap_Color = ?4,
       Scroll_Color = ?5, Frame_Color = ?6, BK_Color = ?7, Btn_Color = ?8
WHERE Person_No = ?9

-- @1852 store a user's music folder (Work_Music, Person_No)
UPDATE Person SET Work_Music = ?1 WHERE Person_No = ?2

-- @1853 the background of one window of one user (Person_No, Window_No)
SELECT BkType, BkImage, Display, Transparent FROM Skin WHERE Person_No = ?1 AND Window_No = ?2

-- @1854 store the background of one window of one user (Person_No, Window_No, BkType, BkImage, Display, Transparent)
INSERT OR REPLACE INTO Skin (Person_No, Window_No, BkType, BkImage, Display, Transparent)
VALUES (?1, ?2, ?3, ?4, ?5, ?6)

-- @551 delete a user's rights (Person_No)
DELETE FROM PersonRight WHERE Person_No = ?1

-- ---- schema version and demonstration data ---------------------------------------

-- @383 the schema version row
SELECT Ver_DB FROM DBVersion

-- @399 the version row of a new data set (Ver_DB)
INSERT INTO DBVersion (Ver_DB) VALUES (?1)

-- @398 store the schema version (Ver_DB)
UPDATE DBVersion SET Ver_DB = ?1

-- @759 all vouchers, newest first (the sample data ends with voucher 200809009)
SELECT Voucher_No, Input_Time FROM AccountInput ORDER BY Voucher_No DESC

-- @762 every plan that has a Last_Chargeup (moved forward with the sample data)
SELECT PlanID, Last_Chargeup FROM AccountInputPlan WHERE Last_Chargeup IS NOT NULL ORDER BY PlanID

-- @760 move a voucher record (new number, new date, old number)
UPDATE AccountInput SET Voucher_No = ?1, Input_Time = ?2 WHERE Voucher_No = ?3

-- @761 move a voucher's lines (new number, old number)
UPDATE Detail_Input SET Voucher_No = ?1 WHERE Voucher_No = ?2

-- ---- credit cards and the home page ------------------------------------------------

-- @763 all credit-card settings in account-code order
SELECT Item_No, PayItem_No, BillDate, AfterBillDays, PayDate, PayMode FROM CreditCard ORDER BY Item_No

-- @764 all voucher lines of one account in voucher order (Item_No)
SELECT A.Input_Time, D.Cash, D.IsDebit
FROM Detail_Input D JOIN AccountInput A ON A.Voucher_No = D.Voucher_No
WHERE D.Item_No = ?1 ORDER BY D.Voucher_No, D.Line_No

-- @420 lines on some accounts in a voucher-number range, opening vouchers left out
-- (first, last; the slot is an Item_No IN list)
SELECT D.Cash, D.IsDebit, D.Item_No, D.Voucher_No
FROM Detail_Input D JOIN AccountInput A ON A.Voucher_No = D.Voucher_No
WHERE D.Voucher_No BETWEEN ?1 AND ?2 AND A.Input_Type <> 1 AND ({{SLOT}})

-- ---- chart of accounts management ------------------------------------------------
-- Adding, changing, deleting accounts and moving bookings between them. Besides
-- the voucher lines, three kinds of record name a leaf account: scheduled-booking
-- lines, budget lines and the account that repays a credit card; they follow the
-- bookings when these move to another account.

-- @353 delete an account (Item_No)
DELETE FROM Item WHERE Item_No = ?1

-- @380 move every voucher line from one account to another (target Item_No, source Item_No)
UPDATE Detail_Input SET Item_No = ?1 WHERE Item_No = ?2

-- @530 store the type of the accounts that meet a condition (ItemType; the slot is a condition on
-- Item_No, whose values are bound from ?2 on)
UPDATE Item SET ItemType = ?1 WHERE {{SLOT}}

-- @716 move every scheduled-booking line from one account to another (target Item_No, source Item_No)
UPDATE Detail_Plan SET Item_No = ?1 WHERE Item_No = ?2

-- @717 number of scheduled-booking lines on an account (Item_No)
SELECT COUNT(*) AS NUM FROM Detail_Plan WHERE Item_No = ?1

-- @728 move the budget lines from one account to another (target Item_No, source Item_No)
UPDATE Budget SET Item_No = ?1 WHERE Item_No = ?2

-- @729 delete the budget lines of accounts that are no longer in the chart
DELETE FROM Budget WHERE NOT EXISTS (SELECT 1 FROM Item I WHERE I.Item_No = Budget.Item_No)

-- @730 the vouchers with a line on an account, highest number first, so that deleting them one by
-- one never moves a number still to come (Item_No)
SELECT DISTINCT Voucher_No AS VoucherNo FROM Detail_Input WHERE Item_No = ?1 ORDER BY VoucherNo DESC

-- @754 delete a card's settings (Item_No)
DELETE FROM CreditCard WHERE Item_No = ?1

-- @755 insert a card's settings (Item_No, BillDate, PayDate, AfterBillDays, PayItem_No, PayMode)
INSERT INTO CreditCard (Item_No, BillDate, PayDate, AfterBillDays, PayItem_No, PayMode)
VALUES (?1, ?2, ?3, ?4, ?5, ?6)

-- @756 store a card's settings (BillDate, PayDate, AfterBillDays, PayItem_No, PayMode, Item_No)
UPDATE CreditCard SET BillDate = ?1, PayDate = ?2, AfterBillDays = ?3, PayItem_No = ?4, PayMode = ?5
WHERE Item_No = ?6

-- @940 move the repayment of credit cards from one paying account to another (target Item_No,
-- source Item_No)
UPDATE CreditCard SET PayItem_No = ?1 WHERE PayItem_No = ?2

-- @941 number of credit cards repaid from an account (Item_No)
SELECT COUNT(*) AS NUM FROM CreditCard WHERE PayItem_No = ?1

-- ---- booking and search dialogs -------------------------------------------------

-- @950 lines of the vouchers a search finds, in number and line order: numbered between two bounds,
-- of the kinds of the slot, whose description (line 0) is LIKE a pattern with ESCAPE '\' (null: any
-- text) and booked on or after a day and before another (null: any day)
-- (first, last, pattern, first day "YYYY-MM-DD", day after the last day "YYYY-MM-DD")
SELECT A.Voucher_No, A.Input_Type, D.Line_No, D.Item_No, D.Cash
FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No
WHERE A.Voucher_No BETWEEN ?1 AND ?2 AND ({{SLOT}})
  AND (?3 IS NULL OR EXISTS (SELECT 1 FROM Detail_Input T WHERE T.Voucher_No = A.Voucher_No
                             AND T.Line_No = 0 AND T.Content LIKE ?3 ESCAPE '\'))
  AND (?4 IS NULL OR (A.Input_Time >= ?4 AND A.Input_Time < ?5))
ORDER BY A.Voucher_No, D.Line_No

-- ---- daily entry window and initial assets -----------------------------------------

-- @960 vouchers numbered between two bounds that meet a kind condition, each with its lines, in number
-- and line order (first, last)
SELECT A.Voucher_No, A.Input_Time, A.Checker_No, A.Person_No, A.Input_Type, A.DepositCode,
       D.Line_No, D.Content, D.Item_No, D.Cash
FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No
WHERE A.Voucher_No BETWEEN ?1 AND ?2 AND ({{SLOT}})
ORDER BY A.Voucher_No, D.Line_No

-- @961 the opening vouchers (kind 1) with their line 0 (the asset or liability), in number order
SELECT A.Voucher_No, A.Input_Time, A.Checker_No, A.Person_No, A.Input_Type, A.DepositCode,
       D.Line_No, D.Content, D.Item_No, D.Cash
FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No AND D.Line_No = 0
WHERE A.Input_Type = 1
ORDER BY A.Voucher_No

-- @962 the sums of the debit (Debit) and of the credit (Loan) amounts on some accounts over the
-- vouchers numbered below a bound (bound; the slot is an Item_No IN list)
SELECT TOTAL(CASE WHEN IsDebit = 1 THEN Cash ELSE 0 END) AS Debit,
       TOTAL(CASE WHEN IsDebit = 0 THEN Cash ELSE 0 END) AS Loan
FROM Detail_Input WHERE ({{SLOT}}) AND Voucher_No < ?1

-- ---- income and expense budgets, property projection ---------------------------------

-- @1600 the budget lines of a category in key and account order (category)
SELECT Budget_No, Item_No, Cash FROM Budget WHERE TypeID = ?1 ORDER BY Budget_No, Item_No

-- @1601 the lines of one budget in account order (category, key)
SELECT Budget_No, Item_No, Cash FROM Budget WHERE TypeID = ?1 AND Budget_No = ?2 ORDER BY Item_No

-- @1602 delete the lines of one budget (category, key)
DELETE FROM Budget WHERE TypeID = ?1 AND Budget_No = ?2

-- @1603 insert a budget line (category, key, Item_No, Cash)
INSERT INTO Budget (TypeID, Budget_No, Item_No, Cash) VALUES (?1, ?2, ?3, ?4)

-- @1605 every budget line, for moving the demonstration data forward
SELECT TypeID, Budget_No, Item_No, Cash FROM Budget ORDER BY TypeID, Budget_No, Item_No

-- @1606 delete every budget line
DELETE FROM Budget

-- @1610 the items of the property projection by type, start date and end date (no date first)
SELECT BudgetID, Content, TypeID, CashFrequency, StartDate, EndDate, Cash, CashType, Increase,
       IncreaseFrequency, IncreaseType, PayFrequency, PayPeriods, Pay
FROM PropertyBudget ORDER BY TypeID, StartDate, EndDate, BudgetID

-- @1611 one item of the property projection (BudgetID)
SELECT BudgetID, Content, TypeID, CashFrequency, StartDate, EndDate, Cash, CashType, Increase,
       IncreaseFrequency, IncreaseType, PayFrequency, PayPeriods, Pay
FROM PropertyBudget WHERE BudgetID = ?1

-- @1612 insert an item of the property projection under the number above all others (Content,
-- TypeID, CashFrequency, StartDate, EndDate, Cash, CashType, Increase, IncreaseFrequency,
-- IncreaseType, PayFrequency, PayPeriods, Pay)
INSERT INTO PropertyBudget (BudgetID, Content, TypeID, CashFrequency, StartDate, EndDate, Cash, CashType,
                            Increase, IncreaseFrequency, IncreaseType, PayFrequency, PayPeriods, Pay)
SELECT COALESCE(MAX(BudgetID), 0) + 1, ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13 FROM PropertyBudget

-- @1613 rewrite an item of the property projection (the fields of 1612, then BudgetID)
UPDATE PropertyBudget SET Content = ?1, TypeID = ?2, CashFrequency = ?3, StartDate = ?4, EndDate = ?5,
       Cash = ?6, CashType = ?7, Increase = ?8, IncreaseFrequency = ?9, IncreaseType = ?10,
       PayFrequency = ?11, PayPeriods = ?12, Pay = ?13
WHERE BudgetID = ?14

-- @1614 delete an item of the property projection (BudgetID)
DELETE FROM PropertyBudget WHERE BudgetID = ?1

-- @1615 the highest item number of the property projection
SELECT MAX(BudgetID) AS BudgetID FROM PropertyBudget

-- @1616 move the dates of the property projection's items (months to add as "+N months")
UPDATE PropertyBudget SET StartDate = date(StartDate, ?1), EndDate = date(EndDate, ?1)

-- ---- month totals ----------------------------------------------------------------
-- MonthTotal (month_totals.sql) holds per account, month (yyyymm) and class (Opening 1: lines of
-- opening vouchers) the debit and credit sums of the voucher lines, kept by triggers.

-- @970 per account the sums of debit (Debit) and credit (Loan) amounts of both classes over the
-- months between two, in account order (first month, last month)
SELECT Item_No, TOTAL(Debit) AS Debit, TOTAL(Loan) AS Loan FROM MonthTotal
WHERE Month BETWEEN ?1 AND ?2 GROUP BY Item_No ORDER BY Item_No

-- @971 per account and month the sums of the lines that are not opening lines over the months
-- between two, in account and month order (first month, last month; the slot is an Item_No IN list)
SELECT Item_No, Month, Debit, Loan FROM MonthTotal
WHERE ({{SLOT}}) AND Month BETWEEN ?1 AND ?2 AND Opening = 0
ORDER BY Item_No, Month

-- @972 per account the sums of the opening lines of all months, in account order
-- (the slot is an Item_No IN list)
SELECT Item_No, TOTAL(Debit) AS Debit, TOTAL(Loan) AS Loan FROM MonthTotal
WHERE ({{SLOT}}) AND Opening = 1 GROUP BY Item_No ORDER BY Item_No

-- @973 per account and month the sums of both classes of an account and its sub-accounts over the
-- months between two, in account and month order (code, first month, last month)
SELECT Item_No, Month, TOTAL(Debit) AS Debit, TOTAL(Loan) AS Loan FROM MonthTotal
WHERE Item_No >= ?1 AND Item_No < ?1 || ':' AND Month BETWEEN ?2 AND ?3
GROUP BY Item_No, Month ORDER BY Item_No, Month

-- @974 the stored month totals in key order
SELECT Item_No, Month, Opening, Debit, Loan, Lines FROM MonthTotal ORDER BY Item_No, Month, Opening

-- @975 the month totals as the voucher lines give them, in key order
SELECT D.Item_No, D.Voucher_No / 1000 AS Month,
       EXISTS (SELECT 1 FROM AccountInput A WHERE A.Voucher_No = D.Voucher_No AND A.Input_Type = 1) AS Opening,
       TOTAL(CASE WHEN D.IsDebit THEN D.Cash ELSE 0 END) AS Debit,
       TOTAL(CASE WHEN D.IsDebit THEN 0 ELSE D.Cash END) AS Loan, COUNT(*) AS Lines
FROM Detail_Input D GROUP BY 1, 2, 3 ORDER BY 1, 2, 3

-- @976 the month totals triggers stand still (a renumbering inside a month begins)
INSERT OR IGNORE INTO MonthTotalHold (Active) VALUES (1)

-- @977 the month totals triggers follow the lines again
DELETE FROM MonthTotalHold

-- @978 delete the month totals of one month (yyyymm)
DELETE FROM MonthTotal WHERE Month = ?1

-- @979 count the month totals of one month from its voucher lines (yyyymm)
INSERT INTO MonthTotal (Item_No, Month, Opening, Debit, Loan, Lines)
SELECT D.Item_No, ?1,
       EXISTS (SELECT 1 FROM AccountInput A WHERE A.Voucher_No = D.Voucher_No AND A.Input_Type = 1),
       TOTAL(CASE WHEN D.IsDebit THEN D.Cash ELSE 0 END), TOTAL(CASE WHEN D.IsDebit THEN 0 ELSE D.Cash END), COUNT(*)
FROM Detail_Input D WHERE D.Voucher_No BETWEEN ?1 * 1000 AND ?1 * 1000 + 999 GROUP BY 1, 3

-- ---- ledgers ----------------------------------------------------------------------

-- @980 the lines of an account and its sub-accounts on vouchers numbered between two bounds, with
-- their voucher's date, in number and line order (code, first, last)
SELECT D.Voucher_No, D.Line_No, D.Item_No, D.Cash, D.IsDebit, D.Content, A.Input_Time
FROM Detail_Input D JOIN AccountInput A ON A.Voucher_No = D.Voucher_No
WHERE D.Item_No >= ?1 AND D.Item_No < ?1 || ':' AND D.Voucher_No BETWEEN ?2 AND ?3
ORDER BY D.Voucher_No, D.Line_No

-- @981 lines of vouchers numbered between two bounds that meet a condition, with their description,
-- in number and line order (first, last; the slot is a condition on Item_No and A.Input_Type)
SELECT A.Voucher_No, A.Input_Time, D.Item_No, D.Cash, D.IsDebit, D.Content
FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No
WHERE A.Voucher_No BETWEEN ?1 AND ?2 AND ({{SLOT}})
ORDER BY A.Voucher_No, D.Line_No

-- ---- scheduled bookings ------------------------------------------------------------

-- @677 the enabled plans an execution run considers, in plan order. Every user's enabled plans
-- are booked by whoever logs in first; the logged-in user's own plans come first (Person_No).
SELECT PlanID, Input_Type, Chargeup_Type, YYear, MMonth, DDay, Week, DepositCode, Person_No, Last_Chargeup
FROM AccountInputPlan WHERE State = 0 AND Last_Chargeup IS NOT NULL
ORDER BY CASE WHEN Person_No = ?1 THEN 0 ELSE 1 END, PlanID

-- @681 a plan's Last_Chargeup and State, read again inside the transaction of one occurrence (PlanID)
SELECT Last_Chargeup, State FROM AccountInputPlan WHERE PlanID = ?1

-- @680 the lines of one plan in line order (PlanID)
SELECT Line_No, Content, Cash, Item_No, IsDebit FROM Detail_Plan WHERE PlanID = ?1 ORDER BY Line_No

-- @682 store a plan's Last_Chargeup (date, PlanID)
UPDATE AccountInputPlan SET Last_Chargeup = ?1 WHERE PlanID = ?2

-- @676 the header of one plan (PlanID)
SELECT PlanID, Person_No, Checker_No, DepositCode, Input_Type, Chargeup_Type, State, YYear, MMonth, DDay, Week,
       Last_Chargeup
FROM AccountInputPlan WHERE PlanID = ?1

-- @678 the plans of some kinds with their lines, the lines of a plan consecutive, in plan order
-- (the slot is an Input_Type condition)
SELECT P.PlanID, P.Input_Type, P.Chargeup_Type, P.YYear, P.MMonth, P.DDay, P.Week, P.DepositCode,
       P.Person_No, P.Checker_No, P.State, P.Last_Chargeup, D.Line_No, D.Content, D.Cash, D.Item_No, D.IsDebit
FROM AccountInputPlan P JOIN Detail_Plan D ON D.PlanID = P.PlanID
WHERE ({{SLOT}})
ORDER BY P.PlanID, D.Line_No

-- @685 insert a plan header (YYear, MMonth, Week, DDay, Checker_No, Input_Type, Chargeup_Type, State,
-- DepositCode, Person_No, Last_Chargeup)
INSERT INTO AccountInputPlan (YYear, MMonth, Week, DDay, Checker_No, Input_Type, Chargeup_Type, State,
                              DepositCode, Person_No, Last_Chargeup)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)

-- @679 the number of the plan just inserted on this connection
SELECT last_insert_rowid() AS PlanID

-- @683 store a plan header; Last_Chargeup starts again from the day of the change (YYear, MMonth,
-- Week, DDay, Input_Type, Chargeup_Type, State, DepositCode, Last_Chargeup, PlanID)
UPDATE AccountInputPlan SET YYear = ?1, MMonth = ?2, Week = ?3, DDay = ?4, Input_Type = ?5,
       Chargeup_Type = ?6, State = ?7, DepositCode = ?8, Last_Chargeup = ?9
WHERE PlanID = ?10

-- @684 delete the lines of a plan (PlanID)
DELETE FROM Detail_Plan WHERE PlanID = ?1

-- @686 insert one plan line (PlanID, Line_No, Content, Item_No, Cash, IsDebit)
INSERT INTO Detail_Plan (PlanID, Line_No, Content, Item_No, Cash, IsDebit) VALUES (?1, ?2, ?3, ?4, ?5, ?6)

-- @687 delete a plan header (PlanID)
DELETE FROM AccountInputPlan WHERE PlanID = ?1

-- @752 set a plan's State (State, PlanID)
UPDATE AccountInputPlan SET State = ?1 WHERE PlanID = ?2

-- @688 the vouchers booked by one plan (PlanID; 0 for every plan), each with its line 0, in number order
SELECT A.Voucher_No, A.Input_Time, A.Input_Type, A.PlanID, D.Content, D.Cash
FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No AND D.Line_No = 0
WHERE A.PlanID > 0 AND (?1 = 0 OR A.PlanID = ?1)
ORDER BY A.Voucher_No

-- @689 the highest voucher number of a month (the month's first number, its highest possible number)
SELECT Voucher_No FROM AccountInput WHERE Voucher_No BETWEEN ?1 AND ?2 ORDER BY Voucher_No DESC LIMIT 1

-- @690 whether an account is in the chart (Item_No)
SELECT COUNT(*) AS NUM FROM Item WHERE Item_No = ?1

-- ---- conversion of borrowing accounts to credit cards ------------------------------

-- @531 set an account's type (ItemType, Item_No)
UPDATE Item SET ItemType = ?1 WHERE Item_No = ?2

-- @532 the vouchers of a kind whose line 0 is on an account, with that line's content (Input_Type, Item_No)
SELECT A.Voucher_No, D.Content FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No AND D.Line_No = 0
WHERE A.Input_Type = ?1 AND D.Item_No = ?2 ORDER BY A.Voucher_No

-- @533 set a voucher's kind (Input_Type, Voucher_No)
UPDATE AccountInput SET Input_Type = ?1 WHERE Voucher_No = ?2

-- @534 the plans of a kind whose line 0 is on an account, with that line's content (Input_Type, Item_No)
SELECT P.PlanID, D.Content FROM AccountInputPlan P JOIN Detail_Plan D ON D.PlanID = P.PlanID AND D.Line_No = 0
WHERE P.Input_Type = ?1 AND D.Item_No = ?2 ORDER BY P.PlanID

-- @535 set a plan's kind (Input_Type, PlanID)
UPDATE AccountInputPlan SET Input_Type = ?1 WHERE PlanID = ?2

-- ---- backups and the schema upgrade -----------------------------------------------

-- @360 the automatic-backup settings
SELECT RetainFile, Dir FROM DBBackup

-- @358 delete the automatic-backup settings
DELETE FROM DBBackup

-- @359 insert the automatic-backup settings (RetainFile, Dir)
INSERT INTO DBBackup (RetainFile, Dir) VALUES (?1, ?2)

-- @715 store a voucher's kind (Input_Type, Voucher_No)
UPDATE AccountInput SET Input_Type = ?1 WHERE Voucher_No = ?2

-- @714 store a scheduled booking's kind (Input_Type, PlanID)
UPDATE AccountInputPlan SET Input_Type = ?1 WHERE PlanID = ?2
