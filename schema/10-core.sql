-- Database information and the five lookup vocabularies.
CREATE TABLE tblInfo (
    "Date" TEXT,
    "Info" TEXT
);

CREATE TABLE tblAbility (
    "Name" TEXT,
    "Order" INTEGER
);
CREATE INDEX idxAbilityName ON tblAbility ("Name" COLLATE NOCASE);
CREATE VIEW qryAbility AS SELECT "Name", "Order" FROM tblAbility ORDER BY "Order";

CREATE TABLE tblKeywords (
    "Keyword" TEXT,
    "Name" INTEGER
);
CREATE INDEX idxKeywordsKeyword ON tblKeywords ("Keyword" COLLATE NOCASE);

CREATE TABLE tblLanguages (
    "Language" TEXT
);
CREATE INDEX idxLanguagesLanguage ON tblLanguages ("Language" COLLATE NOCASE);

CREATE TABLE tblRegion (
    "Name" TEXT
);
CREATE INDEX idxRegionName ON tblRegion ("Name" COLLATE NOCASE);

CREATE TABLE tblColors (
    "Color" TEXT
);
CREATE INDEX idxColorsColor ON tblColors ("Color" COLLATE NOCASE);
