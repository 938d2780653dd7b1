-- Layout of a Coinwright data set (the user's data and the demonstration data
-- share it). SQLite 3.15 as carried by SQLCipher 3.4.1.
--
-- Tables and their roles:
--   AccountInput      voucher records, one per voucher
--   Detail_Input      voucher lines, two or three per voucher
--   Item              chart of accounts
--   Person            users, with their look (theme, own colours, greeting,
--                     photo, music folder)
--   PersonRight       the five module rights of a user; a user without a row
--                     has every right
--   AccountInputPlan  scheduled bookings: recurrence rule and booking mode
--   Detail_Plan       the voucher lines a scheduled booking writes
--   CreditCard        bill and repayment settings of each credit-card account
--   Budget            lines of the income and expense budgets (month, quarter
--                     and year budgets), one per budget key, category, account
--   PropertyBudget    items of the long-range family property projection
--   Skin              window backgrounds chosen by a user, one per window
--   DBBackup          settings of the automatic backup (at most one row)
--   DBVersion         the schema version of the data set (one row)
--
-- Declared column types name how the row reader hands a value out:
--   INT32 (Long), INT16 (Short), UINT8 (Byte), DOUBLE (Double),
--   DATETEXT (Date: ISO text 'YYYY-MM-DD' or 'YYYY-MM-DD HH:MM:SS'),
--   BOOLINT (Yes/No: 0 or 1), TEXT (Text).
-- Keys the database assigns on insert are INTEGER PRIMARY KEY (the row id,
-- read as Long): the voucher number, which the program always supplies, and
-- the user, plan and property-budget item numbers, which it does not.
--
-- Account codes are digits only; their columns use the NOCASE collation so
-- that a prefix search such as Item_No LIKE '503%' (an account with all its
-- sub-accounts) is answered from the index.
--
-- Entries are separated by a line holding only a semicolon.

