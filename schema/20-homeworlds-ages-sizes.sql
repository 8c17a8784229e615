-- Homeworlds, age categories and size categories.
CREATE TABLE tblHomeworlds (
    "Name" TEXT,
    "Sector" TEXT,
    "Region" TEXT
);
CREATE INDEX idxHomeworldsName ON tblHomeworlds ("Name" COLLATE NOCASE);

CREATE TABLE tblAges (
    "Age" TEXT,
    "Dead" INTEGER,
    "Str" INTEGER,
    "Dex" INTEGER,
    "Con" INTEGER,
    "Int" INTEGER,
    "Wis" INTEGER,
    "Cha" INTEGER,
    "SpecialQualities" TEXT,
    "Synergy" TEXT,
    "Order" INTEGER
);
CREATE INDEX idxAgesAge ON tblAges ("Age" COLLATE NOCASE);
CREATE VIEW qryAges AS SELECT * FROM tblAges ORDER BY "Order";

CREATE TABLE tblSizes (
    "Name" TEXT,
    "Attack" INTEGER,
    "Defense" INTEGER,
    "Hide" INTEGER,
    "Punch" INTEGER,
    "Order" INTEGER,
    "DR" INTEGER,
    "MinHeight" REAL,
    "MaxHeight" REAL,
    "MinWeight" REAL,
    "MaxWeight" REAL,
    "BiteAttack" TEXT
);
CREATE INDEX idxSizesName ON tblSizes ("Name" COLLATE NOCASE);
CREATE VIEW qrySizes AS SELECT * FROM tblSizes ORDER BY "Order";
