-- Droids: bonuses, degrees, equipment, makers and quirks.
CREATE TABLE tblDroidBonus (
    "Name" TEXT,
    "Multiple" INTEGER,
    "Skills" TEXT
);
CREATE INDEX idxDroidBonusName ON tblDroidBonus ("Name" COLLATE NOCASE);

CREATE TABLE tblDroidDegree (
    "Name" TEXT,
    "Str" INTEGER,
    "Dex" INTEGER,
    "Con" INTEGER,
    "Int" INTEGER,
    "Wis" INTEGER,
    "Cha" INTEGER,
    "Classes" TEXT
);
CREATE INDEX idxDroidDegreeName ON tblDroidDegree ("Name" COLLATE NOCASE);

CREATE TABLE tblDroidEquip (
    "Name" TEXT,
    "Cost" INTEGER,
    "Mass" INTEGER,
    "Synergy" TEXT,
    "Source" TEXT,
    "Notes" TEXT
);
CREATE INDEX idxDroidEquipName ON tblDroidEquip ("Name" COLLATE NOCASE);

CREATE TABLE tblDroidMakers (
    "Name" TEXT,
    "Str" INTEGER,
    "Dex" INTEGER,
    "Con" INTEGER,
    "Int" INTEGER,
    "Wis" INTEGER,
    "Cha" INTEGER,
    "MoveMod" INTEGER,
    "MoveMax" INTEGER,
    "BonusAmt" INTEGER,
    "BonusAny" INTEGER,
    "PenaltyAmt" INTEGER,
    "PenaltyAny" INTEGER,
    "AddQuirks" INTEGER,
    "SpecialQualities" TEXT,
    "Synergy" TEXT,
    "BonusSelect" TEXT
);
CREATE INDEX idxDroidMakersName ON tblDroidMakers ("Name" COLLATE NOCASE);

CREATE TABLE tblDroidQuirks (
    "Name" TEXT,
    "Move" INTEGER,
    "SpecialQuality" TEXT,
    "Synergy" TEXT,
    "BonusFeats" TEXT,
    "SkillMastery" TEXT
);
CREATE INDEX idxDroidQuirksName ON tblDroidQuirks ("Name" COLLATE NOCASE);