-- Voucher record. Voucher_No = year * 100000 + month * 1000 + sequence.
CREATE TABLE AccountInput (
  Voucher_No   INTEGER PRIMARY KEY,
  Input_Time   DATETEXT NOT NULL,
  Checker_No   INT32    NOT NULL DEFAULT 0,
  Person_No    INT32    NOT NULL DEFAULT 0,
  Input_Type   UINT8    NOT NULL DEFAULT 0,
  PlanID       INT32    NOT NULL DEFAULT 0,
  DepositCode  INT32    NOT NULL DEFAULT 0
)
;
-- A booking renumbers the later vouchers of its month (half a month on
-- average), and every index of the two voucher tables is rewritten for each of
-- them, so the tables carry only the indexes the ledger's queries need, and
-- partial ones where a few vouchers are wanted. Person_No has none: the check
-- whether a user entered or audited vouchers reads the table once anyway (for
-- Checker_No).
--
-- First and last voucher on or after a date, vouchers of a day range.
CREATE INDEX AccountInput_Time ON AccountInput (Input_Time)
;
-- Vouchers produced by scheduled bookings: a query for them says PlanID > 0
-- (also next to PlanID = ?), so that this index answers it.
CREATE INDEX AccountInput_Plan ON AccountInput (PlanID) WHERE PlanID > 0
;
-- The opening vouchers (kind 1), which the period sums leave out. Partial: a
-- booking that renumbers ordinary vouchers never touches it.
CREATE INDEX AccountInput_Opening ON AccountInput (Input_Type) WHERE Input_Type = 1
;
-- Voucher line. Line_No 0, 1, 2 fixes the role of the line within its kind.
CREATE TABLE Detail_Input (
  Voucher_No  INT32  NOT NULL,
  Line_No     INT16  NOT NULL,
  Content     TEXT   NOT NULL DEFAULT '',
  Item_No     TEXT   NOT NULL DEFAULT '' COLLATE NOCASE,
  Cash        DOUBLE NOT NULL DEFAULT 0,
  IsDebit     BOOLINT NOT NULL DEFAULT 0,
  PRIMARY KEY (Voucher_No, Line_No)
) WITHOUT ROWID
;
-- Ledger of one account (or of an account with its sub-accounts) in voucher
-- order; also whether an account has bookings at all. It carries side and
-- amount, so balances and period sums over a list of accounts are read from
-- the index alone, in voucher and line order per account.
CREATE INDEX Detail_Input_Item ON Detail_Input (Item_No, Voucher_No, Line_No, IsDebit, Cash)
;
-- Chart of accounts: 3 digits for a top-level account, 2 more per level.
-- ItemType is stored on leaves; an account with sub-accounts carries 0.
CREATE TABLE Item (
  Item_No    TEXT  NOT NULL PRIMARY KEY COLLATE NOCASE,
  Item_Name  TEXT  NOT NULL DEFAULT '',
  ItemType   UINT8 NOT NULL DEFAULT 0
)
;
-- Users. Person_Password holds the password digest; the empty password has
-- the empty digest. The eight colours are the user's own theme (Color_Type 0);
-- 0 stands for the theme's default colour.
CREATE TABLE Person (
  Person_No         INTEGER PRIMARY KEY AUTOINCREMENT,
  Person_Name       TEXT  NOT NULL DEFAULT '' UNIQUE,
  Person_Password   TEXT  NOT NULL DEFAULT '',
  Person_Level      INT32 NOT NULL DEFAULT 1,
  State             UINT8 NOT NULL DEFAULT 0,
  Color_Type        UINT8 NOT NULL DEFAULT 0,
  FontType          UINT8 NOT NULL DEFAULT 0,
  Welcome_Word      TEXT  NOT NULL DEFAULT '',
  Welcome_Picture   TEXT  NOT NULL DEFAULT '',
  Work_Music        TEXT  NOT NULL DEFAULT '',
  BK_Color          INT32 NOT NULL DEFAULT 0,
  Btn_Color         INT32 NOT NULL DEFAULT 0,
  Navi_Color        INT32 NOT NULL DEFAULT 0,
  NaviBorder_Color  INT32 NOT NULL DEFAULT 0,
  Main_Color        INT32 NOT NULL DEFAULT 0,
  MainCap_Color     INT32 NOT NULL DEFAULT 0,
  Scroll_Color      INT32 NOT NULL DEFAULT 0,
  Frame_Color       INT32 NOT NULL DEFAULT 0
)
;
-- Module rights of a user: bookkeeping, ledger queries, charts, budgets,
-- system management.
CREATE TABLE PersonRight (
  Person_No     INT32   NOT NULL PRIMARY KEY,
  Voucher       BOOLINT NOT NULL DEFAULT 1,
  VoucherQuery  BOOLINT NOT NULL DEFAULT 1,
  VoucherGraph  BOOLINT NOT NULL DEFAULT 1,
  Budget        BOOLINT NOT NULL DEFAULT 1,
  SystemSet     BOOLINT NOT NULL DEFAULT 1
)
;
-- Scheduled booking. YYear/MMonth/DDay 0 = every year/month/day; Week 1-7
-- (Monday-Sunday) for a weekly rule, then DDay is 0. Chargeup_Type: 0 book
-- silently, 1 book and show, 2 ask first. State: 0 enabled, 1 disabled.
-- Last_Chargeup: the day from which the next occurrence is searched.
CREATE TABLE AccountInputPlan (
  PlanID         INTEGER PRIMARY KEY AUTOINCREMENT,
  Input_Type     UINT8    NOT NULL DEFAULT 0,
  Chargeup_Type  UINT8    NOT NULL DEFAULT 0,
  YYear          INT16    NOT NULL DEFAULT 0,
  MMonth         INT16    NOT NULL DEFAULT 0,
  DDay           INT16    NOT NULL DEFAULT 0,
  Week           INT16    NOT NULL DEFAULT 0,
  State          UINT8    NOT NULL DEFAULT 0,
  DepositCode    INT32    NOT NULL DEFAULT 0,
  Person_No      INT32    NOT NULL DEFAULT 0,
  Checker_No     INT32    NOT NULL DEFAULT 0,
  Last_Chargeup  DATETEXT
)
;
-- The lines a scheduled booking writes, in the layout of Detail_Input.
CREATE TABLE Detail_Plan (
  PlanID   INT32  NOT NULL,
  Line_No  INT16  NOT NULL,
  Content  TEXT   NOT NULL DEFAULT '',
  Item_No  TEXT   NOT NULL DEFAULT '' COLLATE NOCASE,
  Cash     DOUBLE NOT NULL DEFAULT 0,
  IsDebit  BOOLINT NOT NULL DEFAULT 0,
  PRIMARY KEY (PlanID, Line_No)
) WITHOUT ROWID
;
-- Whether an account is used by a scheduled booking; moving an account's
-- plan lines to another account.
CREATE INDEX Detail_Plan_Item ON Detail_Plan (Item_No)
;
-- Credit card settings, keyed by the card's account. Exactly one of PayDate
-- (repayment day of month) and AfterBillDays (days after the bill day) is
-- above 0. PayMode 1 books the repayment automatically from PayItem_No.
CREATE TABLE CreditCard (
  Item_No        TEXT  NOT NULL PRIMARY KEY COLLATE NOCASE,
  PayItem_No     TEXT  NOT NULL DEFAULT '' COLLATE NOCASE,
  BillDate       INT16 NOT NULL DEFAULT 1,
  PayDate        INT16 NOT NULL DEFAULT 0,
  AfterBillDays  INT16 NOT NULL DEFAULT 0,
  PayMode        INT16 NOT NULL DEFAULT 0
)
;
-- Income and expense budget lines. Budget_No: year * 100 + month (month
-- budget), + 50 + quarter (quarter budget), + 61 (year budget). TypeID is
-- the category: 1 income, 2 expense. Accounts planned at 0 have no line.
CREATE TABLE Budget (
  TypeID     UINT8  NOT NULL,
  Budget_No  INT32  NOT NULL,
  Item_No    TEXT   NOT NULL COLLATE NOCASE,
  Cash       DOUBLE NOT NULL DEFAULT 0,
  PRIMARY KEY (TypeID, Budget_No, Item_No)
) WITHOUT ROWID
;
-- Items of the family property projection. TypeID: 1 regular income,
-- 2 regular spending, 3 large expense, 4 fixed deposit, 5 real estate,
-- 6 securities, 100 inflation rate. CashType: 0 fixed amount, 1 year-on-year
-- rate, 2 share of the average monthly income. IncreaseType: 0 fixed amount,
-- 1 percentage. The frequencies use the codes 1-7 (daily ... once).
-- StartDate/EndDate NULL: no start / no end. The instalment fields and Date
-- are kept at zero (NULL for Date) by the items that can be entered.
CREATE TABLE PropertyBudget (
  BudgetID           INTEGER PRIMARY KEY,
  Content            TEXT     NOT NULL DEFAULT '',
  TypeID             UINT8    NOT NULL DEFAULT 0,
  CashFrequency      UINT8    NOT NULL DEFAULT 0,
  StartDate          DATETEXT,
  EndDate            DATETEXT,
  Cash               DOUBLE   NOT NULL DEFAULT 0,
  CashType           UINT8    NOT NULL DEFAULT 0,
  Increase           DOUBLE   NOT NULL DEFAULT 0,
  IncreaseFrequency  UINT8    NOT NULL DEFAULT 0,
  IncreaseType       UINT8    NOT NULL DEFAULT 0,
  PayFrequency       UINT8    NOT NULL DEFAULT 0,
  PayPeriods         INT32    NOT NULL DEFAULT 0,
  Pay                DOUBLE   NOT NULL DEFAULT 0,
  Date               DATETEXT
)
;
-- Window background of one window for one user. BkType 1 picture, 0 plain
-- colour. Display: 0 centred, 1 stretched, 2 tiled, plus 10 when the picture
-- scrolls with the window. Transparent: 0-100 percent.
CREATE TABLE Skin (
  Person_No    INT32 NOT NULL,
  Window_No    INT32 NOT NULL,
  BkType       UINT8 NOT NULL DEFAULT 0,
  BkImage      TEXT  NOT NULL DEFAULT '',
  Display      INT16 NOT NULL DEFAULT 0,
  Transparent  UINT8 NOT NULL DEFAULT 50,
  PRIMARY KEY (Person_No, Window_No)
) WITHOUT ROWID
;
-- Automatic backup: number of backup files kept (0-15, 0 = off) and the
-- backup folder. Without a row the program uses 5 and its own folder.
CREATE TABLE DBBackup (
  RetainFile  INT16 NOT NULL DEFAULT 5,
  Dir         TEXT  NOT NULL DEFAULT ''
)
;
-- Schema version: major * 65536 + hundredths (3.35 is 3 * 65536 + 35).
CREATE TABLE DBVersion (
  Ver_DB  INT32 NOT NULL DEFAULT 0
)
;
